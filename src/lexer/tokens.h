// Token numbers of the language and the value of the token read
#pragma once

#include "oxel32.h"

// Every keyword and token class with its fixed number, 257 on. The grammar
// declares its tokens with the same numbers; the token reader checks at
// compile time that both sides agree.
#define LEXER_TOKEN_LIST(X)             \
    X(ALTERED_REGISTERS, 257)           \
    X(BIST_REGISTER, 258)               \
    X(BOARD, 259)                       \
    X(BOARD_LEVEL_CHAIN, 260)           \
    X(BOARD_LEVEL_TAP, 261)             \
    X(BOUNDARY_SCAN_REGISTER, 262)      \
    X(BPV, 263)                         \
    X(BYPASS, 264)                      \
    X(BYPASS_REGISTER, 265)             \
    X(CAPTURE, 266)                     \
    X(CAPTURE_STATUS_LIST, 267)         \
    X(CELL, 268)                        \
    X(CHAIN_LIST, 269)                  \
    X(CHANGE_LOG, 270)                  \
    X(CLOCK, 271)                       \
    X(CMT, 272)                         \
    X(CNF, 273)                         \
    X(COMPONENT, 274)                   \
    X(PART_CHAIN, 275)                  \
    X(GLOBAL_FAMILY, 276)               \
    X(CONCATENATION, 277)               \
    X(COVERAGE, 278)                    \
    X(CREATION_LOG, 279)                \
    X(DATA_INPUTS, 280)                 \
    X(DATA_OUTPUTS, 281)                \
    X(DATA_REGISTER, 282)               \
    X(DATA_SELECT, 283)                 \
    X(DRS, 284)                         \
    X(OXEL, 285)                        \
    X(OXEL_HEADER, 286)                 \
    X(END, 287)                         \
    X(EXTERNAL, 288)                    \
    X(EXTEST, 289)                      \
    X(GND, 290)                         \
    X(HOLD_TIME, 291)                   \
    X(IDCODE, 292)                      \
    X(IDENTIFICATION_REGISTER, 293)     \
    X(IEEE_1149_1_1990, 294)            \
    X(IN, 295)                          \
    X(INIT_UPDATE, 296)                 \
    X(INPUT_CURRENT, 297)               \
    X(INPUT_VOLTAGE, 298)               \
    X(INSTRUCTION_LIST, 299)            \
    X(INSTRUCTION_REGISTER, 300)        \
    X(INTERNAL, 301)                    \
    X(INTEST, 302)                      \
    X(IO, 303)                          \
    X(IOZ, 304)                         \
    X(ITP, 305)                         \
    X(JTAG_V2_0, 306)                   \
    X(LENGTH, 307)                      \
    X(MANUFACTURER_IDCODE, 308)         \
    X(TEST_FREQUENCY, 309)              \
    X(CLOCK_FREQUENCY, 310)             \
    X(MIN_DURATION, 311)                \
    X(MODE_LIST, 312)                   \
    X(NC, 313)                          \
    X(NETLIST_MAP, 314)                 \
    X(OUT, 315)                         \
    X(OUTPUT_CURRENT, 316)              \
    X(OUTPUT_VOLTAGE, 317)              \
    X(OUTZ, 318)                        \
    X(PARALLEL_OUTPUTS, 319)            \
    X(PARTNUMBER_IDCODE, 320)           \
    X(PIN_LIST, 321)                    \
    X(PIN_FAMILY, 322)                  \
    X(PPA, 323)                         \
    X(PRELOAD, 324)                     \
    X(PRIVATE, 325)                     \
    X(PURPOSE, 326)                     \
    X(PWR, 327)                         \
    X(R0, 328)                          \
    X(R1, 329)                          \
    X(R2, 330)                          \
    X(R3, 331)                          \
    X(RST, 332)                         \
    X(RUNBIST, 333)                     \
    X(SAMPLE, 334)                      \
    X(SAMPLE_PRELOAD, 335)              \
    X(SELECT, 336)                      \
    X(SETUP_TIME, 337)                  \
    X(SI, 338)                          \
    X(STANDARD, 339)                    \
    X(TAP, 340)                         \
    X(TCK, 341)                         \
    X(TCK_STOP_AT_ONE, 342)             \
    X(TDI, 343)                         \
    X(TDO, 344)                         \
    X(TEMPERATURE_RANGE, 345)           \
    X(TEST_SEQUENCE, 346)               \
    X(TMS, 347)                         \
    X(TPHL, 348)                        \
    X(TPLH, 349)                        \
    X(TRST, 350)                        \
    X(UNKNOWN, 351)                     \
    X(UPDATE, 352)                      \
    X(USERCODE, 353)                    \
    X(USERCODE_REGISTER, 354)           \
    X(ILLEGAL_VECTORS, 355)             \
    X(VCC_VOLTAGE, 356)                 \
    X(VERSION_IDCODE, 357)              \
    X(WHITESPACE, 358)                  \
    X(WTN, 359)                         \
    X(YES, 360)                         \
    X(NO, 361)                          \
    X(IDENTIFIER, 362)                  \
    X(INTEGER, 363)                     \
    X(STRING, 364)                      \
    X(REAL, 365)                        \
    X(T, 366)                           \
    X(P, 367)                           \
    X(CLAMP, 368)                       \
    X(HIGHZ, 369)                       \
    X(Z, 370)                           \
    X(HIZ, 371)                         \
    X(FLASH, 372)

// The lexer's token numbers. The prefix keeps them apart from the grammar's
// own names for the same tokens.
enum LexerToken : int {
#define LEXER_TOKEN_NUMBER(name, number) LEX_##name = number,
    LEXER_TOKEN_LIST(LEXER_TOKEN_NUMBER)
#undef LEXER_TOKEN_NUMBER
};

// The value the lexer leaves behind a token: an identifier's text as
// written (the token text holds it upper-cased) or a string's contents, an
// integer literal, or a new real. The literal is held here, not allocated:
// only its text is (null when there is none). At most one is set; a keyword
// clears all three, a single character and the end of input leave them as
// they were. Whoever takes the value owns it.
struct TokenValue {
    char *text;
    IntegerLiteral integer;
    double *real;
};
