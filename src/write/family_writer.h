// Family writer: pin families and global families, figure by figure
#pragma once

#include "oxel32.h"
#include "write/text_out.h"

void write_pin_family(TextOut &out, const PinFamilyRecord *family);
// A GLOBAL_FAMILY section (the keyword as the statement table spells it).
void write_global_family(TextOut &out, const char *keyword, const GlobalPerformanceRecord *family);
