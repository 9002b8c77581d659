#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "session/packed_display.h"

// What the live view shows and where the browser's keys go. The program's
// window provides both; the server only pulls from them, on the GUI thread.

// The display, 104 x 64 pixels packed to 832 bytes (session/packed_display.h:
// row by row from the top, 13 bytes a row, leftmost pixel in the top bit,
// a set bit dark).
using LcdBits = PackedDisplay;

class LiveDisplaySource {
public:
    virtual ~LiveDisplaySource() = default;
    virtual LcdBits Frame() const = 0;
    // Changes whenever the display may have changed since the last call.
    virtual uint64_t Revision() const = 0;
    // "Offline - device emulation mode" or "Online - device interface mode".
    virtual std::string ModeCaption() const = 0;
};

// The six panel keys, named on the wire MENU, ACTIVE, UP, DOWN, VOLSQ, MHZ.
enum class PanelKey { Menu, Active, Up, Down, VolSq, MhzKhzCh };
inline constexpr int PanelKeyCount = 6;

std::optional<PanelKey> PanelKeyNamed(std::string_view name);

class LiveKeySink {
public:
    virtual ~LiveKeySink() = default;
    virtual void PressKey(PanelKey key) = 0;
    virtual void ReleaseKey(PanelKey key) = 0;
};
