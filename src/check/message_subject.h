// Message subject: the record the findings being reported are about
#pragma once

#include "base/message_location.h"
#include "model/record_locations.h"

// While it lives, the checks' messages point where `record` was written
// (nowhere for a record whose place is not known); then back at the record
// checked around it. Each family sets one for the innermost record it is
// checking. The place is looked up only for a message sent.
struct MessageSubject : PointMessagesAt {
    explicit MessageSubject(const void *record) : PointMessagesAt(record, location_of) {}
};
