// Grammar actions: the helpers the rules of the grammar call
#include "grammar/grammar_actions.h"

#include "model/description.h"

void release_integer(HostContext *context, IntegerLiteral *literal) {
    if (!literal)
        return;
    mem_free(context, literal->text);
    mem_free(context, literal);
}

char *integer_text(IntegerLiteral *literal) {
    if (!literal)
        return nullptr;
    char *text = literal->text;
    mem_free(HOST, literal);
    return text;
}

double *integer_as_double(IntegerLiteral *literal) {
    double *number = static_cast<double *>(mem_alloc(HOST, sizeof(double)));
    if (number && literal)
        *number = literal->value;
    release_integer(HOST, literal);
    return number;
}

void file_header(HeaderRecord *header) {
    release_header(HOST, description_root()->header);
    description_root()->header = header;
    // The old header is gone, so the reference never outlives it.
    g_parser.source_ref = header && header->creation_log ? header->creation_log->reason : nullptr;
}

bool file_record(ItemList **root_list, void *record, void (*release)(HostContext *, void *)) {
    if (!*root_list)
        *root_list = list_create_with(HOST, record, 1, release);
    else
        *root_list = list_append_with(HOST, *root_list, record, release);
    return *root_list != nullptr;
}
