// oxel: the command-line host of the oxel32 library
#include <cstdio>
#include <string>

#include "commands.h"
#include "oxel32.h"

namespace {

const char *const kUsageLine = "usage: oxel COMMAND [OPTIONS] FILE...  (oxel help for more)\n";

const char *const kHelp =
    "usage: oxel COMMAND [OPTIONS] FILE...\n"
    "\n"
    "Commands:\n"
    "  parse FILE...    read each file; report syntax errors\n"
    "  check FILE...    parse and check each file: one line per message and a\n"
    "                   summary line per file (--json: one JSON document)\n"
    "  is-oxel FILE     print yes (exit 0) when the file is an OXEL file, no\n"
    "                   (exit 1) when not\n"
    "  components FILE...\n"
    "                   list the component names of each file (quick scan)\n"
    "  show FILE        parse and print every board (TAPs, part chains, nets)\n"
    "                   and component (instructions, registers, TAP pins, pins,\n"
    "                   boundary-scan cells); --json: one JSON document that\n"
    "                   also holds pin families and test sequences\n"
    "  help             this text\n"
    "\n"
    "Options:\n"
    "  -l, --level N    message level: 0 none, 1 errors, 2 warnings, 3 notes,\n"
    "                   4 progress and status (default 3)\n"
    "  --prog-name NAME name used in syntax messages\n"
    "  --json           show and check print JSON\n"
    "  -h, --help       this text\n"
    "  -V, --version    the version\n"
    "\n"
    "A FILE of - reads standard input. A BSDL file (its first word is entity) is\n"
    "imported wherever a file is read. Messages go to standard error, one line\n"
    "each: FILE:LINE:COL: KIND: TEXT where a message points into a file (an\n"
    "include file by its name), FILE: KIND: TEXT otherwise. Colour only on a\n"
    "terminal and without NO_COLOR.\n"
    "The exit status is the worst result over the files: 0 success, 1 warnings\n"
    "only (check), 4 failure or a file that cannot be read; 2 a usage error.\n";

int usage_error(const std::string &what) {
    if (!what.empty())
        std::fprintf(stderr, "oxel: %s\n", what.c_str());
    std::fputs(kUsageLine, stderr);
    return 2;
}

}  // namespace

int main(int argc, char **argv) {
    // Nothing at all: the usage line alone.
    if (argc < 2)
        return usage_error("");
    Options options;
    std::string wrong = read_command_line(argc, argv, options);
    if (!wrong.empty())
        return usage_error(wrong);
    if (options.help || options.command == "help") {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("oxel %s\n", oxel_version());
        return 0;
    }
    return find_command(options.command)->run(options);
}
