// Bad BSDL: each fault of a small device's file gives its located errors and leaves nothing built
#include <algorithm>

#include "bsdl/import_support.h"

namespace {

// A small device that imports and checks clean; each case below breaks one thing in it.
const char *const kChip =
    "entity chip is\n"                                                              // 1
    "  generic (PHYSICAL_PIN_MAP : string := \"PKG\");\n"                           // 2
    "  port (TDI, TMS, TCK : in bit; TDO : out bit; A : in bit;\n"                  // 3
    "        Y : out bit_vector (1 downto 0));\n"                                   // 4
    "  use STD_1149_1_2001.all;\n"                                                  // 5
    "  attribute PIN_MAP of chip : entity is PHYSICAL_PIN_MAP;\n"                   // 6
    "  constant PKG : PIN_MAP_STRING := \"TDI:1, TMS:2, TCK:3, TDO:4, A:5, Y:(6, 7)\";\n"  // 7
    "  attribute TAP_SCAN_IN of TDI : signal is true;\n"                            // 8
    "  attribute TAP_SCAN_MODE of TMS : signal is true;\n"                          // 9
    "  attribute TAP_SCAN_CLOCK of TCK : signal is (10.0e6, BOTH);\n"              // 10
    "  attribute TAP_SCAN_OUT of TDO : signal is true;\n"                           // 11
    "  attribute INSTRUCTION_LENGTH of chip : entity is 2;\n"                       // 12
    "  attribute INSTRUCTION_OPCODE of chip : entity is \"EXTEST (00), SAMPLE (01), BYPASS (11)\";\n"  // 13
    "  attribute INSTRUCTION_CAPTURE of chip : entity is \"01\";\n"                 // 14
    "  attribute BOUNDARY_LENGTH of chip : entity is 4;\n"                          // 15
    "  attribute BOUNDARY_REGISTER of chip : entity is\n"                           // 16
    "    \"0 (BC_1, A, input, X), \" &\n"                                           // 17
    "    \"1 (BC_1, *, control, 0), \" &\n"                                         // 18
    "    \"2 (BC_1, Y(1), output3, X, 1, 0, Z), \" &\n"                             // 19
    "    \"3 (BC_1, Y(0), output3, X, 1, 0, Z)\";\n"                                // 20
    "end chip;\n";                                                                  // 21

// The chip with `from` replaced by `to` (its first occurrence; an empty `to` deletes it).
std::string chip_with(const std::string &from, const std::string &to) {
    std::string text = kChip;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

struct BadCase {
    std::string text;
    Texts errors;   // "line:column: text", in order
};

using BadBsdl = ImportTest;

}  // namespace

TEST_F(BadBsdl, TheChipImportsAndChecksClean) {
    // A number's digits may be parted by underscores.
    for (const std::string &text : {std::string(kChip), chip_with("is 4;", "is 0_0_4;")}) {
        ASSERT_EQ(import_text(text), OXEL_OK) << host.dump();
        EXPECT_EQ(OxelCheck(host.host()), OXEL_OK) << host.dump();
        EXPECT_EQ(row(host.counters.errors, host.counters.warnings), "0|0");
    }
}

// A syntax error is one error, at the token where the reading stopped, saying what was expected there; the
// reading goes no further.
TEST_F(BadBsdl, ASyntaxErrorIsOneLocatedMessage) {
    const BadCase cases[] = {
        {chip_with("\"PKG\");", "\"PKG\")"), {"3:3: BSDL syntax error: expected ';', found 'port'"}},
        {chip_with("A : in bit", "A : input bit"),
         {"3:52: BSDL syntax error: expected a port mode (in, out, inout, buffer or linkage), found 'input'"}},
        {chip_with("(1 downto 0)", "(1 down 0)"), {"4:31: BSDL syntax error: expected 'to' or 'downto', found 'down'"}},
        {chip_with("\"01\";", "\"01;"), {"14:53: BSDL syntax error: string not closed on its line"}},
        {chip_with("is 2;", "is 2 @;"), {"12:54: BSDL syntax error: unexpected character '@'"}},
        {chip_with("is 2;", "is \"2\";"), {"12:52: BSDL syntax error: expected a number, found a string"}},
        {chip_with("is 2;", "is 99999999999;"), {"12:52: BSDL syntax error: number 99999999999 is too large"}},
        {chip_with("\"0 (BC_1, A, input, X), \"", "\"0 (BC_1, A, input X), \""),
         {"17:24: BSDL syntax error in BOUNDARY_REGISTER: expected ',', found 'X'"}},
        {chip_with("BYPASS (11)\"", "BYPASS (11\""),
         {"13:89: BSDL syntax error in INSTRUCTION_OPCODE: expected ',' or ')', found the end of the string"}},
        {chip_with("Y:(6, 7)", "Y:(6, 7"), {"7:77: BSDL syntax error in PIN_MAP_STRING: expected ',' or ')', found the end of the string"}},
        {chip_with("(BC_1, *, control", "(BC_1, *; control"),
         {"18:16: BSDL syntax error in BOUNDARY_REGISTER: expected ',', found ';'"}},
        {chip_with("TMS:2", "TMS:2@"), {"7:49: BSDL syntax error in PIN_MAP_STRING: unexpected character '@'"}},
        {chip_with("\" &\n    \"1 (BC_1", "\"\n    \"1 (BC_1"), {"18:5: BSDL syntax error: expected ';', found a string"}},
        {chip_with("end chip;\n", ""),
         {"21:1: BSDL syntax error: expected an attribute, a constant or 'end', found the end of the file"}},
        {chip_with("entity chip is", "package chip is"), {"1:1: BSDL syntax error: expected 'entity', found 'package'"}},
        {std::string("\xEF\xBB\xBF") + chip_with("  use", "  \x01use"), {"5:3: BSDL syntax error: unexpected byte 0x01"}},
        {"", {"1:1: BSDL syntax error: expected 'entity', found the end of the file"}},
    };
    for (const BadCase &bad : cases) {
        EXPECT_EQ(import_text(bad.text), OXEL_FAILED) << bad.text;
        EXPECT_EQ(located_errors(), bad.errors) << bad.text;
        EXPECT_EQ(OxelGetSyntaxErrors(), 1);
        EXPECT_TRUE(no_description());
    }
}

// A fault of meaning names the attribute or the entry and its place; every one is told, the import fails and
// leaves nothing, and the syntax error count says how many there were.
TEST_F(BadBsdl, EveryFaultOfMeaningIsToldAtItsPlace) {
    const BadCase cases[] = {
        // Mandatory attributes, told at the entity's name.
        {chip_with("  attribute INSTRUCTION_LENGTH of chip : entity is 2;\n", ""),
         {"1:8: Missing BSDL attribute INSTRUCTION_LENGTH"}},
        {chip_with("  attribute INSTRUCTION_OPCODE of chip : entity is \"EXTEST (00), SAMPLE (01), BYPASS (11)\";\n",
                   ""),
         {"1:8: Missing BSDL attribute INSTRUCTION_OPCODE"}},
        {chip_with("  attribute BOUNDARY_LENGTH of chip : entity is 4;\n", ""),
         {"1:8: Missing BSDL attribute BOUNDARY_LENGTH"}},
        {chip_with("  attribute PIN_MAP of chip : entity is PHYSICAL_PIN_MAP;\n", ""),
         {"1:8: Missing BSDL attribute PIN_MAP"}},
        {chip_with("  attribute BOUNDARY_REGISTER of chip : entity is\n", "  constant X : WORD_LIST := \n"),
         {"1:8: Missing BSDL attribute BOUNDARY_REGISTER"}},
        // Cells against the ports and the length.
        {chip_with("(BC_1, A, input", "(BC_1, B, input"), {"17:15: Cell 0 names port B, which is not declared"}},
        {chip_with("Y(1), output3, X, 1", "Y(1), output3, X, 9"),
         {"19:6: Cell 2 names control cell 9, outside the boundary register of length 4"}},
        {chip_with("is 4;", "is 5;"), {"15:49: BOUNDARY_LENGTH is 5 but BOUNDARY_REGISTER describes 4 cells"}},
        {chip_with("is 4;", "is 3;"), {"20:6: Cell 3 is outside the boundary register of length 3"}},
        {chip_with("\"3 (BC_1", "\"4 (BC_1"),
         {"20:6: Cell 4 is outside the boundary register of length 4",
          "15:49: BOUNDARY_LENGTH is 4 but BOUNDARY_REGISTER describes 3 cells (cell 3 is missing)"}},
        {chip_with("Y(1), output3", "Y(2), output3"),
         {"19:15: Cell 2 names bit 2 of port Y, whose range is 1 downto 0"}},
        {chip_with("Y(1), output3", "Y, output3"), {"19:15: Cell 2 names bit_vector port Y without a bit"}},
        {chip_with("A, input", "A(0), input"), {"17:15: Cell 0 names bit 0 of port A, which is a bit"}},
        {chip_with("A, input", "A, inptu"), {"17:18: Cell 0 has an unknown function inptu"}},
        {chip_with("input, X", "input, 2"), {"17:25: Cell 0 has safe value 2: only 0, 1 or X is allowed"}},
        {chip_with("X, 1, 0, Z), \"", "X, 1, X, Z), \""), {"19:36: Cell 2 has disable value X: only 0 or 1 is allowed"}},
        {chip_with("X, 1, 0, Z), \"", "X, 1, 0, FLOAT), \""), {"19:39: Cell 2 has an unknown disable result FLOAT"}},
        {chip_with("\"1 (BC_1, *, control, 0)", "\"0 (BC_2, *, control, 0)"),
         {"18:6: Cell 0 is described as BC_1 and as BC_2",
          "15:49: BOUNDARY_LENGTH is 4 but BOUNDARY_REGISTER describes 3 cells (cell 1 is missing)"}},
        // The instructions.
        {chip_with("BYPASS (11)", "BYPASS (111)"), {"13:87: Opcode 111 of BYPASS has 3 bits; INSTRUCTION_LENGTH is 2"}},
        {chip_with("BYPASS (11)", "BYPASS (1Z)"), {"13:87: Bit pattern 1Z (opcode of BYPASS) may hold only 0, 1 and X"}},
        {chip_with("BYPASS (11)", "EXTEST (11)"), {"13:79: Instruction EXTEST is listed twice in INSTRUCTION_OPCODE"}},
        {chip_with("is \"01\"", "is \"001\""), {"14:54: INSTRUCTION_CAPTURE 001 has 3 bits; INSTRUCTION_LENGTH is 2"}},
        {chip_with("is 2;", "is 1;"), {"12:52: INSTRUCTION_LENGTH 1 is less than 2"}},
        {chip_with("  attribute BOUNDARY_LENGTH", "  attribute IDCODE_REGISTER of chip : entity is \"0101\";\n"
                                                  "  attribute BOUNDARY_LENGTH"),
         {"15:50: IDCODE_REGISTER code 0101 has 4 bits, not 32"}},
        // Ports, the pin map and the TAP.
        {chip_with("A : in bit;", "A : in bit; A : out bit;"), {"3:60: Port A is declared twice"}},
        {chip_with("Y:(6, 7)", "Y:(6)"), {"7:70: Port Y has 2 bits but 1 pins in the pin map"}},
        {chip_with("A:5", "A:4"), {"7:67: Pin 4 is mapped twice, to ports TDO and A"}},
        {chip_with("A:5", "B:5"), {"7:65: Port B in the pin map is not declared", "17:15: Port A is not in pin map PKG"}},
        {chip_with("A:5, ", ""), {"17:15: Port A is not in pin map PKG"}},
        {chip_with("TAP_SCAN_OUT of TDO", "TAP_SCAN_OUT of TD0"), {"11:29: TAP_SCAN_OUT names TD0, which is not a declared port"}},
        {chip_with("TAP_SCAN_OUT of TDO", "TAP_SCAN_OUT of TDI"), {"11:29: Port TDI is named by TAP_SCAN_IN and TAP_SCAN_OUT"}},
        {chip_with("  attribute INSTRUCTION_LENGTH of chip : entity is 2;\n",
                   "  attribute INSTRUCTION_LENGTH of chip : entity is 2;\n"
                   "  attribute INSTRUCTION_LENGTH of chip : entity is 3;\n"),
         {"13:13: BSDL attribute INSTRUCTION_LENGTH is given twice"}},
        {chip_with("\"PKG\");", "\"PKG2\");\n  constant PKG3 : PIN_MAP_STRING := \"A:5\";"),
         {"2:41: Package PKG2 is not in the file; its packages are PKG3, PKG"}},
        {chip_with("Y:(6, 7)\";", "Y:(6, 7)\";\n  constant PKG : PIN_MAP_STRING := \"A:5\";"),
         {"8:12: Pin map PKG is given twice"}},
        {chip_with(" := \"PKG\");", ");\n  constant PKG2 : PIN_MAP_STRING := \"A:5\";"),
         {"7:41: No package chosen and none given by default: the file's packages are PKG2, PKG"}},
        {chip_with("PHYSICAL_PIN_MAP;", "BGA;"), {"6:41: Package BGA is not in the file; its packages are PKG"}},
        {chip_with("constant PKG : PIN_MAP_STRING", "constant PKG : STRING"),
         {"2:41: Package PKG is not in the file, which has no PIN_MAP_STRING constant"}},
        // Registers of REGISTER_ACCESS.
        {chip_with("  attribute BOUNDARY_LENGTH", "  attribute REGISTER_ACCESS of chip : entity is "
                                                  "\"SCAN (EXTEST), TRIM[0] (SAMPLE)\";\n  attribute BOUNDARY_LENGTH"),
         {"15:50: Register SCAN in REGISTER_ACCESS needs its length: SCAN[n]", "15:65: Register TRIM has length 0"}},
        {chip_with("  attribute BOUNDARY_LENGTH", "  attribute REGISTER_ACCESS of chip : entity is "
                                                  "\"R[4] (EXTEST CAPTURES 101), R[5] (SAMPLE), BYPASS (EXTEST)\";\n"
                                                  "  attribute BOUNDARY_LENGTH"),
         {"15:72: Capture 101 of EXTEST has 3 bits; register R has 4", "15:78: Register R is given the lengths 4 and 5",
          "15:101: Instruction EXTEST is given two registers, R and BYPASS"}},
        // The TAP.
        {chip_with("TAP_SCAN_OUT of TDO", "TAP_SCAN_OUT of Y"), {"11:29: TAP_SCAN_OUT names Y, which is a bit_vector port"}},
        {chip_with("  attribute TAP_SCAN_OUT", "  attribute TAP_SCAN_IN of A : signal is true;\n  attribute TAP_SCAN_OUT"),
         {"11:28: TAP_SCAN_IN names two ports, TDI and A"}},
        // Compliance patterns.
        {chip_with("  attribute BOUNDARY_LENGTH", "  attribute COMPLIANCE_PATTERNS of chip : entity is "
                                                  "\"(A, Q) (101)\";\n  attribute BOUNDARY_LENGTH"),
         {"15:58: COMPLIANCE_PATTERNS names port Q, which is not declared", "15:62: Compliance pattern 101 has 3 bits for 2 ports"}},
        // Several faults: all are told.
        {chip_with("A, input, X", "B, input, 7"),
         {"17:15: Cell 0 names port B, which is not declared", "17:25: Cell 0 has safe value 7: only 0, 1 or X is allowed"}},
    };
    for (const BadCase &bad : cases) {
        EXPECT_EQ(import_text(bad.text), OXEL_FAILED) << bad.text;
        EXPECT_EQ(located_errors(), bad.errors) << bad.text;
        EXPECT_EQ(OxelGetSyntaxErrors(), static_cast<int32_t>(bad.errors.size())) << bad.text;
        EXPECT_TRUE(no_description());
    }
}

// Lines end at a line feed, a carriage return and line feed, or a carriage return alone, and the places of
// messages count them so; a Ctrl-Z ends the text, as in every source the library reads.
TEST_F(BadBsdl, LinesEndAsTextFilesEndThemAndCtrlZEndsTheText) {
    std::string cr = kChip, crlf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    for (char c : std::string(kChip))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string &text : {cr, crlf, std::string(kChip) + "\x1A garbage \x01"}) {
        EXPECT_EQ(import_text(text), OXEL_OK) << host.dump();
        std::string broken = text;
        broken.replace(broken.find("input, X"), 5, "inptu");
        EXPECT_EQ(import_text(broken), OXEL_FAILED);
        EXPECT_EQ(located_errors(), Texts{"17:18: Cell 0 has an unknown function inptu"});
    }
    EXPECT_EQ(import_text(chip_with("end chip;", "\x1A" "end chip;")), OXEL_FAILED);
    EXPECT_EQ(located_errors(),
              Texts{"21:1: BSDL syntax error: expected an attribute, a constant or 'end', found the end of the file"});
}

// What the importer passes over, or takes its own way, it says in a note; the import goes on.
TEST_F(BadBsdl, NotesTellWhatIsPassedOver) {
    std::string text = chip_with("  attribute INSTRUCTION_CAPTURE of chip : entity is \"01\";\n",
                     "  attribute INSTRUCTION_PRIVATE of chip : entity is \"PRIV, SAMPLE,\";\n"
                     "  attribute REGISTER_ACCESS of chip : entity is \"BOUNDARY (RUNX)\";\n");
    text.replace(text.find("BYPASS (11)"), 11, "BYPASS (11), RUNBIST (10)");
    text.replace(text.find("  use STD"), 9, "  type T is range 0 to 1;\n  use STD");
    text += "\n-- after the end\nentity more is end;\n";
    text.replace(text.find("\"PKG\");"), 7, "\"PQFP\");");
    ASSERT_EQ(import_text(text), OXEL_OK) << host.dump();
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE),
              (Texts{"BSDL declaration type skipped", "Text after the end of entity chip is ignored",
                     "Package PQFP named by default is not in the file: its one package PKG is taken",
                     "No INSTRUCTION_CAPTURE: the instruction register's capture is unknown (X)",
                     "INSTRUCTION_PRIVATE names PRIV, which INSTRUCTION_OPCODE does not list: skipped",
                     "REGISTER_ACCESS names RUNX, which INSTRUCTION_OPCODE does not list: skipped",
                     "REGISTER_ACCESS names no register for RUNBIST: the boundary register is taken"}));
    EXPECT_EQ(row(host.counters.errors, host.counters.warnings), "0|0");
    EXPECT_EQ(shown(oxel_get_first_component() ? oxel_get_current_component_instruction_register_capture_code() : nullptr),
              "XX");
    EXPECT_EQ(OxelCheck(host.host()), OXEL_OK) << host.dump();
}

// A file that cannot be read, and a missing or unusable path, fail before anything is read; so does a
// missing host context, which is told nothing.
TEST_F(BadBsdl, AFileThatCannotBeReadIsTold) {
    EXPECT_EQ(import_file("/no/such/file.bsd"), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Unable to open BSDL file '/no/such/file.bsd'"});
    EXPECT_EQ(import_file(std::string(OXEL_SOURCE_DIR) + "/tests"), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR).size(), 1u);
    OxelInitialize(host.host());
    host.clear();
    EXPECT_EQ(OxelImportBsdl(host.host(), nullptr, nullptr), OXEL_FAILED);
    EXPECT_EQ(oxel_import_bsdl(host.host(), "stdin", nullptr), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), (Texts{"Unspecified BSDL file name", "Unspecified BSDL file name"}));
    EXPECT_EQ(row(OxelImportBsdl(nullptr, bsdl_path("sensor_1990.bsd").c_str(), nullptr),
                  oxel_import_bsdl(nullptr, "x", nullptr)),
              "8|8");
}

// A failed import destroys the whole description, what an earlier parse left too, as a failed parse does.
TEST_F(BadBsdl, AFailedImportLeavesNoDescription) {
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), example_path("jx200.oxel").c_str()), OXEL_OK);
    ASSERT_EQ(OxelImportBsdl(host.host(), write_temp_file("bad.bsd", chip_with("is 4;", "is 5;")).c_str(), nullptr),
              OXEL_FAILED);
    EXPECT_TRUE(no_description());
    EXPECT_EQ(oxel_nr_components(), 0);
}
