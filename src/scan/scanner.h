// Quick scanner: a word scanner of its own, apart from the lexer
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "oxel32.h"

// Results of scanner_read_word besides the codes of the keyword table.
enum ScanWordCode : int32_t {
    SCAN_END = -2,      // end of input
    SCAN_UNKNOWN = -1,  // a word the keyword table does not hold
    SCAN_DIGITS = -5,   // a word of decimal digits only
};

// How scanner_open reads its file.
enum ScanMode : int32_t {
    SCAN_TEXT_FILE = 1,   // the named file, text mode
    SCAN_STDIN = 2,       // standard input
    SCAN_BINARY_FILE = 3, // the named file, binary mode (any other value too)
};

// Longest word the reader collects; a longer one is split there.
constexpr int kScanWordLimit = 5121;

// One entry of the caller's keyword table, matched ignoring case.
struct ScanKeyword {
    const char *text;
    int32_t code;
};

// Bytes a file source reads at a time; standard input is read a byte at a
// time, so that nothing past the last word the scanner wants is taken from it.
constexpr size_t kScanBufferSize = 64 * 1024;

// One source being read; the name and the read buffer live in the same block.
struct ScanSource {
    const char *name;
    FILE *stream;
    int32_t line;       // starts at 1
    int current;        // the character under the reader; EOF at the end
    bool text;          // read as text: CR LF is one line end, a Ctrl-Z the end
    ScanSource *below;
    unsigned char *buffer;
    size_t capacity;    // bytes the buffer holds
    size_t filled;      // bytes read into it
    size_t next;        // the next byte to hand out
};

// Byte classes of a scanner: what each byte value is to the word reader.
enum ScanByteClass : uint8_t {
    SCAN_WHITE = 1,
    SCAN_SEPARATOR = 2,
    SCAN_COMMENT_START = 4,
    SCAN_COMMENT_END = 8,
};

// Keywords indexed by their upper-cased initial, each chain in table order;
// a table longer than this is searched from its start.
constexpr int32_t kScanIndexedKeywords = 512;

// A scanner lives for one export call.
struct Scanner {
    HostContext *context;
    int32_t mode;
    const ScanKeyword *keywords;
    int32_t keyword_count;
    const char *separators;     // each forms a word of its own
    int32_t last_result;        // code of the last word, -1 at the start
    ScanSource *top;            // null once every source is read
    char *comment_start;        // owned; null: no comments
    char *comment_end;          // owned; null: a comment runs to the line end
    uint8_t classes[256];       // ScanByteClass bits by byte value
    int16_t first_keyword[256]; // by initial: the first keyword's index + 1, 0 for none
    int16_t next_keyword[kScanIndexedKeywords];  // the next keyword of the same initial + 1
    char word[kScanWordLimit + 1];               // the word just read
    int32_t length;                              // its length
};

// A scanner on `path` (on standard input in SCAN_STDIN mode). A non-null
// default extension is appended after a full stop when the path's own
// extension differs from it. Null when the file cannot be opened (nothing
// reported) or an allocation fails (reported).
Scanner *scanner_open(HostContext *context, const char *path, const char *default_extension,
                      int32_t mode, const ScanKeyword *keywords, int32_t keyword_count,
                      const char *separators);
// Comments begin at any of `start` and end at any of `end` (null: at the
// end of the line). False after a reported allocation failure.
bool scanner_set_comments(Scanner *scanner, const char *start, const char *end);
// Reads `path` before going on with the current source. False when it
// cannot be opened or allocated.
bool scanner_push_file(Scanner *scanner, const char *path);
// Closes every source and frees the scanner; null is ignored.
void scanner_close(Scanner *scanner);
// Drops the top source and goes on with the one below.
void scanner_leave_source(Scanner *scanner);
