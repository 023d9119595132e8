// The shared library exports exactly the functions the public header declares with OXEL_API
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "support/recorder.h"

namespace {

using Names = std::set<std::string>;

// The library's defined dynamic symbols, without those the C++ or a sanitizer runtime adds.
Names exported_symbols(const std::string &library) {
    Names names;
    FILE *pipe = popen(("nm -D --defined-only '" + library + "'").c_str(), "r");
    char line[1024], address[64], type[8], name[900];
    while (pipe && std::fgets(line, sizeof line, pipe))
        if (std::sscanf(line, "%63s %7s %899s", address, type, name) == 3 && std::strchr("TDBWV", type[0]) &&
            std::string(name).rfind("__", 0) != 0 && std::string(name).rfind("_Z", 0) != 0 &&
            !Names{"_init", "_fini", "_edata", "_end"}.count(name))
            names.insert(name);
    if (pipe)
        pclose(pipe);
    return names;
}

}  // namespace

TEST(ExportedSymbols, TheLibraryExportsWhatTheHeaderDeclaresAndNothingElse) {
#ifdef _WIN32
    GTEST_SKIP() << "reads the ELF symbol table with nm -D; the DLL's export table has its own test";
#endif
    const Names declared = header_exports();
    ASSERT_TRUE(declared.count("OxelParse") && declared.count("oxel_parse"));
    const Names exported = exported_symbols(OXEL_LIBRARY_PATH);
    Names missing, extra;
    std::set_difference(declared.begin(), declared.end(), exported.begin(), exported.end(),
                        std::inserter(missing, missing.end()));
    std::set_difference(exported.begin(), exported.end(), declared.begin(), declared.end(),
                        std::inserter(extra, extra.end()));
    EXPECT_EQ(missing, Names{}) << "declared but not exported";
    EXPECT_EQ(extra, Names{}) << "exported but not declared";
}
