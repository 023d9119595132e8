// Message locations: the place in the source the messages being sent point at
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

// Finds where the subject of messages was written: a lookup of a higher
// layer, handed down.
using FindPlace = SourceLocation (*)(const void *subject);

// Where the messages sent now point: a place, or a subject whose place is
// looked up only when a message about it is delivered.
struct message_place {
    SourceLocation place;
    const void *subject;      // null: `place` counts
    FindPlace find;
};

// Where the messages sent now point, and where the one being delivered to
// the host's callback points (nowhere outside a callback).
struct message_location_state {
    message_place current;
    SourceLocation delivered;
};

// Points the errors, warnings and notes sent while it lives at `where` (a
// file that must outlive it), then back where they pointed before. Progress
// and status lines and "Memory allocation error" point nowhere whatever is
// set.
struct PointMessagesAt {
    explicit PointMessagesAt(const SourceLocation &where);
    // At the place `find` gives for `subject`, asked only when a message is
    // delivered: most subjects draw none.
    PointMessagesAt(const void *subject, FindPlace find);
    ~PointMessagesAt();
    PointMessagesAt(const PointMessagesAt &) = delete;
    PointMessagesAt &operator=(const PointMessagesAt &) = delete;

    message_place before;
};

// Nowhere in particular.
inline constexpr SourceLocation kNowhere = {nullptr, 0, 0};

// For the message channel: makes the place set now the one of the message
// about to be delivered (`located` false: nowhere), or forgets it once the
// callback has returned.
void begin_delivery(bool located);
void end_delivery();

// Inside the host's callback: true with the place of the message being
// delivered; false outside a callback and for a message that points nowhere.
bool delivered_message_location(SourceLocation *where);
