// The DLL's tables: the header's entry points under plain names, the system's libraries

#include <cctype>

#include "support/recorder.h"

// Hosts on other platforms find the entry points through the dynamic symbol
// table, which has a test of its own.
#ifdef _WIN32

#include <windows.h>

namespace {

// One of the loaded module's data directories; null when the module has none of that kind.
template <typename Directory>
const Directory *data_directory(HMODULE module, int index) {
    const auto *image = reinterpret_cast<const unsigned char *>(module);
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(image);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(image + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &directory = nt->OptionalHeader.DataDirectory[index];
    if (directory.Size == 0)
        return nullptr;
    return reinterpret_cast<const Directory *>(image + directory.VirtualAddress);
}

// The names the module exports.
std::set<std::string> export_table(HMODULE module) {
    const auto *image = reinterpret_cast<const unsigned char *>(module);
    const auto *exports = data_directory<IMAGE_EXPORT_DIRECTORY>(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
    std::set<std::string> names;
    if (!exports)
        return names;
    const auto *name_rvas = reinterpret_cast<const DWORD *>(image + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; i++)
        names.insert(reinterpret_cast<const char *>(image + name_rvas[i]));
    return names;
}

// The libraries the module imports from, in upper case.
std::set<std::string> imported_libraries(HMODULE module) {
    const auto *image = reinterpret_cast<const unsigned char *>(module);
    const auto *import = data_directory<IMAGE_IMPORT_DESCRIPTOR>(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
    std::set<std::string> names;
    for (; import && import->Name != 0; import++) {
        std::string name = reinterpret_cast<const char *>(image + import->Name);
        for (char &c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        names.insert(name);
    }
    return names;
}

// An export as the function type it has; null when there is none.
template <typename Entry>
Entry entry(HMODULE module, const char *name) {
    return reinterpret_cast<Entry>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

}  // namespace

TEST(DllExports, TheDllExportsTheHeadersEntryPointsUnderPlainNamesAndImportsOnlyFromTheSystem) {
    HMODULE dll = LoadLibraryA(OXEL_LIBRARY_PATH);
    ASSERT_NE(dll, nullptr) << OXEL_LIBRARY_PATH;
    std::set<std::string> exported = export_table(dll);
    EXPECT_EQ(exported, header_exports());

    // A host finds the stdcall entry points by plain name, not by the
    // decorated one, and calls them as stdcall, again and again.
    using ParseEntry = int32_t(__stdcall *)(HostContext *, const char *);
    using ContextEntry = int32_t(__stdcall *)(HostContext *);
    using DestroyEntry = void(__stdcall *)(HostContext *);
    auto initialize = entry<ContextEntry>(dll, "OxelInitialize");
    auto parse = entry<ParseEntry>(dll, "OxelParse");
    auto destroy = entry<DestroyEntry>(dll, "OxelDestroy");
    ASSERT_TRUE(initialize && parse && destroy);
    EXPECT_EQ(GetProcAddress(dll, "_OxelParse@8"), nullptr);
    EXPECT_EQ(GetProcAddress(dll, "OxelParse@8"), nullptr);
    Recorder host;
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(initialize(host.host()), OXEL_OK);
        EXPECT_EQ(parse(host.host(), example_path("jx200.oxel").c_str()), OXEL_OK) << host.dump();
        destroy(host.host());
    }
    EXPECT_EQ(parse(nullptr, "x"), OXEL_NO_CONTEXT);

    // Their cdecl twins work as well: the same calls under the lower-case names.
    using CdeclParseEntry = int32_t (*)(HostContext *, const char *);
    using CdeclContextEntry = int32_t (*)(HostContext *);
    using CdeclDestroyEntry = void (*)(HostContext *);
    auto initialize_twin = entry<CdeclContextEntry>(dll, "oxel_initialize");
    auto parse_twin = entry<CdeclParseEntry>(dll, "oxel_parse");
    auto destroy_twin = entry<CdeclDestroyEntry>(dll, "oxel_destroy");
    ASSERT_TRUE(initialize_twin && parse_twin && destroy_twin);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(initialize_twin(host.host()), OXEL_OK);
        EXPECT_EQ(parse_twin(host.host(), example_path("jx200.oxel").c_str()), OXEL_OK) << host.dump();
        destroy_twin(host.host());
    }
    EXPECT_EQ(parse_twin(nullptr, "x"), OXEL_NO_CONTEXT);
    // The compiler's runtime is linked in: a host needs only the system's own.
    EXPECT_EQ(imported_libraries(dll), (std::set<std::string>{"KERNEL32.DLL", "MSVCRT.DLL"}));
    FreeLibrary(dll);
}

#endif
