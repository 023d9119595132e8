// Bypass, identification, usercode, BIST and data register checks
#pragma once

#include "check/severity.h"
#include "oxel32.h"

// Each checks the component's registers of its kind, their capture values
// (cleaned in place) and the registers they name. Only the bypass register
// is required, and only while the standard counter is set.
Severity check_bypass_registers(HostContext *context, ComponentRecord *component);
Severity check_identification_registers(HostContext *context, ComponentRecord *component);
Severity check_usercode_registers(HostContext *context, ComponentRecord *component);
Severity check_bist_registers(HostContext *context, ComponentRecord *component);
Severity check_data_registers(HostContext *context, ComponentRecord *component);
