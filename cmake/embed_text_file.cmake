# Script mode: writes OUTPUT, a C++ source that defines SYMBOL as a
# std::string_view over the bytes of INPUT (see embed_text.cmake).
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Made from ${INPUT} at build time.
#include <string_view>

namespace {
const unsigned char kBytes[] = {
${bytes}};
}  // namespace

extern const std::string_view ${SYMBOL}{reinterpret_cast<const char*>(kBytes), sizeof kBytes};
")
