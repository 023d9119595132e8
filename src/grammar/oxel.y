/* Grammar of OXEL descriptions: the file frame, shared rules and sections */

%code requires {
#include <cstdint>
#include "grammar/token_place.h"
#include "oxel32.h"
struct parser_state;
}

%code {
#include "grammar/family_statements.h"
#include "grammar/grammar_actions.h"
#include "grammar/top_sections.h"
#include "model/board_constructors.h"
#include "model/cell_constructors.h"
#include "model/component_constructors.h"
#include "model/description.h"
#include "model/pin_constructors.h"
#include "model/ppa_constructors.h"
#include "model/register_constructors.h"
#include "model/sequence_constructors.h"
#include "model/technology_constructors.h"

/* An action's value made by a constructor or a list operation: when it
   could not be made (the allocator has reported why), the parse stops. */
#define BUILD(made) \
    do { \
        if (!(made)) \
            YYABORT; \
    } while (0)

/* The detail line of the syntax error just reported, then the parse stops.
   A rule with a value names it after the text: its value is none. */
#define EXPECTED(detail, ...) \
    do { \
        __VA_OPT__(__VA_ARGS__ = {};) \
        report_expected(parse, detail); \
        YYABORT; \
    } while (0)
}

/* Every action and destructor reaches the state of the parse, its host
   context and its lexer among it, through `parse`; so does the token
   reader. The parser keeps nothing of its own between calls: the lookahead,
   its value and its place are locals of yyparse, handed to the token reader
   and the error hook. */
%define api.pure full
%parse-param {parser_state *parse}
%lex-param {parser_state *parse}

/* Token kinds are TK_<keyword>; their numbers are fixed so that a host's
   tools and the keyword table agree on them. */
%define api.token.prefix {TK_}

/* Every symbol carries where it begins: a token the place the lexer gives,
   a rule that of its first symbol that covers a token (YYLLOC_DEFAULT in
   grammar_actions.h). Records are remembered there. */
%locations
%define api.location.type {TokenPlace}

/* A pointer or a small integer per symbol; an integer token carries its
   literal itself, value and text, so that reading one allocates only the
   text. */
%union {
    char *text;
    IntegerLiteral integer;
    double *real;
    ItemList *list;
    TaggedItem *item;
    struct TapMap *tap_map;
    struct PpaSignal *ppa_signal;
    intptr_t number;
    HeaderRecord *header;
    LogRecord *log;
    /* Component records. */
    ComponentRecord *component;
    PinRecord *pin;
    IndexRecord *index;
    PinRefRecord *pin_ref;
    struct BusNamePair *bus_pair;
    CaptureRecord *capture;
    CaptureStatusRecord *capture_status;
    ModeSpecRecord *mode_spec;
    InstructionRecord *instruction;
    PreloadRecord *preload;
    ChainElementRecord *chain_element;
    CellRecord *cell;
    CellModeRecord *cell_mode;
    /* Board, technology and test records. */
    BoardRecord *board;
    BoardChainRecord *board_chain;
    PartChainRecord *part;
    NetRecord *net;
    PinFamilyRecord *pin_family;
    GlobalPerformanceRecord *global_family;
    SequenceRecord *sequence;
    VrakInstructionRecord *vrak;
    VrakOperandRecord *operand;
    PpaRecord *ppa;
    struct PpaAssignment *ppa_assignment;
    PpaSerialGroupRecord *serial_group;
    PpaParallelGroupRecord *parallel_group;
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
%type <text> name list_name section_name value word word_run
%type <real> number number_or_dash
%type <number> yes_no
%type <list> word_list name_list
%type <index> index
%type <list> index_list pin_ref_list
%type <pin_ref> pin_ref

/* Header section. */
%type <header> header_section
%type <log> creation_log change_log
%type <list> change_log_list

/* Component section. */
%type <component> component_section
%type <list> component_body component_item_list
%type <item> component_item register_section
%type <number> standard_item standard_name

/* Pin lists. */
%type <list> pin_list_section pin_definition_list pin_number_list
%type <pin> pin_definition single_pin bus_definition
%type <text> pin_id opt_name
%type <index> pin_number
%type <bus_pair> bus_name
%type <number> pin_type

/* Registers and their items. */
%type <list> register_item_list
%type <item> register_item
%type <text> purpose_item manufacturer_idcode_item partnumber_idcode_item version_idcode_item
%type <number> length_item parallel_outputs_item
%type <capture> capture_item
%type <list> opt_capture_status_list capture_status_list
%type <capture_status> capture_status
%type <text> capture_status_value
%type <list> instruction_list_item instruction_list instruction_registers
%type <instruction> instruction
%type <mode_spec> instruction_name mode
%type <list> concatenation_item altered_registers_item
%type <preload> preload_item
%type <real> coverage_item min_duration_item
%type <pin_ref> clock_item clock_pin

/* Cells and the boundary-scan chain. */
%type <cell> cell_section
%type <list> cell_item_list
%type <item> cell_item
%type <text> init_update_item cell_select
%type <list> data_inputs_item data_outputs_item data_select_item
%type <list> mode_list_item mode_list output_specs cell_spec_seq
%type <cell_mode> mode_entry
%type <mode_spec> cell_spec
%type <list> chain_list_item chain_element_list cell_params chain_name_list
%type <chain_element> chain_element
%type <text> chain_name chain_name_text

/* Board section. */
%type <board> board_section
%type <list> board_item_list board_tap_section tap_map_list part_chain_section part_list
%type <list> netlist_section net_entry_list
%type <item> board_item
%type <tap_map> tap_map
%type <number> tap_signal
%type <board_chain> board_chain_section
%type <part> part
%type <net> net_entry

/* Technology and test sequences. */
%type <pin_family> pin_family_section
%type <global_family> global_family_section
%type <sequence> test_sequence_section illegal_vectors_section
%type <list> vrak_list rst_operand_list wtn_operand_list vector_operand_list
%type <vrak> vrak_statement vrak_instruction
%type <operand> rst_operand wtn_operand vector_operand
%type <ppa> ppa_body
%type <ppa_assignment> ppa_group
%type <serial_group> serial_group serial_assignments
%type <ppa_signal> serial_assignment
%type <parallel_group> parallel_group

/* Values still on the stacks when a parse stops are released here: those
   popped while the parser looks for a state that takes `error` (a list
   broken after its first entries goes so, before its `error` alternative
   reports), and those left when it aborts. The values of the rule whose
   action aborts are not: Bison pops them unreleased, so such an action
   releases what it still owns (a constructor or list operation that fails
   has released what it was given). A value that stays on the stack after a
   mid-rule action has handed it on is cleared there. */
%destructor { mem_free(parse->host, $$); } <text> <real>
%destructor { release_integer(parse->host, $$); } <integer>
%destructor { release_header(parse->host, $$); } <header>
%destructor { release_log(parse->host, $$); } <log>
%destructor { list_release_with(parse->host, $$, release_log); } change_log_list
%destructor { list_release(parse->host, $$); } word_list name_list
%destructor { release_index(parse->host, $$); } <index>
%destructor { release_pin_ref(parse->host, $$); } <pin_ref>
%destructor { list_release_with(parse->host, $$, release_index); } pin_number_list index_list
%destructor { list_release_with(parse->host, $$, release_pin_ref); } pin_ref_list
%destructor { release_component(parse->host, $$); } <component>
%destructor { release_pin(parse->host, $$); } <pin>
%destructor { release_bus_name(parse->host, $$); } <bus_pair>
%destructor { release_capture(parse->host, $$); } <capture>
%destructor { release_capture_status(parse->host, $$); } <capture_status>
%destructor { release_mode_spec(parse->host, $$); } <mode_spec>
%destructor { release_instruction(parse->host, $$); } <instruction>
%destructor { release_preload(parse->host, $$); } <preload>
%destructor { release_chain_element(parse->host, $$); } <chain_element>
%destructor { release_cell(parse->host, $$); } <cell>
%destructor { release_cell_mode(parse->host, $$); } <cell_mode>
%destructor { release_statement(parse->host, $$); } <item>
%destructor { release_statements(parse->host, $$); } component_body component_item_list register_item_list
%destructor { release_statements(parse->host, $$); } cell_item_list board_item_list
%destructor { release_pin_list(parse->host, $$); } pin_list_section pin_definition_list
%destructor { list_release_with(parse->host, $$, release_capture_status); } opt_capture_status_list
%destructor { list_release_with(parse->host, $$, release_capture_status); } capture_status_list
%destructor { list_release_with(parse->host, $$, release_instruction); } instruction_list_item
%destructor { list_release_with(parse->host, $$, release_instruction); } instruction_list
%destructor { list_release_with(parse->host, $$, release_cell_mode); } mode_list_item mode_list
%destructor { list_release_with(parse->host, $$, release_mode_spec); } output_specs cell_spec_seq
%destructor { list_release_with(parse->host, $$, release_chain_element); } chain_list_item chain_element_list
%destructor { list_release(parse->host, $$); } instruction_registers concatenation_item altered_registers_item
%destructor { list_release(parse->host, $$); } data_inputs_item data_outputs_item data_select_item
%destructor { list_release(parse->host, $$); } cell_params chain_name_list
%destructor { release_board(parse->host, $$); } <board>
%destructor { release_board_chain(parse->host, $$); } <board_chain>
%destructor { release_part_chain(parse->host, $$); } <part>
%destructor { release_net(parse->host, $$); } <net>
%destructor { release_pin_family(parse->host, $$); } <pin_family>
%destructor { release_global_family(parse->host, $$); } <global_family>
%destructor { release_sequence(parse->host, $$); } <sequence>
%destructor { release_vrak_instruction(parse->host, $$); } <vrak>
%destructor { release_vrak_operand(parse->host, $$); } <operand>
%destructor { release_ppa(parse->host, $$); } <ppa>
%destructor { release_ppa_assignment(parse->host, $$); } <ppa_assignment>
%destructor { release_ppa_serial_group(parse->host, $$); } <serial_group>
%destructor { release_ppa_parallel_group(parse->host, $$); } <parallel_group>
%destructor { release_tap_map(parse->host, $$); } <tap_map>
%destructor { list_release_with(parse->host, $$, release_tap_map); } board_tap_section tap_map_list
%destructor { list_release_with(parse->host, $$, release_part_chain); } part_chain_section part_list
%destructor { release_netlist(parse->host, $$); } netlist_section net_entry_list
%destructor { list_release_with(parse->host, $$, release_vrak_instruction); } vrak_list
%destructor { list_release_with(parse->host, $$, release_vrak_operand); } rst_operand_list
%destructor { list_release_with(parse->host, $$, release_vrak_operand); } wtn_operand_list vector_operand_list
%destructor { release_ppa_signal(parse->host, $$); } <ppa_signal>

/* The deliberate shift/reduce conflicts, each resolved by shifting: the
   empty change_log_list against `error` (1), and the empty mode_list
   against the first token of an entry and `error` (10). */
%expect 11

%%

/* ---------------------------------------------------------------- */
/* The file frame. A list whose entries are broken reaches its `error`
   alternative with the entries read so far released by their destructor. */

description
    : oxel_file
    ;

oxel_file
    : %empty
    | OXEL top_section_list END OXEL
    | error
        { EXPECTED("File must start with OXEL and end with END OXEL"); }
    ;

top_section_list
    : top_section
    | top_section_list top_section
    | top_section_list error
        { EXPECTED("Board, component, technology, header or END OXEL expected"); }
    | error
        { EXPECTED("Board, component, technology, header or END OXEL expected"); }
    ;

top_section
    : header_section
        { file_header(parse, $1); }
    | component_section
        { BUILD(file_component(parse, $1)); }
    | board_section
        { BUILD(file_board(parse, $1)); }
    | pin_family_section
        { BUILD(file_pin_family(parse, $1)); }
    ;

/* ---------------------------------------------------------------- */
/* Shared nonterminals. */

name
    : IDENTIFIER
    | STRING
    ;

/* A name after which the next word is read in name mode too. */
list_name
    : IDENTIFIER
        { $$ = $1; name_next(parse); }
    | STRING
        { $$ = $1; name_next(parse); }
    ;

/* The name of a section, read in name mode: a keyword names it too. */
section_name
    : { name_next(parse); } name
        { $$ = $2; }
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
        { $$ = integer_text(parse->host, $1); }
    | STRING
    | error
        { EXPECTED("Only an integer value or a double-quoted string is allowed", $$); }
    ;

number_or_dash
    : REAL
    | INTEGER
        { BUILD($$ = integer_as_double(parse->host, $1)); }
    | dash
        { $$ = nullptr; }
    | error
        { EXPECTED("Float or integer or dash expected", $$); }
    ;

number
    : REAL
    | INTEGER
        { BUILD($$ = integer_as_double(parse->host, $1)); }
    | error
        { EXPECTED("Float or integer expected", $$); }
    ;

yes_no
    : YES
        { $$ = 1; }
    | NO
        { $$ = 0; }
    ;

word
    : INTEGER
        { $$ = integer_text(parse->host, $1); }
    | IDENTIFIER
    | STRING
    ;

word_run
    : word
        { $$ = start_word_run(parse, $1); }
    | word_run word
        { BUILD($$ = join_words(parse, $1, $2)); }
    ;

word_list
    : word
        { BUILD($$ = list_create(parse->host, $1, 1)); }
    | word_list opt_comma { name_next(parse); } word
        { BUILD($$ = list_append(parse->host, $1, $4)); }
    ;

name_list
    : IDENTIFIER
        { BUILD($$ = list_create(parse->host, $1, 1)); }
    | STRING
        { BUILD($$ = list_create(parse->host, $1, 1)); }
    | '[' { name_next(parse); } word_list ']'
        { $$ = $3; }
    ;

index
    : INTEGER
        { BUILD($$ = make_index(parse->host, OXEL_INDEX_NUMBER, take_integer(parse->host, $1), nullptr, 0)); }
    | INTEGER ':' INTEGER
        { BUILD($$ = make_index(parse->host, OXEL_INDEX_RANGE, take_integer(parse->host, $1), nullptr,
                                take_integer(parse->host, $3))); }
    ;

index_list
    : index
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_index)); }
    | index_list ',' index
        { BUILD($$ = list_append_with(parse->host, $1, $3, release_index)); }
    ;

/* The name is a list_name: the word after it is read in name mode too. */
pin_ref
    : list_name '(' index_list ')'
        { BUILD($$ = make_pin_ref(parse->host, OXEL_PINREF_ELEMENT, $1, $3)); }
    | list_name
        { BUILD($$ = make_pin_ref(parse->host, OXEL_PINREF_PLAIN, $1, nullptr)); }
    | INTEGER
        { BUILD($$ = make_pin_ref(parse->host, OXEL_PINREF_PLAIN, integer_text(parse->host, $1), nullptr)); }
    | dash
        { BUILD($$ = make_pin_ref(parse->host, OXEL_PINREF_PLAIN, nullptr, nullptr)); }
    ;

pin_ref_list
    : pin_ref
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_pin_ref)); }
    | pin_ref_list ',' pin_ref
        { BUILD($$ = list_append_with(parse->host, $1, $3, release_pin_ref)); }
    | pin_ref_list error
        { list_release_with(parse->host, $1, release_pin_ref); EXPECTED("Pin reference expected", $$); }
    | error
        { EXPECTED("Pin reference expected", $$); }
    ;

/* ---------------------------------------------------------------- */
/* Header section. */

header_section
    : OXEL_HEADER creation_log change_log_list END OXEL_HEADER
        { BUILD($$ = make_header(parse->host, $2, $3)); }
    ;

creation_log
    : CREATION_LOG opt_colon STRING STRING STRING STRING
        { BUILD($$ = make_log(parse->host, $3, $4, $5, $6)); }
    | error
        { EXPECTED("CREATIONLOG expected", $$); }
    ;

change_log_list
    : %empty
        { BUILD($$ = list_create(parse->host, nullptr, 1)); }
    | change_log_list change_log
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_log)); }
    | change_log_list error
        { list_release_with(parse->host, $1, release_log); EXPECTED("CHANGELOG or END OXEL_HEADER expected", $$); }
    | error
        { EXPECTED("CHANGELOG or END OXEL_HEADER expected", $$); }
    ;

change_log
    : CHANGE_LOG opt_colon STRING STRING STRING STRING
        { BUILD($$ = make_log(parse->host, $3, $4, $5, $6)); }
    ;

/* ---------------------------------------------------------------- */
/* Component section. */

component_section
    : COMPONENT section_name component_body END COMPONENT
        { BUILD($$ = remembered(parse, @$, make_component(parse->host, @$, &parse->description->root, $2,
                                                          parse->source_ref, $3), release_component)); }
    ;

component_body
    : component_item_list
    | %empty
        { $$ = nullptr; }
    ;

component_item_list
    : component_item
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_statement)); }
    | component_item_list component_item
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_statement)); }
    | component_item_list error
        { release_statements(parse->host, $1); EXPECTED("Data section expected", $$); }
    | error
        { EXPECTED("Data section expected", $$); }
    ;

component_item
    : standard_item
        { BUILD($$ = make_statement<TAG_STANDARD>(parse->host, $1)); }
    | header_section
        { BUILD($$ = make_statement<TAG_OXEL_HEADER>(parse->host, $1)); }
    | pin_list_section
        { BUILD($$ = make_statement<TAG_PIN_LIST>(parse->host, $1)); }
    | register_section
    | cell_section
        { BUILD($$ = make_statement<TAG_CELL>(parse->host, $1)); }
    | test_sequence_section
        { BUILD($$ = make_statement<TAG_TEST_SEQUENCE>(parse->host, $1)); }
    | illegal_vectors_section
        { BUILD($$ = make_statement<TAG_ILLEGAL_VECTORS>(parse->host, $1)); }
    | global_family_section
        { BUILD($$ = make_statement<TAG_GLOBAL_FAMILY>(parse->host, $1)); }
    | pin_family_section
        { BUILD($$ = make_statement<TAG_PIN_FAMILY>(parse->host, $1)); }
    ;

standard_item
    : STANDARD opt_colon standard_name
        { $$ = $3; }
    ;

standard_name
    : IEEE_1149_1_1990
        { $$ = OXEL_STANDARD_IEEE_1149_1_1990; }
    | JTAG_V2_0
        { $$ = OXEL_STANDARD_JTAG_V2_0; }
    | UNKNOWN
        { $$ = OXEL_STANDARD_UNKNOWN; }
    | error
        { EXPECTED("Standard name expected", $$); }
    ;

/* ---------------------------------------------------------------- */
/* Pin lists. The words around a pin type are read in name mode; the type
   itself must be one of the keywords. */

pin_list_section
    : PIN_LIST { name_next(parse); } pin_definition_list END PIN_LIST
        { $$ = $3; }
    ;

pin_definition_list
    : { name_next(parse); } pin_definition
        { BUILD($$ = list_create_with(parse->host, $2, 1, release_pin)); }
    | pin_definition_list { name_next(parse); } pin_definition
        { BUILD($$ = list_append_with(parse->host, $1, $3, release_pin)); name_next(parse); }
    | pin_definition_list error
        { release_pin_list(parse->host, $1); EXPECTED("Pin definition or END PIN_LIST expected", $$); }
    | error
        { EXPECTED("Pin definition or END PIN_LIST expected", $$); }
    ;

pin_definition
    : { name_next(parse); } single_pin
        { BUILD($$ = remembered(parse, @$, $2, release_pin)); }
    | bus_definition
        { BUILD($$ = remembered(parse, @$, $1, release_pin)); }
    ;

single_pin
    : { name_next(parse); } pin_id { name_next(parse); } opt_name pin_type { name_next(parse); } opt_name
        { BUILD($$ = make_pin(parse->host, $2, $4, $5, $7)); name_next(parse); }
    ;

bus_definition
    : '(' pin_number_list ')' { name_next(parse); } bus_name pin_type { name_next(parse); } opt_name
        { BUILD($$ = make_bus(parse->host, $2, $5, $6, $8)); name_next(parse); }
    ;

pin_id
    : { name_next(parse); } name
        { $$ = $2; }
    | INTEGER
        { $$ = integer_text(parse->host, $1); }
    ;

/* The name's rules are written out here and in word and name_list: pins,
   nets and bit patterns make up much of a large file. */
opt_name
    : IDENTIFIER
    | STRING
    | dash
        { $$ = nullptr; }
    ;

pin_number_list
    : pin_number
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_index)); }
    | pin_number_list ',' pin_number
        { BUILD($$ = list_append_with(parse->host, $1, $3, release_index)); }
    ;

/* A bus's pin numbers may also be names. */
pin_number
    : name
        { BUILD($$ = make_index(parse->host, OXEL_INDEX_NAME, 0, $1, 0)); }
    | index
    ;

bus_name
    : name '(' index_list ')'
        { BUILD($$ = make_bus_name(parse->host, $1, $3)); }
    ;

pin_type
    : IN    { $$ = OXEL_PIN_IN; }
    | OUT   { $$ = OXEL_PIN_OUT; }
    | OUTZ  { $$ = OXEL_PIN_OUTZ; }
    | IO    { $$ = OXEL_PIN_IO; }
    | IOZ   { $$ = OXEL_PIN_IOZ; }
    | NC    { $$ = OXEL_PIN_NC; }
    | PWR   { $$ = OXEL_PIN_PWR; }
    | GND   { $$ = OXEL_PIN_GND; }
    | TMS   { $$ = OXEL_PIN_TMS; }
    | TDI   { $$ = OXEL_PIN_TDI; }
    | TDO   { $$ = OXEL_PIN_TDO; }
    | TCK   { $$ = OXEL_PIN_TCK; }
    | TRST  { $$ = OXEL_PIN_TRST; }
    | error
        { EXPECTED("Unknown pin type", $$); }
    ;

/* ---------------------------------------------------------------- */
/* Registers: keyword, name, items, END keyword; each a statement of the
   component. Every item is accepted in every register; the register's
   constructor reports the ones it does not take. */

register_section
    : INSTRUCTION_REGISTER section_name register_item_list END INSTRUCTION_REGISTER
        { BUILD($$ = register_statement<TAG_INSTRUCTION_REGISTER>(parse, @$, $2, $3)); }
    | BOUNDARY_SCAN_REGISTER section_name register_item_list END BOUNDARY_SCAN_REGISTER
        { BUILD($$ = register_statement<TAG_BOUNDARY_SCAN_REGISTER>(parse, @$, $2, $3)); }
    | BYPASS_REGISTER section_name register_item_list END BYPASS_REGISTER
        { BUILD($$ = register_statement<TAG_BYPASS_REGISTER>(parse, @$, $2, $3)); }
    | IDENTIFICATION_REGISTER section_name register_item_list END IDENTIFICATION_REGISTER
        { BUILD($$ = register_statement<TAG_IDENTIFICATION_REGISTER>(parse, @$, $2, $3)); }
    | USERCODE_REGISTER section_name register_item_list END USERCODE_REGISTER
        { BUILD($$ = register_statement<TAG_USERCODE_REGISTER>(parse, @$, $2, $3)); }
    | BIST_REGISTER section_name register_item_list END BIST_REGISTER
        { BUILD($$ = register_statement<TAG_BIST_REGISTER>(parse, @$, $2, $3)); }
    | DATA_REGISTER section_name register_item_list END DATA_REGISTER
        { BUILD($$ = register_statement<TAG_DATA_REGISTER>(parse, @$, $2, $3)); }
    ;

register_item_list
    : register_item
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_statement)); }
    | register_item_list register_item
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_statement)); }
    | register_item_list error
        { release_statements(parse->host, $1); EXPECTED("Register section expected", $$); }
    | error
        { EXPECTED("Register section expected", $$); }
    ;

register_item
    : purpose_item
        { BUILD($$ = make_statement<TAG_PURPOSE>(parse->host, $1)); }
    | length_item
        { BUILD($$ = make_statement<TAG_LENGTH>(parse->host, $1)); }
    | capture_item
        { BUILD($$ = make_statement<TAG_CAPTURE>(parse->host, $1)); }
    | instruction_list_item
        { BUILD($$ = make_statement<TAG_INSTRUCTION_LIST>(parse->host, $1)); }
    | chain_list_item
        { BUILD($$ = make_statement<TAG_CHAIN_LIST>(parse->host, $1)); }
    | manufacturer_idcode_item
        { BUILD($$ = make_statement<TAG_MANUFACTURER_IDCODE>(parse->host, $1)); }
    | partnumber_idcode_item
        { BUILD($$ = make_statement<TAG_PARTNUMBER_IDCODE>(parse->host, $1)); }
    | version_idcode_item
        { BUILD($$ = make_statement<TAG_VERSION_IDCODE>(parse->host, $1)); }
    | concatenation_item
        { BUILD($$ = make_statement<TAG_CONCATENATION>(parse->host, $1)); }
    | preload_item
        { BUILD($$ = make_statement<TAG_PRELOAD>(parse->host, $1)); }
    | coverage_item
        { BUILD($$ = make_statement<TAG_COVERAGE>(parse->host, $1)); }
    | clock_item
        { BUILD($$ = make_statement<TAG_CLOCK>(parse->host, $1)); }
    | min_duration_item
        { BUILD($$ = make_statement<TAG_MIN_DURATION>(parse->host, $1)); }
    | altered_registers_item
        { BUILD($$ = make_statement<TAG_ALTERED_REGISTERS>(parse->host, $1)); }
    | parallel_outputs_item
        { BUILD($$ = make_statement<TAG_PARALLEL_OUTPUTS>(parse->host, $1)); }
    ;

purpose_item
    : PURPOSE opt_colon STRING
        { $$ = $3; }
    ;

length_item
    : LENGTH opt_colon INTEGER
        { $$ = take_integer(parse->host, $3); }
    ;

capture_item
    : CAPTURE opt_colon value opt_capture_status_list
        { BUILD($$ = make_capture(parse->host, $3, $4)); }
    ;

opt_capture_status_list
    : %empty
        { $$ = nullptr; }
    | CAPTURE_STATUS_LIST capture_status_list END CAPTURE_STATUS_LIST
        { $$ = $2; }
    ;

/* A broken entry: at a ":" the value was missing, anything else breaks the
   list. The token the error was found at is still the lookahead. */
capture_status_list
    : capture_status
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_capture_status)); }
    | capture_status_list capture_status
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_capture_status)); }
    | capture_status_list error
        { list_release_with(parse->host, $1, release_capture_status);
          EXPECTED(yychar == ':' ? "Only an integer value or a double-quoted string is allowed"
                                 : "Capture status list expected", $$); }
    | error
        { EXPECTED(yychar == ':' ? "Only an integer value or a double-quoted string is allowed"
                                 : "Capture status list expected", $$); }
    ;

capture_status
    : capture_status_value opt_colon STRING
        { BUILD($$ = make_capture_status(parse->host, $1, $3)); }
    ;

/* value without its error alternative: a broken entry is the list's. */
capture_status_value
    : INTEGER
        { $$ = integer_text(parse->host, $1); }
    | STRING
    ;

instruction_list_item
    : INSTRUCTION_LIST instruction_list END INSTRUCTION_LIST
        { $$ = $2; }
    ;

instruction_list
    : instruction
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_instruction)); }
    | instruction_list instruction
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_instruction)); }
    | instruction_list error
        { list_release_with(parse->host, $1, release_instruction); EXPECTED("Instruction specification error", $$); }
    | error
        { EXPECTED("Instruction specification error", $$); }
    ;

instruction
    : instruction_name value { name_next(parse); } opt_name mode { name_next(parse); } instruction_registers
        { BUILD($$ = remembered(parse, @$, make_instruction(parse->host, $1, $2, $4, $5, $7), release_instruction)); }
    ;

instruction_name
    : EXTEST          { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_EXTEST)); }
    | BYPASS          { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_BYPASS)); }
    | SAMPLE_PRELOAD  { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_SAMPLE_PRELOAD)); }
    | PRELOAD         { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_SAMPLE_PRELOAD)); }
    | SAMPLE          { BUILD($$ = named_entry(parse->host, OXEL_INSTRUCTION_NAMED, "SAMPLE")); }
    | INTEST          { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_INTEST)); }
    | RUNBIST         { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_RUNBIST)); }
    | IDCODE          { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_IDCODE)); }
    | USERCODE        { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_USERCODE)); }
    | CLAMP           { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_CLAMP)); }
    | HIGHZ           { BUILD($$ = coded_entry(parse->host, OXEL_INSTRUCTION_HIGHZ)); }
    | HIZ             { BUILD($$ = named_entry(parse->host, OXEL_INSTRUCTION_NAMED, "HIZ")); }
    | name            { BUILD($$ = make_mode_spec(parse->host, OXEL_INSTRUCTION_NAMED, $1)); }
    ;

mode
    : INTERNAL  { BUILD($$ = coded_entry(parse->host, OXEL_MODE_INTERNAL)); }
    | EXTERNAL  { BUILD($$ = coded_entry(parse->host, OXEL_MODE_EXTERNAL)); }
    | SAMPLE    { BUILD($$ = coded_entry(parse->host, OXEL_MODE_SAMPLE)); }
    | PRIVATE   { BUILD($$ = coded_entry(parse->host, OXEL_MODE_PRIVATE)); }
    | HIGHZ     { BUILD($$ = coded_entry(parse->host, OXEL_MODE_HIGHZ)); }
    | HIZ       { BUILD($$ = coded_entry(parse->host, OXEL_MODE_HIZ)); }
    | dash      { BUILD($$ = coded_entry(parse->host, OXEL_MODE_NONE)); }
    | name      { BUILD($$ = make_mode_spec(parse->host, OXEL_MODE_NAMED, $1)); }
    ;

instruction_registers
    : name_list
    | dash
        { BUILD($$ = list_create(parse->host, nullptr, 1)); }
    ;

manufacturer_idcode_item
    : MANUFACTURER_IDCODE opt_colon value
        { $$ = $3; }
    ;

partnumber_idcode_item
    : PARTNUMBER_IDCODE opt_colon value
        { $$ = $3; }
    ;

version_idcode_item
    : VERSION_IDCODE opt_colon value
        { $$ = $3; }
    ;

concatenation_item
    : CONCATENATION opt_colon { name_next(parse); } name_list
        { $$ = $4; }
    ;

preload_item
    : PRELOAD section_name opt_colon value
        { BUILD($$ = make_preload(parse->host, $2, $4)); }
    ;

coverage_item
    : COVERAGE opt_colon number
        { $$ = $3; }
    ;

clock_item
    : CLOCK opt_colon clock_pin
        { $$ = $3; name_done(parse); }
    ;

/* pin_ref but for its name, which leaves name mode off: the word after a
   clock pin is the next statement's keyword. */
clock_pin
    : name '(' index_list ')'
        { BUILD($$ = make_pin_ref(parse->host, OXEL_PINREF_ELEMENT, $1, $3)); }
    | name
        { BUILD($$ = make_pin_ref(parse->host, OXEL_PINREF_PLAIN, $1, nullptr)); }
    | INTEGER
        { BUILD($$ = make_pin_ref(parse->host, OXEL_PINREF_PLAIN, integer_text(parse->host, $1), nullptr)); }
    | dash
        { BUILD($$ = make_pin_ref(parse->host, OXEL_PINREF_PLAIN, nullptr, nullptr)); }
    ;

min_duration_item
    : MIN_DURATION opt_colon number
        { $$ = $3; }
    ;

altered_registers_item
    : ALTERED_REGISTERS opt_colon { name_next(parse); } name_list
        { $$ = $4; }
    ;

parallel_outputs_item
    : PARALLEL_OUTPUTS opt_colon yes_no
        { $$ = $3; }
    ;

/* ---------------------------------------------------------------- */
/* Cells. */

cell_section
    : CELL section_name cell_item_list END CELL
        { BUILD($$ = remembered(parse, @$, make_cell(parse->host, @$, $2, $3), release_cell)); }
    ;

cell_item_list
    : cell_item
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_statement)); }
    | cell_item_list cell_item
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_statement)); }
    | cell_item_list error
        { release_statements(parse->host, $1); EXPECTED("Cell specification error", $$); }
    | error
        { EXPECTED("Cell specification error", $$); }
    ;

cell_item
    : init_update_item
        { BUILD($$ = make_statement<TAG_INIT_UPDATE>(parse->host, $1)); }
    | data_inputs_item
        { BUILD($$ = make_statement<TAG_DATA_INPUTS>(parse->host, $1)); }
    | data_outputs_item
        { BUILD($$ = make_statement<TAG_DATA_OUTPUTS>(parse->host, $1)); }
    | data_select_item
        { BUILD($$ = make_statement<TAG_DATA_SELECT>(parse->host, $1)); }
    | mode_list_item
        { BUILD($$ = make_statement<TAG_MODE_LIST>(parse->host, $1)); }
    ;

init_update_item
    : INIT_UPDATE opt_colon value
        { $$ = $3; }
    ;

data_inputs_item
    : DATA_INPUTS opt_colon { name_next(parse); } name_list
        { $$ = $4; }
    ;

data_outputs_item
    : DATA_OUTPUTS opt_colon { name_next(parse); } name_list
        { $$ = $4; }
    ;

data_select_item
    : DATA_SELECT opt_colon { name_next(parse); } name_list
        { $$ = $4; }
    ;

mode_list_item
    : MODE_LIST mode_list END MODE_LIST
        { $$ = $2; }
    ;

/* The empty list competes with the start of a first entry and with
   `error`; shifting wins, so the empty list is taken only before END. */
mode_list
    : %empty
        { BUILD($$ = list_create(parse->host, nullptr, 1)); }
    | mode_entry
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_cell_mode)); }
    | mode_list mode_entry
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_cell_mode)); }
    | mode_list error
        { list_release_with(parse->host, $1, release_cell_mode); EXPECTED("Mode element expected", $$); }
    | error
        { EXPECTED("Mode element expected", $$); }
    ;

mode_entry
    : mode cell_select cell_spec output_specs
        { BUILD($$ = remembered(parse, @$, make_cell_mode(parse->host, $1, $2, $3, $4), release_cell_mode)); }
    ;

cell_select
    : dash
        { $$ = nullptr; }
    | SELECT opt_colon value
        { $$ = $3; }
    | value
    ;

/* A lone "-" gives an empty list; inside brackets each "-" is a null item,
   the first one included, so that the outputs keep their positions. */
output_specs
    : cell_spec
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_mode_spec)); }
    | '[' cell_spec_seq ']'
        { $$ = $2; }
    ;

cell_spec_seq
    : cell_spec
        { BUILD($$ = list_append_with(parse->host, list_create(parse->host, nullptr, 1), $1, release_mode_spec)); }
    | cell_spec_seq cell_spec
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_mode_spec)); }
    ;

cell_spec
    : name
        { BUILD($$ = make_mode_spec(parse->host, OXEL_CAPTURE_NAME, $1)); }
    | UPDATE
        { BUILD($$ = coded_entry(parse->host, OXEL_CAPTURE_UPDATE)); }
    | INTEGER
        { BUILD($$ = make_mode_spec(parse->host, OXEL_CAPTURE_NUMBER, integer_text(parse->host, $1))); }
    | SI
        { BUILD($$ = coded_entry(parse->host, OXEL_CAPTURE_SI)); }
    | Z
        { BUILD($$ = coded_entry(parse->host, OXEL_CAPTURE_Z)); }
    | dash
        { $$ = nullptr; }
    ;

/* ---------------------------------------------------------------- */
/* Boundary-scan chain. Every word of a chain element after its position
   is read in name mode. */

chain_list_item
    : CHAIN_LIST chain_element_list END CHAIN_LIST
        { $$ = $2; }
    ;

chain_element_list
    : chain_element
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_chain_element)); }
    | chain_element_list chain_element
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_chain_element)); }
    | chain_element_list error
        { list_release_with(parse->host, $1, release_chain_element); EXPECTED("Chain element expected", $$); }
    | error
        { EXPECTED("Chain element expected", $$); }
    ;

/* position, cell, pin, then the input, output, third, control and disable
   parameters. Each parameter turns name mode on for the word after it, the
   last one too: a chain element is followed by a position or END, which
   name mode reads alike, and any other word is an error either way. */
chain_element
    : INTEGER { name_next(parse); } list_name pin_ref
      { name_next(parse); } cell_params cell_params cell_params cell_params cell_params
        { BUILD($$ = remembered(parse, @$, make_chain_element(parse->host, take_integer(parse->host, $1), $3, $4, $6,
                                                              $7, $8, $9, $10), release_chain_element)); }
    ;

/* A single word is a list of one: a number's text, a name, or "-". The
   word's rules are written out here, a chain being most of a large file. */
cell_params
    : '[' { name_next(parse); } chain_name_list ']'
        { $$ = $3; name_next(parse); }
    | INTEGER
        { BUILD($$ = list_create(parse->host, integer_text(parse->host, $1), 1)); name_next(parse); }
    | IDENTIFIER
        { BUILD($$ = list_create(parse->host, $1, 1)); name_next(parse); }
    | STRING
        { BUILD($$ = list_create(parse->host, $1, 1)); name_next(parse); }
    | '-'
        { BUILD($$ = dash_list(parse->host)); name_next(parse); }
    ;

chain_name_list
    : chain_name
        { BUILD($$ = list_create(parse->host, $1, 1)); }
    | chain_name_list { name_next(parse); } chain_name
        { BUILD($$ = list_append(parse->host, $1, $3)); }
    | chain_name_list error
        { list_release(parse->host, $1); EXPECTED("Pin name list expected", $$); }
    | error
        { EXPECTED("Pin name list expected", $$); }
    ;

chain_name
    : { name_next(parse); } chain_name_text
        { $$ = $2; name_next(parse); }
    | dash
        { BUILD($$ = str_duplicate(parse->host, "-")); name_next(parse); }
    ;

chain_name_text
    : INTEGER
        { $$ = integer_text(parse->host, $1); }
    | list_name
    ;

/* ---------------------------------------------------------------- */
/* Board section. */

board_section
    : BOARD section_name board_item_list END BOARD
        { BUILD($$ = remembered(parse, @$, make_board(parse->host, &parse->description->root, $2, parse->source_ref,
                                                      $3), release_board)); }
    ;

board_item_list
    : board_item
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_statement)); }
    | board_item_list board_item
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_statement)); }
    | board_item_list error
        { release_statements(parse->host, $1); EXPECTED("Board section or END BOARD expected", $$); }
    | error
        { EXPECTED("Board section or END BOARD expected", $$); }
    ;

board_item
    : header_section
        { BUILD($$ = make_statement<TAG_OXEL_HEADER>(parse->host, $1)); }
    | pin_list_section
        { BUILD($$ = make_statement<TAG_PIN_LIST>(parse->host, $1)); }
    | board_chain_section
        { BUILD($$ = make_statement<TAG_BOARD_LEVEL_CHAIN>(parse->host, $1)); }
    | netlist_section
        { BUILD($$ = make_statement<TAG_NETLIST_MAP>(parse->host, $1)); }
    | test_sequence_section
        { BUILD($$ = make_statement<TAG_TEST_SEQUENCE>(parse->host, $1)); }
    | illegal_vectors_section
        { BUILD($$ = make_statement<TAG_ILLEGAL_VECTORS>(parse->host, $1)); }
    | global_family_section
        { BUILD($$ = make_statement<TAG_GLOBAL_FAMILY>(parse->host, $1)); }
    | pin_family_section
        { BUILD($$ = make_statement<TAG_PIN_FAMILY>(parse->host, $1)); }
    ;

board_chain_section
    : BOARD_LEVEL_CHAIN section_name board_tap_section part_chain_section END BOARD_LEVEL_CHAIN
        { BUILD($$ = remembered(parse, @$, make_board_chain(parse->host, @$, $2, $3, $4), release_board_chain)); }
    ;

board_tap_section
    : BOARD_LEVEL_TAP tap_map_list END BOARD_LEVEL_TAP
        { $$ = $2; }
    | error
        { EXPECTED("Board tap expected", $$); }
    ;

/* After a broken entry the token found decides the detail line: a name
   where a signal should be is a wrong signal (tap_signal's error), anything
   else a broken map. Both alternatives below take `error` beside
   tap_signal's, so the list is released here rather than by its
   destructor. */
tap_map_list
    : tap_map
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_tap_map)); }
    | tap_map_list tap_map
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_tap_map)); }
    | tap_map_list error
        { list_release_with(parse->host, $1, release_tap_map); EXPECTED("TAP map error", $$); }
    | error
        { EXPECTED("TAP map error", $$); }
    ;

tap_map
    : tap_signal { name_next(parse); } name
        { BUILD($$ = make_tap_map(parse->host, $1, $3)); }
    ;

tap_signal
    : TDI   { $$ = TAP_TDI; }
    | TDO   { $$ = TAP_TDO; }
    | TMS   { $$ = TAP_TMS; }
    | TCK   { $$ = TAP_TCK; }
    | TRST  { $$ = TAP_TRST; }
    | error
        { EXPECTED("TDI, TDO, TMS, TCK or TRST expected", $$); }
    ;

part_chain_section
    : PART_CHAIN part_list END PART_CHAIN
        { $$ = $2; }
    | error
        { EXPECTED("Part chain expected", $$); }
    ;

part_list
    : part
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_part_chain)); }
    | part_list part
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_part_chain)); }
    | part_list error
        { list_release_with(parse->host, $1, release_part_chain);
          EXPECTED("Chain element or END PART_CHAIN expected", $$); }
    | error
        { EXPECTED("Chain element or END PART_CHAIN expected", $$); }
    ;

/* position, part, component, TMS net, TCK net, TRST net or "-" */
part
    : INTEGER { name_next(parse); } name { name_next(parse); } name { name_next(parse); } name
      { name_next(parse); } name { name_next(parse); } opt_name
        { BUILD($$ = remembered(parse, @$, make_part_chain(parse->host, take_integer(parse->host, $1), $3, $5, $7,
                                                           $9, $11), release_part_chain)); }
    ;

netlist_section
    : NETLIST_MAP net_entry_list END NETLIST_MAP
        { $$ = $2; }
    ;

net_entry_list
    : net_entry
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_net)); }
    | net_entry_list net_entry
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_net)); }
    | net_entry_list error
        { release_netlist(parse->host, $1); EXPECTED("Netlist map error - name expected", $$); }
    | error
        { EXPECTED("Netlist map error - name expected", $$); }
    ;

net_entry
    : list_name pin_ref { name_next(parse); } name_list
        { $$ = remembered(parse, @$, make_net(parse->host, $1, $2, $4), release_net); name_done(parse); BUILD($$); }
    ;

/* ---------------------------------------------------------------- */
/* Technology: pin families and global families, filled statement by
   statement into the family under construction. The family is made once
   its name is read; the name, which stays on the stack below it, is cleared
   there so that a stop inside the family does not release it twice. */

pin_family_section
    : PIN_FAMILY section_name
      <pin_family>{ $$ = open_pin_family(parse, $2); $2 = nullptr; BUILD($$); }
      pin_family_item_list END PIN_FAMILY
        { close_families(parse); BUILD($$ = remembered(parse, @1, $3, release_pin_family)); }
    ;

pin_family_item_list
    : pin_family_item
    | pin_family_item_list pin_family_item
    | pin_family_item_list error
        { EXPECTED("Pin-family element expected"); }
    | error
        { EXPECTED("Pin-family element expected"); }
    ;

pin_family_item
    : SETUP_TIME opt_colon number
        { fill_pin_family(parse, FAMILY_SETUP_TIME, $3); }
    | HOLD_TIME opt_colon number
        { fill_pin_family(parse, FAMILY_HOLD_TIME, $3); }
    | TPLH opt_colon number_or_dash number_or_dash number_or_dash
        { fill_pin_family(parse, FAMILY_TPLH, $3, $4, $5); }
    | TPHL opt_colon number_or_dash number_or_dash number_or_dash
        { fill_pin_family(parse, FAMILY_TPHL, $3, $4, $5); }
    | INPUT_CURRENT opt_colon number_or_dash number_or_dash
        { fill_pin_family(parse, FAMILY_INPUT_CURRENT, $3, $4); }
    | INPUT_VOLTAGE opt_colon number_or_dash number_or_dash
        { fill_pin_family(parse, FAMILY_INPUT_VOLTAGE, $3, $4); }
    | OUTPUT_CURRENT opt_colon number_or_dash number_or_dash
        { fill_pin_family(parse, FAMILY_OUTPUT_CURRENT, $3, $4); }
    | OUTPUT_VOLTAGE opt_colon number_or_dash number_or_dash
        { fill_pin_family(parse, FAMILY_OUTPUT_VOLTAGE, $3, $4); }
    | VCC_VOLTAGE opt_colon number_or_dash number_or_dash number_or_dash
        { fill_pin_family(parse, FAMILY_VCC_VOLTAGE, $3, $4, $5); }
    ;

global_family_section
    : GLOBAL_FAMILY section_name
      <global_family>{ $$ = open_global_family(parse, $2); $2 = nullptr; BUILD($$); }
      global_item_list END GLOBAL_FAMILY
        { close_families(parse); BUILD($$ = remembered(parse, @1, $3, release_global_family)); }
    ;

global_item_list
    : global_item
    | global_item_list global_item
    | global_item_list error
        { EXPECTED("Global element expected"); }
    | error
        { EXPECTED("Global element expected"); }
    ;

global_item
    : TEST_FREQUENCY opt_colon number_or_dash number_or_dash number_or_dash
        { fill_global_family(parse, GLOBAL_TEST_FREQUENCY, $3, $4, $5); }
    | CLOCK_FREQUENCY opt_colon number_or_dash number_or_dash number_or_dash
        { fill_global_family(parse, GLOBAL_CLOCK_FREQUENCY, $3, $4, $5); }
    | TEMPERATURE_RANGE opt_colon number_or_dash number_or_dash number_or_dash
        { fill_global_family(parse, GLOBAL_TEMPERATURE_RANGE, $3, $4, $5); }
    | TCK_STOP_AT_ONE opt_colon yes_no
        { set_tck_stop_at_one(parse, $3); }
    | standard_item
        { (void)$1; /* accepted and not stored */ }
    ;

/* ---------------------------------------------------------------- */
/* Test sequences and illegal vectors in VRAK. */

test_sequence_section
    : TEST_SEQUENCE section_name vrak_list END TEST_SEQUENCE
        { BUILD($$ = remembered(parse, @$, make_sequence(parse->host, $2, $3), release_sequence)); }
    ;

illegal_vectors_section
    : ILLEGAL_VECTORS section_name vrak_list END ILLEGAL_VECTORS
        { BUILD($$ = remembered(parse, @$, make_sequence(parse->host, $2, $3), release_sequence)); }
    ;

/* A sequence's instruction list grows a hundred entries at a time. */
vrak_list
    : vrak_statement
        { BUILD($$ = list_create_with(parse->host, $1, 100, release_vrak_instruction)); }
    | vrak_list vrak_statement
        { BUILD($$ = list_append_with(parse->host, $1, $2, release_vrak_instruction)); }
    | vrak_list error
        { list_release_with(parse->host, $1, release_vrak_instruction); EXPECTED("VRAK instruction expected", $$); }
    | error
        { EXPECTED("VRAK instruction expected", $$); }
    ;

vrak_statement
    : vrak_instruction
        { BUILD($$ = remembered(parse, @$, $1, release_vrak_instruction)); }
    | '@' vrak_instruction
        { BUILD($$ = remembered(parse, @$, $2, release_vrak_instruction)); }
    ;

vrak_instruction
    : RST '(' { name_next(parse); } rst_operand_list ')'
        { BUILD($$ = make_vrak_instruction(parse->host, OXEL_VRAK_RST, $4)); }
    | WTN '(' { name_next(parse); } wtn_operand_list ')'
        { BUILD($$ = make_vrak_instruction(parse->host, OXEL_VRAK_WTN, $4)); }
    | DRS '(' { name_next(parse); } vector_operand_list ')'
        { BUILD($$ = make_vrak_instruction(parse->host, OXEL_VRAK_DRS, $4)); }
    | BPV '(' { name_next(parse); } vector_operand_list ')'
        { BUILD($$ = make_vrak_instruction(parse->host, OXEL_VRAK_BPV, $4)); }
    | CNF '(' { name_next(parse); } vector_operand_list ')'
        { BUILD($$ = make_vrak_instruction(parse->host, OXEL_VRAK_CNF, $4)); }
    | TAP '(' { name_next(parse); } vector_operand_list ')'
        { BUILD($$ = make_vrak_instruction(parse->host, OXEL_VRAK_TAP, $4)); }
    | ITP '(' { name_next(parse); } vector_operand_list ')'
        { BUILD($$ = make_vrak_instruction(parse->host, OXEL_VRAK_ITP, $4)); }
    | PPA '(' ppa_body ')'
        { BUILD($$ = make_ppa_instruction(parse->host, $3)); }
    | CMT '(' STRING ')'
        { BUILD($$ = make_vrak_comment(parse->host, $3)); }
    ;

rst_operand_list
    : rst_operand
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_vrak_operand)); }
    | rst_operand_list ';' { name_next(parse); } rst_operand
        { BUILD($$ = list_append_with(parse->host, $1, $4, release_vrak_operand)); }
    ;

/* The reset state is required but not kept: its keyword carries no value. */
rst_operand
    : name ',' rst_register
        { BUILD($$ = make_vrak_operand(parse->host, $1, 0, nullptr)); }
    | INTEGER ',' rst_register
        { BUILD($$ = make_vrak_operand(parse->host, integer_text(parse->host, $1), 0, nullptr)); }
    ;

rst_register
    : R0
    | R1
    | R2
    | R3
    | error
        { EXPECTED("Only R0,R1,R2,R3 allowed in RST instruction"); }
    ;

wtn_operand_list
    : wtn_operand
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_vrak_operand)); }
    | wtn_operand_list ';' { name_next(parse); } wtn_operand
        { BUILD($$ = list_append_with(parse->host, $1, $4, release_vrak_operand)); }
    ;

wtn_operand
    : name ',' INTEGER
        { BUILD($$ = make_vrak_operand(parse->host, $1, 0, integer_text(parse->host, $3))); }
    | INTEGER ',' INTEGER
        { BUILD($$ = make_vrak_operand(parse->host, integer_text(parse->host, $1), 0, integer_text(parse->host, $3))); }
    ;

vector_operand_list
    : vector_operand
        { BUILD($$ = list_create_with(parse->host, $1, 1, release_vrak_operand)); }
    | vector_operand_list ';' { name_next(parse); } vector_operand
        { BUILD($$ = list_append_with(parse->host, $1, $4, release_vrak_operand)); }
    ;

/* target, bit count, bit pattern (its words joined) */
vector_operand
    : INTEGER ',' INTEGER ',' word_run
        { BUILD($$ = make_vrak_operand(parse->host, integer_text(parse->host, $1), take_integer(parse->host, $3),
                                       $5)); }
    | name ',' INTEGER ',' word_run
        { BUILD($$ = make_vrak_operand(parse->host, $1, take_integer(parse->host, $3), $5)); }
    ;

/* PPA: serial (T) and parallel (P) groups separated by ";". */
ppa_body
    : ppa_group
        { BUILD($$ = make_ppa(parse->host, $1)); }
    | ppa_body ';' ppa_group
        { BUILD($$ = ppa_add(parse->host, $1, $3)); }
    ;

ppa_group
    : serial_group
        { BUILD($$ = make_ppa_assignment(parse->host, $1, nullptr)); }
    | parallel_group
        { BUILD($$ = make_ppa_assignment(parse->host, nullptr, $1)); }
    ;

serial_group
    : T ',' { name_next(parse); } name serial_assignments
        { $$ = ppa_serial_name($4, $5); }
    ;

serial_assignments
    : serial_assignment
        { BUILD($$ = ppa_serial_add(parse->host, @1, nullptr, $1)); }
    | serial_assignments serial_assignment
        { BUILD($$ = ppa_serial_add(parse->host, @2, $1, $2)); }
    ;

serial_assignment
    : '(' TDI ':' { name_next(parse); } word_list ')'
        { BUILD($$ = make_ppa_signal(parse->host, TAP_TDI, $5)); }
    | '(' TDO ':' { name_next(parse); } word_list ')'
        { BUILD($$ = make_ppa_signal(parse->host, TAP_TDO, $5)); }
    | '(' TMS ':' { name_next(parse); } word_list ')'
        { BUILD($$ = make_ppa_signal(parse->host, TAP_TMS, $5)); }
    | '(' TCK ':' { name_next(parse); } word_list ')'
        { BUILD($$ = make_ppa_signal(parse->host, TAP_TCK, $5)); }
    | '(' TRST ':' { name_next(parse); } word_list ')'
        { BUILD($$ = make_ppa_signal(parse->host, TAP_TRST, $5)); }
    ;

/* The number between the name and the pins is read and not kept. */
parallel_group
    : P ',' name ',' INTEGER ',' { name_next(parse); } pin_ref_list
        { release_integer(parse->host, $5); BUILD($$ = make_ppa_parallel_group(parse->host, $3, $8)); }
    | P ',' INTEGER ',' INTEGER ',' { name_next(parse); } pin_ref_list
        { release_integer(parse->host, $5);
          BUILD($$ = make_ppa_parallel_group(parse->host, integer_text(parse->host, $3), $8)); }
    ;

%%
