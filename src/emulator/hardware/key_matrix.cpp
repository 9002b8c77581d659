#include "emulator/hardware/key_matrix.h"

#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/firmware.h"

namespace {

struct KeyRow {
    uint8_t port;
    uint8_t firstBit;
    uint8_t secondBit;
};

constexpr KeyRow kKeyRows[] = {
    {KeyPortUpMenu, KeyBitUp, KeyBitMenu},
    {KeyPortDownStep, KeyBitDown, KeyBitMhzKhzCh},
    {KeyPortVolActive, KeyBitVolSq, KeyBitActive},
};

}  // namespace

uint8_t ReadKeyPort(Firmware& fw, uint8_t port, uint8_t defaultValue) {
    const uint8_t down = fw.Inputs.KeyDown | fw.Inputs.KeyLatched;
    if (port == KeyPortAny) return down != 0 ? 255 : 0;
    for (const KeyRow& row : kKeyRows) {
        if (row.port != port) continue;
        if (down & row.firstBit) return KeyRowFirst;
        if (down & row.secondBit) return KeyRowSecond;
        return 0;
    }
    return defaultValue;
}
