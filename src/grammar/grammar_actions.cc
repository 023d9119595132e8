// Grammar actions: the helpers the rules of the grammar call
#include "grammar/grammar_actions.h"

#include <cstring>

#include "model/cell_constructors.h"

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

char *start_word_run(parser_state *parse, char *first) {
    parse->run_text = first;
    parse->run_length = first ? std::strlen(first) : 0;
    parse->run_capacity = parse->run_length + 1;
    return first;
}

char *join_words(parser_state *parse, char *head, char *tail) {
    HostContext *context = parse->host;
    if (head != parse->run_text)
        start_word_run(parse, head);
    size_t tail_length = tail ? std::strlen(tail) : 0;
    size_t needed = parse->run_length + tail_length + 1;
    if (needed > parse->run_capacity) {
        // Doubling keeps a pattern of a million words linear.
        size_t capacity = parse->run_capacity * 2 > needed ? parse->run_capacity * 2 : needed;
        char *grown = static_cast<char *>(mem_realloc(context, head, capacity));
        if (!grown) {
            mem_free(context, tail);
            mem_free(context, head);
            parse->run_text = nullptr;
            return nullptr;
        }
        head = grown;
        parse->run_capacity = capacity;
    }
    std::memcpy(head + parse->run_length, tail ? tail : "", tail_length + 1);
    parse->run_length += tail_length;
    parse->run_text = head;
    mem_free(context, tail);
    return head;
}

ItemList *dash_list(HostContext *context) {
    char *dash = str_duplicate(context, "-");
    return dash ? list_create(context, dash, 1) : nullptr;
}

void name_next(parser_state *parse) { lexer_set_name_mode(*parse->lexer, true); }

void name_done(parser_state *parse) { lexer_set_name_mode(*parse->lexer, false); }

ModeSpecRecord *coded_entry(HostContext *context, int32_t code) {
    return make_mode_spec(context, code, nullptr);
}

ModeSpecRecord *named_entry(HostContext *context, int32_t code, const char *name) {
    char *copy = str_duplicate(context, name);
    return copy ? make_mode_spec(context, code, copy) : nullptr;
}
