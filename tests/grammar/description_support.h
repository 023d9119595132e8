// The parse fixture under the name the checker tests still include; it is the shared one
#pragma once

#include "support/recorder.h"

using DescriptionTest = ParseTest;
