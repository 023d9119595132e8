// oxel report: the lines of the files a finding points into, each file read once
#include "source_lines.h"

#include <fstream>
#include <sstream>

namespace {

std::optional<std::vector<std::string>> read_lines(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace

std::optional<std::string> SourceLines::line(const std::string &path, int32_t number) {
    auto found = files_.find(path);
    if (found == files_.end())
        found = files_.emplace(path, read_lines(path)).first;
    const std::optional<std::vector<std::string>> &lines = found->second;
    if (!lines || number < 1 || static_cast<size_t>(number) > lines->size())
        return std::nullopt;
    return (*lines)[static_cast<size_t>(number) - 1];
}
