// oxel: what kind of description a file holds, and reading it as its kind asks
#pragma once

#include <string>

#include "input_files.h"
#include "oxel32.h"

// True when the file is a BSDL description: its first word, after blanks,
// "--" comments and a byte-order mark, is "entity" in any case.
bool file_is_bsdl(const std::string &path);

// Reads the file into the library's description: a BSDL file through the
// importer (with the pin map `package` names; null: its default package),
// any other through the parser. The library's result.
int32_t read_description(HostContext *context, const InputFile &file, const char *package = nullptr);
