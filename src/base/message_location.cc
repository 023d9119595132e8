// Message locations: the place in the source the messages being sent point at
#include "base/message_location.h"

namespace {

message_location_state g_location = {kNowhere, kNowhere};

}  // namespace

PointMessagesAt::PointMessagesAt(const SourceLocation &where) : before(g_location.place) {
    g_location.place = where;
}

PointMessagesAt::~PointMessagesAt() { g_location.place = before; }

void begin_delivery(bool located) {
    g_location.delivered = located ? g_location.place : kNowhere;
}

void end_delivery() { g_location.delivered = kNowhere; }

bool delivered_message_location(SourceLocation *where) {
    if (!g_location.delivered.file)
        return false;
    *where = g_location.delivered;
    return true;
}
