// The shared library exports exactly the documented entry points
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::set<std::string> exported_symbols(const std::string &library) {
    std::set<std::string> names;
    std::string command = "nm -D --defined-only '" + library + "'";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe)) {
        char address[64], type[8], name[900];
        if (std::sscanf(line, "%63s %7s %899s", address, type, name) == 3 &&
            (type[0] == 'T' || type[0] == 'D' || type[0] == 'B' || type[0] == 'W' || type[0] == 'V'))
            names.insert(name);
    }
    pclose(pipe);
    return names;
}

const std::set<std::string> kDocumented = {
    // Entry points: stdcall names and their cdecl twins.
    "OxelInitialize", "oxel_initialize",
    "OxelParse", "oxel_parse",
    "FileIsOxel", "file_is_oxel",
    "OxelDestroy", "oxel_destroy",
    "OxelGetInfo", "oxel_get_info",
    "OxelGetSyntaxErrors", "oxel_get_syntax_errors",
    "OxelSetSyntaxErrors", "oxel_set_syntax_errors",
    "OxelSetProgName", "oxel_set_prog_name",
};

}  // namespace

TEST(ExportedSymbols, OnlyTheDocumentedEntryPointsAreVisible) {
    std::set<std::string> found = exported_symbols(OXEL_LIBRARY_PATH);
    // Symbols a sanitizer runtime or the C++ runtime may add are no exports of ours.
    std::set<std::string> ours;
    for (const std::string &name : found)
        if (name.rfind("__", 0) != 0 && name.rfind("_Z", 0) != 0 && name != "_init" && name != "_fini" &&
            name != "_edata" && name != "_end" && name != "__bss_start")
            ours.insert(name);
    EXPECT_EQ(ours, kDocumented);
}
