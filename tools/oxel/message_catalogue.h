// oxel: the catalogue of messages (doc/messages.md), read into entries, and each message's entry
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One entry of the catalogue: a message (or a few of one meaning) with its
// stable id, what triggers it, how to fix it and an example.
struct CatalogueEntry {
    std::string id;                      // kebab-case, unique
    std::string kind;                    // "error", "warning", "note", "progress" or "status"
    std::string sender = "library";      // "library" or "oxel" (the tool's own messages)
    std::vector<std::string> formats;    // printf-style, exactly as sent
    std::vector<std::string> fills;      // texts the sender puts into a placeholder
    std::vector<std::string> parts;      // the pieces a message is built from, where it is built
    std::vector<std::string> expected;   // keywords a syntax detail line stands for
    std::string trigger, fix;
    std::string example_language;        // what the example file holds: "oxel" or "bsdl"
    std::string example_name;            // its file name ("example.oxel", "example.bsd" by default)
    std::string example_input;           // a file that draws the message; may be empty
    std::vector<std::string> example_output;   // "kind: text" lines the example prints
    std::string text;                    // the entry as written, for `oxel explain`
    int line = 0;                        // of its heading
};

struct Catalogue {
    std::vector<CatalogueEntry> entries;
    // What does not follow the layout: "line N: what is wrong". Empty for a
    // catalogue that reads cleanly.
    std::vector<std::string> problems;
};

// Reads the catalogue's markdown. Each entry is a level-3 heading holding its
// id, then "- **Field:** value" lines (Kind, Message, Fills, Parts, Expected,
// Sender, Trigger, Fix), then an example file, fenced ```oxel for an OXEL
// description or ```bsdl for a BSDL file (its info may name the file), and a
// fenced ```text block with the lines it prints. Message formats stand in one
// code span each, a line feed written \n; "(empty)" is the empty text.
Catalogue read_catalogue(std::string_view markdown);

// The catalogue built into the tool, read once.
const Catalogue &message_catalogue();

// The entry with this id, or null.
const CatalogueEntry *find_entry(const Catalogue &catalogue, std::string_view id);

// Whether `text` is what `format` prints for some arguments: %s (any
// width) stands for any text, %d and its kin for an integer, %c for one
// character, %X (%02X, %x) for hexadecimal digits, %% for "%".
bool format_matches(std::string_view format, std::string_view text);

// The library's entry of this kind ("error", ...) one of whose formats prints `text`;
// where several do, the one whose format holds the most fixed characters.
// Null when none does.
const CatalogueEntry *identify_message(const Catalogue &catalogue, std::string_view kind, std::string_view text);

// The characters of a format that are not placeholders.
size_t fixed_length(std::string_view format);

// A format as the tool prints its messages: each line's indent (blanks or
// "%*s") dropped, the lines joined behind ": ".
std::string printed_format(std::string_view format);
