#include "emulator/screens/channel_edit_steps.h"

#include <algorithm>

namespace {

constexpr int32_t kLowestMhz = 108;
constexpr int32_t kHighestMhz = 136;
constexpr int32_t kKhzPerMhz = 1000;

int32_t MhzStep(int32_t mhz, bool up) {
    if (up && mhz < kHighestMhz) return mhz + 1;
    if (!up && mhz > kLowestMhz) return mhz - 1;
    return mhz;
}

int32_t KhzStep(int32_t khz, int32_t step, bool up) {
    if (up) return khz + step >= kKhzPerMhz ? 0 : khz + step;
    return khz == 0 ? kKhzPerMhz - step : khz - step;
}

}  // namespace

int32_t StepEditedFrequency(int32_t kHz, bool khzPart, bool up, bool step25) {
    const int32_t step = step25 ? 25 : 50;
    int32_t mhz = std::clamp(kHz / kKhzPerMhz, kLowestMhz, kHighestMhz);
    int32_t khz = std::max(kHz % kKhzPerMhz, 0) / step * step;
    if (khzPart) {
        khz = KhzStep(khz, step, up);
    } else {
        mhz = MhzStep(mhz, up);
        if (up && mhz == kHighestMhz) khz = 0;
    }
    return mhz * kKhzPerMhz + khz;
}

char StepNameCharacter(char c, bool up) {
    const std::size_t last = NameCharset.size() - 1;
    const std::size_t i = NameCharset.find(c);
    if (i == std::string_view::npos) return NameCharset.front();
    if (up) return NameCharset[i == last ? 0 : i + 1];
    return NameCharset[i == 0 ? last : i - 1];
}
