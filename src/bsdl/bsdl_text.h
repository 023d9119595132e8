// BSDL text: slices of the text read, their places, and names compared as VHDL compares them
#pragma once

#include <cstdint>

#include "oxel32.h"

// A stretch of a text the importer holds (the file, a string's contents);
// not terminated.
struct BsdlSlice {
    const char *text;
    int32_t length;
};

// A place in the BSDL file: line and column, both from 1.
struct BsdlPlace {
    int32_t line;
    int32_t column;
};

// VHDL names ignore case: "Bypass" and "BYPASS" are one name.
bool same_name(BsdlSlice a, BsdlSlice b);
bool is_name(BsdlSlice slice, const char *word);
// A hash of the name that ignores case.
uint32_t name_hash(BsdlSlice name);

// A heap copy of the slice, terminated; null after a reported failure.
char *copy_slice(HostContext *context, BsdlSlice slice);

// The slice as a decimal number from 0 to 2^31 - 1: false for anything
// else (a sign, a letter, too many digits).
bool slice_number(BsdlSlice slice, int32_t *value);

// Upper-cases the letters of a text the importer owns.
void upper_case(char *text, int32_t length);

// A text for messages: the slice cut to at most `kShownLength` characters
// ("..." marks a cut), in the caller's buffer.
constexpr int kShownLength = 60;
struct ShownSlice {
    char text[kShownLength + 4];
};
const char *shown_slice(ShownSlice &buffer, BsdlSlice slice);
