// BSDL import robustness: every allocation failing in turn, every prefix of every test file
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/memory.h"
#include "bsdl/import_support.h"

namespace {

Texts bsdl_files() {
    Texts files;
    for (const auto &entry : std::filesystem::directory_iterator(std::string(OXEL_SOURCE_DIR) + "/tests/bsdl"))
        if (entry.path().extension() == ".bsd")
            files.push_back(entry.path().generic_string());
    std::sort(files.begin(), files.end());
    EXPECT_GE(files.size(), 4u);
    return files;
}

}  // namespace

// An import whose nth allocation fails ends in the failure result with the one memory error and no
// description, for every n; the sanitizer build watches that nothing leaks. Afterwards the file imports as
// before.
TEST(ImportRobustness, EveryAllocationFailureIsSurvived) {
    for (const std::string &file : bsdl_files()) {
        Recorder clean(0);
        OxelInitialize(clean.host());
        memory_fail_at(0);
        ASSERT_EQ(OxelImportBsdl(clean.host(), file.c_str(), nullptr), OXEL_OK) << file;
        const long allocations = memory_allocations();
        ASSERT_GT(allocations, 10) << file;
        OxelDestroy(clean.host());
        for (long nth = 1; nth <= allocations; nth++) {
            Recorder host(0);
            OxelInitialize(host.host());
            memory_fail_at(nth);
            const int32_t result = OxelImportBsdl(host.host(), file.c_str(), nullptr);
            memory_fail_at(0);
            const std::string where = file + " allocation " + std::to_string(nth);
            ASSERT_EQ(result, OXEL_FAILED) << where;
            ASSERT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Memory allocation error"}) << where;
            ASSERT_TRUE(no_description()) << where;
            OxelDestroy(host.host());
        }
        ASSERT_EQ(OxelImportBsdl(clean.host(), file.c_str(), nullptr), OXEL_OK) << file;
        EXPECT_NE(OxelCheck(clean.host()), OXEL_FAILED) << clean.dump();
        OxelDestroy(clean.host());
    }
}

// Every prefix of every test file either imports or, with one located syntax error, leaves nothing.
TEST(ImportRobustness, EveryPrefixImportsOrGivesOneLocatedError) {
    const std::string folder = write_temp_file("prefix.bsd", "");
    for (const std::string &file : bsdl_files()) {
        const std::string text = read_file(file);
        for (size_t length = 0; length <= text.size(); length++) {
            // A new file each time: a file cut to nothing and written again is flushed to the disk at once.
            const std::string prefix = folder + "." + std::to_string(length);
            std::ofstream(prefix, std::ios::binary).write(text.data(), static_cast<std::streamsize>(length));
            Recorder host(2);
            OxelInitialize(host.host());
            const int32_t result = OxelImportBsdl(host.host(), prefix.c_str(), nullptr);
            const bool one_syntax_error = host.messages.size() == 1 &&
                                          host.messages[0].text.rfind("BSDL syntax error", 0) == 0 &&
                                          host.messages[0].where.rfind(prefix + ":", 0) == 0;
            if (result == OXEL_OK ? host.counters.errors != 0 : !one_syntax_error || !no_description())
                FAIL() << file << " cut at " << length << "\n" << host.dump();
            OxelDestroy(host.host());
            std::remove(prefix.c_str());
        }
    }
}
