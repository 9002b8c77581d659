#include "display/display_text.h"

#include <cstdio>

std::string pad5(uint16_t n) {
    char text[8];
    std::snprintf(text, sizeof text, "%5u", static_cast<unsigned>(n));
    return text;
}

std::string Center6(std::string_view s) {
    std::string t(s.substr(0, 6));
    for (int i = 0; i < 6 && !t.empty() && t.back() == ' '; ++i) t.pop_back();
    for (int i = 0; i < 6 && !t.empty() && t.front() == ' '; ++i) t.erase(0, 1);
    while (t.size() < 6) {
        if (t.size() % 2 == 1)
            t.push_back(' ');
        else
            t.insert(t.begin(), ' ');
    }
    return t;
}

std::string FormatFreq6(int32_t kHz) {
    std::string text = pad5(static_cast<uint16_t>(kHz / 10));
    text.insert(3, 1, '.');
    return text;
}
