// Grammar actions: the helpers the rules of the grammar call
#include "grammar/grammar_actions.h"

void release_integer(HostContext *context, IntegerLiteral *literal) {
    if (!literal)
        return;
    mem_free(context, literal->text);
    mem_free(context, literal);
}

int32_t take_integer(HostContext *context, IntegerLiteral *literal) {
    int32_t value = literal ? literal->value : 0;
    release_integer(context, literal);
    return value;
}

char *integer_text(HostContext *context, IntegerLiteral *literal) {
    if (!literal)
        return nullptr;
    char *text = literal->text;
    mem_free(context, literal);
    return text;
}

double *integer_as_double(HostContext *context, IntegerLiteral *literal) {
    double *number = static_cast<double *>(mem_alloc(context, sizeof(double)));
    if (number && literal)
        *number = literal->value;
    release_integer(context, literal);
    return number;
}

char *name_as_written(HostContext *context, char *upper) {
    mem_free(context, upper);
    return lexer_take_written_text();
}

char *join_words(HostContext *context, char *head, char *tail) {
    char *joined = str_append(context, head, tail);
    mem_free(context, tail);
    if (!joined)
        mem_free(context, head);
    return joined;
}

ModeSpecRecord *coded_entry(HostContext *context, int32_t code) {
    return mkmodespec(context, code, nullptr);
}

ModeSpecRecord *named_entry(HostContext *context, int32_t code, const char *name) {
    char *copy = str_duplicate(context, name);
    return copy ? mkmodespec(context, code, copy) : nullptr;
}

void report_broken_capture_status(int token) {
    if (token == ':')
        report_expected("Only an integer value or a double-quoted string is allowed");
    else
        report_expected("Capture status list expected");
}
