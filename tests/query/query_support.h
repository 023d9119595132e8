// Query tests: a parsed description that is released afterwards
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "oxel32.h"
#include "support/recorder.h"

// Parses `text` into the library's description, with fresh cursors; the
// destructor releases it again.
struct ParsedFile {
    Recorder host;
    int32_t result;
    HostContext *c = host.host();

    explicit ParsedFile(const std::string &text) {
        OxelInitialize(c);
        result = OxelParse(c, write_temp_file("query.oxel", text).c_str());
    }
    ~ParsedFile() {
        OxelDestroy(c);
        OxelInitialize(c);
    }
};

// A text the library hands out, as a string; "<null>" for null.
inline std::string text_or_null(const char *text) { return text ? text : "<null>"; }

// A device with every kind of register, a pin list with a bus at its end
// and a chain that uses each cell function.
inline const char *const kChipDescription = R"(
OXEL
  OXEL_HEADER CREATION_LOG "2026-01-01" "tester" "hand" "BSDL   chip.bsd" END OXEL_HEADER
  COMPONENT Chip
    STANDARD: JTAG_V2_0
    PIN_LIST
      1 TDI TDI -  2 TDO TDO -  3 TMS TMS -  4 TCK TCK -  5 nTRST TRST -
      10 A0 IN -  11 A1 IN -  12 D0 IOZ -  13 Q0 OUT -  14 N1 NC -  15 VCC PWR -
      (20,21) D(0:1) IO -
    END PIN_LIST
    PIN_LIST 99 EXTRA IN - END PIN_LIST
    INSTRUCTION_REGISTER IR LENGTH 4 CAPTURE "0001"
      INSTRUCTION_LIST
        EXTEST "0000" BSR EXTERNAL -  BYPASS "1111" BP - -  SAMPLE_PRELOAD "0010" BSR SAMPLE -
        IDCODE "0011" ID2 - -  PROG_X "0100" DR1 - -  MYTEST "0101" bpreg - -  CLAMP "0110" BP - -
        HIGHZ "0111" NOWHERE - -  USE_UC "1000" uc - -  BIST_GO "1001" BI - -  NOREG "1010" - - -
      END INSTRUCTION_LIST
    END INSTRUCTION_REGISTER
    BYPASS_REGISTER BP LENGTH 1 CAPTURE 0 END BYPASS_REGISTER
    IDENTIFICATION_REGISTER ID LENGTH 32 CAPTURE "00010000000000000000000000000001"
      END IDENTIFICATION_REGISTER
    IDENTIFICATION_REGISTER ID2 LENGTH 16 CAPTURE "1111000011110000" END IDENTIFICATION_REGISTER
    USERCODE_REGISTER UC LENGTH 8 CAPTURE "10101010" END USERCODE_REGISTER
    BIST_REGISTER BI LENGTH 5 CAPTURE "11111" END BIST_REGISTER
    DATA_REGISTER DR1 LENGTH 12 CAPTURE "000000000000" END DATA_REGISTER
    DATA_REGISTER BPREG LENGTH 3 CAPTURE "101" END DATA_REGISTER
    BOUNDARY_SCAN_REGISTER BSR LENGTH 6 CHAIN_LIST
      0 BC_1 A0 10 - - - -
      1 bc_7 D0 12 12 - 2 Z
      2 control_cell - - - - - -
      3 BC_1 Q0 - 13 - 3 0
      4 BC_1 D(0) - 20 - 2 1
      5 MYCONTROL - - - - 5 -
    END CHAIN_LIST END BOUNDARY_SCAN_REGISTER
    GLOBAL_FAMILY G TEST_FREQUENCY 1.5 2.5 - END GLOBAL_FAMILY
    GLOBAL_FAMILY LATER TEST_FREQUENCY 9 9 9 END GLOBAL_FAMILY
  END COMPONENT
END OXEL
)";

// The chip parsed, with its component current.
class ChipTest : public ::testing::Test {
protected:
    ParsedFile file{kChipDescription};
    HostContext *c = file.c;
    void SetUp() override {
        ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
        ASSERT_EQ(oxel_get_first_component(), 1);
    }
};
