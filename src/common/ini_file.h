#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A plain INI text: "[Section]" headers and "Key=Value" lines. Section and
// key names match without regard to case, as on the platform the format comes
// from. Lines the program does not know (comments, other sections, other
// keys) are kept as they are when the text is written back.
class IniFile {
public:
    static IniFile Parse(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Replaces the key's value, or adds the key (and the section) at its end.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of the key from the section; nothing when it is not there.
    void RemoveValue(std::string_view section, std::string_view key);
    std::string Text() const;

private:
    std::vector<std::string> lines_;
};

// An integer value as the settings file allows it: decimal with an optional
// sign, or hexadecimal after "0x"; anything else, or a number beyond 32 bits,
// gives the fallback.
int32_t IniInteger(std::string_view value, int32_t fallback);
