// Token reader: the lexer's tokens and their values, handed to the parser
#include "grammar/token_reader.h"

#include <cstring>

#include "grammar/parser_state.h"
#include "lexer/lexer.h"
#include "oxel_parser.hh"

// The lexer's token list and the grammar must number every token alike; a
// token renumbered on either side stops the build here.
#define SAME_TOKEN_NUMBER(name, number) \
    static_assert(TK_##name == number, "the lexer and the grammar number " #name " differently");
#define SAME_STATEMENT_TOKEN(name, tag, token, ...) SAME_TOKEN_NUMBER(name, token)
OXEL_STATEMENTS(SAME_STATEMENT_TOKEN)
LEXER_OTHER_TOKENS(SAME_TOKEN_NUMBER)
#undef SAME_STATEMENT_TOKEN
#undef SAME_TOKEN_NUMBER

int yylex(YYSTYPE *value, TokenPlace *place, parser_state *parse) {
    lexer_state &lx = *parse->lexer;
    int token = lexer_next_token(lx);
    // Copied as one block: the parser loads the place whole when it shifts
    // the token, and a copy member by member would make that load stall.
    static_assert(sizeof *place == sizeof(SourceLocation));
    std::memcpy(static_cast<void *>(place), &lexer_token_location(lx), sizeof *place);
    // Single characters, the end of input and a failure carry no value:
    // the value keeps what it held.
    if (token < LEX_ALTERED_REGISTERS)
        return token;
    switch (token) {
    case TK_INTEGER:
        value->integer = lexer_take_integer(lx);
        break;
    case TK_REAL:
        value->real = lexer_take_real(lx);
        break;
    default:   // an identifier's or a string's text; none for a keyword
        value->text = lexer_take_text(lx);
        break;
    }
    return token;
}
