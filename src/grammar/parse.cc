// Parse: one run of the parser over the lexer's input, into a description
#include "grammar/parse.h"

#include "lexer/lexer.h"
// Bison's parser, over the state of one parse: yyparse.
#include "oxel_parser.hh"

parser_state start_parse(HostContext *context, lexer_state &lexer, description_state &description) {
    parser_state parse{};
    parse.host = context;
    parse.lexer = &lexer;
    parse.description = &description;
    parse.syntax_place = kNowhere;
    // The lexer's paths are new at every parse.
    start_locations_of_parse(description.locations);
    lexer_set_name_mode(lexer, false);
    return parse;
}

int parse_description(parser_state &parse) { return yyparse(&parse) == 0 ? 0 : 1; }
