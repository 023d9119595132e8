/*
 * oxel32: reader, checker and query interface for OXEL boundary-scan
 * description files.
 *
 * This is the one header a host needs. Every export is plain C; nothing
 * throws. A host:
 *
 *   1. fills a HostContext with its message callback, its counters record
 *      and its message level;
 *   2. calls OxelInitialize, optionally OxelSetProgName, then OxelParse;
 *   3. reads the description (OxelGetInfo and the query exports);
 *   4. calls OxelDestroy.
 *
 * The library holds one description at a time and serves one thread.
 * Every message goes to the host's callback; the library prints nothing.
 *
 * Records keep their documented field order. Integer fields are int32_t,
 * pointer fields are pointers, and a field that holds either an integer or
 * a pointer is pointer-sized (intptr_t).
 */
#ifndef OXEL32_H
#define OXEL32_H

#include <stdint.h>

/* OXEL32_VERSION_MAJOR, _MINOR, _PATCH and OXEL32_VERSION_STRING: the
 * version of this header, written beside it by the build. */
#include "oxel32_version.h"

#if defined(_WIN32) && !defined(_WIN64)
#  define OXEL_CALLBACK __stdcall
#  define OXEL_STDCALL __stdcall
#else
#  define OXEL_CALLBACK
#  define OXEL_STDCALL
#endif

#if defined(_WIN32)
#  if defined(OXEL32_BUILD)
#    define OXEL_API __declspec(dllexport)
#  elif defined(OXEL32_STATIC)
#    define OXEL_API                      /* linked from the static archive */
#  else
#    define OXEL_API __declspec(dllimport)
#  endif
#else
#  define OXEL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------ */
/* Result codes of the entry points.                                   */

enum {
    OXEL_OK = 0,            /* success */
    OXEL_WARNINGS = 1,      /* OxelCheck: warnings only */
    OXEL_FAILED = 4,        /* failure, reported through the host context */
    OXEL_NO_CONTEXT = 8     /* no host context given: nothing reported */
};

/* ------------------------------------------------------------------ */
/* Host context and message channel.                                   */

/* Kinds of MessageRecord.kind. */
enum {
    OXEL_KIND_ERROR = 0,
    OXEL_KIND_WARNING = 1,
    OXEL_KIND_NOTE = 2,
    OXEL_KIND_PROGRESS = 3,
    OXEL_KIND_STATUS = 4
};

/* Owned by the host. The library counts the errors and warnings it
 * reports here; `reserved` is never touched. */
typedef struct MessageCounters {
    int32_t reserved;
    int32_t errors;
    int32_t warnings;
} MessageCounters;

/* Built by the library for the duration of one callback. `level` is the
 * threshold the message needed (1 error, 2 warning, 3 note, 4 progress and
 * status). `text` is valid only until the callback returns; it holds at
 * most 1023 characters. `zero` is always 0 and `one` always 1. */
typedef struct MessageRecord {
    int32_t kind;
    int32_t level;
    int32_t zero;
    const char *text;
    int32_t one;
} MessageRecord;

/* Receives every message that passes the host's level. The result is
 * ignored. */
typedef int32_t (OXEL_CALLBACK *MessageCallback)(void *user_data,
                                                 const MessageRecord *message);

/* Owned by the host and passed to every entry point that can report. The
 * library reads `callback`, `counters`, `user_data` and `message_level`
 * only. A message of level L is produced when message_level >= L. A null
 * callback drops messages (they are still counted); null counters count
 * nothing. */
typedef struct HostContext {
    uintptr_t host_word1, host_word2;   /* the host's own, never read */
    MessageCallback callback;
    uintptr_t host_word4;
    MessageCounters *counters;
    void *user_data;
    uintptr_t host_word7;
    int32_t message_level;
} HostContext;

/* ------------------------------------------------------------------ */
/* Carriers of the description.                                        */

/* Growable list of pointers; `items` holds `count` entries in order. */
typedef struct ItemList {
    int32_t count;
    int32_t grow_step;
    void **items;
} ItemList;

/* A {tag, value} pair; `value` is a pointer or a plain integer by tag. */
typedef struct TaggedItem {
    int32_t tag;
    intptr_t value;
} TaggedItem;

/* Value of an integer literal: `kind` 16 binary, 17 ternary vector,
 * 18 octal, 19 decimal, 20 hexadecimal; `text` as written (sign included,
 * prefix and suffix left out). */
typedef struct IntegerLiteral {
    int32_t value;
    int32_t kind;
    char *text;
} IntegerLiteral;

/* ------------------------------------------------------------------ */
/* Records of the description. Each is allocated zero-filled: a field the
 * description does not give is null or 0. Every pointer field is owned by
 * its record; lists own their items.                                     */

typedef struct ComponentRecord ComponentRecord;
typedef struct BoardRecord BoardRecord;
typedef struct PinFamilyRecord PinFamilyRecord;
typedef struct GlobalPerformanceRecord GlobalPerformanceRecord;

/* Header records. */

/* One log of a header: four texts. */
typedef struct LogRecord {
    char *date;
    char *creator;
    char *tool;
    char *reason;
} LogRecord;

/* A header: its creation log and its change logs (an ItemList of
 * LogRecord, empty rather than null when there are none). */
typedef struct HeaderRecord {
    LogRecord *creation_log;
    ItemList *change_logs;
} HeaderRecord;

/* COMPONENT_RECORDS_BEGIN */

/* Component records. A component and everything under it, as the parser
 * builds it. Every list field is null until its first element arrives and
 * keeps the order of the file. Fields named `reserved` are always 0. */

/* StandardCode: ComponentRecord.standard. */
typedef enum StandardCode {
    OXEL_STANDARD_UNKNOWN = 0,          /* UNKNOWN, or no STANDARD given */
    OXEL_STANDARD_IEEE_1149_1_1990 = 1, /* IEEE_1149.1_1990, IEEE_1149.1-1990 */
    OXEL_STANDARD_JTAG_V2_0 = 2         /* JTAG_V2_0, JTAG_V2.0 */
} StandardCode;

/* PinType: PinRecord.type. 9 to 13 are also the codes of the five TAP
 * signals. */
typedef enum PinType {
    OXEL_PIN_IN = 1,
    OXEL_PIN_OUT = 2,
    OXEL_PIN_OUTZ = 3,
    OXEL_PIN_IO = 4,
    OXEL_PIN_IOZ = 5,
    OXEL_PIN_NC = 6,
    OXEL_PIN_PWR = 7,
    OXEL_PIN_GND = 8,
    OXEL_PIN_TMS = 9,
    OXEL_PIN_TDI = 10,
    OXEL_PIN_TDO = 11,
    OXEL_PIN_TCK = 12,
    OXEL_PIN_TRST = 13
} PinType;

/* InstructionKind: InstructionRecord.kind. A named instruction (8) keeps
 * its name; the keywords SAMPLE and HIZ as instruction names are named
 * instructions "SAMPLE" and "HIZ". Display names by kind: "UNKNOWN" (0 and
 * anything outside 1 to 10), "EXTEST", "BYPASS", "SAMPLE/PRELOAD",
 * "INTEST", "RUNBIST", "IDCODE", "USERCODE", "USERINST", "CLAMP", "HIGHZ". */
typedef enum InstructionKind {
    OXEL_INSTRUCTION_UNKNOWN = 0,
    OXEL_INSTRUCTION_EXTEST = 1,
    OXEL_INSTRUCTION_BYPASS = 2,
    OXEL_INSTRUCTION_SAMPLE_PRELOAD = 3,  /* SAMPLE_PRELOAD or PRELOAD */
    OXEL_INSTRUCTION_INTEST = 4,
    OXEL_INSTRUCTION_RUNBIST = 5,
    OXEL_INSTRUCTION_IDCODE = 6,
    OXEL_INSTRUCTION_USERCODE = 7,
    OXEL_INSTRUCTION_NAMED = 8,           /* user instruction, name kept */
    OXEL_INSTRUCTION_CLAMP = 9,
    OXEL_INSTRUCTION_HIGHZ = 10
} InstructionKind;

/* ModeCode: the mode of an instruction or of a cell mode. Display names by
 * code 0 to 6: "UNKNOWN", "INTERNAL", "EXTERNAL", "SAMPLE", "PRIVATE",
 * "HIGHZ", "HIZ". */
typedef enum ModeCode {
    OXEL_MODE_UNKNOWN = 0,
    OXEL_MODE_INTERNAL = 1,
    OXEL_MODE_EXTERNAL = 2,
    OXEL_MODE_SAMPLE = 3,
    OXEL_MODE_PRIVATE = 4,
    OXEL_MODE_HIGHZ = 5,
    OXEL_MODE_HIZ = 6,
    OXEL_MODE_NAMED = 32,                 /* a named mode, name kept */
    OXEL_MODE_NONE = 64                   /* written "-" */
} ModeCode;

/* CaptureKind: ModeSpecRecord.code of a cell's capture and output items. */
typedef enum CaptureKind {
    OXEL_CAPTURE_UPDATE = 1,
    OXEL_CAPTURE_SI = 2,
    OXEL_CAPTURE_NAME = 4,                /* an identifier, in `name` */
    OXEL_CAPTURE_NUMBER = 5,              /* a number, its digits in `name` */
    OXEL_CAPTURE_Z = 6
} CaptureKind;

/* PinRecord.form. */
enum {
    OXEL_FORM_BUS = 1,
    OXEL_FORM_SINGLE = 3
};

/* IndexRecord.kind. */
enum {
    OXEL_INDEX_NUMBER = 1,                /* first: the number */
    OXEL_INDEX_NAME = 2,                  /* first: the identifier (char *) */
    OXEL_INDEX_RANGE = 3                  /* first to last */
};

/* PinRefRecord.kind. */
enum {
    OXEL_PINREF_ELEMENT = 1,              /* one bus element: selector is its index */
    OXEL_PINREF_ELEMENTS = 2,             /* several: selector is an ItemList of IndexRecord */
    OXEL_PINREF_PLAIN = 3                 /* a pin name or number; selector 0 */
};

/* A pin number of a bus, or an index of a bus or pin reference. */
typedef struct IndexRecord {
    int32_t kind;        /* OXEL_INDEX_* */
    intptr_t first;      /* the number, the identifier (char *) or the range start */
    int32_t last;        /* range end; 0 otherwise */
} IndexRecord;

/* The pin number(s) of a PinRecord. */
typedef struct PinNumberingRecord {
    char *number;        /* single pin: its number as written; null for a bus */
    ItemList *numbers;   /* bus: IndexRecord, the numbers before the bus name */
    ItemList *indices;   /* bus: IndexRecord, the indices after the bus name */
} PinNumberingRecord;

/* One entry of a PIN_LIST: a single pin or a bus. */
typedef struct PinRecord {
    char *name;                    /* pin or bus name; null for "-" */
    int32_t form;                  /* OXEL_FORM_SINGLE or OXEL_FORM_BUS */
    PinNumberingRecord *numbering;
    int32_t type;                  /* PinType */
    int32_t reserved;
    char *family;                  /* pin family name; null for "-" */
} PinRecord;

/* A reference to a pin (chain element, net, BIST clock, PPA group). */
typedef struct PinRefRecord {
    int32_t kind;        /* OXEL_PINREF_* */
    char *name;          /* pin or bus name, or a pin number's digits; null for "-" */
    intptr_t selector;   /* by kind: the index, an ItemList of IndexRecord, or 0 */
} PinRefRecord;

/* One CAPTURE_STATUS_LIST entry. */
typedef struct CaptureStatusRecord {
    char *value;
    char *description;
} CaptureStatusRecord;

/* Transient: a CAPTURE statement on its way into a register. A host never
 * meets it; the register holds its two fields. */
typedef struct CaptureRecord {
    ItemList *status;    /* CaptureStatusRecord, or null */
    char *value;
} CaptureRecord;

/* One instruction of an INSTRUCTION_LIST. */
typedef struct InstructionRecord {
    int32_t kind;            /* InstructionKind */
    char *name;              /* kind OXEL_INSTRUCTION_NAMED: the name; else null */
    int32_t reserved;
    char *code;              /* opcode as written */
    char *register_name;     /* register between TDI and TDO; null for "-" */
    int32_t mode;            /* ModeCode */
    char *mode_name;         /* mode OXEL_MODE_NAMED: the name; else null */
    ItemList *registers;     /* char *, further registers; empty for "-" */
} InstructionRecord;

typedef struct InstructionRegisterRecord {
    char *name;
    char *purpose;
    int32_t length;
    char *capture_value;
    ItemList *capture_status;  /* CaptureStatusRecord, or null */
    ItemList *instructions;    /* InstructionRecord */
} InstructionRegisterRecord;

/* A code with an optional name: a cell mode's capture item and output
 * items (CaptureKind codes). */
typedef struct ModeSpecRecord {
    int32_t reserved;
    int32_t code;
    char *name;
} ModeSpecRecord;

/* One line of a MODE_LIST. */
typedef struct CellModeRecord {
    char *mode_name;         /* mode OXEL_MODE_NAMED: the name; else null */
    int32_t mode;            /* ModeCode */
    char *select;            /* null for "-" */
    ModeSpecRecord *capture; /* null for "-" */
    ItemList *outputs;       /* ModeSpecRecord; a "-" in brackets is a null
                                item, a lone "-" an empty list */
} CellModeRecord;

/* A boundary-scan cell kind. */
typedef struct CellRecord {
    char *name;
    char *init_update;
    ItemList *data_inputs;   /* char * */
    ItemList *data_outputs;  /* char * */
    ItemList *data_select;   /* char * */
    ItemList *modes;         /* CellModeRecord; empty for an empty MODE_LIST */
} CellRecord;

/* One line of a CHAIN_LIST. Each parameter list holds one text per entry;
 * an entry written "-" is the text "-". */
typedef struct ChainElementRecord {
    int32_t position;
    char *cell_name;
    PinRefRecord *pin;         /* plain with a null name for "-" */
    ItemList *input_params;    /* char * */
    ItemList *output_params;   /* char * */
    ItemList *third_params;    /* char *, kept as written */
    ItemList *control_cells;   /* char *, chain positions as text */
    ItemList *disable_values;  /* char * */
} ChainElementRecord;

typedef struct BoundaryScanRegisterRecord {
    char *name;
    char *purpose;
    int32_t length;
    ItemList *chain;           /* ChainElementRecord */
} BoundaryScanRegisterRecord;

typedef struct BypassRegisterRecord {
    char *name;
    char *purpose;
    int32_t length;
    char *capture_value;
    ItemList *capture_status;  /* CaptureStatusRecord, or null */
} BypassRegisterRecord;

/* Identification and usercode registers. */
typedef struct IdRegisterRecord {
    char *name;
    char *purpose;
    int32_t length;
    char *capture_value;
    ItemList *capture_status;  /* CaptureStatusRecord, or null */
    char *manufacturer;        /* MANUFACTURER_IDCODE */
    char *part_number;         /* PARTNUMBER_IDCODE */
    char *version;             /* VERSION_IDCODE */
    ItemList *concatenation;   /* char * */
} IdRegisterRecord;

/* PRELOAD of a BIST register. */
typedef struct PreloadRecord {
    char *register_name;
    int32_t reserved;
    char *value;
} PreloadRecord;

typedef struct BistRegisterRecord {
    char *name;
    char *purpose;
    int32_t length;
    PreloadRecord *preload;
    char *capture_value;
    ItemList *capture_status;    /* CaptureStatusRecord, or null */
    double *coverage;            /* null when not given */
    PinRefRecord *clock;
    double *min_duration;
    int32_t parallel_outputs;    /* 1 YES, 0 NO */
    ItemList *altered_registers; /* char * */
    ItemList *concatenation;     /* char * */
} BistRegisterRecord;

typedef struct DataRegisterRecord {
    char *name;
    char *purpose;
    int32_t length;
    char *capture_value;
    ItemList *capture_status;    /* CaptureStatusRecord, or null */
    int32_t parallel_outputs;    /* 1 YES, 0 NO */
    ItemList *altered_registers; /* char * */
    ItemList *concatenation;     /* char * */
} DataRegisterRecord;

/* One COMPONENT. Pin families met inside it are in DescriptionRoot's
 * pin_families, not here. */
struct ComponentRecord {
    char *name;
    char *source_ref;                   /* reason of the file header's creation
                                           log when it was built, or null */
    HeaderRecord *header;               /* its own header (the last one wins) */
    int32_t standard;                   /* StandardCode (the last one wins) */
    ItemList *pin_lists;                /* ItemList of PinRecord, one per PIN_LIST */
    ItemList *instruction_registers;    /* InstructionRegisterRecord */
    ItemList *cells;                    /* CellRecord */
    ItemList *boundary_scan_registers;  /* BoundaryScanRegisterRecord */
    ItemList *bypass_registers;         /* BypassRegisterRecord */
    ItemList *identification_registers; /* IdRegisterRecord */
    ItemList *usercode_registers;       /* IdRegisterRecord */
    ItemList *bist_registers;           /* BistRegisterRecord */
    ItemList *data_registers;           /* DataRegisterRecord */
    ItemList *test_sequences;           /* SequenceRecord */
    ItemList *illegal_sequences;        /* SequenceRecord (ILLEGAL_VECTORS) */
    ItemList *global_performances;      /* GlobalPerformanceRecord (GLOBAL_FAMILY) */
};

/* COMPONENT_RECORDS_END */

/* BOARD_RECORDS_BEGIN */
/* Board, technology and test records. Lists are ItemLists; the comment on
 * each list field names the record type of its items. A double field is a
 * pointer to a double, null when the value was written "-" or not given. */

/* A board: a BOARD ... END BOARD section. Pin families met inside a board
 * are not kept here: they join DescriptionRoot.pin_families. */
struct BoardRecord {
    char *name;
    char *source_ref;               /* copy of the reason of the file-level
                                       creation log current when the board
                                       was read; null when there was none */
    HeaderRecord *header;           /* the board's own header (the last wins) */
    ItemList *pin_lists;            /* one ItemList of PinRecord per PIN_LIST */
    ItemList *chains;               /* BoardChainRecord */
    ItemList *netlists;             /* one ItemList of NetRecord per NETLIST_MAP */
    ItemList *test_sequences;       /* SequenceRecord */
    ItemList *illegal_sequences;    /* SequenceRecord, from ILLEGAL_VECTORS */
    ItemList *global_performances;  /* GlobalPerformanceRecord */
};

/* A BOARD_LEVEL_CHAIN: the nets of its BOARD_LEVEL_TAP and its PART_CHAIN.
 * A net the TAP section does not name is null. */
typedef struct BoardChainRecord {
    char *name;
    char *tdi_net;
    char *tdo_net;
    char *tms_net;
    char *tck_net;
    char *trst_net;
    ItemList *parts;                /* PartChainRecord, in chain order */
} BoardChainRecord;

/* One PART_CHAIN entry: position, part, component, TMS, TCK, TRST net. */
typedef struct PartChainRecord {
    char *component_name;           /* the component (type) of the part */
    char *part_name;                /* the part's own name on the board */
    int32_t position;
    char *tms_net;
    char *tck_net;
    char *trst_net;                 /* null when written "-" */
} PartChainRecord;

/* One NETLIST_MAP entry: a component pin and the nets it joins. */
typedef struct NetRecord {
    char *component_name;
    PinRefRecord *pin;
    ItemList *nets;                 /* net names (char *) */
} NetRecord;

/* A PIN_FAMILY: electrical and timing figures of a family of pins. */
struct PinFamilyRecord {
    char *name;
    double *setup_time;
    double *hold_time;
    double *tplh_min, *tplh_typ, *tplh_max;   /* low-to-high delay */
    double *tphl_min, *tphl_typ, *tphl_max;   /* high-to-low delay */
    double *iil, *iih;                        /* input current low, high */
    double *vil, *vih;                        /* input voltage low, high */
    double *iol, *ioh;                        /* output current low, high */
    double *vol, *voh;                        /* output voltage low, high */
    double *vcc_min, *vcc_typ, *vcc_max;      /* supply voltage */
};

/* A GLOBAL_FAMILY: test and clock frequencies, temperature range, and
 * whether TCK stops at one. */
struct GlobalPerformanceRecord {
    char *name;
    double *test_freq_min, *test_freq_typ, *test_freq_max;
    double *clock_freq_min, *clock_freq_typ, *clock_freq_max;
    int32_t tck_stop_at_one;        /* 1 YES, 0 NO */
    int32_t tck_stop_at_one_given;  /* 1 when TCK_STOP_AT_ONE was given */
    int32_t reserved;               /* always 0 */
    double *temperature_min, *temperature_typ, *temperature_max;
};

/* A TEST_SEQUENCE or an ILLEGAL_VECTORS list: its VRAK instructions. */
typedef struct SequenceRecord {
    char *name;
    ItemList *instructions;         /* VrakInstructionRecord */
} SequenceRecord;

/* The VRAK instruction kinds (kind 2 is not used). */
typedef enum VrakKind {
    OXEL_VRAK_RST = 1,
    OXEL_VRAK_WTN = 3,
    OXEL_VRAK_BPV = 4,
    OXEL_VRAK_CNF = 5,
    OXEL_VRAK_TAP = 6,
    OXEL_VRAK_ITP = 7,
    OXEL_VRAK_PPA = 8,
    OXEL_VRAK_CMT = 9,
    OXEL_VRAK_DRS = 10
} VrakKind;

/* One VRAK instruction. `operand` by kind: an ItemList of
 * VrakOperandRecord for RST, WTN, DRS, BPV, CNF, TAP and ITP; a PpaRecord
 * for PPA; the comment text (char *) for CMT. */
typedef struct VrakInstructionRecord {
    int32_t kind;                   /* a VrakKind */
    void *operand;
} VrakInstructionRecord;

/* One operand entry of a VRAK instruction. */
typedef struct VrakOperandRecord {
    int32_t reserved;               /* always 0 */
    char *target;                   /* TAP or pin group name, or a number's digits */
    int32_t count;                  /* DRS, BPV, CNF, TAP, ITP: the bit count;
                                       RST, WTN: 0 */
    char *value;                    /* DRS, BPV, CNF, TAP, ITP: the bit pattern,
                                       its words joined without separator;
                                       WTN: the number's digits; RST: null */
} VrakOperandRecord;

/* The operand of a PPA instruction. A list is null while the instruction
 * has no group of its kind. */
typedef struct PpaRecord {
    ItemList *serial_groups;        /* PpaSerialGroupRecord */
    ItemList *parallel_groups;      /* PpaParallelGroupRecord */
} PpaRecord;

/* A serial group (T): a name list per TAP signal, null when not given. */
typedef struct PpaSerialGroupRecord {
    char *name;
    ItemList *tdi;                  /* names (char *) */
    ItemList *tdo;
    ItemList *tms;
    ItemList *tck;
    ItemList *trst;
} PpaSerialGroupRecord;

/* A parallel group (P): its name (or a number's digits) and its pins. */
typedef struct PpaParallelGroupRecord {
    char *name;
    ItemList *pins;                 /* PinRefRecord */
} PpaParallelGroupRecord;
/* BOARD_RECORDS_END */

/* The four roots of the description held by the library. OxelGetInfo
 * hands out the address of the library's own record: read it, do not free
 * or change it. Each list is an ItemList of the records named. */
typedef struct DescriptionRoot {
    HeaderRecord *header;       /* file-level header, or null */
    ItemList *boards;           /* BoardRecord */
    ItemList *components;       /* ComponentRecord */
    ItemList *pin_families;     /* PinFamilyRecord */
} DescriptionRoot;

/* ------------------------------------------------------------------ */
/* Entry points. Each exists as a stdcall export in capitalised words and
 * as a cdecl twin in lower case that forwards unchanged. Result codes are
 * OXEL_OK, OXEL_FAILED and OXEL_NO_CONTEXT unless said otherwise.        */

/* Clears the query cursors and the four roots (without freeing them). */
OXEL_API int32_t OXEL_STDCALL OxelInitialize(HostContext *context);
OXEL_API int32_t oxel_initialize(HostContext *context);

/* Parses the file at `path` into the description. On any syntax error or
 * failure the result is OXEL_FAILED and the whole description is
 * destroyed. A successful parse adds to what is already held. */
OXEL_API int32_t OXEL_STDCALL OxelParse(HostContext *context, const char *path);
OXEL_API int32_t oxel_parse(HostContext *context, const char *path);

/* Imports the BSDL file at `path` (IEEE 1149.1 Boundary-Scan Description
 * Language: 1149.1-1990, -1994, -2001, and -2013 files within that
 * language) into the description, as a parse would: its entity becomes one
 * component, added to what is held, which OxelCheck, the queries and
 * OxelDestroy then treat as a parsed one. `package` names the
 * PIN_MAP_STRING constant whose pin numbers the pins get; null takes the
 * file's default (the generic's value, or its only package). Messages go to
 * the callback as a parse's do, oxel_message_location pointing into the
 * BSDL file: a syntax error is one error saying what was expected; every
 * other finding (a missing mandatory attribute, a cell naming an undeclared
 * port, a control cell or a length out of range, ...) is one error each,
 * all of them told. Attributes it does not read are passed over with a
 * note. On any error the result is OXEL_FAILED and the whole description is
 * destroyed, as by OxelDestroy; OxelGetSyntaxErrors then gives the number
 * of errors found in the file. The component's source reference is
 * "BSDL <path>" (oxel_get_current_component_bsd_ref gives the path). */
OXEL_API int32_t OXEL_STDCALL OxelImportBsdl(HostContext *context, const char *path, const char *package);
OXEL_API int32_t oxel_import_bsdl(HostContext *context, const char *path, const char *package);

/* Runs the semantic checks over the description parsed last. Errors and
 * warnings go to the callback as they are found and are added to the
 * host's counters. Result: OXEL_OK when nothing was found, OXEL_WARNINGS
 * for warnings only (the description stays for the queries), OXEL_FAILED
 * when errors were found (the whole description is then destroyed, as by
 * OxelDestroy). While the syntax error count of the last parse is not 0
 * nothing is checked: a status block gives the count and the result is
 * OXEL_FAILED with the description kept (set the count to 0 to check
 * anyway). A failed allocation before the checks start is OXEL_FAILED too,
 * with the description kept. Some checks write normalised values into the
 * description (white space removed from register values; along the
 * boundary-scan chain, an output pin read back by an observe-only cell
 * becomes IO, a disable value x becomes X, and an X takes the 0 or 1 of the
 * other cells sharing its control cell). The queries read those values,
 * through cursors placed before the check too. */
OXEL_API int32_t OXEL_STDCALL OxelCheck(HostContext *context);
OXEL_API int32_t oxel_check(HostContext *context);

/* The check above, then the strict rules of IEEE 1149.1 that it leaves
 * out: the instruction register's capture value ends in 01; BYPASS has the
 * all-ones opcode and no other instruction has it; no two instructions
 * decode to one opcode; the bypass register has a bit; the identification
 * code ends in 1, has no reserved manufacturer code and agrees with its
 * version, part number and manufacturer; along the boundary-scan chain no
 * pin or bus bit is read (or driven) by two cells, every bit of a bus has
 * a cell, a bidirectional pin's output cell names a control cell, and a
 * control cell drives no pin and has a disable value of 0 or 1. Each
 * finding is an error or a warning pointing at its record (a bit of no
 * fixed value, X, is never a fault). The strict rules run on the
 * description the check leaves, whatever it found, unless it checked
 * nothing; the result and what happens to the description are as
 * OxelCheck's, over the findings of both. */
OXEL_API int32_t oxel_check_strict(HostContext *context);

/* 1 when the first token of the file is the keyword OXEL, else 0. */
OXEL_API int32_t OXEL_STDCALL FileIsOxel(HostContext *context, const char *path);
OXEL_API int32_t file_is_oxel(HostContext *context, const char *path);

/* Releases the whole description and the program name. */
OXEL_API void OXEL_STDCALL OxelDestroy(HostContext *context);
OXEL_API void oxel_destroy(HostContext *context);

/* The library's own DescriptionRoot. */
OXEL_API DescriptionRoot *OXEL_STDCALL OxelGetInfo(void);
OXEL_API DescriptionRoot *oxel_get_info(void);

/* The syntax error count of the last parse; a host may reset it to 0. */
OXEL_API int32_t OXEL_STDCALL OxelGetSyntaxErrors(void);
OXEL_API int32_t oxel_get_syntax_errors(void);
OXEL_API void OXEL_STDCALL OxelSetSyntaxErrors(int32_t count);
OXEL_API void oxel_set_syntax_errors(int32_t count);

/* Names the host in syntax messages ("syntax error: NAME >> line ..."). */
OXEL_API int32_t OXEL_STDCALL OxelSetProgName(HostContext *context, const char *name);
OXEL_API int32_t oxel_set_prog_name(HostContext *context, const char *name);

/* Include search. An include directive's file is opened by its name as
 * written, from the working directory. A host may let the library look
 * further when that fails: beside the file that holds the directive, then
 * in each of `count` folders of `folders`, in order (a null or empty entry
 * is skipped). `beside` is a sum of the flags below: beside the file given
 * to OxelParse or FileIsOxel, beside an include file, or both (0: not
 * beside). A name that starts at the root (with a slash; on Windows also
 * with a backslash or a drive letter) is opened as written only. The first
 * regular file that opens is read, and messages and places name it by the
 * path it was opened by ("boards/parts/fam.oxel"). "Couldn't open #include
 * file" names the file as the directive wrote it, once every place has
 * been tried.
 *
 * The library keeps copies of the folders. The search holds until the next
 * call, through OxelDestroy; a call with 0 and no folders gives back the
 * lookup by name alone, which a host that never calls this has, and frees
 * the copies. Result 0; 4 after "Memory allocation error" (the search is
 * then the lookup by name alone); 8 with a null context (nothing changes). */
enum {
    OXEL_INCLUDE_BESIDE_MAIN = 1,       /* beside the file being parsed */
    OXEL_INCLUDE_BESIDE_INCLUDES = 2    /* beside an include file */
};
OXEL_API int32_t oxel_set_include_search(HostContext *context, int32_t beside, const char *const *folders,
                                         int32_t count);

/* The version of the library loaded, "MAJOR.MINOR.PATCH" as in
 * OXEL32_VERSION_STRING, which gives the version of the header a host was
 * compiled against. A static text of the library's: do not free it. Needs
 * no host context and may be called at any time. */
OXEL_API const char *oxel_version(void);

/* Where the message being delivered points. Call it from inside the
 * message callback: it answers 1 and stores the file, the line and the
 * column (both from 1) that the message is about, or 0, storing null and
 * zeros, when the message points nowhere or no callback is running.
 *
 * Syntax messages and their detail lines point at the token the parser
 * stopped at, the include file's own messages at their directive (column
 * 1), and the other errors, warnings and notes of a parse or a check at the
 * first token of the section or entry they are about: a component, board,
 * register, instruction, cell, chain element, pin, net, part, test sequence
 * or VRAK instruction. The file is the path the source was opened by: the
 * one given to OxelParse, or an include file's name as its directive wrote
 * it (or where oxel_set_include_search found it); the line is that file's
 * own, whatever line the text of a syntax message names (that one counts
 * through include files). Progress and status lines,
 * "Memory allocation error" and findings about a whole description point
 * nowhere. The file text is valid until the callback returns. Any of the
 * three pointers may be null. */
OXEL_API int32_t oxel_message_location(const char **file, int32_t *line, int32_t *column);

/* Where a record of the description was written: 1, storing the file, the
 * line and the column of its first token as oxel_message_location tells a
 * place, or 0, storing null and zeros, for a record whose place is not
 * known. Places are known for components, pins, registers, instructions,
 * cells, chain elements, boards, board-level chains, parts, nets, pin and
 * global families, test sequences and VRAK instructions of the description
 * held. Needs no callback; the file text stays valid until the description
 * is released. Any of the three pointers may be null. */
OXEL_API int32_t oxel_record_location(const void *record, const char **file, int32_t *line, int32_t *column);

/* Writes the description held (whatever built it: one parse or several,
 * BSDL imports) as the text of one OXEL file, handing it to `sink` in
 * pieces of `length` bytes (not terminated, valid during the call; `user`
 * is passed through). The layout is canonical: the pin families first,
 * then the components and the boards, each after a header that gives its
 * source (the description's own header last), two blanks a level, one
 * statement or entry a line, values and patterns in double quotes, names
 * quoted where they spell a keyword or are no word. Comments, include
 * directives and the order of sections across kinds are not kept; parsing
 * the text gives the same records. Result: OXEL_OK; OXEL_NO_CONTEXT
 * without a context or sink; OXEL_FAILED, reported, when nothing is held,
 * memory runs out or a record cannot be read back from any text (a text
 * longer than the lexer reads) - the text handed over so far is then
 * incomplete. The description is left as it is. */
typedef void (OXEL_CALLBACK *OxelTextSink)(void *user, const char *bytes, int32_t length);
OXEL_API int32_t oxel_write_description(HostContext *context, OxelTextSink sink, void *user);

/* QUERY_EXPORTS_BEGIN */
/* ------------------------------------------------------------------ */
/* Component queries. After a successful parse the host makes a component
 * current (oxel_get_first_component or oxel_open_component) and asks
 * about it. The library keeps one current component and, under it, a
 * current pin, instruction, cell and a current register of each kind;
 * making another component current resets them. Nothing here reports a
 * message or allocates. Texts returned belong to the description and stay
 * valid until it is changed or released. Without a current component
 * every query gives its absence result: null, 0, -1 or as stated. A
 * component released by OxelDestroy or a failed parse is no longer
 * current; call OxelInitialize before querying a new description. The
 * HostContext these take is accepted and not used.                      */

/* Components. */

/* Number of components held; 0 when there are none. */
OXEL_API int32_t oxel_nr_components(void);
/* 1 after making the first component current; 0 (cursor unchanged) when
 * there is none. */
OXEL_API int32_t oxel_get_first_component(void);
/* 1 after making the next component current; 0 (cursor unchanged) on the
 * last one. */
OXEL_API int32_t oxel_get_next_component(void);
/* The current component's record, or null. */
OXEL_API ComponentRecord *oxel_get_current_component_entry(void);
OXEL_API const char *oxel_get_current_component_name(void);
/* 1 when a component of that name, compared ignoring case, is current
 * afterwards. Naming the current component keeps its cursors. 0 when no
 * component has the name (the last one is then current). */
OXEL_API int32_t oxel_open_component(HostContext *context, const char *name);
/* Releases the current component. The one after it becomes current, or
 * the new last one; with none left no component is current. 1 on
 * success, 0 when no component is current. */
OXEL_API int32_t oxel_delete_current_component(HostContext *context);

/* Source, standard and test frequency. */

/* The file named by a source reference "BSDL <file>": a pointer to <file>
 * (empty when the reference is just "BSDL"); null for any other source. */
OXEL_API const char *oxel_get_current_component_bsd_ref(void);
/* From the first GLOBAL_FAMILY's TEST_FREQUENCY: the maximum when given
 * and at least 0.0, else the typical, else the minimum value when above
 * 0.0; -2.0 when none applies or there is no GLOBAL_FAMILY; -1.0 without
 * a current component. */
OXEL_API double oxel_get_current_component_highest_frequency(void);
/* StandardCode of the component; 0 when unknown. */
OXEL_API int32_t oxel_get_current_component_standard(HostContext *context);

/* Instructions. Each named getter walks the first instruction register
 * from its first instruction and returns the opcode (as written) of the
 * first instruction of its kind, which becomes the current instruction;
 * null when there is none (and no current instruction). */
OXEL_API const char *oxel_get_current_component_extest_instruction(void);
OXEL_API const char *oxel_get_current_component_bypass_instruction(void);
OXEL_API const char *oxel_get_current_component_sample_preload_instruction(void);
OXEL_API const char *oxel_get_current_component_ident_instruction(void);
OXEL_API const char *oxel_get_current_component_clamp_instruction(void);
OXEL_API const char *oxel_get_current_component_highz_instruction(void);
/* The kind (InstructionKind) of the first instruction of the first
 * instruction register, and of the next one; each becomes current. -1 and
 * no current instruction when there is none. */
OXEL_API int32_t oxel_get_current_component_first_instruction(void);
OXEL_API int32_t oxel_get_current_component_next_instruction(void);
/* The current instruction's kind text ("EXTEST", "SAMPLE/PRELOAD", ...,
 * a named instruction's own name or "USERINST"), opcode, and the name of
 * the register it places between TDI and TDO. */
OXEL_API const char *oxel_get_current_component_current_instruction_name(void);
OXEL_API const char *oxel_get_current_component_current_instruction_code(void);
OXEL_API const char *oxel_get_current_component_register_selected(void);
/* Writes the kind text of `kind` ("UNKNOWN" outside 1 to 10) into the
 * buffer and returns 0. The buffer must hold the text: a named
 * instruction's text is its name, of any length. Prefer the _n form. */
OXEL_API int32_t oxel_current_component_instruction2text(HostContext *context, int32_t kind,
                                                         char *buffer);
/* The same, writing at most `size` bytes (the text cut to fit, always
 * terminated). Result: the whole text's length (a result of `size` or
 * more means it was cut); -1, buffer untouched, without a current
 * component, buffer or room. */
OXEL_API int32_t oxel_current_component_instruction2text_n(HostContext *context, int32_t kind,
                                                           char *buffer, int32_t size);
/* Writes what the current instruction's register is: "BSREG", "BPREG",
 * "IDREG", "UCREG", "BISTREG" for the boundary-scan, bypass,
 * identification, usercode and BIST registers; for a data register its
 * name ("DREG" when that name is one of these words); else "NOT_FOUND".
 * The buffer must hold a data register's name. Prefer the _n form. */
OXEL_API void oxel_get_current_component_register_type_selected(HostContext *context,
                                                                char *buffer);
/* The same, bounded as oxel_current_component_instruction2text_n. */
OXEL_API int32_t oxel_get_current_component_register_type_selected_n(HostContext *context,
                                                                     char *buffer, int32_t size);

/* Registers. */

/* 1 after making the first boundary-scan register current, else 0. */
OXEL_API int32_t oxel_open_current_component_boundary_scan_register(HostContext *context);
/* LENGTH of the current boundary-scan register (not re-opened). */
OXEL_API int32_t oxel_get_current_component_boundary_scan_register_length(void);
/* LENGTH and CAPTURE value of the first instruction register, and the
 * CAPTURE values of the first identification and usercode registers. */
OXEL_API int32_t oxel_get_current_component_instruction_register_length(void);
OXEL_API const char *oxel_get_current_component_instruction_register_capture_code(void);
OXEL_API const char *oxel_get_current_component_idcode_register_capture_code(void);
OXEL_API const char *oxel_get_current_component_usercode_register_capture_code(void);
/* LENGTH of the first register of any kind with that name (ignoring
 * case); 0 when none. */
OXEL_API int32_t oxel_get_current_component_register_length(HostContext *context, const char *name);
/* CAPTURE value of the register with that name, looked for only among the
 * first boundary-scan (which has none: null), bypass, identification, BIST
 * and usercode registers and every data register; null when none. */
OXEL_API const char *oxel_get_current_component_register_capture_code(HostContext *context,
                                                                      const char *name);

/* Pins. Only the component's first PIN_LIST is seen. Its entries are
 * single pins and buses; pin numbers are texts as written. */

/* Name of the first single pin of the PinType; null when none, or when a
 * bus comes before it. */
OXEL_API const char *oxel_get_current_component_tap_pin_name(HostContext *context, int32_t type);
/* Name of the first entry of the PinType, looking past buses; null when
 * that entry is a bus. The two are the same. */
OXEL_API const char *oxel_get_current_component_pin_id(HostContext *context, int32_t type);
OXEL_API const char *oxel_get_current_component_pin_id_special(HostContext *context, int32_t type);
/* 1 when an entry of type TRST exists. */
OXEL_API int32_t oxel_get_current_component_trst_available(HostContext *context);
/* PinType of the single pin named exactly so (case counts); 0 when none
 * or when a bus comes first. An IN pin answers 1 only when a boundary-scan
 * cell lists its number among its PI parameters, else 7. */
OXEL_API int32_t oxel_get_current_component_pin_type(HostContext *context, const char *name);
/* Pin number of the single pin of that name (ignoring case); null when a
 * bus comes first. */
OXEL_API const char *oxel_get_current_component_pin_nr(HostContext *context, const char *name);
/* Name of the pin with that number (ignoring case); null for a bus. */
OXEL_API const char *oxel_find_current_component_pin_name(HostContext *context, const char *number);
/* 1 when a single pin of that name (ignoring case) comes before any bus. */
OXEL_API int32_t oxel_find_current_component_pin(HostContext *context, const char *name);
/* Name of the pin served by the boundary-scan cell at that chain
 * position; null when no cell has the position or it serves a bus
 * element. */
OXEL_API const char *oxel_get_current_component_pin_name_by_position(HostContext *context,
                                                                     int32_t position);
/* Walk of the pin list. The first and next queries move the current pin
 * and give its name (null at the end and for a bus, so a walk by names
 * stops at the first bus) or its number (null for a bus, the walk goes
 * on). */
OXEL_API const char *oxel_get_current_component_first_pin_name(void);
OXEL_API const char *oxel_get_current_component_next_pin_name(void);
OXEL_API const char *oxel_get_current_component_first_pin_nr(void);
OXEL_API const char *oxel_get_current_component_next_pin_nr(void);
OXEL_API const char *oxel_get_current_component_current_pin_name(void);
OXEL_API const char *oxel_get_current_component_current_pin_nr(void);
/* Direction of the current pin: 1 in (IN, PWR, GND, TMS, TDI, TCK,
 * TRST), 2 out (OUT, OUTZ, TDO), 3 both (IO, IOZ), 0 NC or no pin. */
OXEL_API int32_t oxel_get_current_component_current_pin_direction(HostContext *context);
/* Number of entries (pins and buses) of the first pin list. */
OXEL_API int32_t oxel_nr_current_component_pins(void);

/* Boundary-scan cells: the chain of the first boundary-scan register,
 * element by element. */

/* 1 after making the first (next) chain element the current cell; 0 and
 * no current cell when there is none (past the end). */
OXEL_API int32_t oxel_get_current_component_first_cell(HostContext *context);
OXEL_API int32_t oxel_get_current_component_next_cell(HostContext *context);
/* Chain position (-1) and cell name (null) of the current cell. */
OXEL_API int32_t oxel_get_current_component_current_cell_position(void);
OXEL_API const char *oxel_get_current_component_current_cell_name(void);
/* What the current cell does, written to names[i] and codes[i] for at
 * most `capacity` entries; the result is the number written. For each of
 * its first ten PI parameters: 1 input, or 6 when it is also a PO
 * parameter; then for each of its first ten PO parameters that is not a
 * PI parameter: 2 output, or 3 when another cell controls it. A cell with
 * neither writes one entry with a null name: 4 for a cell named ...CONTROL...
 * that has a control cell, else 5. Upper-cases the stored cell name. */
OXEL_API int32_t oxel_get_current_component_current_cell_function_list(HostContext *context,
                                                                       const char **names,
                                                                       int32_t *codes,
                                                                       int32_t capacity);
/* Chain position of the current cell's control cell, read from its first
 * control parameter; -1 when it has none or the parameter is no number. */
OXEL_API int32_t oxel_get_current_component_current_cell_CD_output(HostContext *context);
/* First character of the current cell's first disable value ('0', '1',
 * 'Z', ...); the NUL character when it has none. */
OXEL_API char oxel_get_current_component_current_cell_CD_value(HostContext *context);
/* QUERY_EXPORTS_END */

/* SCAN_EXPORTS_BEGIN */
/* ------------------------------------------------------------------ */
/* Quick scanning: component names and the flash test without a parse.
 * These read the file with a small word scanner of their own and never
 * touch the description. Each needs a host context (for "Memory
 * allocation error"); without one they answer null or 0. Names and arrays
 * they hand out belong to the caller, who frees them with the two free
 * exports below.                                                        */

/* A new copy of the name of the file's first component; null when the
 * file does not begin with the word OXEL, has no component, or the name
 * cannot be read (a quoted name must be one word). */
OXEL_API char *oxel_fast_parse(HostContext *context, const char *path);

/* Counts the components of the file and stores their names, in file
 * order, in the array at *names: one entry per component counted, null
 * where no name could be read. The array is grown from *names, which must
 * be null or an array from an earlier call (its entries are overwritten
 * from the first on: free the names it held first). When memory runs out
 * the names read so far are kept and their count returned. 0 when the
 * file does not begin with OXEL or names is null. */
OXEL_API int32_t oxel_fast_parse_info(HostContext *context, const char *path, char ***names);

/* Frees a name from oxel_fast_parse; null is ignored. */
OXEL_API void oxel_free_fast_parse_component_name(HostContext *context, char *name);

/* Frees the first `count` names of an array from oxel_fast_parse_info and
 * the array itself; a null array is ignored. */
OXEL_API void oxel_free_fast_parse_component_names(HostContext *context, int32_t count,
                                                   char **names);

/* 1 when the file's first word is FLASH (in any case; comments starting
 * with "*" before it are skipped), else 0. */
OXEL_API int32_t file_is_flash(HostContext *context, const char *path);
/* SCAN_EXPORTS_END */

#ifdef __cplusplus
}
#endif

#endif /* OXEL32_H */
