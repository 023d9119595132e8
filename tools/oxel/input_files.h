// oxel: the files named on the command line, made ready for the library
#pragma once

#include <string>

struct InputFile {
    std::string name;         // as the user named it; "<stdin>" for "-"
    std::string path;         // the path the library opens
    bool standard_input = false;
    bool temporary = false;   // a copy of standard input, removed afterwards
    bool bsdl = false;        // a BSDL description, read through the importer
};

// The file an argument names; "-" is standard input.
InputFile input_file(const char *argument);

// Copies standard input to a temporary file when the file is "-". The
// system's reason when that fails, or when the file cannot be read (it is
// missing, a folder, or not ours to read); empty when it can.
std::string prepare_input(InputFile &file);

// Removes the temporary copy, if any.
void release_input(InputFile &file);
