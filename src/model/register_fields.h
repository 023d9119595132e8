// Register fields: the ones every register kind has, wherever its record keeps them
#pragma once

#include "oxel32.h"

// Pointers to the shared fields of one register record. The boundary-scan
// register has no CAPTURE statement and so no capture fields (null here).
struct RegisterFields {
    char **name;
    char **purpose;
    int32_t *length;
    char **capture_value;
    ItemList **capture_status;
};

template <typename Register>
RegisterFields register_fields(Register *reg) {
    return {&reg->name, &reg->purpose, &reg->length, &reg->capture_value, &reg->capture_status};
}

inline RegisterFields register_fields(BoundaryScanRegisterRecord *reg) {
    return {&reg->name, &reg->purpose, &reg->length, nullptr, nullptr};
}

