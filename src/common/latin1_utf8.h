#pragma once
#include <optional>
#include <string>
#include <string_view>

// The program keeps texts as single-byte Latin-1 characters; files meant for
// other programs carry them as UTF-8.

// Each byte as the character U+0000..U+00FF, encoded in UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

// The code points of a UTF-8 text, or nothing when the bytes are not valid
// UTF-8 (a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
std::optional<std::u32string> DecodeUtf8(std::string_view utf8);
