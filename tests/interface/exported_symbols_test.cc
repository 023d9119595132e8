// The shared library exports exactly the functions the public header declares with OXEL_API
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <regex>
#include <set>
#include <iterator>

#include "support/recorder.h"

namespace {

using Names = std::set<std::string>;

// The name of every OXEL_API declaration of the header, comments and
// preprocessor lines left out; `declarations` counts the OXEL_API words.
Names declared_exports(const std::string &header, size_t *declarations) {
    std::string code = std::regex_replace(header, std::regex(R"(/\*[\s\S]*?\*/|//[^\n]*)"), " ");
    code = std::regex_replace(code, std::regex(R"((^|\n)[ \t]*#[^\n]*)"), "\n");
    Names names;
    *declarations = 0;
    for (size_t at = code.find("OXEL_API"); at != std::string::npos; at = code.find("OXEL_API", at + 1))
        ++*declarations;
    const std::regex declaration(R"(\bOXEL_API\b[^;(]*?(\w+)\s*\()");
    for (std::sregex_iterator it(code.begin(), code.end(), declaration), end; it != end; ++it)
        names.insert((*it)[1]);
    return names;
}

// The library's defined dynamic symbols, without those the C++ or a
// sanitizer runtime adds.
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
    size_t declarations = 0;
    const Names declared = declared_exports(read_file(std::string(OXEL_SOURCE_DIR) + "/include/oxel32.h"),
                                            &declarations);
    // Every OXEL_API word gave one name: none was read past or twice.
    ASSERT_EQ(declared.size(), declarations);
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
