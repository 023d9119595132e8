// Token places: the location type the parser carries on its stacks
#pragma once

#include <type_traits>

#include "base/message_location.h"

// A symbol's place on the parser's stacks: the place in the source where it
// begins. Bison's C++ parser grows its stacks by copying bytes only when it
// is told the type is trivial, and then starts its lookahead at
// {1, 1, 1, 1}: that start is nowhere.
struct TokenPlace {
    SourceLocation where;

    TokenPlace() = default;
    TokenPlace(const SourceLocation &place) : where(place) {}
    constexpr TokenPlace(int, int, int, int) : where(kNowhere) {}

    operator const SourceLocation &() const { return where; }
};

static_assert(std::is_trivially_copyable_v<TokenPlace>, "the parser moves its stacks byte by byte");
#define YYLTYPE_IS_TRIVIAL 1
// No location is printed: the parser is built without its trace.
#define YYLOCATION_PRINT(File, Loc) ((void)0)
