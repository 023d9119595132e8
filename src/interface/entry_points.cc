// Entry points: initialise, parse, probe, destroy and the status exports
#include "interface/entry_points.h"

#include <cstdio>
#include <cstring>

#include "base/memory.h"
#include "base/messages.h"
#include "base/text_input.h"
#include "grammar/parse.h"
#include "lexer/lexer.h"
#include "query/query_cursors.h"

// Made when the library is loaded, before any call: the big read-ahead
// buffers stay in zeroed memory, not in the library's file.
library_state::library_state() : description{}, syntax_errors{}, lexer{}, cursors{} {
    cursors.root = &description.root;
}

library_state g_library;

namespace {

// The file-kind word of the parse messages.
const char *const kFileKind = "KBQ";

// The probes read one token and keep nothing of it: its value is released.
int read_probe_token(lexer_state &lexer) {
    int token = lexer_next_token(lexer);
    lexer_drop_value(lexer);
    return token;
}

bool usable_path(const char *path) { return path && std::strcmp(path, "stdin") != 0; }

}  // namespace

extern "C" {

OXEL_API int32_t OXEL_STDCALL OxelInitialize(HostContext *context) {
    reset_query_cursors(g_library.cursors, &g_library.description.root);
    if (!context)
        return OXEL_NO_CONTEXT;
    g_library.description.root = DescriptionRoot{};
    return OXEL_OK;
}

OXEL_API int32_t OXEL_STDCALL OxelParse(HostContext *context, const char *path) {
    if (!context)
        return OXEL_NO_CONTEXT;
    if (!usable_path(path)) {
        report_error(context, kNoPlace, "Unspecified %s file name", kFileKind);
        return OXEL_FAILED;
    }
    FILE *source = open_source_file(path);
    if (!source) {
        report_error(context, kNoPlace, "Unable to open %s file '%s'", kFileKind, path);
        return OXEL_FAILED;
    }
    int32_t result = OXEL_OK;
    // What the parse builds lives in the description's arena until the
    // description is released.
    memory_arena_open();
    lexer_state &lexer = g_library.lexer;
    lexer_reset(lexer, context);
    lexer_set_stream(lexer, source, path);
    parser_state parse = start_parse(context, lexer, g_library.description);
    report_progress(context, "Reading file '%s'", path);

    // The probe: a file without a single token is no OXEL file. Whatever
    // include files the probe entered are closed again before the rewind.
    int probe = read_probe_token(lexer);
    if (probe == 0) {
        result = OXEL_FAILED;
        report_error(context, kNoPlace, "Not an OXEL file '%s'", path);
    } else if (probe < 0) {
        // The probe already failed (a failed allocation, an over-long
        // token): it was reported, and the parse cannot succeed either.
        result = OXEL_FAILED;
    }
    lexer_close_includes(lexer);
    std::rewind(source);
    lexer_reset(lexer, context);
    lexer_set_stream(lexer, source, path);
    lexer_set_name_mode(lexer, false);

    // A token the lexer could not read (an over-long one, a failed
    // allocation) was reported; the parse fails even when the tokens before
    // it made a complete file.
    if (parse_description(parse) != 0 || lexer_failed(lexer))
        result = OXEL_FAILED;
    g_library.syntax_errors = parse.syntax_errors;
    lexer_close_includes(lexer);
    lexer_set_stream(lexer, nullptr);
    // Nothing of the arena may stay with the lexer: it goes with the description.
    lexer_drop_value(lexer);
    memory_arena_close();
    std::fclose(source);
    if (g_library.syntax_errors > 0)
        result = OXEL_FAILED;
    if (result == OXEL_FAILED)
        OxelDestroy(context);
    return result;
}

OXEL_API int32_t OXEL_STDCALL FileIsOxel(HostContext *context, const char *path) {
    if (!context || !usable_path(path))
        return 0;
    FILE *source = open_source_file(path);
    if (!source)
        return 0;
    lexer_state &lexer = g_library.lexer;
    lexer_reset(lexer, context);
    lexer_set_stream(lexer, source, path);
    start_locations_of_parse(g_library.description.locations);
    lexer_set_name_mode(lexer, false);
    int token = read_probe_token(lexer);
    lexer_close_includes(lexer);
    lexer_set_stream(lexer, nullptr);
    std::fclose(source);
    return token == LEX_OXEL ? 1 : 0;
}

OXEL_API void OXEL_STDCALL OxelDestroy(HostContext *context) {
    if (!context)
        return;
    release_description(context, g_library.description);
    // The cursors pointed into what was just released; a query after this
    // must find no current component rather than read freed records.
    reset_query_cursors(g_library.cursors, &g_library.description.root);
}

OXEL_API DescriptionRoot *OXEL_STDCALL OxelGetInfo(void) { return &g_library.description.root; }

OXEL_API int32_t OXEL_STDCALL OxelGetSyntaxErrors(void) { return g_library.syntax_errors; }

OXEL_API void OXEL_STDCALL OxelSetSyntaxErrors(int32_t count) { g_library.syntax_errors = count; }

OXEL_API int32_t OXEL_STDCALL OxelSetProgName(HostContext *context, const char *name) {
    if (!context)
        return OXEL_NO_CONTEXT;
    set_description_prog_name(context, g_library.description, name);
    return OXEL_OK;
}

// The cdecl twins forward unchanged.
OXEL_API int32_t oxel_initialize(HostContext *context) { return OxelInitialize(context); }
OXEL_API int32_t oxel_parse(HostContext *context, const char *path) { return OxelParse(context, path); }
OXEL_API int32_t file_is_oxel(HostContext *context, const char *path) { return FileIsOxel(context, path); }
OXEL_API void oxel_destroy(HostContext *context) { OxelDestroy(context); }
OXEL_API DescriptionRoot *oxel_get_info(void) { return OxelGetInfo(); }
OXEL_API int32_t oxel_get_syntax_errors(void) { return OxelGetSyntaxErrors(); }
OXEL_API void oxel_set_syntax_errors(int32_t count) { OxelSetSyntaxErrors(count); }
OXEL_API int32_t oxel_set_prog_name(HostContext *context, const char *name) { return OxelSetProgName(context, name); }

}  // extern "C"

#if defined(_WIN32)
#include <windows.h>

// The loader's process-attach call: nothing to set up.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
#endif
