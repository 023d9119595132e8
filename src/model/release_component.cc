// Teardown of component records
#include "interface/memory.h"
#include "model/release.h"

// Scaffolding until the component records exist: a component is one block.
void release_component(HostContext *context, ComponentRecord *component) {
    mem_free(context, component);
}
