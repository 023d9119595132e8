// Technology records: pin families and global families
#include "interface/memory.h"
#include "model/board_records.h"

PinFamilyRecord *mkpinfamily(HostContext *context, char *name) {
    PinFamilyRecord *family =
        static_cast<PinFamilyRecord *>(mem_alloc(context, sizeof(PinFamilyRecord)));
    if (!family) {
        mem_free(context, name);
        return nullptr;
    }
    family->name = name;
    return family;
}

GlobalPerformanceRecord *mkglobalfamily(HostContext *context, char *name) {
    GlobalPerformanceRecord *family = static_cast<GlobalPerformanceRecord *>(
        mem_alloc(context, sizeof(GlobalPerformanceRecord)));
    if (!family) {
        mem_free(context, name);
        return nullptr;
    }
    family->name = name;
    return family;
}
