#include "common/ini_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The name of a "[Section]" line, or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return Trim(line.substr(1, line.size() - 2));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> KeyOf(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return std::nullopt;
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ini.lines_.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return ini;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (const std::string& line : lines_) {
        if (const auto name = SectionName(line)) {
            inSection = SameName(*name, section);
        } else if (inSection) {
            if (const auto entry = KeyOf(line); entry && SameName(entry->key, key)) return std::string(entry->value);
        }
    }
    return std::nullopt;
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    std::optional<std::size_t> sectionEnd;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i])) {
            inSection = SameName(*name, section);
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (const auto existing = KeyOf(lines_[i]); existing && SameName(existing->key, key)) {
            lines_[i] = entry;
            return;
        }
        if (!Trim(lines_[i]).empty()) sectionEnd = i + 1;
    }
    if (!sectionEnd) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        sectionEnd = lines_.size();
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
}

void IniFile::RemoveValue(std::string_view section, std::string_view key) {
    std::vector<std::string> kept;
    bool inSection = false;
    for (std::string& line : lines_) {
        if (const auto name = SectionName(line))
            inSection = SameName(*name, section);
        else if (const auto entry = KeyOf(line); inSection && entry && SameName(entry->key, key))
            continue;
        kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
}

std::string IniFile::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return text;
}

int32_t IniInteger(std::string_view value, int32_t fallback) {
    value = Trim(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    int base = 10;
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        base = 16;
        value.remove_prefix(2);
    }
    if (value.empty() || value.front() == '-' || value.front() == '+') return fallback;
    int64_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number, base);
    if (error != std::errc() || end != value.data() + value.size()) return fallback;
    if (negative) number = -number;
    if (number < INT32_MIN || number > (base == 16 ? int64_t{UINT32_MAX} : int64_t{INT32_MAX})) return fallback;
    return static_cast<int32_t>(static_cast<uint32_t>(number));
}
