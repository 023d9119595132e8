// Grammar actions of board, technology and test sections
#include "grammar/board_actions.h"

#include "grammar/grammar_actions.h"
#include "model/description.h"
#include "model/board_records.h"

namespace {

void release_board_entry(HostContext *context, void *board) {
    release_board(context, static_cast<BoardRecord *>(board));
}

void release_pin_family_entry(HostContext *context, void *family) {
    release_pin_family(context, static_cast<PinFamilyRecord *>(family));
}

}  // namespace

bool file_board(BoardRecord *board) {
    return file_record(&description_root()->boards, board, release_board_entry);
}

bool file_pin_family(PinFamilyRecord *family) {
    return file_record(&description_root()->pin_families, family, release_pin_family_entry);
}

PinFamilyRecord *open_pin_family(char *name) {
    g_parser.current_pin_family = mkpinfamily(HOST, name);
    return g_parser.current_pin_family;
}

GlobalPerformanceRecord *open_global_family(char *name) {
    g_parser.current_global_family = mkglobalfamily(HOST, name);
    return g_parser.current_global_family;
}

void close_families() {
    g_parser.current_pin_family = nullptr;
    g_parser.current_global_family = nullptr;
}

void store_value(double **field, double *value) {
    mem_free(HOST, *field);
    *field = value;
}
