// Import messages: the importer's findings, each pointing at its place in the BSDL file
#include "bsdl/import_messages.h"

#include <cstdarg>
#include <cstdio>

#include "base/message_location.h"

namespace {

enum class Kind { kError, kNote };

void send(BsdlImport &import, Kind kind, BsdlPlace place, const char *format, va_list args) {
    char text[kMessageSize];
    std::vsnprintf(text, sizeof text, format, args);
    SourceLocation where = place.line > 0 ? SourceLocation{import.path, place.line, place.column} : kNowhere;
    if (kind == Kind::kError)
        report_error(import.host, at(where), "%s", text);
    else
        report_note(import.host, at(where), "%s", text);
}

}  // namespace

void import_error(BsdlImport &import, BsdlPlace place, const char *format, ...) {
    va_list args;
    va_start(args, format);
    send(import, Kind::kError, place, format, args);
    va_end(args);
    import.errors++;
}

void import_note(BsdlImport &import, BsdlPlace place, const char *format, ...) {
    // A note costs a formatting only when the host shows notes.
    if (import.host->message_level < 3)
        return;
    va_list args;
    va_start(args, format);
    send(import, Kind::kNote, place, format, args);
    va_end(args);
}

void import_syntax_error(BsdlImport &import, BsdlPlace place, const char *format, ...) {
    if (import.stopped)
        return;
    va_list args;
    va_start(args, format);
    send(import, Kind::kError, place, format, args);
    va_end(args);
    import.errors++;
    import.stopped = true;
}

void import_out_of_memory(BsdlImport &import) { import.stopped = true; }
