// Statement table: every statement of the language, once, with its token, tag, field and written form
#pragma once

// A statement is a keyword section or keyword line that a board, a
// component, a register or a cell holds (a register section is one of the
// component's statements, a LENGTH one of the register's). One row per
// statement:
//
//   X(KEYWORD, tag, token, form, value, field, taken, holders)
//
//   KEYWORD  its keyword, spelled as written (#KEYWORD is the text); the
//            lexer's token LEX_KEYWORD and the tag TAG_KEYWORD are named
//            after it
//   tag      the fixed number of the statement on its way from the grammar
//            to its record ("Illegal statement (Type %d)" names it)
//   token    the keyword's fixed token number
//   form     how it is written (StatementForm in model/statements.h):
//            Section  KEYWORD name ... END KEYWORD
//            Block    KEYWORD ... END KEYWORD
//            Value    KEYWORD [:] integer-or-string
//            String   KEYWORD [:] "text"
//            Integer  KEYWORD [:] integer
//            Number   KEYWORD [:] number
//            YesNo    KEYWORD [:] YES|NO
//            Standard KEYWORD [:] IEEE_1149.1_1990|JTAG_V2_0|UNKNOWN
//            Names    KEYWORD [:] name or [name name ...]
//            PinRef   KEYWORD [:] pin or bus(index, ...)
//            Preload  KEYWORD register [:] value
//            Capture  KEYWORD [:] value [CAPTURE_STATUS_LIST ... END CAPTURE_STATUS_LIST]
//   value    what it carries (model/statements.h): a record type, Text,
//            Number, Integer, or ListOf<item>; its release follows from it
//   field    the field of the holding record that takes the value, named
//            alike in every record that holds the statement
//   taken    how the field takes it: Appended to a list of the holder,
//            Replaced (a repeated statement releases the earlier value), Set
//            (an integer), Captured (value and status list), or
//            IntoDescription (the description's list, whoever holds it)
//   holders  the records whose sections take it (model/statements.h)
//
// The lexer makes its tokens and keywords of the first and third columns,
// the model its tags, the routing of each statement into its field and the
// release of a statement's value, the tests their walk of every record;
// a writer finds each statement's keyword, form and field here. The rows
// stand in the order a section's statements are written and read back:
// inline fields first, then the sections below them.
//
// Adding a statement: a row here, its %token and rule in the grammar
// (grammar/oxel.y, with the same token number), and its test.
#define OXEL_STATEMENTS(X)                                                                                   \
    /* Boards and components. */                                                                            \
    X(STANDARD, 21, 339, Standard, Integer, standard, Set, IN_COMPONENT)                                     \
    X(OXEL_HEADER, 20, 286, Block, HeaderRecord, header, Replaced, IN_COMPONENT | IN_BOARD)                  \
    X(PIN_LIST, 1, 321, Block, ListOf<PinRecord>, pin_lists, Appended, IN_COMPONENT | IN_BOARD)              \
    X(INSTRUCTION_REGISTER, 8, 300, Section, InstructionRegisterRecord, instruction_registers, Appended,      \
      IN_COMPONENT)                                                                                          \
    X(BYPASS_REGISTER, 10, 265, Section, BypassRegisterRecord, bypass_registers, Appended, IN_COMPONENT)     \
    X(IDENTIFICATION_REGISTER, 11, 293, Section, IdRegisterRecord, identification_registers, Appended,       \
      IN_COMPONENT)                                                                                          \
    X(USERCODE_REGISTER, 12, 354, Section, IdRegisterRecord, usercode_registers, Appended, IN_COMPONENT)     \
    X(BIST_REGISTER, 13, 258, Section, BistRegisterRecord, bist_registers, Appended, IN_COMPONENT)           \
    X(DATA_REGISTER, 14, 282, Section, DataRegisterRecord, data_registers, Appended, IN_COMPONENT)           \
    X(BOUNDARY_SCAN_REGISTER, 9, 262, Section, BoundaryScanRegisterRecord, boundary_scan_registers,          \
      Appended, IN_COMPONENT)                                                                                \
    X(CELL, 7, 268, Section, CellRecord, cells, Appended, IN_COMPONENT)                                      \
    X(BOARD_LEVEL_CHAIN, 2, 260, Section, BoardChainRecord, chains, Appended, IN_BOARD)                      \
    X(NETLIST_MAP, 6, 314, Block, ListOf<NetRecord>, netlists, Appended, IN_BOARD)                           \
    X(TEST_SEQUENCE, 3, 346, Section, SequenceRecord, test_sequences, Appended, IN_COMPONENT | IN_BOARD)     \
    X(ILLEGAL_VECTORS, 37, 355, Section, SequenceRecord, illegal_sequences, Appended,                        \
      IN_COMPONENT | IN_BOARD)                                                                               \
    X(GLOBAL_FAMILY, 5, 276, Section, GlobalPerformanceRecord, global_performances, Appended,                \
      IN_COMPONENT | IN_BOARD)                                                                               \
    X(PIN_FAMILY, 4, 322, Section, PinFamilyRecord, pin_families, IntoDescription, IN_COMPONENT | IN_BOARD)  \
    /* Registers. */                                                                                        \
    X(PURPOSE, 22, 326, String, Text, purpose, Replaced, IN_ANY_REGISTER)                                    \
    X(LENGTH, 23, 307, Integer, Integer, length, Set, IN_ANY_REGISTER)                                       \
    X(MANUFACTURER_IDCODE, 27, 308, Value, Text, manufacturer, Replaced, IN_ID_REGISTER)                      \
    X(PARTNUMBER_IDCODE, 28, 320, Value, Text, part_number, Replaced, IN_ID_REGISTER)                        \
    X(VERSION_IDCODE, 29, 357, Value, Text, version, Replaced, IN_ID_REGISTER)                               \
    X(COVERAGE, 32, 278, Number, Number, coverage, Replaced, IN_BIST_REGISTER)                               \
    X(CLOCK, 33, 271, PinRef, PinRefRecord, clock, Replaced, IN_BIST_REGISTER)                               \
    X(MIN_DURATION, 34, 311, Number, Number, min_duration, Replaced, IN_BIST_REGISTER)                       \
    X(PARALLEL_OUTPUTS, 36, 319, YesNo, Integer, parallel_outputs, Set, IN_BIST_REGISTER | IN_DATA_REGISTER) \
    X(ALTERED_REGISTERS, 35, 257, Names, ListOf<char>, altered_registers, Replaced,                          \
      IN_BIST_REGISTER | IN_DATA_REGISTER)                                                                   \
    X(CONCATENATION, 30, 277, Names, ListOf<char>, concatenation, Replaced,                                  \
      IN_ID_REGISTER | IN_BIST_REGISTER | IN_DATA_REGISTER)                                                  \
    X(PRELOAD, 31, 324, Preload, PreloadRecord, preload, Replaced, IN_BIST_REGISTER)                         \
    X(CAPTURE, 24, 266, Capture, CaptureRecord, capture_value, Captured,                                     \
      IN_INSTRUCTION_REGISTER | IN_BYPASS_REGISTER | IN_ID_REGISTER | IN_BIST_REGISTER | IN_DATA_REGISTER)   \
    X(INSTRUCTION_LIST, 25, 299, Block, ListOf<InstructionRecord>, instructions, Replaced,                   \
      IN_INSTRUCTION_REGISTER)                                                                               \
    X(CHAIN_LIST, 26, 269, Block, ListOf<ChainElementRecord>, chain, Replaced, IN_BOUNDARY_SCAN_REGISTER)    \
    /* Cells. */                                                                                            \
    X(INIT_UPDATE, 15, 296, Value, Text, init_update, Replaced, IN_CELL)                                     \
    X(DATA_INPUTS, 16, 280, Names, ListOf<char>, data_inputs, Replaced, IN_CELL)                             \
    X(DATA_OUTPUTS, 17, 281, Names, ListOf<char>, data_outputs, Replaced, IN_CELL)                           \
    X(DATA_SELECT, 18, 283, Names, ListOf<char>, data_select, Replaced, IN_CELL)                             \
    X(MODE_LIST, 19, 312, Block, ListOf<CellModeRecord>, modes, Replaced, IN_CELL)
