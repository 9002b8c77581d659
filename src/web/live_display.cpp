#include "web/live_display.h"

#include <array>

namespace {

struct KeyName {
    std::string_view name;
    PanelKey key;
};

constexpr std::array<KeyName, PanelKeyCount> kKeyNames{{
    {"MENU", PanelKey::Menu},
    {"ACTIVE", PanelKey::Active},
    {"UP", PanelKey::Up},
    {"DOWN", PanelKey::Down},
    {"VOLSQ", PanelKey::VolSq},
    {"MHZ", PanelKey::MhzKhzCh},
}};

}  // namespace

std::optional<PanelKey> PanelKeyNamed(std::string_view name) {
    for (const KeyName& k : kKeyNames)
        if (k.name == name) return k.key;
    return std::nullopt;
}
