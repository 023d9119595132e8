// oxel: the command-line host of the oxel32 library
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"
#include "oxel32.h"

namespace {

const char *const kUsage =
    "usage: oxel [options] COMMAND FILE...\n"
    "\n"
    "Commands:\n"
    "  parse FILE...    read each file; report syntax errors\n"
    "  is-oxel FILE     exit 0 when the file is an OXEL file, 1 when not\n"
    "  components FILE...\n"
    "                   list the component names of each file (quick scan)\n"
    "  show FILE        parse and print every component: instructions,\n"
    "                   registers, TAP pins, pins and boundary-scan cells\n"
    "                   (--json: as one JSON document)\n"
    "\n"
    "Options:\n"
    "  --level N        message level: 1 errors, 2 warnings, 3 notes,\n"
    "                   4 progress and status (default 3)\n"
    "  --prog-name NAME name used in syntax messages\n"
    "  --json           show prints JSON\n"
    "  --help           this text\n"
    "  --version        the version\n"
    "\n"
    "Messages go to standard error, one per line, behind their kind. The exit\n"
    "status is the library's result code (0 success, 4 failure), or 2 for a\n"
    "usage error.\n";

const char *kind_word(int32_t kind) {
    switch (kind) {
    case OXEL_KIND_ERROR: return "error";
    case OXEL_KIND_WARNING: return "warning";
    case OXEL_KIND_NOTE: return "note";
    case OXEL_KIND_PROGRESS: return "progress";
    default: return "status";
    }
}

// Prints a message with its kind in front of every line it holds.
int32_t OXEL_CALLBACK print_message(void *, const MessageRecord *message) {
    const char *text = message->text;
    for (;;) {
        const char *end = std::strchr(text, '\n');
        int length = end ? static_cast<int>(end - text) : static_cast<int>(std::strlen(text));
        std::fprintf(stderr, "%s: %.*s\n", kind_word(message->kind), length, text);
        if (!end)
            break;
        text = end + 1;
    }
    return 0;
}

struct Options {
    int32_t level = 3;
    const char *prog_name = nullptr;
    bool json = false;
    std::string command;
    std::vector<const char *> files;
};

int usage_error(const char *what) {
    std::fprintf(stderr, "oxel: %s\n%s", what, kUsage);
    return 2;
}

bool parse_level(const char *text, int32_t *level) {
    char *end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (!*text || *end || value < 0 || value > 1000)
        return false;
    *level = static_cast<int32_t>(value);
    return true;
}

struct Host {
    HostContext context{};
    MessageCounters counters{};

    explicit Host(const Options &options) {
        context.callback = print_message;
        context.counters = &counters;
        context.message_level = options.level;
    }
};

int run_parse(const Options &options) {
    Host host(options);
    int32_t worst = OXEL_OK;
    for (const char *file : options.files) {
        OxelInitialize(&host.context);
        if (options.prog_name)
            OxelSetProgName(&host.context, options.prog_name);
        int32_t result = OxelParse(&host.context, file);
        if (result > worst)
            worst = result;
        OxelDestroy(&host.context);
    }
    return worst;
}

int run_is_oxel(const Options &options) {
    if (options.files.size() != 1)
        return usage_error("is-oxel takes one file");
    Host host(options);
    int32_t yes = FileIsOxel(&host.context, options.files[0]);
    std::printf("%s\n", yes ? "yes" : "no");
    return yes ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
    Options options;
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(arg, "--version") == 0) {
            std::printf("oxel %s\n", oxel_version());
            return 0;
        }
        if (std::strcmp(arg, "--level") == 0) {
            if (++i >= argc || !parse_level(argv[i], &options.level))
                return usage_error("--level takes a number from 0 to 1000");
        } else if (std::strcmp(arg, "--prog-name") == 0) {
            if (++i >= argc)
                return usage_error("--prog-name takes a name");
            options.prog_name = argv[i];
        } else if (std::strcmp(arg, "--json") == 0) {
            options.json = true;
        } else if (arg[0] == '-' && arg[1] == '-') {
            return usage_error((std::string("unknown option ") + arg).c_str());
        } else if (options.command.empty()) {
            options.command = arg;
        } else {
            options.files.push_back(arg);
        }
    }
    if (options.command.empty())
        return usage_error("no command given");
    if (options.files.empty())
        return usage_error("no file given");
    if (options.command == "parse")
        return run_parse(options);
    if (options.command == "is-oxel")
        return run_is_oxel(options);
    if (options.command == "components") {
        Host host(options);
        return run_components(&host.context, options.files);
    }
    if (options.command == "show") {
        if (options.files.size() != 1)
            return usage_error("show takes one file");
        Host host(options);
        return run_show(&host.context, options.files[0], options.prog_name, options.json);
    }
    return usage_error(("unknown command " + options.command).c_str());
}
