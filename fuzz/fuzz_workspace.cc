// Fuzz targets: the private working folder, the input file and a host that checks every message
#include "fuzz_workspace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "support/description_walk.h"

namespace {

std::string g_workspace;

void remove_workspace() {
    std::error_code ignored;
    std::filesystem::remove_all(g_workspace, ignored);
}

void write_file(const char *name, const std::string &contents) {
    std::ofstream(name, std::ios::binary) << contents;
}

int32_t OXEL_CALLBACK check_message(void *, const MessageRecord *message) {
    fuzz_require(message->kind >= OXEL_KIND_ERROR && message->kind <= OXEL_KIND_STATUS, "message kind");
    static const int32_t levels[] = {1, 2, 3, 4, 4};
    fuzz_require(message->level == levels[message->kind], "message level");
    fuzz_require(message->zero == 0 && message->one == 1, "fixed words of a message");
    fuzz_require(message->text && std::strlen(message->text) <= 1023, "message text");
    fuzz_require(std::strcmp(message->text, "Memory allocation error") != 0, "no allocation fails");
    return 0;
}

}  // namespace

void enter_fuzz_workspace() {
    char folder[] = "/tmp/oxel32-fuzz-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0) {
        std::perror("oxel32 fuzz workspace");
        std::abort();
    }
    g_workspace = folder;
    std::atexit(remove_workspace);
    write_file("a.oxel",
               "COMPONENT a PIN_LIST 1 TDI TDI - 2 TDO TDO - 3 TMS TMS - 4 TCK TCK - (5:6) D(0:1) IO - "
               "END PIN_LIST END COMPONENT\n");
    write_file("b.oxel", "#include \"a.oxel\"\n");
    write_file("self.oxel", "#include \"self.oxel\"\nX\n");
    write_file("bomb.oxel", "#include \"bomb.oxel\"\n#include \"bomb.oxel\"\n#include \"bomb.oxel\"\n");
    write_file("empty.oxel", "");
    write_file("nul.oxel", std::string("OXEL\0END OXEL\n", 14));
    mkdir("folder.oxel", 0700);
    mkfifo("fifo.oxel", 0600);
}

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    enter_fuzz_workspace();
    return 0;
}

void write_fuzz_input(const uint8_t *data, size_t size) {
    FILE *file = std::fopen(kFuzzInput, "wb");
    fuzz_require(file != nullptr, "input written");
    if (size)
        fuzz_require(std::fwrite(data, 1, size, file) == size, "input written");
    std::fclose(file);
}

void fuzz_require(bool holds, const char *what) {
    if (!holds) {
        std::fprintf(stderr, "oxel32 fuzz: broken: %s\n", what);
        std::abort();
    }
}

FuzzHost::FuzzHost() {
    context.callback = check_message;
    context.counters = &counters;
    context.message_level = 4;
}

bool fuzz_no_description() {
    const DescriptionRoot *root = OxelGetInfo();
    return !root->header && !root->boards && !root->components && !root->pin_families;
}

void read_held_description(HostContext *host) {
    walk_records(OxelGetInfo());
    walk_queries(host);
}
