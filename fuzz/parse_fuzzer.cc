// Fuzz target: parse, write and read back, read every record and ask every query, check, read again, release
#include <cstdio>
#include <string>

#include "fuzz_workspace.h"
#include "support/description_walk.h"

namespace {

// Where the written description goes to be read back.
constexpr const char *kWrittenInput = "written.oxel";

void OXEL_CALLBACK append_text(void *user, const char *bytes, int32_t length) {
    static_cast<std::string *>(user)->append(bytes, static_cast<size_t>(length));
}

// The oracle of the writer: the description the input parses to, written as OXEL text, parses back to the
// same records. Leaves no description held.
void expect_written_text_reads_back(HostContext *host) {
    const std::string records = dump_records(OxelGetInfo());
    std::string text;
    fuzz_require(oxel_write_description(host, append_text, &text) == OXEL_OK, "the description is written");
    OxelDestroy(host);
    OxelInitialize(host);
    FILE *file = std::fopen(kWrittenInput, "wb");
    fuzz_require(file && std::fwrite(text.data(), 1, text.size(), file) == text.size(), "written text stored");
    std::fclose(file);
    fuzz_require(OxelParse(host, kWrittenInput) == OXEL_OK, "the written text parses");
    fuzz_require(dump_records(OxelGetInfo()) == records, "the written text reads back as the same records");
    OxelDestroy(host);
    OxelInitialize(host);
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
    if (parsed == OXEL_OK) {
        expect_written_text_reads_back(host);
        parsed = OxelParse(host, kFuzzInput);
        fuzz_require(parsed == OXEL_OK, "the input parses again");
    }
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
