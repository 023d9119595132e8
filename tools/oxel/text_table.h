// oxel show: rows of texts printed in columns as wide as their widest entry
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "record_text.h"

class Table {
public:
    void add(std::vector<std::string> row) { rows_.push_back(std::move(row)); }

    void print(const char *indent) {
        for (const auto &row : rows_)
            widen(row);
        for (const auto &row : rows_)
            print_row(indent, row);
    }

    // For a table too long to hold: every row is shown to widen first, then
    // printed, each as it is made.
    void widen(const std::vector<std::string> &row) {
        for (size_t i = 0; i < row.size(); i++) {
            if (widths_.size() <= i)
                widths_.push_back(0);
            if (row[i].size() > widths_[i])
                widths_[i] = row[i].size();
        }
    }

    // Each line is made in one buffer kept from row to row and written at
    // once: a string per line, or a write per cell, shows on a chain of many
    // cells.
    void print_row(const char *indent, const std::vector<std::string> &row) {
        line_.assign(indent);
        for (size_t i = 0; i < row.size(); i++) {
            line_ += row[i];
            if (i + 1 < row.size())
                line_.append(widths_[i] - row[i].size() + 2, ' ');
        }
        line_ += '\n';
        std::fwrite(line_.data(), 1, line_.size(), stdout);
    }

private:
    std::vector<std::vector<std::string>> rows_;
    std::vector<size_t> widths_;
    std::string line_;
};

// An absent text in a table: "-".
inline std::string shown(const Text &text) { return text ? *text : "-"; }
