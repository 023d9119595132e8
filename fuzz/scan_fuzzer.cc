// Fuzz target: the quick scans (OXEL and flash probes, first component, component listing)
#include <cstdlib>
#include <cstring>

#include "fuzz_workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    write_fuzz_input(data, size);
    FuzzHost fuzz;
    HostContext *host = fuzz.host();
    int32_t oxel = FileIsOxel(host, kFuzzInput);
    fuzz_require(oxel == 0 || oxel == 1, "FileIsOxel answers 0 or 1");
    int32_t flash = file_is_flash(host, kFuzzInput);
    fuzz_require(flash == 0 || flash == 1, "file_is_flash answers 0 or 1");

    char *first = oxel_fast_parse(host, kFuzzInput);
    char **names = nullptr;
    int32_t count = oxel_fast_parse_info(host, kFuzzInput, &names);
    fuzz_require(count >= 0 && (count == 0 || names), "a listing has its names");
    // The listing's first entry is the name the first-component scan reads.
    if (count > 0)
        fuzz_require(first ? names[0] && std::strcmp(first, names[0]) == 0 : !names[0],
                     "first component as listed");
    else
        fuzz_require(!first, "no first component without a listing");
    // A second listing grows the array of the first.
    for (int32_t i = 0; i < count; i++)
        oxel_free_fast_parse_component_name(host, names[i]);
    int32_t again = oxel_fast_parse_info(host, kFuzzInput, &names);
    fuzz_require(again == count, "the same listing twice");
    oxel_free_fast_parse_component_names(host, again, names);
    oxel_free_fast_parse_component_name(host, first);
    return 0;
}
