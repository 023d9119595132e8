/* A plain C host that loads the library at run time as Windows hosts do, then parses and checks each file
 * given and prints every message: host_check LIBRARY FILE... Entry points are looked up by their plain
 * names and called stdcall. Exit status: 0 done, 1 an entry point is missing, 2 usage or loading failed. */
#include <stdio.h>
#include <string.h>

#include "oxel32.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
typedef HMODULE Library;
static Library open_library(const char *path) { return LoadLibraryA(path); }
static void *entry(Library library, const char *name) { return (void *)GetProcAddress(library, name); }
static void close_library(Library library) { FreeLibrary(library); }
#else
#include <dlfcn.h>
typedef void *Library;
static Library open_library(const char *path) { return dlopen(path, RTLD_NOW); }
static void *entry(Library library, const char *name) { return dlsym(library, name); }
static void close_library(Library library) { dlclose(library); }
#endif

typedef int32_t(OXEL_STDCALL *ContextEntry)(HostContext *);
typedef int32_t(OXEL_STDCALL *PathEntry)(HostContext *, const char *);
typedef void(OXEL_STDCALL *DestroyEntry)(HostContext *);
typedef int32_t (*CountEntry)(void);

static const char *const kKinds[] = {"error", "warning", "note", "progress", "status"};

static int32_t OXEL_CALLBACK print_message(void *user_data, const MessageRecord *message) {
    FILE *out = (FILE *)user_data;
    int32_t kind = message->kind;
    fprintf(out, "%s %d: %s\n", kind >= 0 && kind <= 4 ? kKinds[kind] : "?", (int)message->level,
            message->text);
    return 0;
}

int main(int argc, char **argv) {
    if (argc < 3) {
        fputs("usage: host_check LIBRARY FILE...\n", stderr);
        return 2;
    }
#ifdef _WIN32
    /* The output is compared byte for byte with the Linux build's. */
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    Library library = open_library(argv[1]);
    if (!library) {
        fprintf(stderr, "host_check: cannot load %s\n", argv[1]);
        return 2;
    }
    ContextEntry initialize = (ContextEntry)entry(library, "OxelInitialize");
    PathEntry parse = (PathEntry)entry(library, "OxelParse");
    ContextEntry check = (ContextEntry)entry(library, "OxelCheck");
    DestroyEntry destroy = (DestroyEntry)entry(library, "OxelDestroy");
    CountEntry components = (CountEntry)entry(library, "oxel_nr_components");
    if (!initialize || !parse || !check || !destroy || !components) {
        fputs("host_check: the library lacks an entry point\n", stderr);
        close_library(library);
        return 1;
    }

    MessageCounters counters;
    HostContext context;
    memset(&context, 0, sizeof context);
    context.callback = print_message;
    context.counters = &counters;
    context.user_data = stdout;
    context.message_level = 4;
    for (int i = 2; i < argc; i++) {
        memset(&counters, 0, sizeof counters);
        printf("== %s\n", argv[i]);
        initialize(&context);
        int32_t parsed = parse(&context, argv[i]);
        printf("parse %d, %d component(s)\n", (int)parsed, (int)components());
        if (parsed == OXEL_OK) {
            int32_t checked = check(&context);
            printf("check %d, %d component(s)\n", (int)checked, (int)components());
        }
        printf("errors %d, warnings %d\n", (int)counters.errors, (int)counters.warnings);
        destroy(&context);
    }
    close_library(library);
    return 0;
}
