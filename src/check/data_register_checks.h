// Bypass, identification, usercode, BIST and data register checks
#pragma once

#include "check/component_checks.h"

// Each checks the component's registers of its kind (`at` is the
// component, each register about itself), their capture values (cleaned in
// place) and the registers they name. Only the bypass register is required,
// and only while the component states a standard.
Severity check_bypass_registers(const Subject &at, const ComponentChecks &checks);
Severity check_identification_registers(const Subject &at, const ComponentChecks &checks);
Severity check_usercode_registers(const Subject &at, const ComponentChecks &checks);
Severity check_bist_registers(const Subject &at, const ComponentChecks &checks);
Severity check_data_registers(const Subject &at, const ComponentChecks &checks);
