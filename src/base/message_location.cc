// Message locations: where a message points, handed to the reporter that sends it
#include "base/message_location.h"

namespace {

// Where the message being delivered to the host's callback points; nowhere
// outside a callback. The location export has no parameter to be handed it.
SourceLocation g_delivered = kNowhere;

}  // namespace

void begin_delivery(const MessagePlace *place) {
    if (!place)
        g_delivered = kNowhere;
    else if (place->find)
        g_delivered = place->find(place->table, place->subject);
    else
        g_delivered = place->place;
}

void end_delivery() { g_delivered = kNowhere; }

bool delivered_message_location(SourceLocation *where) {
    if (!g_delivered.file)
        return false;
    *where = g_delivered;
    return true;
}
