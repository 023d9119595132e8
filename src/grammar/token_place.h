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
    constexpr TokenPlace(const SourceLocation &place) : where(place) {}
    constexpr TokenPlace(int, int, int, int) : where(kNowhere) {}

    operator const SourceLocation &() const { return where; }
};

static_assert(std::is_trivially_copyable_v<TokenPlace>, "the parser moves its stacks byte by byte");

// Where a rule begins: at its first symbol that covers a token (rhs[1] to
// rhs[length]). A mid-rule action and an empty rule cover none (line 0), so
// a rule that opens with a name marker begins at the word after it. The
// place is copied whole: put together field by field it would be read back
// before its parts were stored, a stall on every reduction.
inline const TokenPlace *first_written(const TokenPlace *rhs, int length) {
    static constexpr TokenPlace nowhere = TokenPlace(kNowhere);
    for (int i = 1; i <= length; i++)
        if (rhs[i].where.line > 0)
            return &rhs[i];
    return &nowhere;
}
#define YYLLOC_DEFAULT(Current, Rhs, N) ((Current) = *first_written((Rhs), (N)))
#define YYLTYPE_IS_TRIVIAL 1
// No location is printed: the parser is built without its trace.
#define YYLOCATION_PRINT(File, Loc) ((void)0)
