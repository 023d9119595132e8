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
    "                   (exit 1) when not; the messages of reading its first\n"
    "                   word only with --level\n"
    "  components FILE...\n"
    "                   list the component names of each file (quick scan)\n"
    "  show FILE        parse and print every board (TAPs, part chains, nets)\n"
    "                   and component (instructions, registers, TAP pins, pins,\n"
    "                   boundary-scan cells); --json: one JSON document that\n"
    "                   also holds pin families and test sequences; --oxel: the\n"
    "                   description as OXEL text in the canonical layout\n"
    "  draw FILE        write one SVG picture: a board's scan chains from TDI to\n"
    "                   TDO, or a component's boundary-scan cells and package\n"
    "                   (--board NAME, --component NAME; else the first board,\n"
    "                   else the first component)\n"
    "  report FILE      check the file and write one HTML page: summary,\n"
    "                   findings with their source lines, every board and\n"
    "                   component in tables and pictures (status as check)\n"
    "  explain [ID...]  print the catalogue's entry of each message id (what\n"
    "                   triggers it, how to fix it, an example); without an id,\n"
    "                   list every message with its id\n"
    "  import-bsdl FILE write the OXEL description a BSDL file imports as (-o:\n"
    "                   to a file, replaced only once the whole text is written)\n"
    "  help             this text\n"
    "\n"
    "Options:\n"
    "  -l, --level N    message level: 0 none, 1 errors, 2 warnings, 3 notes,\n"
    "                   4 progress and status (default 3)\n"
    "  -I, --include-dir DIR\n"
    "                   look for include files in DIR too (repeatable)\n"
    "  --fail-on WHAT   what fails check and report: warning (the default) or\n"
    "                   error\n"
    "  --strict         check and report also hold each component to the strict\n"
    "                   IEEE 1149.1 rules (doc/messages.md, ids strict-...)\n"
    "  -o, --output FILE\n"
    "                   where draw, report and import-bsdl write (default:\n"
    "                   standard output)\n"
    "  --package NAME   the pin map (PIN_MAP_STRING constant) a BSDL file is read\n"
    "                   with (default: the file's own)\n"
    "  --board NAME, --component NAME\n"
    "                   what draw draws\n"
    "  --prog-name NAME name used in syntax messages\n"
    "  --json           show and check print JSON\n"
    "  --format FORMAT  text (the default), json (as --json) or, for check,\n"
    "                   sarif: one SARIF 2.1.0 log for CI\n"
    "  -h, --help       this text\n"
    "  -V, --version    the version\n"
    "\n"
    "A FILE of - reads standard input; any other FILE must be a regular file.\n"
    "A BSDL file (its first word is entity) is imported wherever a file is read.\n"
    "An include file is opened by its name from the working directory, else\n"
    "beside the file that names it, else from each -I folder in order.\n"
    "Messages go to standard error, one line each: FILE:LINE:COL: KIND: TEXT\n"
    "where a message points into a file (an include file by the path it was\n"
    "found at), FILE: KIND: TEXT otherwise. Colour only on a terminal and\n"
    "without NO_COLOR.\n"
    "\n"
    "Exit status, the worst over the files: 4 when a file cannot be read, the\n"
    "library fails, or any error message was sent (parse, check, show,\n"
    "components, draw, report, import-bsdl), or a picture, page or text cannot\n"
    "be written; 1 when check or report finds warnings (messages, or a warning\n"
    "the check counts without a message, told in a note), 0 with\n"
    "--fail-on=error; 0 otherwise; 2 a usage error. is-oxel: 0 yes, 1 no,\n"
    "4 unreadable.\n";

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
