// Technology constructors: pin families and global families
#include "model/technology_constructors.h"

#include "base/memory.h"
#include "model/new_record.h"

namespace {

// A family holding only its name; on failure the name is released.
template <typename Family>
Family *new_family(HostContext *context, char *name) {
    Family *family = new_record<Family>(context);
    if (!family) {
        mem_free(context, name);
        return nullptr;
    }
    family->name = name;
    return family;
}

}  // namespace

PinFamilyRecord *make_pin_family(HostContext *context, char *name) {
    return new_family<PinFamilyRecord>(context, name);
}

GlobalPerformanceRecord *make_global_family(HostContext *context, char *name) {
    return new_family<GlobalPerformanceRecord>(context, name);
}
