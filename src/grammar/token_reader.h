// Token reader: the lexer's tokens and their values, handed to the parser
#pragma once

// The parser's token source: the lexer's next token, its value copied into
// yylval and its place into yylloc.
int yylex();
