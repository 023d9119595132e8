// BSDL tests: the facts a BSDL test file states, read with patterns of the tests' own, and imports into the library
//
// The reading here is deliberately simple and shares nothing with the importer: comments are dropped, an
// attribute's strings are joined, and regular expressions pick the pin map, the opcodes, the register accesses
// and the boundary register's entries out of the text. The test files keep to what it reads: no quote or ';'
// in a comment, one entity per file.
#pragma once

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "support/recorder.h"

struct BsdlCellFact {
    int number;
    std::string cell, port, function, safe, result;
    int control = -1;
    std::string disable;
};

struct BsdlPortFact {
    std::string mode;
    bool vector = false;
    int left = 0, right = 0;
};

struct BsdlFacts {
    std::string entity;
    std::map<std::string, BsdlPortFact> ports;   // by name as declared
    // The pins of each port in the order the pin map lists them, by package.
    std::map<std::string, std::vector<std::pair<std::string, std::vector<std::string>>>> packages;
    std::vector<std::pair<std::string, std::vector<std::string>>> opcodes;   // in the attribute's order
    std::map<std::string, std::string> registers;                           // instruction -> register name
    std::map<std::string, int> register_lengths;                            // data register -> length
    std::vector<BsdlCellFact> cells;                                        // in the attribute's order
    std::string text;                                                       // the file, comments dropped
    int instruction_length = 0, boundary_length = 0;
    std::string instruction_capture;

    // The joined strings of an attribute's value, or of a PIN_MAP_STRING constant; empty when absent.
    std::string attribute(const std::string &name) const;
    std::string constant(const std::string &name) const;
};

BsdlFacts read_bsdl_facts(const std::string &path);

// The pin of bit `bit` of a port (any bit of a bit) in the package's pin map; empty when it has none.
std::string pin_of(const BsdlFacts &facts, const std::string &package, const std::string &port, int bit = 0);

// The path of a file under tests/bsdl/.
std::string bsdl_path(const std::string &name);

// Imports into the library's one description, released at the end with the query cursors.
class ImportTest : public ::testing::Test {
protected:
    void TearDown() override;
    // Imports a file afresh: the description before is released, the messages forgotten.
    int32_t import_file(const std::string &path, const char *package = nullptr);
    // Imports `text` written to a temporary file; its path is kept in `written`.
    int32_t import_text(const std::string &text, const char *package = nullptr);
    // The errors of the last import as "line:column: text", in order.
    Texts located_errors() const;

    Recorder host{3};
    std::string written;
};
