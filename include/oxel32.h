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
/* COMPONENT_RECORDS_END */

/* BOARD_RECORDS_BEGIN */
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

#ifdef __cplusplus
}
#endif

#endif /* OXEL32_H */
