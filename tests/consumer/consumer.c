/* A host built against the installed library: consumer FILE prints the versions of the library and of
 * the header, then parses and checks FILE and names its components. Exit status 0 without errors, 1 with
 * them, 2 on a usage error. */
#include <stdio.h>
#include <string.h>

#include "oxel32.h"

static int32_t OXEL_CALLBACK print_message(void *user_data, const MessageRecord *message) {
    (void)user_data;
    fprintf(stderr, "message %d: %s\n", (int)message->kind, message->text);
    return 0;
}

int main(int argc, char **argv) {
    MessageCounters counters = {0, 0, 0};
    HostContext host;
    int32_t checked = OXEL_FAILED;

    if (argc != 2) {
        fprintf(stderr, "usage: consumer FILE\n");
        return 2;
    }
    printf("oxel32 %s, header %s = %d.%d.%d\n", oxel_version(), OXEL32_VERSION_STRING,
           OXEL32_VERSION_MAJOR, OXEL32_VERSION_MINOR, OXEL32_VERSION_PATCH);
    memset(&host, 0, sizeof host);
    host.callback = print_message;
    host.counters = &counters;
    host.message_level = 2;
    OxelInitialize(&host);
    if (OxelParse(&host, argv[1]) == OXEL_OK)
        checked = OxelCheck(&host);
    for (int32_t more = checked != OXEL_FAILED && oxel_get_first_component(); more;
         more = oxel_get_next_component())
        printf("component %s\n", oxel_get_current_component_name());
    OxelDestroy(&host);
    return checked == OXEL_FAILED ? 1 : 0;
}
