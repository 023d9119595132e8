// oxel show: each board-level chain as a scan path from TDI to TDO
#pragma once

#include <vector>

#include "board_report.h"
#include "component_report.h"

// The scan chain of the TAP: its parts from TDI to TDO with the register
// lengths and IDCODE of the component each is (found by its exact name),
// and the chain's totals.
ScanChainInfo scan_chain_of(const TapInfo &tap, const std::vector<ComponentReport> &components);
