// oxel: "did you mean" notes after a syntax error or a missing mandatory instruction
#include "suggestions.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "message_catalogue.h"
#include "oxel32.h"

namespace {

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string upper_case(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upper);
    return out;
}

// The word a syntax error stopped at: what stands in `near "..."` at the end
// of its first line.
std::string near_word(std::string_view text) {
    std::string_view first = text.substr(0, text.find('\n'));
    size_t at = first.rfind(" near \"");
    if (at == std::string_view::npos || first.size() < at + 8 || first.back() != '"')
        return "";
    return std::string(first.substr(at + 7, first.size() - at - 8));
}

// A word of the language begins with a letter or an at sign.
bool is_word(std::string_view text) {
    return !text.empty() && (std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '@');
}

// Characters a word of the language may hold after its first.
bool is_word_character(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || (c && std::strchr("_.!#%&/=?-{}$+`^'<>@|~\\", c));
}

// Characters one is easily written for the other: half an edit apart.
bool look_alike(char a, char b) {
    static const char *const kPairs[] = {"O0", "I1", "L1", "S5", "B8", "Z2"};
    for (const char *pair : kPairs)
        if ((a == pair[0] && b == pair[1]) || (a == pair[1] && b == pair[0]))
            return true;
    return false;
}

// Edits between two texts in half edits: an insertion, a deletion, a
// substitution or a swap of two neighbours is two, the substitution of a
// look-alike character (O for 0) one.
size_t weighted_distance(std::string_view a, std::string_view b) {
    // Rows of the table two back, one back and now.
    std::vector<size_t> before(b.size() + 1), last(b.size() + 1), now(b.size() + 1);
    for (size_t j = 0; j <= b.size(); j++)
        last[j] = 2 * j;
    for (size_t i = 1; i <= a.size(); i++) {
        now[0] = 2 * i;
        for (size_t j = 1; j <= b.size(); j++) {
            size_t cost = a[i - 1] == b[j - 1] ? 0 : look_alike(a[i - 1], b[j - 1]) ? 1 : 2;
            now[j] = std::min({last[j] + 2, now[j - 1] + 2, last[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                now[j] = std::min(now[j], before[j - 2] + 2);
        }
        std::swap(before, last);
        std::swap(last, now);
    }
    return last[b.size()];
}

// ---- The place of a user instruction ----

// Where `name` is first written, as a word (or, for a name no word can
// spell, as a string) from `line` of the file on; false when it is not.
bool find_name(const std::string &path, int32_t from_line, const std::string &name, int32_t *line, int32_t *column) {
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    const bool as_word = is_word(name) && std::all_of(name.begin(), name.end(), is_word_character);
    const std::string wanted = upper_case(name);
    int32_t number = 1;
    std::string text;
    bool found = false;
    // Looks through one line, without its line feed.
    auto look = [&] {
        for (size_t i = 0; i < text.size() && !found;) {
            char ch = text[i];
            if (ch == '*')
                break;   // a comment to the end of the line
            size_t start = i;
            if (ch == '"') {
                std::string contents;
                for (i++; i < text.size() && text[i] != '"'; i++)
                    contents += text[i] == '\\' && i + 1 < text.size() ? text[++i] : text[i];
                i++;
                found = !as_word && upper_case(contents) == wanted;
            } else if (std::isalpha(static_cast<unsigned char>(ch)) || ch == '@') {
                while (i < text.size() && is_word_character(text[i]))
                    i++;
                found = as_word && upper_case(std::string_view(text).substr(start, i - start)) == wanted;
            } else {
                i++;
            }
            if (found) {
                *line = number;
                *column = static_cast<int32_t>(start) + 1;
            }
        }
    };
    for (int c = std::fgetc(file); !found; c = std::fgetc(file)) {
        if (c != '\n' && c != EOF) {
            text += static_cast<char>(c);
            continue;
        }
        if (number >= from_line)
            look();
        if (c == EOF)
            break;
        text.clear();
        number++;
    }
    std::fclose(file);
    return found;
}

// ---- Missing mandatory instructions ----

struct Mandatory {
    const char *shown;      // as the message names it
    const char *keyword;    // as a description writes it
    const char *also;       // another name a writer may mean it by, or null
};
constexpr Mandatory kMandatory[] = {
    {"EXTEST", "EXTEST", nullptr},
    {"BYPASS", "BYPASS", nullptr},
    {"SAMPLE/PRELOAD", "SAMPLE_PRELOAD", "SAMPLE"},
};

const ComponentRecord *component_at(int32_t index) {
    const DescriptionRoot *root = OxelGetInfo();
    if (!root || !root->components || index < 0 || index >= root->components->count)
        return nullptr;
    return static_cast<const ComponentRecord *>(root->components->items[index]);
}

// The first user instruction of the component whose name is a near miss of
// the mandatory instruction's keyword.
const char *near_miss_instruction(const ComponentRecord *component, const Mandatory &mandatory) {
    const ItemList *registers = component ? component->instruction_registers : nullptr;
    for (int32_t r = 0; registers && r < registers->count; r++) {
        const auto *reg = static_cast<const InstructionRegisterRecord *>(registers->items[r]);
        const ItemList *instructions = reg ? reg->instructions : nullptr;
        for (int32_t i = 0; instructions && i < instructions->count; i++) {
            const auto *instruction = static_cast<const InstructionRecord *>(instructions->items[i]);
            if (!instruction || instruction->kind != OXEL_INSTRUCTION_NAMED || !instruction->name)
                continue;
            const std::string name = upper_case(instruction->name);
            if (name == mandatory.shown || (mandatory.also && name == mandatory.also) ||
                !near_misses(name, {mandatory.keyword}).empty())
                return instruction->name;
        }
    }
    return nullptr;
}

std::optional<Suggestion> suggest_instruction(const SuggestionState &state, std::string_view text,
                                              const std::string &file, int32_t line, int32_t column) {
    for (const Mandatory &mandatory : kMandatory) {
        if (text != "Missing mandatory " + std::string(mandatory.shown) + " instructions")
            continue;
        const char *name = near_miss_instruction(component_at(state.component), mandatory);
        if (!name)
            return std::nullopt;
        Suggestion note{"did-you-mean-instruction",
                        "did you mean " + std::string(mandatory.keyword) + "? \"" + name +
                            "\" is read as a user instruction",
                        file, line, column};
        // The note points at the instruction, found from the register on.
        if (!file.empty())
            find_name(file, line, name, &note.line, &note.column);
        return note;
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> near_misses(std::string_view word, const std::vector<std::string> &candidates) {
    const std::string wanted = upper_case(word);
    std::vector<std::string> closest;
    size_t best = 0;
    for (const std::string &candidate : candidates) {
        const std::string spelled = upper_case(candidate);
        if (spelled == wanted)
            return {};
        size_t distance = weighted_distance(wanted, spelled);
        if (distance > (spelled.size() <= 4 ? 2u : 4u) || (!closest.empty() && distance > best))
            continue;
        if (closest.empty() || distance < best)
            closest.clear();
        best = distance;
        if (std::find(closest.begin(), closest.end(), candidate) == closest.end())
            closest.push_back(candidate);
    }
    return closest;
}

std::string alternatives(const std::vector<std::string> &words) {
    std::string out;
    for (size_t i = 0; i < words.size(); i++)
        out += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
    return out;
}

void suggestions_start_file(SuggestionState &state) { state = SuggestionState{}; }

std::optional<Suggestion> suggest_after(SuggestionState &state, const CatalogueEntry *entry, std::string_view text,
                                        const std::string &file, int32_t line, int32_t column) {
    if (!entry)
        return std::nullopt;
    if (entry->id == "component-check-started" || entry->id == "component-without-name") {
        state.component++;
        return std::nullopt;
    }
    if (entry->id == "syntax-error") {
        state.syntax_pending = true;
        state.near_word = near_word(text);
        state.file = file;
        state.line = line;
        state.column = column;
        return std::nullopt;
    }
    if (entry->id == "mandatory-instruction-missing")
        return suggest_instruction(state, text, file, line, column);
    if (entry->expected.empty() || !state.syntax_pending)
        return std::nullopt;
    // The detail line of the syntax error: what the parser expected there.
    state.syntax_pending = false;
    if (!is_word(state.near_word))
        return std::nullopt;
    std::vector<std::string> meant = near_misses(state.near_word, entry->expected);
    if (meant.empty())
        return std::nullopt;
    return Suggestion{"did-you-mean-keyword", "did you mean " + alternatives(meant) + "?", state.file, state.line,
                      state.column};
}
