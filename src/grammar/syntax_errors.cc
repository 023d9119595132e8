// Parser: parse context, syntax messages and their detail lines
#include <cstdio>
#include <cstring>

#include "grammar/grammar_actions.h"
#include "interface/host_messages.h"
#include "interface/library_state.h"

parser_state g_parser;

void reset_parse_context(HostContext *context) {
    g_parser.host = context;
    g_parser.syntax_errors = 0;
    g_parser.detail_pending = false;
    g_parser.current_pin_family = nullptr;
    g_parser.current_global_family = nullptr;
    g_parser.source_ref = nullptr;
    // A parse that stopped right after a name marker leaves name mode on; the
    // next file's first word must still be read as a keyword.
    lexer_set_name_mode(false);
}

int parse_description() { return yyparse() == 0 ? 0 : 1; }

void yyerror(const char *message) {
    if (std::strcmp(message, "memory exhausted") == 0)
        message = "yacc stack overflow";
    report_syntax_error(message);
}

void report_syntax_error(const char *message) {
    if (!message || !*message)
        return;
    g_parser.detail_pending = true;
    g_parser.syntax_errors++;

    // "message: program >>" (the program name after the message), then the
    // line and, when it fits, the token the parser stopped at. snprintf
    // cuts whatever would not fit the buffer.
    char head[kMessageSize];
    const char *program = g_library.prog_name;
    if (program && *program)
        std::snprintf(head, sizeof head, "%s: %s >>", message, program);
    else
        std::snprintf(head, sizeof head, "%s >>", message);

    char text[kMessageSize];
    const char *token = lexer_token_text();
    size_t room = std::strlen(token) + std::strlen(head) + 20;
    if (*token && *token != '\n' && room < sizeof text)
        std::snprintf(text, sizeof text, "%s line %d near \"%s\"", head, lexer_line(), token);
    else
        std::snprintf(text, sizeof text, "%s line %d", head, lexer_line());
    // Sent as plain text: a "%" in the token is no format.
    report_error(g_parser.host, "%s", text);
}

void report_expected(const char *message) {
    if (!message || !*message || !g_parser.detail_pending)
        return;
    g_parser.detail_pending = false;
    report_note(g_parser.host, "%*s%s", kMessageIndent, "", message);
}
