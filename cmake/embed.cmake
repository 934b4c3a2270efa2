# Writes OUTPUT, a C++ file whose function NAME returns the bytes of INPUT.
file(READ ${INPUT} bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\n"
  "#include <string_view>\nnamespace zelmar {\n"
  "static const char kBytes[] = {${bytes} 0};\n"
  "std::string_view ${NAME}() { return {kBytes, sizeof kBytes - 1}; }\n"
  "}  // namespace zelmar\n")
