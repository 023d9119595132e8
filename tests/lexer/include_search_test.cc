// Include search: include files found beside the file that names them and in the host's folders
#include <filesystem>

#include "base/memory.h"
#include "support/recorder.h"

namespace {

namespace fs = std::filesystem;

// A file written under a folder of its own in the temporary folder: its path.
std::string write_in(const std::string &folder, const std::string &name, const std::string &contents) {
    const fs::path base = fs::path(write_temp_file("search_base", "")).parent_path() / "search" / folder;
    fs::create_directories(base);
    return write_temp_file("search/" + folder + "/" + name, contents);
}

std::string family(const std::string &name) { return "PIN_FAMILY " + name + " SETUP_TIME 1 END PIN_FAMILY\n"; }

// The pin families of the description, each as NAME@file:line.
Texts families_read() {
    Texts out;
    for (const PinFamilyRecord *f : items_of<PinFamilyRecord>(OxelGetInfo()->pin_families)) {
        const char *file = nullptr;
        int32_t line = 0;
        oxel_record_location(f, &file, &line, nullptr);
        out.push_back(std::string(f->name) + "@" + shown(file) + ":" + std::to_string(line));
    }
    return out;
}

class IncludeSearch : public ParseTest {
protected:
    void TearDown() override {
        EXPECT_EQ(oxel_set_include_search(host.host(), 0, nullptr, 0), OXEL_OK);
        ParseTest::TearDown();
    }
    int32_t search(int32_t beside, const Texts &folders = {}) {
        std::vector<const char *> pointers;
        for (const std::string &folder : folders)
            pointers.push_back(folder.c_str());
        return oxel_set_include_search(host.host(), beside, pointers.data(), static_cast<int32_t>(pointers.size()));
    }
};

constexpr int32_t kBesideBoth = OXEL_INCLUDE_BESIDE_MAIN | OXEL_INCLUDE_BESIDE_INCLUDES;

}  // namespace

// Without the search a name opens from the working directory only, as it always did; with it, the file beside
// the main file is found and named by the path it was opened by, in messages and places alike.
TEST_F(IncludeSearch, ANameIsFoundBesideTheMainFileOnlyWhenTheHostAsks) {
    const std::string part = write_in("beside", "part.oxel", family("BESIDE"));
    const std::string main = write_in("beside", "main.oxel", "OXEL\n#include part.oxel\n" + family("MAIN") + "END OXEL\n");
    ASSERT_EQ(parse_file(main), OXEL_OK);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), (Texts{"syntax error >> line 3\n            Couldn't open #include file "
                                                  "part.oxel",
                                                  "syntax error >> line 3\n            Ignoring #include directive"}));
    EXPECT_EQ(families_read(), Texts{"MAIN@" + main + ":3"});

    ASSERT_EQ(search(kBesideBoth), OXEL_OK);
    ASSERT_EQ(parse_file(main), OXEL_OK) << host.dump();
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{});
    EXPECT_EQ(families_read(), (Texts{"BESIDE@" + part + ":1", "MAIN@" + main + ":3"}));

    // The main file's own folder is left out when the host asks for include files' folders only.
    ASSERT_EQ(search(OXEL_INCLUDE_BESIDE_INCLUDES), OXEL_OK);
    ASSERT_EQ(parse_file(main), OXEL_OK);
    EXPECT_EQ(host.counters.errors, 2);
    // A call with nothing gives back the lookup by name alone.
    ASSERT_EQ(search(kBesideBoth), OXEL_OK);
    ASSERT_EQ(search(0), OXEL_OK);
    ASSERT_EQ(parse_file(main), OXEL_OK);
    EXPECT_EQ(families_read(), Texts{"MAIN@" + main + ":3"});
}

// Beside the including file first, then each folder in order: the first place that holds the name wins, and
// a file found in a folder finds its own neighbours beside itself. Reading goes on in that file after its own
// include ends (it is opened again by the path it was found at), and then in the main file.
TEST_F(IncludeSearch, BesideFirstThenEachFolderInOrderAndNestedFilesResume) {
    const std::string first = write_in("first", "lib.oxel", family("FIRST") + "#include near.oxel\n" +
                                                               family("AFTER_NEAR"));
    write_in("second", "lib.oxel", family("SECOND"));
    write_in("second", "only.oxel", family("ONLY_SECOND"));
    const std::string near = write_in("first", "near.oxel", family("NEAR"));
    write_in("main", "only.oxel", family("BESIDE_MAIN"));
    const std::string main = write_in(
        "main", "board.oxel", "OXEL\n#include lib.oxel\n#include only.oxel\n" + family("MAIN") + "END OXEL\n");
    const fs::path folders = fs::path(main).parent_path().parent_path();
    ASSERT_EQ(search(kBesideBoth, {"", (folders / "missing").generic_string(), (folders / "first").generic_string() + "/",
                                  (folders / "second").generic_string()}),
              OXEL_OK);
    ASSERT_EQ(parse_file(main), OXEL_OK) << host.dump();
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{});
    const std::string beside_main = (fs::path(main).parent_path() / "only.oxel").generic_string();
    EXPECT_EQ(families_read(), (Texts{"FIRST@" + first + ":1", "NEAR@" + near + ":1", "AFTER_NEAR@" + first + ":3",
                                      "BESIDE_MAIN@" + beside_main + ":1", "MAIN@" + main + ":4"}));
    // FileIsOxel reads through the same search.
    const std::string opening = write_in("probe", "opening.oxel", "* the frame opens here\nOXEL\n");
    const std::string probed = write_in("probe", "probed.oxel", "#include opening.oxel\nEND OXEL\n");
    EXPECT_EQ(FileIsOxel(host.host(), probed.c_str()), 1);
    ASSERT_EQ(search(0), OXEL_OK);
    EXPECT_EQ(FileIsOxel(host.host(), probed.c_str()), 0);
    (void)opening;
}

// A name that starts at the root is opened as written, never looked for elsewhere; a name no place holds is
// reported as the directive wrote it.
TEST_F(IncludeSearch, ARootedNameIsNotSearchedAndAMissingOneKeepsItsName) {
    const std::string beside = write_in("rooted", "x.oxel", family("WRONG"));
    const std::string main = write_in("rooted", "main.oxel", "OXEL\n#include /x.oxel\n#include y.oxel\n" + family("MAIN") + "END OXEL\n");
    ASSERT_EQ(search(kBesideBoth, {fs::path(beside).parent_path().generic_string()}), OXEL_OK);
    ASSERT_EQ(parse_file(main), OXEL_OK);
    EXPECT_EQ(families_read(), Texts{"MAIN@" + main + ":4"});
    const Texts errors = host.texts(OXEL_KIND_ERROR);
    ASSERT_EQ(errors.size(), 4u) << host.dump();
    EXPECT_NE(errors[0].find("Couldn't open #include file /x.oxel"), std::string::npos);
    EXPECT_NE(errors[2].find("Couldn't open #include file y.oxel"), std::string::npos);
}

// Without a host context nothing changes; a failed copy of the folders is reported and leaves the lookup by
// name alone. A failed allocation while a file is looked for stops the parse like any other.
TEST_F(IncludeSearch, FailuresAreReportedAndLeaveTheLookupByNameAlone) {
    const char *folders[] = {"a", "b"};
    EXPECT_EQ(oxel_set_include_search(nullptr, kBesideBoth, folders, 2), OXEL_NO_CONTEXT);
    const std::string part = write_in("failing", "part.oxel", family("FOUND"));
    const std::string main = write_in("failing", "main.oxel", "OXEL\n#include part.oxel\n" + family("MAIN") + "END OXEL\n");
    for (long nth = 1; nth <= 3; nth++) {
        SCOPED_TRACE(nth);
        host.clear();
        memory_fail_at(nth);
        const int32_t result = oxel_set_include_search(host.host(), kBesideBoth, folders, 2);
        memory_fail_at(0);
        EXPECT_EQ(result, OXEL_FAILED);
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Memory allocation error"});
        ASSERT_EQ(parse_file(main), OXEL_OK);
        EXPECT_EQ(families_read(), Texts{"MAIN@" + main + ":3"});
    }
    const int files_before = open_descriptors();
    ASSERT_EQ(search(OXEL_INCLUDE_BESIDE_MAIN), OXEL_OK);
    bool found = false;
    for (long nth = 1; !found; nth++) {
        SCOPED_TRACE(nth);
        OxelDestroy(host.host());
        host.clear();
        OxelInitialize(host.host());
        memory_fail_at(nth);
        const int32_t result = OxelParse(host.host(), main.c_str());
        memory_fail_at(0);
        found = result == OXEL_OK;
        if (found)
            EXPECT_EQ(families_read(), (Texts{"FOUND@" + part + ":1", "MAIN@" + main + ":3"}));
        else
            EXPECT_EQ(host.texts(OXEL_KIND_ERROR).at(0), "Memory allocation error") << host.dump();
        EXPECT_EQ(open_descriptors(), files_before);
        ASSERT_LT(nth, 1000);
    }
}
