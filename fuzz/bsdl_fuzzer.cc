// Fuzz target: import the input as BSDL, read every record and ask every query, check, read again, then release
#include "fuzz_workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    write_fuzz_input(data, size);
    FuzzHost fuzz;
    HostContext *host = fuzz.host();
    OxelInitialize(host);
    // The default package, and now and then one named, which the file may not have.
    const char *package = size % 7 == 0 ? "PKG" : nullptr;
    int32_t imported = OxelImportBsdl(host, kFuzzInput, package);
    fuzz_require(imported == OXEL_OK || imported == OXEL_FAILED, "import result");
    fuzz_require(imported == OXEL_OK || fuzz_no_description(), "a failed import leaves no description");
    fuzz_require(imported == OXEL_OK || fuzz.counters.errors > 0, "a failed import says why");
    fuzz_require(imported != OXEL_OK || fuzz.counters.errors == 0, "an import that succeeds finds no error");
    fuzz_require((imported == OXEL_OK) == (OxelGetSyntaxErrors() == 0), "the errors of the file are counted");
    if (imported == OXEL_OK) {
        fuzz_require(oxel_nr_components() == 1, "one component");
        read_held_description(host);
        int32_t checked = OxelCheck(host);
        fuzz_require(checked == OXEL_OK || checked == OXEL_WARNINGS || checked == OXEL_FAILED, "check result");
        fuzz_require((checked == OXEL_FAILED) == fuzz_no_description(), "a failed check releases all");
        read_held_description(host);
        while (oxel_get_first_component())
            fuzz_require(oxel_delete_current_component(host) == 1, "delete the current component");
    }
    OxelDestroy(host);
    OxelInitialize(host);
    return 0;
}
