// Query tests: the devices of devices.oxel parsed, the chip current
//
// What the tool shows of each device (every walk, the TAP pins, each cell, the
// captures, standard and frequency) is compared with tests/tools/golden/devices.show.txt;
// the query tests hold what it does not show.
#pragma once

#include "support/recorder.h"

class ChipTest : public ParseTest {
protected:
    HostContext *c = host.host();
    void SetUp() override {
        ASSERT_EQ(parse_file(std::string(OXEL_SOURCE_DIR) + "/tests/query/devices.oxel"), OXEL_OK)
            << host.dump();
        ASSERT_EQ(oxel_open_component(c, "Chip"), 1);
    }
};
