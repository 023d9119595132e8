// Quick scanner: the word reader
#pragma once

#include "scan/scanner.h"

// Reads the next word into scanner->word and returns its code.
int32_t scanner_read_word(Scanner *scanner);
