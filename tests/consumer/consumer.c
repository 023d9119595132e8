/* A host built against the installed library: it prints the library's
 * version, then parses and checks a description and names its components.
 *
 *   consumer FILE
 *
 * Exit status: 0 when the library loaded is the version of the header the
 * host was compiled with and the file parsed and checked without errors;
 * 1 otherwise; 2 on a usage error. */
#include <stdio.h>
#include <string.h>

#include "oxel32.h"

static int32_t OXEL_CALLBACK print_message(void *user_data, const MessageRecord *message) {
    (void)user_data;
    fprintf(stderr, "message %d: %s\n", (int)message->kind, message->text);
    return 0;
}

/* Whether the header's version numbers spell its version text. */
static int header_agrees(void) {
    char numbers[64];
    snprintf(numbers, sizeof numbers, "%d.%d.%d", OXEL32_VERSION_MAJOR, OXEL32_VERSION_MINOR,
             OXEL32_VERSION_PATCH);
    return strcmp(numbers, OXEL32_VERSION_STRING) == 0;
}

int main(int argc, char **argv) {
    MessageCounters counters = {0, 0, 0};
    HostContext host;
    int32_t parsed, checked = OXEL_FAILED;

    if (argc != 2) {
        fprintf(stderr, "usage: consumer FILE\n");
        return 2;
    }
    printf("oxel32 %s\n", oxel_version());
    if (!header_agrees() || strcmp(oxel_version(), OXEL32_VERSION_STRING) != 0) {
        fprintf(stderr, "header %s (%d.%d.%d), library %s\n", OXEL32_VERSION_STRING, OXEL32_VERSION_MAJOR,
                OXEL32_VERSION_MINOR, OXEL32_VERSION_PATCH, oxel_version());
        return 1;
    }

    memset(&host, 0, sizeof host);
    host.callback = print_message;
    host.counters = &counters;
    host.message_level = 2;
    OxelInitialize(&host);
    parsed = OxelParse(&host, argv[1]);
    if (parsed == OXEL_OK)
        checked = OxelCheck(&host);
    printf("parse %d, check %d, %d error(s), %d warning(s)\n", (int)parsed, (int)checked,
           (int)counters.errors, (int)counters.warnings);
    if (checked != OXEL_FAILED && oxel_get_first_component()) {
        do
            printf("component %s\n", oxel_get_current_component_name());
        while (oxel_get_next_component());
    }
    OxelDestroy(&host);
    return checked == OXEL_FAILED ? 1 : 0;
}
