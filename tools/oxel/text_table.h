// oxel show: rows of texts printed in columns as wide as their widest entry
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "record_text.h"

class Table {
public:
    void add(std::vector<std::string> row) { rows_.push_back(std::move(row)); }

    void print(const char *indent) const {
        std::vector<size_t> widths;
        for (const auto &row : rows_)
            for (size_t i = 0; i < row.size(); i++) {
                if (widths.size() <= i)
                    widths.push_back(0);
                if (row[i].size() > widths[i])
                    widths[i] = row[i].size();
            }
        for (const auto &row : rows_) {
            std::string line = indent;
            for (size_t i = 0; i < row.size(); i++) {
                line += row[i];
                if (i + 1 < row.size())
                    line += std::string(widths[i] - row[i].size() + 2, ' ');
            }
            std::printf("%s\n", line.c_str());
        }
    }

private:
    std::vector<std::vector<std::string>> rows_;
};

// An absent text in a table: "-".
inline std::string shown(const Text &text) { return text ? *text : "-"; }
