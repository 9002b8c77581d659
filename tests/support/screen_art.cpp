#include "support/screen_art.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "display/lcd_geometry.h"

namespace {

char PixelChar(const LcdFrame& frame, int x, int y) { return frame.On(x, y) ? '#' : '.'; }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string GoldenPath(std::string_view name) {
    return std::string(VHFCOM_GOLDEN_DIR) + "/" + std::string(name) + ".txt";
}

}  // namespace

std::string ScreenArt(const LcdFrame& frame, bool withOverhang) {
    const int columns = withOverhang ? LcdWidth + 2 : LcdWidth;
    std::string art;
    for (int y = 0; y < LcdHeight; ++y) {
        for (int x = 0; x < columns; ++x) art += PixelChar(frame, x, y);
        art += '\n';
    }
    return art;
}

std::string RowArt(const LcdFrame& frame, int textRow) {
    std::string art;
    for (int y = 8 * textRow; y < 8 * textRow + 8; ++y) {
        for (int x = 0; x < LcdWidth; ++x) art += PixelChar(frame, x, y);
        art += '\n';
    }
    return art;
}

testing::AssertionResult SameArt(const std::string& actual, const std::string& expected) {
    if (actual == expected) return testing::AssertionSuccess();
    const auto a = Lines(actual);
    const auto e = Lines(expected);
    std::ostringstream out;
    out << "screens differ (actual | expected, * marks a differing row):\n";
    for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
        const std::string left = i < a.size() ? a[i] : "";
        const std::string right = i < e.size() ? e[i] : "";
        out << (left == right ? ' ' : '*') << (i < 10 ? " " : "") << i << ' ' << left << " | " << right << '\n';
    }
    return testing::AssertionFailure() << out.str();
}

testing::AssertionResult MatchesGolden(const LcdFrame& frame, std::string_view name) {
    const std::string actual = ScreenArt(frame);
    const std::string path = GoldenPath(name);
    if (std::getenv("VHFCOM_UPDATE_GOLDEN")) {
        std::ofstream(path) << actual;
        return testing::AssertionSuccess();
    }
    std::ifstream in(path);
    if (!in) return testing::AssertionFailure() << "no golden screen " << path << "; actual:\n" << actual;
    std::stringstream expected;
    expected << in.rdbuf();
    return SameArt(actual, expected.str());
}
