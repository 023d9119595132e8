// Entry points: the parse, the probe, the program name, destroy
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "support/recorder.h"

namespace {

const char *const kHeaderFile =
    "OXEL\n"
    "  OXEL_HEADER\n"
    "    CREATION_LOG: \"2026-01-01\" \"me\" \"editor\" \"first\"\n"
    "  END OXEL_HEADER\n"
    "END OXEL\n";

}  // namespace

TEST(EntryPoints, NullContextIsRefusedWithoutAWord) {
    EXPECT_EQ(OxelInitialize(nullptr), OXEL_NO_CONTEXT);
    EXPECT_EQ(OxelParse(nullptr, "x"), OXEL_NO_CONTEXT);
    EXPECT_EQ(oxel_parse(nullptr, "x"), OXEL_NO_CONTEXT);
    EXPECT_EQ(FileIsOxel(nullptr, "x"), 0);
    EXPECT_EQ(OxelSetProgName(nullptr, "x"), OXEL_NO_CONTEXT);
    OxelDestroy(nullptr);
}

TEST(EntryPoints, UnusablePathsAreReportedAndLeaveTheDescription) {
    Recorder host;
    OxelInitialize(host.host());
    EXPECT_EQ(OxelParse(host.host(), nullptr), OXEL_FAILED);
    EXPECT_EQ(OxelParse(host.host(), "stdin"), OXEL_FAILED);
    EXPECT_EQ(OxelParse(host.host(), "/nonexistent/file.oxel"), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              (std::vector<std::string>{"Unspecified KBQ file name", "Unspecified KBQ file name",
                                        "Unable to open KBQ file '/nonexistent/file.oxel'"}));
    EXPECT_EQ(host.counters.errors, 3);
}

TEST(EntryPoints, ADirectoryIsNoFileToParse) {
    Recorder host;
    OxelInitialize(host.host());
    std::string dir = std::filesystem::temp_directory_path().string();
    EXPECT_EQ(OxelParse(host.host(), dir.c_str()), OXEL_FAILED);
    EXPECT_GE(host.counters.errors, 1) << host.dump();
    DescriptionRoot *root = OxelGetInfo();
    EXPECT_EQ(root->header, nullptr);
    EXPECT_EQ(FileIsOxel(host.host(), dir.c_str()), 0);
}

TEST(EntryPoints, AnEmptyFileIsNoOxelFile) {
    Recorder host;
    OxelInitialize(host.host());
    std::string path = write_temp_file("empty.oxel", "");
    EXPECT_EQ(OxelParse(host.host(), path.c_str()), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_PROGRESS), std::vector<std::string>{"Reading file '" + path + "'"});
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"Not an OXEL file '" + path + "'"});
    EXPECT_EQ(OxelGetSyntaxErrors(), 0);
    DescriptionRoot *root = OxelGetInfo();
    EXPECT_EQ(root->header, nullptr);
    EXPECT_EQ(root->boards, nullptr);
    EXPECT_EQ(root->components, nullptr);
    EXPECT_EQ(root->pin_families, nullptr);
}

TEST(EntryPoints, AHeaderIsParsedIntoTheRoot) {
    Recorder host;
    OxelInitialize(host.host());
    std::string path = write_temp_file("header.oxel", kHeaderFile);
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
    EXPECT_EQ(host.counters.errors, 0);
    DescriptionRoot *root = OxelGetInfo();
    EXPECT_EQ(root, oxel_get_info());
    ASSERT_NE(root->header, nullptr);
    ASSERT_NE(root->header->creation_log, nullptr);
    EXPECT_STREQ(root->header->creation_log->date, "2026-01-01");
    EXPECT_STREQ(root->header->creation_log->creator, "me");
    EXPECT_STREQ(root->header->creation_log->tool, "editor");
    EXPECT_STREQ(root->header->creation_log->reason, "first");
    ASSERT_NE(root->header->change_logs, nullptr);
    EXPECT_EQ(root->header->change_logs->count, 0);
    OxelDestroy(host.host());
    EXPECT_EQ(root->header, nullptr);
}

TEST(EntryPoints, CrlfFilesParseExactlyAsLfFiles) {
    std::string crlf;
    for (const char *c = kHeaderFile; *c; c++) {
        if (*c == '\n')
            crlf += '\r';
        crlf += *c;
    }
    Recorder host;
    OxelInitialize(host.host());
    std::string path = write_temp_file("crlf.oxel", crlf);
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
    EXPECT_STREQ(OxelGetInfo()->header->creation_log->reason, "first");
    OxelDestroy(host.host());
}

TEST(EntryPoints, ASecondHeaderReplacesTheFirst) {
    Recorder host;
    OxelInitialize(host.host());
    std::string path = write_temp_file(
        "two_headers.oxel",
        "OXEL OXEL_HEADER CREATION_LOG \"1\" \"a\" \"b\" \"old\" END OXEL_HEADER\n"
        "OXEL_HEADER CREATION_LOG \"2\" \"a\" \"b\" \"new\"\n"
        "  CHANGE_LOG \"3\" \"c\" \"d\" \"e\" CHANGE_LOG \"4\" \"f\" \"g\" \"h\"\n"
        "END OXEL_HEADER END OXEL\n");
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
    HeaderRecord *header = OxelGetInfo()->header;
    EXPECT_STREQ(header->creation_log->reason, "new");
    ASSERT_EQ(header->change_logs->count, 2);
    EXPECT_STREQ(static_cast<LogRecord *>(header->change_logs->items[1])->reason, "h");
    OxelDestroy(host.host());
}

TEST(EntryPoints, ASyntaxErrorDestroysTheDescriptionAndIsCounted) {
    Recorder host;
    OxelInitialize(host.host());
    std::string good = write_temp_file("good.oxel", kHeaderFile);
    ASSERT_EQ(OxelParse(host.host(), good.c_str()), OXEL_OK);
    ASSERT_NE(OxelGetInfo()->header, nullptr);
    OxelSetProgName(host.host(), "TOOL");
    std::string bad = write_temp_file("bad.oxel", "OXEL\nEND OXEL\n");
    EXPECT_EQ(OxelParse(host.host(), bad.c_str()), OXEL_FAILED);
    EXPECT_EQ(OxelGetSyntaxErrors(), 1);
    EXPECT_EQ(oxel_get_syntax_errors(), 1);
    EXPECT_EQ(OxelGetInfo()->header, nullptr);  // the earlier parse's header too
    OxelSetSyntaxErrors(0);
    EXPECT_EQ(OxelGetSyntaxErrors(), 0);
    oxel_set_syntax_errors(3);
    EXPECT_EQ(OxelGetSyntaxErrors(), 3);
}

TEST(EntryPoints, FileIsOxelLooksAtTheFirstTokenOnly) {
    Recorder host;
    std::string lower = write_temp_file("lower.oxel", "* a comment line\n\n   oxel board\n");
    std::string board = write_temp_file("board.oxel", "BOARD b END BOARD\n");
    EXPECT_EQ(FileIsOxel(host.host(), lower.c_str()), 1) << host.dump();
    EXPECT_EQ(file_is_oxel(host.host(), lower.c_str()), 1);
    EXPECT_EQ(FileIsOxel(host.host(), board.c_str()), 0);
    EXPECT_EQ(FileIsOxel(host.host(), "stdin"), 0);
    EXPECT_EQ(FileIsOxel(host.host(), nullptr), 0);
    EXPECT_EQ(FileIsOxel(host.host(), "/nonexistent"), 0);
    EXPECT_TRUE(host.messages.empty()) << host.dump();
}

TEST(EntryPoints, FileIsOxelRightAfterAFailedParseStillSeesTheKeyword) {
    Recorder host;
    // The parse stops right after COMPONENT switched name mode on.
    std::string bad = write_temp_file("stops_in_name_mode.oxel", "OXEL COMPONENT\n");
    EXPECT_EQ(OxelParse(host.host(), bad.c_str()), OXEL_FAILED);
    std::string good = write_temp_file("plain.oxel", kHeaderFile);
    EXPECT_EQ(FileIsOxel(host.host(), good.c_str()), 1);
}

TEST(EntryPoints, TwoParsesWithoutDestroyKeepBoth) {
    Recorder host;
    OxelInitialize(host.host());
    std::string path = write_temp_file("header_again.oxel", kHeaderFile);
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK);
    HeaderRecord *first = OxelGetInfo()->header;
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK);
    EXPECT_NE(OxelGetInfo()->header, nullptr);
    (void)first;  // freed by the second parse: not read
    OxelDestroy(host.host());
}

TEST(EntryPoints, InitializeClearsTheRootsWithoutFreeing) {
    Recorder host;
    OxelInitialize(host.host());
    std::string path = write_temp_file("init.oxel", kHeaderFile);
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK);
    DescriptionRoot saved = *OxelGetInfo();
    EXPECT_EQ(oxel_initialize(host.host()), OXEL_OK);
    EXPECT_EQ(OxelGetInfo()->header, nullptr);
    // Hand the held description back so that it can be released.
    *OxelGetInfo() = saved;
    OxelDestroy(host.host());
    EXPECT_EQ(OxelGetInfo()->header, nullptr);
}

TEST(EntryPoints, SettingTheProgramNameTwiceKeepsTheLast) {
    Recorder host;
    EXPECT_EQ(OxelSetProgName(host.host(), "FIRST"), OXEL_OK);
    EXPECT_EQ(oxel_set_prog_name(host.host(), "SECOND"), OXEL_OK);
    std::string bad = write_temp_file("prog.oxel", "OXEL END OXEL");
    OxelParse(host.host(), bad.c_str());
    ASSERT_FALSE(host.texts(OXEL_KIND_ERROR).empty());
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR)[0], "syntax error: SECOND >> line 1 near \"END\"");
}

TEST(EntryPoints, AnUnreadableTokenAfterACompleteFileStillFailsTheParse) {
    Recorder host;
    OxelInitialize(host.host());
    std::string path = write_temp_file("overlong_tail.oxel", std::string(kHeaderFile) + std::string(5121, 'w') + "\n");
    EXPECT_EQ(OxelParse(host.host(), path.c_str()), OXEL_FAILED);
    std::vector<std::string> errors = host.texts(OXEL_KIND_ERROR);
    ASSERT_EQ(errors.size(), 1u) << host.dump();
    EXPECT_EQ(errors[0], "syntax error >> line 6\n            String exceeds max length (5120 characters)");
    EXPECT_EQ(OxelGetInfo()->header, nullptr);
}
