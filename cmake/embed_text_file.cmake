# Script mode: writes OUTPUT, a C++ source that defines SYMBOL as a
# std::string_view over the bytes of INPUT (see embed_text.cmake).
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('....',){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Made from ${INPUT} at build time.
#include <string_view>

namespace {
constexpr char kBytes[] = {
${bytes}};
}  // namespace

extern constinit const std::string_view ${SYMBOL}{kBytes, sizeof kBytes};
")
