#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "display/lcd.h"
#include "emulator/hardware/panel_inputs.h"
#include "support/scratch_display.h"
#include "support/scripted_host.h"

// A script of key taps for the menus: from tick 150 (the main screen is up)
// one tap every 10 ticks, with checks in between that run once the keys
// before them have acted.
class MenuScript {
public:
    explicit MenuScript(ScriptedHost& host) : host_(host) {}

    void Tap(uint8_t keyBit, int times = 1) {
        for (int i = 0; i < times; ++i) {
            host_.TapKey(keyBit, next_);
            next_ += kGap;
        }
    }
    // Held for `ticks`; the next step comes 10 ticks after the release.
    void Hold(uint8_t keyBit, uint32_t ticks) {
        host_.HoldKey(keyBit, next_, ticks);
        next_ += ticks + kGap;
    }
    void Then(std::function<void()> check) { host_.At(next_, std::move(check)); }
    void Wait(uint32_t ticks) { next_ += ticks; }
    // The tick at which the next tap acts.
    uint32_t Now() const { return next_; }
    // Main menu on `item`, browsing.
    void OpenOnItem(int item) {
        Tap(KeyBitMenu);
        Tap(KeyBitDown, item);
    }
    // Setup menu on `line`, browsing.
    void OpenSetupOnLine(int line) {
        OpenOnItem(8);
        Tap(KeyBitActive);
        Tap(KeyBitDown, line);
    }
    void Finish() { host_.RunUntilTick(next_ + kGap); }

private:
    static constexpr uint32_t kGap = 10;
    ScriptedHost& host_;
    uint32_t next_ = 150;
};

// Pixels of a rectangle of the display, one line per pixel row.
inline std::string RegionArt(const LcdFrame& frame, int x0, int y0, int width, int height) {
    std::string art;
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) art += frame.On(x, y) ? '#' : '.';
        art += '\n';
    }
    return art;
}

// The character cells of `text` at a text position, one or two rows high.
inline std::string CellsArt(const LcdFrame& frame, int column, int row, std::size_t length, bool big) {
    return RegionArt(frame, 8 * column, 8 * row, 8 * static_cast<int>(length), big ? 16 : 8);
}

// What `text` looks like in its cells on a clear display, drawn on a scratch
// display.
inline std::string TextArt(std::string_view text, bool big) {
    ScratchDisplay scratch;
    scratch.lcd.BigFont = big;
    scratch.lcd.DrawText(text);
    return CellsArt(scratch.frame, 0, 0, text.size(), big);
}

// The bytes of the settings file as it stands.
inline std::vector<uint8_t> SettingsFileBytes(const ScriptedHost& host) {
    std::ifstream in(host.Directory() + "e2.dfd", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
