// Test support for the grammar: parse a small description and read its records
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recorder.h"

// Parses `body` framed by OXEL ... END OXEL into a fresh description and
// returns the entry point's result. The description stays for the test to
// read; the next parse or OxelDestroy releases it.
inline int32_t parse_description_text(Recorder &host, const std::string &body) {
    OxelDestroy(host.host());
    OxelInitialize(host.host());
    std::string path = write_temp_file("description.oxel", "OXEL\n" + body + "\nEND OXEL\n");
    return OxelParse(host.host(), path.c_str());
}

// A test that parses descriptions through the host `host`; whatever the
// last parse left is released at the end.
class DescriptionTest : public ::testing::Test {
protected:
    void TearDown() override { OxelDestroy(host.host()); }
    // Parses `body` (framed) and fails the test unless it was accepted.
    DescriptionRoot *parse_ok(const std::string &body) {
        int32_t result = parse_description_text(host, body);
        EXPECT_EQ(result, OXEL_OK) << host.dump();
        return result == OXEL_OK ? OxelGetInfo() : nullptr;
    }
    // The detail line of a parse that must fail (see detail_of_failed_parse).
    std::string detail_of(const std::string &body);

    Recorder host;
};

// The one detail line of a parse that must have failed with exactly one
// syntax message and one detail line; "" otherwise.
inline std::string detail_of_failed_parse(Recorder &host, const std::string &body) {
    int32_t result = parse_description_text(host, body);
    EXPECT_EQ(result, OXEL_FAILED) << host.dump();
    std::vector<std::string> errors = host.texts(OXEL_KIND_ERROR);
    std::vector<std::string> notes = host.texts(OXEL_KIND_NOTE);
    EXPECT_EQ(errors.size(), 1u) << host.dump();
    EXPECT_EQ(notes.size(), 1u) << host.dump();
    if (errors.size() != 1 || notes.size() != 1 || errors[0].rfind("syntax error", 0) != 0)
        return "";
    const std::string indent(12, ' ');
    return notes[0].rfind(indent, 0) == 0 ? notes[0].substr(indent.size()) : notes[0];
}

inline std::string DescriptionTest::detail_of(const std::string &body) {
    host.clear();
    return detail_of_failed_parse(host, body);
}

// The items of a list, typed; empty for a null list.
template <typename Record>
std::vector<Record *> items_of(const ItemList *list) {
    std::vector<Record *> out;
    for (int32_t i = 0; list && i < list->count; i++)
        out.push_back(static_cast<Record *>(list->items[i]));
    return out;
}

// A list of texts as strings; a null text reads "(null)".
inline std::vector<std::string> texts_of(const ItemList *list) {
    std::vector<std::string> out;
    for (char *text : items_of<char>(list))
        out.push_back(text ? text : "(null)");
    return out;
}

// A text field as a string; null reads "(null)".
inline std::string text_of(const char *text) { return text ? text : "(null)"; }

// The single record of a list that must hold exactly one.
template <typename Record>
Record *only_item(const ItemList *list) {
    EXPECT_TRUE(list != nullptr);
    if (!list)
        return nullptr;
    EXPECT_EQ(list->count, 1);
    return list->count >= 1 ? static_cast<Record *>(list->items[0]) : nullptr;
}
