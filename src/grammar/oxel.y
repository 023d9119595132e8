/* Grammar of OXEL descriptions: the file frame, shared rules and sections */

%code requires {
#include <cstdint>
#include "oxel32.h"
}

%code {
#include "grammar/grammar_actions.h"
}

/* Token kinds are TK_<keyword>; their numbers are fixed so that a host's
   tools and the keyword table agree on them. */
%define api.token.prefix {TK_}

/* One machine word per symbol: a pointer or a small integer. */
%union {
    void *ptr;
    char *text;
    IntegerLiteral *integer;
    double *real;
    ItemList *list;
    TaggedItem *item;
    intptr_t number;
    HeaderRecord *header;
    LogRecord *log;
    /* COMPONENT_VALUE_TYPES_BEGIN */
    /* COMPONENT_VALUE_TYPES_END */
    /* BOARD_VALUE_TYPES_BEGIN */
    /* BOARD_VALUE_TYPES_END */
}

/* Keywords. */
%token ALTERED_REGISTERS 257
%token BIST_REGISTER 258
%token BOARD 259
%token BOARD_LEVEL_CHAIN 260
%token BOARD_LEVEL_TAP 261
%token BOUNDARY_SCAN_REGISTER 262
%token BPV 263
%token BYPASS 264
%token BYPASS_REGISTER 265
%token CAPTURE 266
%token CAPTURE_STATUS_LIST 267
%token CELL 268
%token CHAIN_LIST 269
%token CHANGE_LOG 270
%token CLOCK 271
%token CMT 272
%token CNF 273
%token COMPONENT 274
%token PART_CHAIN 275
%token GLOBAL_FAMILY 276
%token CONCATENATION 277
%token COVERAGE 278
%token CREATION_LOG 279
%token DATA_INPUTS 280
%token DATA_OUTPUTS 281
%token DATA_REGISTER 282
%token DATA_SELECT 283
%token DRS 284
%token OXEL 285
%token OXEL_HEADER 286
%token END 287
%token EXTERNAL 288
%token EXTEST 289
%token GND 290
%token HOLD_TIME 291
%token IDCODE 292
%token IDENTIFICATION_REGISTER 293
%token IEEE_1149_1_1990 294
%token IN 295
%token INIT_UPDATE 296
%token INPUT_CURRENT 297
%token INPUT_VOLTAGE 298
%token INSTRUCTION_LIST 299
%token INSTRUCTION_REGISTER 300
%token INTERNAL 301
%token INTEST 302
%token IO 303
%token IOZ 304
%token ITP 305
%token JTAG_V2_0 306
%token LENGTH 307
%token MANUFACTURER_IDCODE 308
%token TEST_FREQUENCY 309
%token CLOCK_FREQUENCY 310
%token MIN_DURATION 311
%token MODE_LIST 312
%token NC 313
%token NETLIST_MAP 314
%token OUT 315
%token OUTPUT_CURRENT 316
%token OUTPUT_VOLTAGE 317
%token OUTZ 318
%token PARALLEL_OUTPUTS 319
%token PARTNUMBER_IDCODE 320
%token PIN_LIST 321
%token PIN_FAMILY 322
%token PPA 323
%token PRELOAD 324
%token PRIVATE 325
%token PURPOSE 326
%token PWR 327
%token R0 328
%token R1 329
%token R2 330
%token R3 331
%token RST 332
%token RUNBIST 333
%token SAMPLE 334
%token SAMPLE_PRELOAD 335
%token SELECT 336
%token SETUP_TIME 337
%token SI 338
%token STANDARD 339
%token TAP 340
%token TCK 341
%token TCK_STOP_AT_ONE 342
%token TDI 343
%token TDO 344
%token TEMPERATURE_RANGE 345
%token TEST_SEQUENCE 346
%token TMS 347
%token TPHL 348
%token TPLH 349
%token TRST 350
%token UNKNOWN 351
%token UPDATE 352
%token USERCODE 353
%token USERCODE_REGISTER 354
%token ILLEGAL_VECTORS 355
%token VCC_VOLTAGE 356
%token VERSION_IDCODE 357
%token WHITESPACE 358
%token WTN 359
%token YES 360
%token NO 361
%token T 366
%token P 367
%token CLAMP 368
%token HIGHZ 369
%token Z 370
%token HIZ 371
%token FLASH 372

/* Token classes. */
%token <text> IDENTIFIER 362
%token <integer> INTEGER 363
%token <text> STRING 364
%token <real> REAL 365

/* Shared nonterminals. */
%type <text> name list_name value word word_run
%type <real> number number_or_dash
%type <number> yes_no
%type <list> word_list name_list

/* Header section. */
%type <header> header_section
%type <log> creation_log change_log
%type <list> change_log_list

/* COMPONENT_TYPES_BEGIN */
/* COMPONENT_TYPES_END */
/* BOARD_TYPES_BEGIN */
/* BOARD_TYPES_END */

/* Values still on the stacks when a parse stops are released here. An
   action that hands a value on to a constructor clears its $n first, so
   that nothing is released twice. */
%destructor { mem_free(HOST, $$); } <text> <real>
%destructor { release_integer(HOST, $$); } <integer>
%destructor { release_header(HOST, $$); } <header>
%destructor { release_log(HOST, $$); } <log>
%destructor { list_release_with(HOST, $$, release_log); } change_log_list
%destructor { list_release(HOST, $$); } word_list name_list
/* COMPONENT_DESTRUCTORS_BEGIN */
/* COMPONENT_DESTRUCTORS_END */
/* BOARD_DESTRUCTORS_BEGIN */
/* BOARD_DESTRUCTORS_END */

%expect 1

%%

/* ---------------------------------------------------------------- */
/* The file frame. */

description
    : oxel_file
    ;

oxel_file
    : %empty
    | OXEL top_section_list END OXEL
    | error
        { report_expected("File must start with OXEL and end with END OXEL"); YYABORT; }
    ;

top_section_list
    : top_section
    | top_section_list top_section
    | top_section_list error
        { report_expected("Board, component, technology, header or END OXEL expected"); YYABORT; }
    | error
        { report_expected("Board, component, technology, header or END OXEL expected"); YYABORT; }
    ;

top_section
    : header_section
        { file_header($1); }
    /* TOP_SECTIONS_BEGIN */
    /* TOP_SECTIONS_END */
    ;

/* ---------------------------------------------------------------- */
/* Shared nonterminals. */

name
    : IDENTIFIER
        { mem_free(HOST, $1); $$ = lexer_take_written_text(); }
    | STRING
    ;

list_name
    : IDENTIFIER
        { mem_free(HOST, $1); $$ = lexer_take_written_text(); lexer_set_name_mode(true); }
    | STRING
        { lexer_set_name_mode(true); }
    ;

opt_colon
    : %empty
    | ':'
    ;

opt_comma
    : %empty
    | ','
    ;

dash
    : '-'
    ;

value
    : INTEGER
        { $$ = integer_text($1); }
    | STRING
    | error
        { report_expected("Only an integer value or a double-quoted string is allowed"); YYABORT; }
    ;

number_or_dash
    : REAL
    | INTEGER
        { $$ = integer_as_double($1); if (!$$) YYABORT; }
    | dash
        { $$ = nullptr; }
    | error
        { report_expected("Float or integer or dash expected"); YYABORT; }
    ;

number
    : REAL
    | INTEGER
        { $$ = integer_as_double($1); if (!$$) YYABORT; }
    | error
        { report_expected("Float or integer expected"); YYABORT; }
    ;

yes_no
    : YES
        { $$ = 1; }
    | NO
        { $$ = 0; }
    ;

word
    : INTEGER
        { $$ = integer_text($1); }
    | name
    ;

word_run
    : word
    | word_run word
        { $$ = str_append(HOST, $1, $2); mem_free(HOST, $2); $2 = nullptr;
          if (!$$) { $1 = nullptr; YYABORT; } }
    ;

word_list
    : word
        { $$ = list_create(HOST, $1, 1); if (!$$) YYABORT; }
    | word_list opt_comma { lexer_set_name_mode(true); } word
        { $$ = list_append(HOST, $1, $4); $1 = nullptr; $4 = nullptr; if (!$$) YYABORT; }
    ;

name_list
    : name
        { $$ = list_create(HOST, $1, 1); if (!$$) YYABORT; }
    | '[' { lexer_set_name_mode(true); } word_list ']'
        { $$ = $3; }
    ;

/* SHARED_PIN_REF_RULES_BEGIN: index, index_list, pin_ref, pin_ref_list */
/* SHARED_PIN_REF_RULES_END */

/* ---------------------------------------------------------------- */
/* Header section. */

header_section
    : OXEL_HEADER creation_log change_log_list END OXEL_HEADER
        { $$ = mkheader(HOST, $2, $3); $2 = nullptr; $3 = nullptr; if (!$$) YYABORT; }
    ;

creation_log
    : CREATION_LOG opt_colon STRING STRING STRING STRING
        { $$ = mklog(HOST, $3, $4, $5, $6); $3 = $4 = $5 = $6 = nullptr; if (!$$) YYABORT; }
    | error
        { report_expected("CREATIONLOG expected"); YYABORT; }
    ;

change_log_list
    : %empty
        { $$ = list_create(HOST, nullptr, 1); if (!$$) YYABORT; }
    | change_log_list change_log
        { $$ = list_append_with(HOST, $1, $2, release_log); $1 = nullptr; $2 = nullptr; if (!$$) YYABORT; }
    | change_log_list error
        { report_expected("CHANGELOG or END OXEL_HEADER expected"); YYABORT; }
    | error
        { report_expected("CHANGELOG or END OXEL_HEADER expected"); YYABORT; }
    ;

change_log
    : CHANGE_LOG opt_colon STRING STRING STRING STRING
        { $$ = mklog(HOST, $3, $4, $5, $6); $3 = $4 = $5 = $6 = nullptr; if (!$$) YYABORT; }
    ;

/* COMPONENT_RULES_BEGIN */
/* COMPONENT_RULES_END */

/* BOARD_RULES_BEGIN */
/* BOARD_RULES_END */

%%
