#include "session/page_text.h"

#include <cstdint>

std::string FillPage(std::string_view page, std::initializer_list<PagePart> parts) {
    std::string filled(page);
    for (const PagePart& part : parts)
        if (const std::size_t at = filled.find(part.marker); at != std::string::npos)
            filled.replace(at, part.marker.size(), part.text);
    return filled;
}

std::string Base64(std::string_view bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t left = bytes.size() - at;
        uint32_t group = static_cast<uint8_t>(bytes[at]) << 16;
        if (left > 1) group |= static_cast<uint8_t>(bytes[at + 1]) << 8;
        if (left > 2) group |= static_cast<uint8_t>(bytes[at + 2]);
        text += kDigits[group >> 18 & 63];
        text += kDigits[group >> 12 & 63];
        text += left > 1 ? kDigits[group >> 6 & 63] : '=';
        text += left > 2 ? kDigits[group & 63] : '=';
    }
    return text;
}
