// Fuzz target: parse, read every record and ask every query, check, read again, then release
#include "fuzz_workspace.h"
#include "support/description_walk.h"

namespace {

// What a held description must bear: every record read, every query asked.
void read_held_description(HostContext *host) {
    walk_records(OxelGetInfo());
    walk_queries(host);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    write_fuzz_input(data, size);
    FuzzHost fuzz;
    HostContext *host = fuzz.host();
    OxelInitialize(host);
    OxelSetProgName(host, "fuzz");
    int32_t parsed = OxelParse(host, kFuzzInput);
    fuzz_require(parsed == OXEL_OK || parsed == OXEL_FAILED, "parse result");
    fuzz_require(parsed == OXEL_OK || fuzz_no_description(), "a failed parse leaves no description");
    fuzz_require(parsed == OXEL_OK || fuzz.counters.errors > 0, "a failed parse says why");
    if (parsed == OXEL_OK) {
        read_held_description(host);
        int32_t checked = OxelCheck(host);
        fuzz_require(checked == OXEL_OK || checked == OXEL_WARNINGS || checked == OXEL_FAILED, "check result");
        fuzz_require((checked == OXEL_FAILED) == fuzz_no_description(), "a failed check releases all");
        read_held_description(host);
        // Every component released one by one through the cursor.
        while (oxel_get_first_component())
            fuzz_require(oxel_delete_current_component(host) == 1, "delete the current component");
        fuzz_require(oxel_nr_components() == 0, "no component left");
    }
    OxelDestroy(host);
    OxelInitialize(host);
    return 0;
}
