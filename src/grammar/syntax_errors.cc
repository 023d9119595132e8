// Syntax errors: the message of a syntax error and its detail line
#include "grammar/syntax_errors.h"

#include <cstdio>
#include <cstring>

#include "base/messages.h"
#include "grammar/grammar_actions.h"
#include "lexer/lexer.h"
#include "oxel_parser.hh"

namespace {

// A message composed piece by piece and cut at the reporters' buffer size.
struct message_buffer {
    char text[kMessageSize] = "";
    size_t length = 0;

    void append(const char *piece) {
        size_t room = sizeof text - 1 - length;
        size_t size = std::strlen(piece);
        if (size > room)
            size = room;
        std::memcpy(text + length, piece, size);
        length += size;
        text[length] = '\0';
    }
};

}  // namespace

void yyerror(const TokenPlace *place, parser_state *parse, const char *message) {
    if (std::strcmp(message, "memory exhausted") == 0)
        message = "yacc stack overflow";
    report_syntax_error(parse, *place, message);
}

void report_syntax_error(parser_state *parse, const SourceLocation &where, const char *message) {
    if (!message || !*message)
        return;
    parse->detail_pending = true;
    parse->syntax_errors++;
    parse->syntax_place = where;

    // "message: program >>" (the program name after the message), then the
    // line and, when it fits, the token the parser stopped at. Whatever
    // would not fit the buffer is cut.
    message_buffer head;
    const char *program = parse->description->prog_name;
    head.append(message);
    if (program && *program) {
        head.append(": ");
        head.append(program);
    }
    head.append(" >>");

    message_buffer text;
    const char *token = lexer_token_text(*parse->lexer);
    char line[32];
    std::snprintf(line, sizeof line, " line %d", static_cast<int>(lexer_line(*parse->lexer)));
    text.append(head.text);
    text.append(line);
    if (*token && *token != '\n' && std::strlen(token) + head.length + 20 < kMessageSize) {
        text.append(" near \"");
        text.append(token);
        text.append("\"");
    }
    // Sent as plain text: a "%" in the token is no format.
    report_error(parse->host, at(where), "%s", text.text);
}

void report_expected(parser_state *parse, const char *message) {
    if (!message || !*message || !parse->detail_pending)
        return;
    parse->detail_pending = false;
    report_note(parse->host, at(parse->syntax_place), "%*s%s", kMessageIndent, "", message);
}
