// The writer: the description held, written as OXEL text, parses back to the same records and findings
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/memory.h"
#include "support/description_walk.h"
#include "support/recorder.h"

namespace {

namespace fs = std::filesystem;

void OXEL_CALLBACK append_text(void *user, const char *bytes, int32_t length) {
    static_cast<std::string *>(user)->append(bytes, static_cast<size_t>(length));
}

// The description held, written; the result beside it.
struct Written {
    int32_t result;
    std::string text;
};

Written write_held(Recorder &host) {
    Written written{0, ""};
    written.result = oxel_write_description(host.host(), append_text, &written.text);
    return written;
}

// What a parse (or an import) of the file holds, as the record walk dumps it, with the check's findings.
struct Reading {
    int32_t result = OXEL_FAILED;
    std::string records;
    std::string text;          // the description written
    std::string findings;      // the check's messages: kind, level and text
};

std::string findings_of(const Recorder &host) {
    std::string out;
    for (const RecordedMessage &m : host.messages)
        if (m.kind <= OXEL_KIND_NOTE)
            out += std::to_string(m.kind) + "/" + std::to_string(m.level) + " " + m.text + "\n";
    return out;
}

// Reads the file (a BSDL file through the importer), dumps and writes it, then checks it.
Reading read_file_whole(const std::string &path, bool bsdl = false, bool keep_header = true) {
    Reading reading;
    Recorder host(3);
    OxelInitialize(host.host());
    const char *beside[] = {""};
    oxel_set_include_search(host.host(), OXEL_INCLUDE_BESIDE_MAIN | OXEL_INCLUDE_BESIDE_INCLUDES, beside, 0);
    reading.result = bsdl ? OxelImportBsdl(host.host(), path.c_str(), nullptr) : OxelParse(host.host(), path.c_str());
    if (reading.result == OXEL_OK) {
        DescriptionRoot root = *OxelGetInfo();
        if (!keep_header)
            root.header = nullptr;
        reading.records = dump_records(&root);
        Written written = write_held(host);
        EXPECT_EQ(written.result, OXEL_OK) << path << "\n" << host.dump();
        reading.text = written.text;
        host.clear();
        OxelCheck(host.host());
        reading.findings = findings_of(host);
    }
    OxelDestroy(host.host());
    oxel_set_include_search(host.host(), 0, nullptr, 0);
    return reading;
}

// The property: the written text parses to the same records and the check finds the same. An import has no
// header; its text gets one that gives the component its source, so the description's own header is left out
// of the comparison there (and only there).
void expect_round_trip(const std::string &path, bool bsdl = false) {
    const Reading original = read_file_whole(path, bsdl, !bsdl);
    if (original.result != OXEL_OK)
        return;   // only what reads is written
    const std::string copy = write_temp_file("written_" + fs::path(path).filename().string() + ".oxel",
                                             original.text);
    const Reading again = read_file_whole(copy, false, !bsdl);
    ASSERT_EQ(again.result, OXEL_OK) << path << " written:\n" << original.text;
    EXPECT_EQ(again.records, original.records) << path << " written:\n" << original.text;
    EXPECT_EQ(again.findings, original.findings) << path;
    // Writing is a fixed point: the text read back writes the same text.
    EXPECT_EQ(again.text, original.text) << path;
}

Texts golden_inputs() {
    Texts paths;
    for (const auto &entry : fs::recursive_directory_iterator(fs::path(OXEL_SOURCE_DIR) / "tests"))
        if (entry.path().extension() == ".oxel" && entry.path().parent_path().filename() == "golden")
            paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

class DescriptionWriter : public ::testing::Test {
protected:
    void TearDown() override {
        Recorder host;
        OxelDestroy(host.host());
    }
};

TEST_F(DescriptionWriter, EveryExampleReadsBackAsTheSameRecordsAndFindings) {
    Texts examples = oxel_files("examples");
    ASSERT_GE(examples.size(), 5u);
    for (const std::string &path : examples)
        expect_round_trip(std::string(OXEL_SOURCE_DIR) + "/" + path);
}

TEST_F(DescriptionWriter, EveryGoldenInputThatParsesReadsBackAsTheSameRecordsAndFindings) {
    Texts inputs = golden_inputs();
    ASSERT_GE(inputs.size(), 20u);
    int parsed = 0;
    for (const std::string &path : inputs) {
        expect_round_trip(path);
        parsed += read_file_whole(path).result == OXEL_OK;
    }
    EXPECT_GE(parsed, 6);
}

TEST_F(DescriptionWriter, TheBenchCorpusAtASmallSizeReadsBack) {
#ifdef _WIN32
    GTEST_SKIP() << "the corpus generator runs with the build machine's Python";
#endif
    if (!fs::exists("/usr/bin/python3"))
        GTEST_SKIP() << "the corpus generator needs /usr/bin/python3";
    const fs::path work = fs::path(write_temp_file("bench_corpus.keep", "")).parent_path() / "writer_corpus";
    fs::create_directories(work);
    const std::string generator = std::string(OXEL_SOURCE_DIR) + "/bench/generate_corpus.py";
    const std::vector<std::string> shapes = {"board " + (work / "board.oxel").string() + " --megabytes 0.05",
                                             "chain " + (work / "chain.oxel").string() + " --count 200",
                                             "netlist " + (work / "netlist.oxel").string() + " --count 200",
                                             "vrak " + (work / "vrak.oxel").string() + " --count 200",
                                             "device " + (work / "device.oxel").string() + " --count 60",
                                             "parts " + (work / "parts.oxel").string() + " --count 4",
                                             "bsdl " + (work / "cells.bsd").string() + " --count 40 --oxel " +
                                                 (work / "cells.oxel").string()};
    for (const std::string &shape : shapes)
        ASSERT_EQ(std::system(("/usr/bin/python3 " + generator + " " + shape + " >/dev/null").c_str()), 0) << shape;
    for (const char *name : {"board", "chain", "netlist", "vrak", "device", "parts", "cells"})
        expect_round_trip((work / (std::string(name) + ".oxel")).string());
    expect_round_trip((work / "cells.bsd").string(), true);
}

TEST_F(DescriptionWriter, EveryBsdlTestFileImportsAndItsTextReadsBackAsTheSameComponent) {
    int imported = 0;
    for (const auto &entry : fs::directory_iterator(fs::path(OXEL_SOURCE_DIR) / "tests/bsdl"))
        if (entry.path().extension() == ".bsd") {
            expect_round_trip(entry.path().string(), true);
            imported += read_file_whole(entry.path().string(), true).result == OXEL_OK;
        }
    EXPECT_GE(imported, 3);
}

}  // namespace

namespace {

// Names that spell keywords, that are no words, numbers kept as texts, patterns, and every list form.
const char *const kAwkwardNames = R"(OXEL
  PIN_FAMILY "END"
    TPLH: - 1e999 -
    INPUT_CURRENT: -0.0 1e-300
  END PIN_FAMILY
  OXEL_HEADER
    CREATION_LOG: "2026" "me" "hand" "quote \" and \\ back"
  END OXEL_HEADER
  COMPONENT "END"
    STANDARD: JTAG_V2.0
    PIN_LIST
      012   IN     IN    "END"
      "A 1" R1     OUT   -
      TDI   TDI    TDI   -
      (3, "IN", 7:8) "END"(0, 4:5) IOZ -
      9     -      NC    -
    END PIN_LIST
    INSTRUCTION_REGISTER IN
      LENGTH: 010
      CAPTURE: 0x1F
        CAPTURE_STATUS_LIST
          01 "one"
          "x y" : "two"
        END CAPTURE_STATUS_LIST
      INSTRUCTION_LIST
        "CLOCK"  "0101" "END" PRIVATE [R1, "a b", 12]
        SAMPLE   0t01x  R1 "SAMPLE" -
        HIZ      "1"    - - -
        PRELOAD  "2"    TDI "-" [TDI]
      END INSTRUCTION_LIST
    END INSTRUCTION_REGISTER
    BIST_REGISTER "CLOCK"
      PRELOAD END_X: "0"
      CLOCK: "END"(3)
      PARALLEL_OUTPUTS: YES
      ALTERED_REGISTERS: [IN, "END"]
      COVERAGE: 85
    END BIST_REGISTER
    DATA_REGISTER D
      CAPTURE: "x"
      CONCATENATION: [SI]
      PARALLEL_OUTPUTS: NO
    END DATA_REGISTER
    CELL Z
      DATA_INPUTS: [PI, SI]
      MODE_LIST
        HIZ - - [Z - 0x1F "UPDATE" 5 UPD]
        "EXTERNAL" SELECT 1 "SI" -
        - "0" 7 [-]
      END MODE_LIST
    END CELL
    CELL EMPTY_MODES
      MODE_LIST
      END MODE_LIST
    END CELL
    BOUNDARY_SCAN_REGISTER R1
      CHAIN_LIST
        0 Z IN [OUTPUT3 X Z] - [IN "a b" -] 012 x
        1 IN "END"(0:1, 5) - - - - -
        2 Z 012 1 2 3 4 5
      END CHAIN_LIST
    END BOUNDARY_SCAN_REGISTER
    TEST_SEQUENCE IN
      PPA(P, "T", 2, "END"(0:1), "IN"; T, TDI (TDI: TDI, 3) (TCK: "a b"); P, 5, 1, 012)
      RST(TDI, R2; 7, R0)
      WTN(IN, 0x10)
      DRS(TDI, 12, 0101 XX "0x1F" 00)
      CMT("line\nbreak")
    END TEST_SEQUENCE
  END COMPONENT
  BOARD IN
    NETLIST_MAP
      "END" TDI [N1, "END"]
      U1 "A 1"(2) IN
    END NETLIST_MAP
    BOARD_LEVEL_CHAIN TDO
      BOARD_LEVEL_TAP
        TMS IN
        TDI "END"
      END BOARD_LEVEL_TAP
      PART_CHAIN
        1 IN "END" TMS TCK -
        2 "x y" R1 N N R0
      END PART_CHAIN
    END BOARD_LEVEL_CHAIN
    GLOBAL_FAMILY G
      STANDARD: UNKNOWN
    END GLOBAL_FAMILY
  END BOARD
END OXEL
)";

}  // namespace

TEST_F(DescriptionWriter, NamesThatSpellKeywordsOrAreNoWordsReadBackAsTheSameNames) {
    const std::string path = write_temp_file("awkward.oxel", kAwkwardNames);
    const Reading original = read_file_whole(path);
    ASSERT_EQ(original.result, OXEL_OK);
    expect_round_trip(path);
    // Texts stay texts: a pin number 012, an unquoted hexadecimal code kept as 1F, a number capture item 0x1F.
    EXPECT_NE(original.text.find("\n      012 IN IN \"END\""), std::string::npos) << original.text;
    EXPECT_NE(original.text.find("CAPTURE: \"1F\""), std::string::npos) << original.text;
    EXPECT_NE(original.text.find("[Z - 0x1F \"UPDATE\" 5 UPDATE]"), std::string::npos) << original.text;
    EXPECT_NE(original.text.find("COMPONENT \"END\""), std::string::npos);
    EXPECT_NE(original.text.find("\"quote \\\" and \\\\ back\""), std::string::npos);
}

TEST_F(DescriptionWriter, AnImportedComponentKeepsItsSourceThroughAHeaderWrittenBeforeIt) {
    const Reading imported = read_file_whole(std::string(OXEL_SOURCE_DIR) + "/tests/bsdl/sensor_1990.bsd", true);
    ASSERT_EQ(imported.result, OXEL_OK);
    EXPECT_NE(imported.text.find("CREATION_LOG: \"\" \"\" \"\" \"BSDL "), std::string::npos) << imported.text;
}

TEST_F(DescriptionWriter, ComponentsAndBoardsAfterDifferentHeadersKeepTheirSources) {
    const std::string path = write_temp_file("sources.oxel", R"(OXEL
  BOARD B0
    GLOBAL_FAMILY G TCK_STOP_AT_ONE: NO END GLOBAL_FAMILY
  END BOARD
  OXEL_HEADER CREATION_LOG "d" "c" "t" "first" END OXEL_HEADER
  COMPONENT C1 END COMPONENT
  BOARD B1
    GLOBAL_FAMILY G TCK_STOP_AT_ONE: YES END GLOBAL_FAMILY
  END BOARD
  OXEL_HEADER CREATION_LOG "d2" "c2" "t2" "second" CHANGE_LOG "a" "b" "c" "d" END OXEL_HEADER
  COMPONENT C2 END COMPONENT
  OXEL_HEADER CREATION_LOG "d3" "c3" "t3" "first" END OXEL_HEADER
END OXEL
)");
    expect_round_trip(path);
}

TEST_F(DescriptionWriter, NothingHeldIsReportedAndNothingWritten) {
    Recorder host;
    OxelInitialize(host.host());
    Written written = write_held(host);
    EXPECT_EQ(written.result, OXEL_FAILED);
    EXPECT_EQ(written.text, "");
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"No description to write"});
    EXPECT_EQ(oxel_write_description(nullptr, append_text, &written.text), OXEL_NO_CONTEXT);
    EXPECT_EQ(oxel_write_description(host.host(), nullptr, nullptr), OXEL_NO_CONTEXT);
}

TEST_F(DescriptionWriter, ATextNoTokenHoldsIsReportedAndTheDescriptionStays) {
    Recorder host;
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), write_temp_file("long.oxel", "OXEL COMPONENT U1 END COMPONENT END OXEL\n").c_str()),
              OXEL_OK);
    auto *component = static_cast<ComponentRecord *>(OxelGetInfo()->components->items[0]);
    std::string long_name(6000, 'N');
    char *kept = component->name;
    component->name = long_name.data();
    Written written = write_held(host);
    component->name = kept;
    EXPECT_EQ(written.result, OXEL_FAILED);
    const Texts errors = host.texts(OXEL_KIND_ERROR);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].substr(0, 50), "Component cannot be written as OXEL text: NNNNNNNN");
    host.clear();
    written = write_held(host);
    EXPECT_EQ(written.result, OXEL_OK);
    EXPECT_EQ(written.text, "OXEL\n  COMPONENT U1\n  END COMPONENT\nEND OXEL\n");
}

TEST_F(DescriptionWriter, AFailedAllocationIsReportedAndHandsNothingOver) {
    Recorder host;
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), example_path("jx200.oxel").c_str()), OXEL_OK);
    host.clear();
    memory_fail_at(1);
    Written written = write_held(host);
    memory_fail_at(0);
    EXPECT_EQ(written.result, OXEL_FAILED);
    EXPECT_EQ(written.text, "");
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Memory allocation error"});
    EXPECT_EQ(write_held(host).result, OXEL_OK);
}

// What one text cannot give back: after several parses, a component read without a header after one read
// with a header has no source, and no text takes a source away once a header has given one. Its text reads
// back with the source in force instead; the other records are the same.
TEST_F(DescriptionWriter, ASourceLessComponentAfterASourcedOneTakesItsSourceInTheText) {
    Recorder host;
    OxelInitialize(host.host());
    const std::string sourced = write_temp_file(
        "sourced.oxel", "OXEL OXEL_HEADER CREATION_LOG \"d\" \"c\" \"t\" \"kept\" END OXEL_HEADER\n"
                        "COMPONENT A END COMPONENT END OXEL\n");
    const std::string plain = write_temp_file("plain.oxel", "OXEL COMPONENT B END COMPONENT END OXEL\n");
    ASSERT_EQ(OxelParse(host.host(), sourced.c_str()), OXEL_OK);
    ASSERT_EQ(OxelParse(host.host(), plain.c_str()), OXEL_OK);
    const std::string records = dump_records(OxelGetInfo());
    Written written = write_held(host);
    ASSERT_EQ(written.result, OXEL_OK);
    OxelDestroy(host.host());
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), write_temp_file("both.oxel", written.text).c_str()), OXEL_OK);
    std::string expected = records;
    const std::string b = "component name=\"B\"";
    expected.replace(expected.find(b), b.size(), b + " source_ref=\"kept\"");
    EXPECT_EQ(dump_records(OxelGetInfo()), expected);
    OxelDestroy(host.host());
}
