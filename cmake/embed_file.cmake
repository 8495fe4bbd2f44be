# Writes a C++ source that holds the bytes of a file:
#   cmake -DINPUT=file -DOUTPUT=source.cpp -DNAME=name -P embed_file.cmake
# defines `extern const unsigned char name[]` and `extern const std::size_t name_size`.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
     "// Made from ${INPUT} by embed_file.cmake.\n#include <cstddef>\n"
     "extern const unsigned char ${NAME}[] = {\n  ${bytes}\n};\n"
     "extern const std::size_t ${NAME}_size = ${size};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
