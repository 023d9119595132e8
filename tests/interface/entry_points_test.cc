// Entry points: the parse and its failures, the probe, the program name, the roots, destroy
#include "support/recorder.h"

const std::string kHeaderFile =
    "OXEL\n  OXEL_HEADER CREATION_LOG: \"2026-01-01\" \"me\" \"editor\" \"first\"\n"
    "  END OXEL_HEADER\nEND OXEL\n";

TEST(EntryPoints, ANullContextIsRefusedWithoutAWord) {
    EXPECT_EQ(row(OxelInitialize(nullptr), oxel_initialize(nullptr), OxelParse(nullptr, "x"),
                  oxel_parse(nullptr, "x"), FileIsOxel(nullptr, "x"), file_is_oxel(nullptr, "x"),
                  OxelSetProgName(nullptr, "x"), oxel_set_prog_name(nullptr, "x")),
              "8|8|8|8|0|0|8|8");
    OxelDestroy(nullptr);
    oxel_destroy(nullptr);
}

// Each fails the parse with what it reports, and none leaves a description.
TEST(EntryPoints, FilesThatHoldNoDescriptionAreReported) {
    const std::string empty = write_temp_file("comment_only.oxel", "* nothing but a comment\n");
    // The parser takes an unreadable token for the end of a complete file.
    const std::string tail =
        write_temp_file("overlong_tail.oxel", kHeaderFile + std::string(5121, 'w') + "\n");
    const auto reading = [](const std::string &path) { return "progress: Reading file '" + path + "'\n"; };
    const struct {
        const char *path;
        std::string messages;
        int32_t syntax_errors;
    } cases[] = {
        // A path that cannot be read leaves the syntax error count alone.
        {nullptr, "error: Unspecified KBQ file name\n", 7},
        {"stdin", "error: Unspecified KBQ file name\n", 7},
        {"/nonexistent/file.oxel", "error: Unable to open KBQ file '/nonexistent/file.oxel'\n", 7},
        {empty.c_str(), reading(empty) + "error: Not an OXEL file '" + empty + "'\n", 0},
        {tail.c_str(), reading(tail) + "error: syntax error >> line 5\n"
                       "            String exceeds max length (5120 characters)\n", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(shown(c.path));
        Recorder host;
        OxelInitialize(host.host());
        OxelSetSyntaxErrors(7);
        EXPECT_EQ(OxelParse(host.host(), c.path), OXEL_FAILED);
        EXPECT_EQ(host.dump(), c.messages);
        EXPECT_EQ(host.counters.errors, 1);
        EXPECT_EQ(OxelGetSyntaxErrors(), c.syntax_errors);
        EXPECT_TRUE(no_description());
    }
}

// A parse adds to the description; a failed one destroys all of it, counts
// its syntax error and names the program last set.
TEST(EntryPoints, ParsesAddUpUntilOneFailsAndTheRootsAreTheLibrarys) {
    Recorder host;
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), write_temp_file("header.oxel", kHeaderFile).c_str()), OXEL_OK)
        << host.dump();
    DescriptionRoot *root = OxelGetInfo();
    EXPECT_EQ(root, oxel_get_info());
    ASSERT_TRUE(root->header);
    for (const std::string name : {"U1", "U2"}) {
        const std::string path =
            write_temp_file(name + ".oxel", "OXEL COMPONENT " + name + " END COMPONENT END OXEL");
        ASSERT_EQ(oxel_parse(host.host(), path.c_str()), OXEL_OK);
    }
    ASSERT_TRUE(root->header && root->components);
    EXPECT_EQ(root->components->count, 2);

    // Initialising forgets the roots without freeing them.
    DescriptionRoot saved = *root;
    EXPECT_EQ(oxel_initialize(host.host()), OXEL_OK);
    EXPECT_TRUE(no_description());
    *root = saved;

    EXPECT_EQ(OxelSetProgName(host.host(), "FIRST"), OXEL_OK);
    EXPECT_EQ(oxel_set_prog_name(host.host(), "SECOND"), OXEL_OK);
    host.clear();
    EXPECT_EQ(OxelParse(host.host(), write_temp_file("bad.oxel", "OXEL END OXEL").c_str()), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"syntax error: SECOND >> line 1 near \"END\""});
    EXPECT_TRUE(no_description());
    EXPECT_EQ(row(OxelGetSyntaxErrors(), oxel_get_syntax_errors()), "1|1");
    oxel_set_syntax_errors(3);
    EXPECT_EQ(OxelGetSyntaxErrors(), 3);
    OxelDestroy(host.host());
}

TEST(EntryPoints, FileIsOxelLooksAtTheFirstTokenOnlyAndSaysNothing) {
    Recorder host;
    const std::string lower = write_temp_file("lower.oxel", "* a comment line\n\n   oxel board\n");
    const std::string board = write_temp_file("board.oxel", "BOARD b END BOARD\n");
    EXPECT_EQ(row(FileIsOxel(host.host(), lower.c_str()), file_is_oxel(host.host(), lower.c_str()),
                  FileIsOxel(host.host(), board.c_str()), FileIsOxel(host.host(), "stdin"),
                  FileIsOxel(host.host(), nullptr), FileIsOxel(host.host(), "/nonexistent")),
              "1|1|0|0|0|0");
    EXPECT_EQ(host.dump(), "");
    // A parse that stops right after COMPONENT switched name mode on.
    EXPECT_EQ(OxelParse(host.host(), write_temp_file("name_mode.oxel", "OXEL COMPONENT\n").c_str()),
              OXEL_FAILED);
    EXPECT_EQ(FileIsOxel(host.host(), lower.c_str()), 1);
}
