// Hostile files: whatever a file holds, its designed message and a failed result, in bounded time and memory
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/recorder.h"

namespace {

// A file is read by parsing it, walking and checking what it gave, probing it and listing its components.
Session read_everything(const std::string &path) {
    Recorder host(3);
    return run_session(host, path);
}

const std::string kFrameDetail = "note:             File must start with OXEL and end with END OXEL\n";
const std::string kDataDetail = "note:             Data section expected\n";
const std::string kSectionDetail = "note:             Board, component, technology, header or END OXEL expected\n";

std::string syntax_error(int line, const std::string &near) {
    return "error: syntax error >> line " + std::to_string(line) + (near.empty() ? "" : " near \"" + near + "\"") +
           "\n";
}

// Sixteen megabytes: far past every buffer of the reader (a token holds 5120 characters, a message 1023). A
// hundred take several seconds under the sanitizers for nothing more.
constexpr size_t kLongLine = size_t{16} << 20;

TEST(HostileInput, EachBrokenFileGivesItsMessageAndResult) {
    std::string binary;
    for (int byte = 1; byte < 256; byte++)
        if (byte != 0x1A)   // a Ctrl-Z would end the text at once
            binary += static_cast<char>(byte);
    const struct {
        const char *what;
        std::string contents;
        int32_t parsed;
        std::string messages;
        int32_t is_oxel;
        Texts components;
    } cases[] = {
        {"binary", binary, OXEL_FAILED, syntax_error(1, "\x01") + kFrameDetail, 0, {}},
        // A NUL byte ends the file for the parser; the quick scanner reads on, but a name ends at it.
        {"NUL in a name", std::string("OXEL\nCOMPONENT AB\0CD\nEND COMPONENT\nEND OXEL\n", 42), OXEL_FAILED,
         syntax_error(2, "") + kDataDetail, 1, {"AB"}},
        // A byte above 127 stands alone in a name; within quotes it is kept.
        {"byte above 127 in a name", "OXEL\nCOMPONENT Caf\xe9\nEND COMPONENT\nEND OXEL\n", OXEL_FAILED,
         syntax_error(2, "\xe9") + kDataDetail, 1, {"Caf\xe9"}},
        {"byte above 127 quoted", "OXEL\nCOMPONENT \"Caf\xe9\"\nEND COMPONENT\nEND OXEL\n", OXEL_OK, "", 1,
         {"Caf\xe9"}},
        // A carriage return without a line feed is a character of its own.
        {"CR-only line ends", "OXEL\rCOMPONENT C\rEND COMPONENT\rEND OXEL\r", OXEL_FAILED,
         syntax_error(1, "\r") + kSectionDetail, 1, {"C"}},
        {"unterminated string", "OXEL\nCOMPONENT \"abc", OXEL_FAILED, syntax_error(2, "") + kDataDetail, 1,
         {"(null)"}},
        {"long line", "OXEL COMPONENT C" + std::string(kLongLine, ' ') + "END COMPONENT END OXEL", OXEL_OK, "", 1,
         {"C"}},
        {"long word", "OXEL COMPONENT C " + std::string(kLongLine, 'w'), OXEL_FAILED,
         "error: syntax error >> line 1\n            String exceeds max length (5120 characters)\n" +
             syntax_error(1, "") + kDataDetail,
         1, {"C"}},
        // The grammar nests nothing but include files: brackets stop at once.
        {"deep brackets", "OXEL " + std::string(100000, '(') + std::string(100000, ')'), OXEL_FAILED,
         syntax_error(1, "(") + kSectionDetail, 1, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const Session reading = read_everything(write_temp_file("hostile.oxel", c.contents));
        EXPECT_EQ(reading.parsed, c.parsed);
        EXPECT_EQ(reading.parse_messages, c.messages);
        EXPECT_EQ(reading.is_oxel, c.is_oxel);
        EXPECT_EQ(reading.is_flash, 0);
        EXPECT_EQ(reading.listing, c.components);
    }
}

// Only regular files are read. A folder, and a named pipe that no one writes to, are refused as files that
// cannot be opened, by every reader and at once: opening the pipe used to wait for a writer for ever. If a
// reader does wait, a writer comes after ten seconds so that the test fails instead of hanging.
TEST(HostileInput, AFolderAndANamedPipeAreRefusedWithoutWaiting) {
    const std::string folder = std::filesystem::path(write_temp_file("marker", "")).parent_path().string();
    std::vector<std::string> paths{folder};
#ifndef _WIN32
    const std::string pipe = folder + "/pipe.oxel";
    std::remove(pipe.c_str());
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    paths.push_back(pipe);
    std::atomic<bool> done{false};
    std::thread rescuer([&] {
        for (int tenth = 0; tenth < 100 && !done; tenth++)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!done)
            close(open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
    });
#endif
    for (const std::string &path : paths) {
        SCOPED_TRACE(path);
        const Session reading = read_everything(path);
        EXPECT_EQ(reading.parsed, OXEL_FAILED);
        EXPECT_EQ(reading.parse_messages, "error: Unable to open KBQ file '" + path + "'\n");
        EXPECT_EQ(row(reading.is_oxel, reading.is_flash, reading.listing.size(), reading.first),
                  "0|0|0|(null)");
        Recorder host;
        const std::string including = write_temp_file("includes_special.oxel", "#include " + path + "\nOXEL\n");
        EXPECT_EQ(FileIsOxel(host.host(), including.c_str()), 1);
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
                  (Texts{"syntax error >> line 2\n            Couldn't open #include file " + path,
                         "syntax error >> line 2\n            Ignoring #include directive"}));
    }
#ifndef _WIN32
    done = true;
    rescuer.join();
    std::remove(pipe.c_str());
#endif
}

// A range of two thousand million pins parses as one record; the check refuses to take it pin by pin.
TEST(HostileInput, AHugeRangeInAPinListIsCheckedInBoundedTime) {
    Recorder host(1);
    const std::string path = write_temp_file(
        "huge_range.oxel",
        "OXEL COMPONENT C PIN_LIST 1 TDI TDI - 2 TDO TDO - 3 TMS TMS - 4 TCK TCK -\n"
        "(5:2000000004) D(0:1999999999) IO -\n(6:7) E(0:1) IO -\nEND PIN_LIST\n"
        "BOUNDARY_SCAN_REGISTER BSR LENGTH 1 CHAIN_LIST 0 BC_1 E(0:2000000000) - - - - - END CHAIN_LIST\n"
        "END BOUNDARY_SCAN_REGISTER END COMPONENT END OXEL\n");
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
    EXPECT_EQ(OxelCheck(host.host()), OXEL_FAILED);
    const Texts errors = host.texts(OXEL_KIND_ERROR);
    const std::string too_wide = "Bus D too wide (2000000000 pins or indices, at most 65536)";
    EXPECT_NE(std::find(errors.begin(), errors.end(), too_wide), errors.end()) << host.dump();
}

// A list of a million entries is read, listed and checked. Under the sanitizers and Wine, where every step
// takes several times as long, twenty thousand entries show the same.
#if defined(__SANITIZE_ADDRESS__) || defined(_WIN32)
constexpr int kLongList = 20000;
#else
constexpr int kLongList = 1000000;
#endif

TEST(HostileInput, AListOfAMillionPinsIsReadAndChecked) {
    std::string text = "OXEL\nCOMPONENT C\nPIN_LIST\n";
    for (int i = 1; i <= kLongList; i++)
        text += std::to_string(i) + " P" + std::to_string(i) + " IN -\n";
    const std::string path = write_temp_file("long_list.oxel", text + "END PIN_LIST\nEND COMPONENT\nEND OXEL\n");
    text.clear();
    Recorder host(1);
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(oxel_nr_current_component_pins(), kLongList);
    EXPECT_STREQ(oxel_find_current_component_pin_name(host.host(), std::to_string(kLongList).c_str()),
                 ("P" + std::to_string(kLongList)).c_str());
    // The device has no TAP: the errors say so, once each, whatever its size.
    EXPECT_EQ(OxelCheck(host.host()), OXEL_FAILED);
    EXPECT_LE(host.counters.errors, 8) << host.dump();
    char *name = oxel_fast_parse(host.host(), path.c_str());
    EXPECT_STREQ(name, "C");
    oxel_free_fast_parse_component_name(host.host(), name);
}

}  // namespace
