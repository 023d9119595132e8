// Bench driver: parses a file, checks it and destroys it through the public API
#include <cstdio>
#include <cstring>

#include "oxel32.h"

namespace {

struct Tally {
    long errors = 0, warnings = 0;
    char first[200] = "";
};

// Counts errors and warnings and keeps the first one for the summary line.
int32_t OXEL_CALLBACK count_message(void *user_data, const MessageRecord *message) {
    auto *tally = static_cast<Tally *>(user_data);
    if (message->kind != OXEL_KIND_ERROR && message->kind != OXEL_KIND_WARNING)
        return 0;
    if (!tally->errors && !tally->warnings)
        std::snprintf(tally->first, sizeof tally->first, "%s", message->text);
    (message->kind == OXEL_KIND_ERROR ? tally->errors : tally->warnings)++;
    return 0;
}

}  // namespace

// usage: bench_check FILE [--no-check]; prints the result codes and the counts with -v.
int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_check FILE [--no-check] [-v]\n");
        return 2;
    }
    bool check = true, verbose = false;
    for (int i = 2; i < argc; i++) {
        check = check && std::strcmp(argv[i], "--no-check") != 0;
        verbose = verbose || std::strcmp(argv[i], "-v") == 0;
    }
    Tally tally;
    MessageCounters counters{};
    HostContext context{};
    context.callback = count_message;
    context.user_data = &tally;
    context.counters = &counters;
    context.message_level = 3;
    OxelInitialize(&context);
    int32_t parsed = OxelParse(&context, argv[1]);
    int32_t checked = parsed == OXEL_OK && check ? OxelCheck(&context) : -1;
    OxelDestroy(&context);
    if (verbose)
        std::printf("parse %d check %d: %ld errors, %ld warnings%s%s\n", parsed, checked, tally.errors,
                    tally.warnings, tally.first[0] ? "; first: " : "", tally.first);
    return parsed == OXEL_OK ? 0 : 1;
}
