// Component constructor: routing the component's statements into its fields
#include "model/component_constructors.h"

#include "model/statement_routing.h"

namespace {

// The grammar hands a component only statements it holds: any other is a
// fault of the library's own.
bool refuse_statement(HostContext *context, const SourceLocation &where, const TaggedItem *) {
    report_error(context, at(where), "Internal error in mkcomponent");
    return false;
}

}  // namespace

ComponentRecord *make_component(HostContext *context, const SourceLocation &where, DescriptionRoot *root,
                                char *name, const char *source_ref, ItemList *items) {
    // A component without statements (items null) is a valid, empty one.
    return build_holder(context, where, root, name, source_ref, items, refuse_statement, release_component);
}
