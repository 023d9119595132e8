// Message locations: where a message points, handed to the reporter that sends it
#pragma once

#include <cstdint>

// A place in a source file: the file's path as it was opened, its own line
// and the column of a character, both counted from 1. A null file is
// nowhere.
struct SourceLocation {
    const char *file;
    int32_t line;
    int32_t column;
};

// Nowhere in particular.
inline constexpr SourceLocation kNowhere = {nullptr, 0, 0};

// Finds where a subject of messages was written, in a table a higher layer
// keeps (the description's record locations): a lookup handed down.
using FindPlace = SourceLocation (*)(const void *table, const void *subject);

// Where an error, a warning or a note points: a place, or a subject whose
// place is looked up only when a message about it is delivered (most
// subjects draw none). Progress and status lines and "Memory allocation
// error" point nowhere whatever is given.
struct MessagePlace {
    SourceLocation place;       // counts when there is no `find`
    const void *table;
    const void *subject;
    FindPlace find;
};

inline constexpr MessagePlace kNoPlace = {kNowhere, nullptr, nullptr, nullptr};

// A message about `where` (a file that must outlive the delivery).
inline constexpr MessagePlace at(const SourceLocation &where) { return {where, nullptr, nullptr, nullptr}; }

// For the message channel: makes `place` the one of the message about to be
// delivered (null: nowhere), or forgets it once the callback has returned.
void begin_delivery(const MessagePlace *place);
void end_delivery();

// Inside the host's callback: true with the place of the message being
// delivered; false outside a callback and for a message that points nowhere.
bool delivered_message_location(SourceLocation *where);
