// Register values: cleaning, classifying and measuring bit-pattern literals
#pragma once

#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// What a literal is the value of; it chooses the wording of the messages.
enum ValueKind : int32_t {
    kCaptureValue = 0,
    kPreloadValue = 1,
    kCaptureStatusValue = 2,
    kInstructionValue = 3,
};

// The classes of classify_literal, by the number base a literal is written in.
enum LiteralClass : int32_t {
    kIllegalLiteral = 0,
    kDecimalLiteral = 1,
    kOctalLiteral = 2,
    kHexadecimalLiteral = 3,
    kTernaryLiteral = 4,
    kBinaryLiteral = 5,
};

// Deletes every white-space character of `text` in place; null stays null.
void remove_white_space(char *text);

// The number base a literal is written in: 0 illegal, 1 decimal, 2 octal,
// 3 hexadecimal, 4 the 0T form, 5 binary. Null is illegal.
int32_t classify_literal(const char *text);

// Checks a cleaned literal against the length of the register it belongs
// to and reports what is wrong with it, about `at`; 0 or kError.
Severity check_value(const Subject &at, int32_t register_length, const char *owner_name, const char *literal,
                     int32_t kind);

// Cleans and checks every value of a capture status list (of
// CaptureStatusRecord) and asks for each entry's description. `kind_word` is
// "Instruction", "Identification", "UserCode", "BIST" or "Data".
Severity check_capture_status_list(const Subject &at, const char *kind_word, const char *register_name,
                                   const ItemList *statuses, int32_t register_length);
