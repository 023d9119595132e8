# Writes a text file into a C++ source as a NUL-terminated array of its bytes:
#   cmake -DINPUT=file -DOUTPUT=file.cc -DNAME=kName -P embed-text.cmake
# The bytes are written as numbers, so nothing in the text needs escaping.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line.
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 row)
string(REGEX REPLACE "(${row})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
     "// Written by the build from ${INPUT}: edit that file, not this one.\n"
     "extern const unsigned char ${NAME}[];\n"
     "const unsigned char ${NAME}[] = {\n${bytes}0x00};\n")
