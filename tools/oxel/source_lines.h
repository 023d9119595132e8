// oxel report: the lines of the files a finding points into, each file read once
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class SourceLines {
public:
    // The line (counted from 1) of the file at `path`, without its line
    // end; none when the file cannot be read or is shorter.
    std::optional<std::string> line(const std::string &path, int32_t number);

private:
    std::map<std::string, std::optional<std::vector<std::string>>> files_;
};
