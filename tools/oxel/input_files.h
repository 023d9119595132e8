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

// Copies standard input to a temporary file when the file is "-". Why the
// file cannot be read: the system's reason when the copy fails or the file
// is missing or not ours to read, "not a regular file" for a folder, a
// device, a socket or a named pipe (told without opening it); empty when it
// can be read.
std::string prepare_input(InputFile &file);

// Removes the temporary copy, if any.
void release_input(InputFile &file);
