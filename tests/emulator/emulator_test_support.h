#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "emulator/hardware/eeprom_settings.h"
#include "support/scripted_host.h"

// Writes the settings file the next run loads: the defaults, changed by `edit`.
inline void PrepareSettings(ScriptedHost& host, const std::function<void(EepromSettingsRecord&)>& edit) {
    LoadSettings(host.fw);
    edit(host.fw.Settings);
    SaveSettings(host.fw);
}

// The ticks from `from` on whose processing changed `value` (by default once
// the main screen is up and the squelch has settled): the observer before
// tick t sees what the firmware did on tick t - 1.
inline std::shared_ptr<std::vector<uint32_t>> WatchChanges(ScriptedHost& host, std::function<long()> value,
                                                           uint32_t from = 150) {
    auto ticks = std::make_shared<std::vector<uint32_t>>();
    auto last = std::make_shared<long>();
    host.EachTick([=, &host](uint32_t tick) {
        const long now = value();
        if (tick > from && now != *last) ticks->push_back(tick - 1);
        *last = now;
    });
    return ticks;
}
