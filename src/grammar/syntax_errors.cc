// Parser: parse context, syntax messages and their detail lines
#include <cstdio>
#include <cstring>

#include "grammar/grammar_actions.h"
#include "base/message_location.h"
#include "base/messages.h"
#include "model/description.h"
#include "model/record_locations.h"
#include "oxel_parser.hh"

parser_state g_parser;

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

void reset_parse_context(HostContext *context) {
    g_parser.host = context;
    g_parser.syntax_errors = 0;
    g_parser.detail_pending = false;
    g_parser.current_pin_family = nullptr;
    g_parser.current_global_family = nullptr;
    g_parser.source_ref = nullptr;
    g_parser.run_text = nullptr;
    g_parser.syntax_place = kNowhere;
    start_locations_of_parse();
    // A parse that stopped right after a name marker leaves name mode on; the
    // next file's first word must still be read as a keyword.
    lexer_set_name_mode(false);
}

int parse_description() { return yyparse(&g_parser) == 0 ? 0 : 1; }

int32_t parser_syntax_errors() { return g_parser.syntax_errors; }

void yyerror(parser_state *, const char *message) {
    if (std::strcmp(message, "memory exhausted") == 0)
        message = "yacc stack overflow";
    report_syntax_error(yylloc, message);
}

void report_syntax_error(const SourceLocation &where, const char *message) {
    if (!message || !*message)
        return;
    g_parser.detail_pending = true;
    g_parser.syntax_errors++;
    g_parser.syntax_place = where;

    // "message: program >>" (the program name after the message), then the
    // line and, when it fits, the token the parser stopped at. Whatever
    // would not fit the buffer is cut.
    message_buffer head;
    const char *program = description_prog_name();
    head.append(message);
    if (program && *program) {
        head.append(": ");
        head.append(program);
    }
    head.append(" >>");

    message_buffer text;
    const char *token = lexer_token_text();
    char line[32];
    std::snprintf(line, sizeof line, " line %d", static_cast<int>(lexer_line()));
    text.append(head.text);
    text.append(line);
    if (*token && *token != '\n' && std::strlen(token) + head.length + 20 < kMessageSize) {
        text.append(" near \"");
        text.append(token);
        text.append("\"");
    }
    // Sent as plain text: a "%" in the token is no format.
    PointMessagesAt here(where);
    report_error(g_parser.host, "%s", text.text);
}

void report_expected(parser_state *parse, const char *message) {
    if (!message || !*message || !parse->detail_pending)
        return;
    parse->detail_pending = false;
    PointMessagesAt here(parse->syntax_place);
    report_note(parse->host, "%*s%s", kMessageIndent, "", message);
}
