// PPA constructors: the record of a PPA instruction, with its serial and parallel groups
#include "model/ppa_constructors.h"

#include "base/messages.h"
#include "model/item_list.h"
#include "model/new_record.h"
#include "model/release.h"

namespace {

// Appends a group to one of the record's lists; a null group is skipped.
template <typename Group>
bool add_group(HostContext *context, ItemList **field, Group *group,
               void (*release_group)(HostContext *, Group *)) {
    return !group || append_record(context, field, group, release_group);
}

// Moves both sides of an assignment into the record and releases its
// block; false when a list could not be made or grown.
bool take_assignment(HostContext *context, PpaRecord *ppa, PpaAssignment *assignment) {
    if (!assignment)
        return true;
    PpaSerialGroupRecord *serial = assignment->serial;
    PpaParallelGroupRecord *parallel = assignment->parallel;
    mem_free(context, assignment);
    if (!add_group(context, &ppa->serial_groups, serial, release_ppa_serial_group)) {
        release_ppa_parallel_group(context, parallel);
        return false;
    }
    return add_group(context, &ppa->parallel_groups, parallel, release_ppa_parallel_group);
}

const char *signal_name(int32_t signal) {
    switch (signal) {
    case TAP_TMS: return "TMS";
    case TAP_TDI: return "TDI";
    case TAP_TDO: return "TDO";
    case TAP_TCK: return "TCK";
    case TAP_TRST: return "TRST";
    default: return nullptr;
    }
}

ItemList **signal_list(PpaSerialGroupRecord *group, int32_t signal) {
    switch (signal) {
    case TAP_TMS: return &group->tms;
    case TAP_TDI: return &group->tdi;
    case TAP_TDO: return &group->tdo;
    case TAP_TCK: return &group->tck;
    case TAP_TRST: return &group->trst;
    default: return nullptr;
    }
}

}  // namespace

PpaAssignment *make_ppa_assignment(HostContext *context, PpaSerialGroupRecord *serial,
                                   PpaParallelGroupRecord *parallel) {
    if (!serial && !parallel)
        return nullptr;
    PpaAssignment *assignment = new_record<PpaAssignment>(context);
    if (!assignment) {
        release_ppa_serial_group(context, serial);
        release_ppa_parallel_group(context, parallel);
        return nullptr;
    }
    assignment->serial = serial;
    assignment->parallel = parallel;
    return assignment;
}

PpaRecord *make_ppa(HostContext *context, PpaAssignment *first) {
    PpaRecord *ppa = new_record<PpaRecord>(context);
    if (!ppa) {
        release_ppa_assignment(context, first);
        return nullptr;
    }
    return ppa_add(context, ppa, first);
}

PpaRecord *ppa_add(HostContext *context, PpaRecord *ppa, PpaAssignment *next) {
    if (!ppa) {
        release_ppa_assignment(context, next);
        return nullptr;
    }
    if (!take_assignment(context, ppa, next)) {
        release_ppa(context, ppa);
        return nullptr;
    }
    return ppa;
}

PpaSignal *make_ppa_signal(HostContext *context, int32_t signal, ItemList *names) {
    PpaSignal *item = names && names->count >= 1 && names->items ? new_record<PpaSignal>(context) : nullptr;
    if (!item) {
        list_release(context, names);
        return nullptr;
    }
    item->signal = signal;
    item->names = names;
    return item;
}

PpaSerialGroupRecord *ppa_serial_add(HostContext *context, const SourceLocation &where, PpaSerialGroupRecord *group,
                                     PpaSignal *signal) {
    if (!signal)
        return group;
    if (!group) {
        group = new_record<PpaSerialGroupRecord>(context);
        if (!group) {
            release_ppa_signal(context, signal);
            return nullptr;
        }
    }
    ItemList *names = signal->names;
    ItemList **list = signal_list(group, signal->signal);
    if (list && !*list) {
        *list = names;
        names = nullptr;
    } else if (list) {
        report_note(context, at(where), "Redefinition of %s list in PPA instruction", signal_name(signal->signal));
    }
    // The first list of a signal stays; a later one, or one of no TAP
    // signal, is dropped.
    list_release(context, names);
    mem_free(context, signal);
    return group;
}

PpaSerialGroupRecord *ppa_serial_name(char *name, PpaSerialGroupRecord *group) {
    if (!group) {
        mem_free(nullptr, name);
        return nullptr;
    }
    if (name) {
        mem_free(nullptr, group->name);
        group->name = name;
    }
    return group;
}

PpaParallelGroupRecord *make_ppa_parallel_group(HostContext *context, char *name, ItemList *pins) {
    return new_record_of(context, PpaParallelGroupRecord{name, pins}, [&] {
        mem_free(context, name);
        list_release_with(context, pins, release_pin_ref);
    });
}
