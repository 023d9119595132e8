// Register walk: the registers of one kind that a component lists, walked alike for every kind
#pragma once

#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// Walks a component's registers of one kind, about the component (`at`):
// no list draws `missing_list`, a list without registers `missing_register`
// (each null where the kind may be left out), a second register
// `more_than_one` (null: any number is fine), an absent entry
// `missing_entry` (null: passed over). Each register is checked by
// check_one(subject, register, index), about itself.
template <typename Register, typename CheckOne>
Severity check_registers_of_kind(const Subject &at, const ItemList *registers, const char *missing_list,
                                 const char *missing_register, const char *more_than_one, const char *missing_entry,
                                 CheckOne check_one) {
    if (!registers)
        return missing_list ? at.error("%s", missing_list) : kClean;
    if (registers->count < 1 || !registers->items)
        return missing_register ? at.error("%s", missing_register) : kClean;
    Severity result = kClean;
    if (more_than_one && registers->count > 1)
        result |= at.error("%s", more_than_one);
    for (int32_t i = 0; i < registers->count; i++) {
        if (auto *reg = static_cast<Register *>(registers->items[i]))
            result |= check_one(at.about(reg), reg, i);
        else if (missing_entry)
            result |= at.error("%s", missing_entry);
    }
    return result;
}
