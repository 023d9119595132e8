// Message locations: the place in the source the messages being sent point at
#include "base/message_location.h"

namespace {

message_location_state g_location = {{kNowhere, nullptr, nullptr}, kNowhere};

}  // namespace

PointMessagesAt::PointMessagesAt(const SourceLocation &where) : before(g_location.current) {
    g_location.current = {where, nullptr, nullptr};
}

PointMessagesAt::PointMessagesAt(const void *subject, FindPlace find) : before(g_location.current) {
    g_location.current = {kNowhere, subject, find};
}

PointMessagesAt::~PointMessagesAt() { g_location.current = before; }

void begin_delivery(bool located) {
    const message_place &current = g_location.current;
    if (!located)
        g_location.delivered = kNowhere;
    else if (current.subject)
        g_location.delivered = current.find(current.subject);
    else
        g_location.delivered = current.place;
}

void end_delivery() { g_location.delivered = kNowhere; }

bool delivered_message_location(SourceLocation *where) {
    if (!g_location.delivered.file)
        return false;
    *where = g_location.delivered;
    return true;
}
