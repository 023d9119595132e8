// Grammar actions: the helpers the rules of the grammar call
#include "grammar/grammar_actions.h"

#include <cstring>

void release_integer(HostContext *context, IntegerLiteral literal) { mem_free(context, literal.text); }

int32_t take_integer(HostContext *context, IntegerLiteral literal) {
    release_integer(context, literal);
    return literal.value;
}

char *integer_text(HostContext *, IntegerLiteral literal) { return literal.text; }

double *integer_as_double(HostContext *context, IntegerLiteral literal) {
    double *number = static_cast<double *>(mem_alloc(context, sizeof(double)));
    if (number)
        *number = literal.value;
    release_integer(context, literal);
    return number;
}

char *start_word_run(char *first) {
    g_parser.run_text = first;
    g_parser.run_length = first ? std::strlen(first) : 0;
    g_parser.run_capacity = g_parser.run_length + 1;
    return first;
}

char *join_words(HostContext *context, char *head, char *tail) {
    if (head != g_parser.run_text)
        start_word_run(head);
    size_t tail_length = tail ? std::strlen(tail) : 0;
    size_t needed = g_parser.run_length + tail_length + 1;
    if (needed > g_parser.run_capacity) {
        // Doubling keeps a pattern of a million words linear.
        size_t capacity = g_parser.run_capacity * 2 > needed ? g_parser.run_capacity * 2 : needed;
        char *grown = static_cast<char *>(mem_realloc(context, head, capacity));
        if (!grown) {
            mem_free(context, tail);
            mem_free(context, head);
            g_parser.run_text = nullptr;
            return nullptr;
        }
        head = grown;
        g_parser.run_capacity = capacity;
    }
    std::memcpy(head + g_parser.run_length, tail ? tail : "", tail_length + 1);
    g_parser.run_length += tail_length;
    g_parser.run_text = head;
    mem_free(context, tail);
    return head;
}

ModeSpecRecord *coded_entry(HostContext *context, int32_t code) {
    return make_mode_spec(context, code, nullptr);
}

ModeSpecRecord *named_entry(HostContext *context, int32_t code, const char *name) {
    char *copy = str_duplicate(context, name);
    return copy ? make_mode_spec(context, code, copy) : nullptr;
}

void report_broken_capture_status(int token) {
    if (token == ':')
        report_expected("Only an integer value or a double-quoted string is allowed");
    else
        report_expected("Capture status list expected");
}
