// Fuzz dictionary: every keyword of the lexer's table, and the punctuation and directives of the language
#include <cstdio>
#include <initializer_list>

#include "lexer/keywords.h"

namespace {

// Writes one dictionary entry: quotes and backslashes escaped, bytes that
// are not printable written in hexadecimal, as libFuzzer reads them.
void entry(const char *text) {
    std::putchar('"');
    for (const char *c = text; *c; ++c) {
        unsigned char byte = static_cast<unsigned char>(*c);
        if (byte == '"' || byte == '\\')
            std::printf("\\%c", byte);
        else if (byte < 32 || byte > 126)
            std::printf("\\x%02X", byte);
        else
            std::putchar(byte);
    }
    std::puts("\"");
}

}  // namespace

int main() {
    for (int i = 0; i < keyword_count(); i++)
        entry(keyword_text(i));
    // What no keyword holds: separators, literals, comments and the files
    // of the fuzz targets' working folder.
    for (const char *other : {"(", ")", ":", ";", ",", "[", "]", "=", "-", "\"", "*", "\n", "0x", "0t", "1b",
                              "1.5e-3", "(0:7)", "\\", "#include ", "#include \"a.oxel\"\n",
                              "#include \"b.oxel\"\n", "#include \"self.oxel\"\n", "#include \"bomb.oxel\"\n",
                              "#include \"input.oxel\"\n", "#include \"empty.oxel\"\n",
                              "#include \"nul.oxel\"\n", "#include \"folder.oxel\"\n",
                              "#include \"fifo.oxel\"\n", "#include \"missing.oxel\"\n"})
        entry(other);
    return 0;
}
