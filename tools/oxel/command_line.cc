// oxel: reading the options and the command from the arguments
#include <cstdlib>
#include <cstring>

#include "commands.h"

namespace {

bool read_level(const char *text, int32_t *level) {
    char *end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (!*text || *end || value < 0 || value > 4)
        return false;
    *level = static_cast<int32_t>(value);
    return true;
}

// Whether `argument` is the option that takes a value: "--name VALUE",
// "--name=VALUE" or, when it has a short name, "-x VALUE". Its value goes
// to *value: null when the arguments end before it.
bool valued_option(const char *argument, const char *name, const char *short_name, int argc, char **argv,
                   int *i, const char **value) {
    size_t length = std::strlen(name);
    if (std::strncmp(argument, name, length) == 0 && argument[length] == '=') {
        *value = argument + length + 1;
        return true;
    }
    if (std::strcmp(argument, name) != 0 && !(short_name && std::strcmp(argument, short_name) == 0))
        return false;
    *value = ++*i < argc ? argv[*i] : nullptr;
    return true;
}

}  // namespace

const Command *find_command(const std::string &name) {
    static const Command kCommands[] = {{"parse", run_parse},
                                        {"check", run_check},
                                        {"is-oxel", run_is_oxel},
                                        {"components", run_components},
                                        {"show", run_show},
                                        {"draw", run_draw},
                                        {"report", run_report},
                                        {"explain", run_explain},
                                        {"import-bsdl", run_import_bsdl}};
    for (const Command &command : kCommands)
        if (name == command.name)
            return &command;
    return nullptr;
}

std::string read_command_line(int argc, char **argv, Options &options) {
    bool only_files = false;
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        const char *value = nullptr;
        if (only_files || arg[0] != '-' || std::strcmp(arg, "-") == 0) {
            if (options.command.empty() && !only_files)
                options.command = arg;
            else
                options.files.push_back(arg);
            continue;
        }
        if (std::strcmp(arg, "--") == 0) {
            only_files = true;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options.help = true;
        } else if (std::strcmp(arg, "--version") == 0 || std::strcmp(arg, "-V") == 0) {
            options.version = true;
        } else if (std::strcmp(arg, "--json") == 0) {
            options.json = true;
            options.sarif = false;
        } else if (valued_option(arg, "--level", "-l", argc, argv, &i, &value)) {
            if (!value || !read_level(value, &options.level))
                return "--level takes a number from 0 to 4";
            options.level_given = true;
        } else if (valued_option(arg, "--format", nullptr, argc, argv, &i, &value)) {
            const std::string format = value ? value : "";
            if (format != "text" && format != "json" && format != "sarif")
                return "--format takes text, json or sarif";
            options.json = format == "json";
            options.sarif = format == "sarif";
        } else if (valued_option(arg, "--fail-on", nullptr, argc, argv, &i, &value)) {
            if (!value || (std::strcmp(value, "error") != 0 && std::strcmp(value, "warning") != 0))
                return "--fail-on takes error or warning";
            options.warnings_fail = std::strcmp(value, "warning") == 0;
        } else if (std::strcmp(arg, "--strict") == 0) {
            options.strict = true;
        } else if (std::strncmp(arg, "-I", 2) == 0 && arg[2]) {
            options.include_folders.push_back(arg + 2);
        } else if (valued_option(arg, "--include-dir", "-I", argc, argv, &i, &value)) {
            if (!value || !*value)
                return "--include-dir takes a folder";
            options.include_folders.push_back(value);
        } else if (valued_option(arg, "--output", "-o", argc, argv, &i, &value)) {
            if (!value || !*value)
                return "--output takes a file";
            options.output = value;
        } else if (valued_option(arg, "--board", nullptr, argc, argv, &i, &value)) {
            if (!value)
                return "--board takes a name";
            options.board = value;
        } else if (valued_option(arg, "--component", nullptr, argc, argv, &i, &value)) {
            if (!value)
                return "--component takes a name";
            options.component = value;
        } else if (std::strcmp(arg, "--oxel") == 0) {
            options.oxel_text = true;
        } else if (valued_option(arg, "--package", nullptr, argc, argv, &i, &value)) {
            if (!value || !*value)
                return "--package takes a name";
            options.package = value;
        } else if (valued_option(arg, "--prog-name", nullptr, argc, argv, &i, &value)) {
            if (!value || !*value)
                return "--prog-name takes a name";
            options.prog_name = value;
        } else {
            return std::string("unknown option ") + arg;
        }
    }
    if (options.help || options.version || options.command == "help")
        return "";
    if (options.command.empty())
        return "no command given";
    if (!find_command(options.command))
        return "unknown command " + options.command;
    if (options.files.empty() && options.command != "explain")
        return "no file given";
    const bool pictures = options.command == "draw" || options.command == "report";
    const bool import = options.command == "import-bsdl";
    if ((options.command == "is-oxel" || options.command == "show" || pictures || import) &&
        options.files.size() != 1)
        return options.command + " takes one file";
    if (options.output && !pictures && !import)
        return "--output goes with draw, report and import-bsdl";
    if (options.oxel_text && (options.command != "show" || options.json))
        return "--oxel goes with show, without --json";
    if (options.package && (options.command == "is-oxel" || options.command == "explain"))
        return "--package goes with the commands that read a file";
    if ((options.board || options.component) && options.command != "draw")
        return std::string(options.board ? "--board" : "--component") + " goes with draw";
    if (options.board && options.component)
        return "draw takes --board or --component, not both";
    if (options.json && options.command != "show" && options.command != "check")
        return "--json goes with show and check";
    if (options.sarif && options.command != "check")
        return "--format=sarif goes with check";
    if (options.strict && options.command != "check" && options.command != "report")
        return "--strict goes with check and report";
    return "";
}
