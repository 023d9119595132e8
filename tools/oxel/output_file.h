// oxel draw and report: what they make, written whole to a file or to standard output
#pragma once

#include <string>

// Writes `content` to the file at `path`, replacing it, or to standard
// output for a null path. Why it could not, or empty; a file it could not
// finish is removed.
std::string write_output(const char *path, const std::string &content);
