// Test support for the grammar: parse a small description and read its records
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/recorder.h"

using Texts = std::vector<std::string>;

// A text field as a string; null reads "(null)".
inline std::string text_of(const char *text) { return text ? text : "(null)"; }

// The items of a list, typed; empty for a null list.
template <typename Record>
std::vector<Record *> items_of(const ItemList *list) {
    std::vector<Record *> out;
    for (int32_t i = 0; list && i < list->count; i++)
        out.push_back(static_cast<Record *>(list->items[i]));
    return out;
}

// Record fields joined by "|", to check a record in one expectation.
inline std::string shown(const char *text) { return text_of(text); }
inline std::string shown(int64_t number) { return std::to_string(number); }
template <typename... Field>
std::string row(const Field &...fields) {
    std::string out;
    ((out += shown(fields) + "|"), ...);
    return out.substr(0, out.size() - 1);
}

inline Texts texts_of(const ItemList *list) {
    Texts out;
    for (char *text : items_of<char>(list))
        out.push_back(text_of(text));
    return out;
}

// The index records of a list as "n", "name" or "a:b", joined by spaces.
inline std::string indices_of(const ItemList *list) {
    std::string out;
    for (IndexRecord *index : items_of<IndexRecord>(list)) {
        out += out.empty() ? "" : " ";
        if (index->kind == OXEL_INDEX_NAME)
            out += text_of(reinterpret_cast<char *>(index->first));
        else if (index->kind == OXEL_INDEX_RANGE)
            out += std::to_string(index->first) + ":" + std::to_string(index->last);
        else  // a number; a stray `last` shows
            out += std::to_string(index->first) + (index->last ? "!" + std::to_string(index->last) : "");
    }
    return out;
}

// A pin reference as "kind|name|selector", the selector's indices written out.
inline std::string pin_ref_of(const PinRefRecord *ref) {
    if (!ref)
        return "null";
    return row(ref->kind, ref->name,
               ref->kind == OXEL_PINREF_ELEMENTS ? indices_of(reinterpret_cast<ItemList *>(ref->selector)).c_str()
                                                 : std::to_string(ref->selector).c_str());
}

// The single record of a list that must hold exactly one.
template <typename Record>
Record *only_item(const ItemList *list) {
    EXPECT_TRUE(list && list->count == 1) << (list ? list->count : -1);
    return list && list->count >= 1 ? static_cast<Record *>(list->items[0]) : nullptr;
}

// Parses descriptions (framed by OXEL ... END OXEL) or examples; the last one
// is released at the end.
class DescriptionTest : public ::testing::Test {
protected:
    void TearDown() override { OxelDestroy(host.host()); }
    int32_t parse_file(const std::string &path) {
        OxelDestroy(host.host());
        host.clear();
        OxelInitialize(host.host());
        return OxelParse(host.host(), path.c_str());
    }
    int32_t parse(const std::string &body) {
        return parse_file(write_temp_file("description.oxel", "OXEL\n" + body + "\nEND OXEL\n"));
    }
    DescriptionRoot *accepted(int32_t result) {
        EXPECT_EQ(result, OXEL_OK) << host.dump();
        return result == OXEL_OK ? OxelGetInfo() : nullptr;
    }
    DescriptionRoot *parse_ok(const std::string &body) { return accepted(parse(body)); }
    DescriptionRoot *parse_example(const std::string &name) { return accepted(parse_file(example_path(name))); }
    // The detail line of a parse that must fail with one syntax message and
    // one detail line, leaving no description behind.
    std::string detail_of(const std::string &body) {
        EXPECT_EQ(parse(body), OXEL_FAILED) << host.dump();
        DescriptionRoot *root = OxelGetInfo();
        EXPECT_TRUE(!root->header && !root->boards && !root->components && !root->pin_families);
        Texts errors = host.texts(OXEL_KIND_ERROR), notes = host.texts(OXEL_KIND_NOTE);
        const std::string indent(12, ' ');
        if (errors.size() == 1 && notes.size() == 1 && errors[0].rfind("syntax error", 0) == 0 &&
            notes[0].rfind(indent, 0) == 0)
            return notes[0].substr(indent.size());
        ADD_FAILURE() << host.dump();
        return "";
    }
    // Checks the detail line of each {body, detail} row, the body framed by `head` and `tail`.
    void expect_details(const std::vector<std::pair<std::string, std::string>> &rows,
                        const std::string &head = "", const std::string &tail = "") {
        for (const auto &[body, detail] : rows) {
            SCOPED_TRACE(body);
            EXPECT_EQ(detail_of(head + body + tail), detail);
        }
    }

    Recorder host;
};
