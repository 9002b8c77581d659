#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Pictures for the display written as ASCII art, one string per pixel row,
// '#' dark and '.' light, turned into column bytes while compiling: for each
// band of 8 pixel rows, top band first, one byte per pixel column, left to
// right, bit 0 the top pixel of the band. A row of the wrong width, a height
// that is not whole bands or any other character stops the build.
//
//   constexpr auto kTab = PixelArt<24>({"....", ...});  // 8 rows: 24 bytes
template <std::size_t Width, std::size_t Height>
consteval std::array<uint8_t, Width*(Height / 8)> PixelArt(const std::string_view (&rows)[Height]) {
    static_assert(Height % 8 == 0, "pixel art covers whole bands of 8 rows");
    std::array<uint8_t, Width*(Height / 8)> bytes{};
    for (std::size_t y = 0; y < Height; ++y) {
        if (rows[y].size() != Width) throw "pixel art row of the wrong width";
        for (std::size_t x = 0; x < Width; ++x) {
            const char pixel = rows[y][x];
            if (pixel == '#')
                bytes[(y / 8) * Width + x] |= static_cast<uint8_t>(1u << (y % 8));
            else if (pixel != '.')
                throw "pixel art holds a character other than '#' and '.'";
        }
    }
    return bytes;
}
