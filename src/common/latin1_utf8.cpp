#include "common/latin1_utf8.h"

#include <cstdint>

namespace {

// The lead byte of a sequence: how many continuation bytes follow, and the
// smallest code point that sequence length may carry (anything lower is an
// overlong form).
struct LeadByte {
    uint8_t mask;
    uint8_t pattern;
    int continuations;
    char32_t smallest;
};

constexpr LeadByte kLeadBytes[] = {
    {0x80, 0x00, 0, 0x0},
    {0xE0, 0xC0, 1, 0x80},
    {0xF0, 0xE0, 2, 0x800},
    {0xF8, 0xF0, 3, 0x10000},
};

const LeadByte* FindLead(uint8_t byte) {
    for (const LeadByte& lead : kLeadBytes)
        if ((byte & lead.mask) == lead.pattern) return &lead;
    return nullptr;
}

bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte < 0x80) {
            utf8 += c;
            continue;
        }
        utf8 += static_cast<char>(0xC0 | (byte >> 6));
        utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return utf8;
}

std::optional<std::u32string> DecodeUtf8(std::string_view utf8) {
    std::u32string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const LeadByte* lead = FindLead(static_cast<uint8_t>(utf8[i]));
        if (!lead || utf8.size() - i <= static_cast<std::size_t>(lead->continuations)) return std::nullopt;
        char32_t point = static_cast<uint8_t>(utf8[i++]) & ~lead->mask & 0xFF;
        for (int k = 0; k < lead->continuations; ++k, ++i) {
            if (!IsContinuation(static_cast<uint8_t>(utf8[i]))) return std::nullopt;
            point = (point << 6) | (static_cast<uint8_t>(utf8[i]) & 0x3F);
        }
        if (point < lead->smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return std::nullopt;
        text += point;
    }
    return text;
}
