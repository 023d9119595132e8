// Description writer: a whole description as one OXEL file in the canonical layout
#include "write/description_writer.h"

#include <cstring>

#include "base/messages.h"
#include "model/statements.h"
#include "write/family_writer.h"
#include "write/header_writer.h"
#include "write/statement_writer.h"
#include "write/text_out.h"

namespace {

bool same_source(const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

const char *reason_of(const HeaderRecord *header) {
    return header && header->creation_log ? header->creation_log->reason : nullptr;
}

// Components and boards take as their source the reason of the header before
// them: the writer puts a header before each one whose source differs from
// the one in force. A record with no source after one with a source keeps
// the source in force (no text takes a source away).
struct SourceHeaders {
    TextOut &out;
    const HeaderRecord *held;        // the description's own header
    const char *in_force = nullptr;
    bool held_last = false;          // the last header written is the held one

    void before(const char *source) {
        if (!source || same_source(source, in_force))
            return;
        if (held && same_source(source, reason_of(held))) {
            write_header(out, held);
            held_last = true;
        } else {
            write_source_header(out, source);
            held_last = false;
        }
        in_force = source;
    }
    // The held header stands last, so that the text read back holds it.
    void finish() {
        if (held && !held_last)
            write_header(out, held);
    }
};

const void *item(const ItemList *list, int32_t i) { return list && i < list->count ? list->items[i] : nullptr; }
int32_t count(const ItemList *list) { return list ? list->count : 0; }

// The components and the boards, each list in its order; where both could
// come next, the one whose source is in force, else one without a source,
// else the component.
void write_components_and_boards(TextOut &out, const DescriptionRoot *root) {
    SourceHeaders headers{out, root->header};
    int32_t c = 0, b = 0;
    while (!out.failed && (c < count(root->components) || b < count(root->boards))) {
        const auto *component = static_cast<const ComponentRecord *>(item(root->components, c));
        const auto *board = static_cast<const BoardRecord *>(item(root->boards, b));
        if (c < count(root->components) && !component) {
            c++;
            continue;
        }
        if (b < count(root->boards) && !board) {
            b++;
            continue;
        }
        bool take_board = !component;
        if (component && board) {
            const char *cs = component->source_ref, *bs = board->source_ref;
            take_board = !same_source(cs, headers.in_force) &&
                         (same_source(bs, headers.in_force) || (!bs && cs));
        }
        if (take_board) {
            headers.before(board->source_ref);
            write_section(out, "BOARD", board);
            b++;
        } else {
            headers.before(component->source_ref);
            write_section(out, "COMPONENT", component);
            c++;
        }
    }
    headers.finish();
}

}  // namespace

bool write_description(HostContext *context, const DescriptionRoot *root, OxelTextSink sink, void *user) {
    if (!root->header && !count(root->components) && !count(root->boards) && !count(root->pin_families)) {
        report_error(context, kNoPlace, "No description to write");
        return false;
    }
    TextOut out;
    if (!text_open(out, context, sink, user))
        return false;
    put_token(out, "OXEL");
    out.depth++;
    // Pin families belong to the whole description, wherever they were read.
    for (int32_t i = 0; i < count(root->pin_families); i++)
        if (const auto *family = static_cast<const PinFamilyRecord *>(item(root->pin_families, i)))
            write_pin_family(out, family);
    write_components_and_boards(out, root);
    out.depth--;
    begin_line(out);
    put_token(out, "END");
    put_token(out, "OXEL");
    put_bytes(out, "\n", 1);
    return text_close(out);
}
