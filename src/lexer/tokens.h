// Token numbers of the language and the value of the token read
#pragma once

#include "lexer/statement_table.h"
#include "oxel32.h"

// Every token that opens no statement, keywords and token classes, with its
// fixed number (the statements' keywords have theirs in the statement
// table), 257 on. The grammar declares its tokens with the same numbers; the
// token reader checks at compile time that both sides agree.
#define LEXER_OTHER_TOKENS(X)           \
    X(BOARD, 259)                       \
    X(BOARD_LEVEL_TAP, 261)             \
    X(BPV, 263)                         \
    X(BYPASS, 264)                      \
    X(CAPTURE_STATUS_LIST, 267)         \
    X(CHANGE_LOG, 270)                  \
    X(CMT, 272)                         \
    X(CNF, 273)                         \
    X(COMPONENT, 274)                   \
    X(PART_CHAIN, 275)                  \
    X(CREATION_LOG, 279)                \
    X(DRS, 284)                         \
    X(OXEL, 285)                        \
    X(END, 287)                         \
    X(EXTERNAL, 288)                    \
    X(EXTEST, 289)                      \
    X(GND, 290)                         \
    X(HOLD_TIME, 291)                   \
    X(IDCODE, 292)                      \
    X(IEEE_1149_1_1990, 294)            \
    X(IN, 295)                          \
    X(INPUT_CURRENT, 297)               \
    X(INPUT_VOLTAGE, 298)               \
    X(INTERNAL, 301)                    \
    X(INTEST, 302)                      \
    X(IO, 303)                          \
    X(IOZ, 304)                         \
    X(ITP, 305)                         \
    X(JTAG_V2_0, 306)                   \
    X(TEST_FREQUENCY, 309)              \
    X(CLOCK_FREQUENCY, 310)             \
    X(NC, 313)                          \
    X(OUT, 315)                         \
    X(OUTPUT_CURRENT, 316)              \
    X(OUTPUT_VOLTAGE, 317)              \
    X(OUTZ, 318)                        \
    X(PPA, 323)                         \
    X(PRIVATE, 325)                     \
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
    X(TAP, 340)                         \
    X(TCK, 341)                         \
    X(TCK_STOP_AT_ONE, 342)             \
    X(TDI, 343)                         \
    X(TDO, 344)                         \
    X(TEMPERATURE_RANGE, 345)           \
    X(TMS, 347)                         \
    X(TPHL, 348)                        \
    X(TPLH, 349)                        \
    X(TRST, 350)                        \
    X(UNKNOWN, 351)                     \
    X(UPDATE, 352)                      \
    X(USERCODE, 353)                    \
    X(VCC_VOLTAGE, 356)                 \
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
#define LEXER_STATEMENT_TOKEN(name, tag, token, ...) LEX_##name = token,
    OXEL_STATEMENTS(LEXER_STATEMENT_TOKEN)
#undef LEXER_STATEMENT_TOKEN
#define LEXER_TOKEN_NUMBER(name, number) LEX_##name = number,
    LEXER_OTHER_TOKENS(LEXER_TOKEN_NUMBER)
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
