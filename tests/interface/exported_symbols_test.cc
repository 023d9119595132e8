// The shared library exports exactly the documented entry points
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::set<std::string> exported_symbols(const std::string &library) {
    std::set<std::string> names;
    std::string command = "nm -D --defined-only '" + library + "'";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe)) {
        char address[64], type[8], name[900];
        if (std::sscanf(line, "%63s %7s %899s", address, type, name) == 3 &&
            (type[0] == 'T' || type[0] == 'D' || type[0] == 'B' || type[0] == 'W' || type[0] == 'V'))
            names.insert(name);
    }
    pclose(pipe);
    return names;
}

const std::set<std::string> kDocumented = {
    // Entry points: stdcall names and their cdecl twins.
    "OxelInitialize", "oxel_initialize",
    "OxelParse", "oxel_parse",
    "OxelCheck", "oxel_check",
    "FileIsOxel", "file_is_oxel",
    "OxelDestroy", "oxel_destroy",
    "OxelGetInfo", "oxel_get_info",
    "OxelGetSyntaxErrors", "oxel_get_syntax_errors",
    "OxelSetSyntaxErrors", "oxel_set_syntax_errors",
    "OxelSetProgName", "oxel_set_prog_name",
    // Component queries, the quick scanner and the version: cdecl only. The two *_n
    // twins are the bounded forms of the exports that fill a caller's buffer.
    "file_is_flash",
    "oxel_current_component_instruction2text",
    "oxel_current_component_instruction2text_n",
    "oxel_delete_current_component",
    "oxel_fast_parse",
    "oxel_fast_parse_info",
    "oxel_find_current_component_pin",
    "oxel_find_current_component_pin_name",
    "oxel_free_fast_parse_component_name",
    "oxel_free_fast_parse_component_names",
    "oxel_get_current_component_boundary_scan_register_length",
    "oxel_get_current_component_bsd_ref",
    "oxel_get_current_component_bypass_instruction",
    "oxel_get_current_component_clamp_instruction",
    "oxel_get_current_component_current_cell_CD_output",
    "oxel_get_current_component_current_cell_CD_value",
    "oxel_get_current_component_current_cell_function_list",
    "oxel_get_current_component_current_cell_name",
    "oxel_get_current_component_current_cell_position",
    "oxel_get_current_component_current_instruction_code",
    "oxel_get_current_component_current_instruction_name",
    "oxel_get_current_component_current_pin_direction",
    "oxel_get_current_component_current_pin_name",
    "oxel_get_current_component_current_pin_nr",
    "oxel_get_current_component_entry",
    "oxel_get_current_component_extest_instruction",
    "oxel_get_current_component_first_cell",
    "oxel_get_current_component_first_instruction",
    "oxel_get_current_component_first_pin_name",
    "oxel_get_current_component_first_pin_nr",
    "oxel_get_current_component_highest_frequency",
    "oxel_get_current_component_highz_instruction",
    "oxel_get_current_component_idcode_register_capture_code",
    "oxel_get_current_component_ident_instruction",
    "oxel_get_current_component_instruction_register_capture_code",
    "oxel_get_current_component_instruction_register_length",
    "oxel_get_current_component_name",
    "oxel_get_current_component_next_cell",
    "oxel_get_current_component_next_instruction",
    "oxel_get_current_component_next_pin_name",
    "oxel_get_current_component_next_pin_nr",
    "oxel_get_current_component_pin_id",
    "oxel_get_current_component_pin_id_special",
    "oxel_get_current_component_pin_name_by_position",
    "oxel_get_current_component_pin_nr",
    "oxel_get_current_component_pin_type",
    "oxel_get_current_component_register_capture_code",
    "oxel_get_current_component_register_length",
    "oxel_get_current_component_register_selected",
    "oxel_get_current_component_register_type_selected",
    "oxel_get_current_component_register_type_selected_n",
    "oxel_get_current_component_sample_preload_instruction",
    "oxel_get_current_component_standard",
    "oxel_get_current_component_tap_pin_name",
    "oxel_get_current_component_trst_available",
    "oxel_get_current_component_usercode_register_capture_code",
    "oxel_get_first_component",
    "oxel_get_next_component",
    "oxel_message_location",
    "oxel_nr_components",
    "oxel_nr_current_component_pins",
    "oxel_open_component",
    "oxel_open_current_component_boundary_scan_register",
    "oxel_version",
};

}  // namespace

TEST(ExportedSymbols, OnlyTheDocumentedEntryPointsAreVisible) {
#ifdef _WIN32
    GTEST_SKIP() << "reads the ELF symbol table with nm -D; the DLL's export table has its own test";
#endif
    std::set<std::string> found = exported_symbols(OXEL_LIBRARY_PATH);
    // Symbols a sanitizer runtime or the C++ runtime may add are no exports of ours.
    std::set<std::string> ours;
    for (const std::string &name : found)
        if (name.rfind("__", 0) != 0 && name.rfind("_Z", 0) != 0 && name != "_init" && name != "_fini" &&
            name != "_edata" && name != "_end" && name != "__bss_start")
            ours.insert(name);
    EXPECT_EQ(ours, kDocumented);
}
