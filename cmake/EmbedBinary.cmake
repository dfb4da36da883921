# cmake -DIN=file -DOUT=file.cpp -DSYMBOL=name -DNAMESPACE=ns -P EmbedBinary.cmake
# Writes a C++ source that holds the bytes of IN as `const std::uint8_t SYMBOL[]` and its
# length as `SYMBOL_size`.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hex_len)
math(EXPR size "${hex_len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# 24 bytes per line keeps the generated file readable in a diff viewer.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUT}.tmp"
  "// Generated from ${IN} by cmake/EmbedBinary.cmake; do not edit.\n"
  "#include <cstddef>\n#include <cstdint>\n\n"
  "namespace ${NAMESPACE} {\n"
  "extern const std::uint8_t ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}_size;\n"
  "const std::uint8_t ${SYMBOL}[] = {\n  ${bytes}\n};\n"
  "const std::size_t ${SYMBOL}_size = ${size};\n"
  "}  // namespace ${NAMESPACE}\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
