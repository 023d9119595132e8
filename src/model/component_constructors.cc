// Component constructor: routing the component's statements into its fields
#include "model/component_records.h"
#include "model/new_record.h"
#include "model/register_kinds.h"
#include "model/statement_routing.h"
#include "model/tagged_item.h"

namespace {

// A failed component takes everything with it: the record with what was
// already routed into it, and the statements not yet routed.
// Routes one statement; false when the component cannot be built.
bool route_statement(HostContext *context, ComponentRecord *c, TaggedItem *s) {
    if (const RegisterKindRow *row = register_kind_of_tag(s->tag))
        return append_record(context, &(c->*row->list), take_value<void>(s), row->release);
    switch (s->tag) {
    case TAG_CELL:
        return append_record(context, &c->cells, take_value<CellRecord>(s), release_cell);
    case TAG_STANDARD:
        c->standard = static_cast<int32_t>(s->value);
        return true;
    default:
        break;
    }
    Routed routed = route_shared_statement(context, c, s);
    if (routed == Routed::not_shared)
        report_error(context, "Internal error in mkcomponent");
    return routed == Routed::taken;
}

}  // namespace

ComponentRecord *mkcomponent(HostContext *context, char *name, const char *source_ref,
                             ItemList *items) {
    // A component without statements (items null) is a valid, empty one.
    return build_holder(context, name, source_ref, items, route_statement, release_component,
                        release_statements);
}
