#include "firmware_soak/firmware_soak.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>

#include "common/atomic_file.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_host.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_tick.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/firmware_runner.h"
#include "firmware_soak/soak_folder.h"
#include "firmware_soak/soak_inputs.h"
#include "firmware_soak/soak_rules.h"
#include "freqdb/freq_database.h"
#include "help/help.h"

namespace {

constexpr uint64_t kTickMicroseconds = 20000;
constexpr uint64_t kShortestRunTicks = 100;   // stopped during the splash now and then
constexpr uint64_t kLongestRunTicks = 30000;  // ten minutes
constexpr std::size_t kLongestSettingsFile = 50;

class SoakHost : public EmulatorHost {
public:
    SoakHost(uint32_t seed, uint64_t ticks, const std::string& folder)
        : random_(seed),
          fw_(*this, lcd_, db_, help_, folder + "e2.dfd"),
          inputs_(random_, fw_.Inputs),
          rules_(fw_),
          total_(ticks) {
        fw_.WriteSeams.fault = [this](std::size_t bytesWrittenSoFar) { return CatchSettingsWrite(bytesWrittenSoFar); };
    }
    SoakHost(const SoakHost&) = delete;
    SoakHost& operator=(const SoakHost&) = delete;

    SoakReport Run();

    // Asked once at the end of the start-up and then at every poll step,
    // just before transmit control.
    uint64_t NowMicroseconds() override {
        if (!polling_) StartPolling();
        rules_.CheckPollStep(tick_);
        return now_;
    }
    void ReportError(const std::string& message) override { rules_.Broken("error reported: " + message, tick_); }

private:
    uint32_t Below(uint64_t n) { return static_cast<uint32_t>(random_() % n); }
    void FillDatabase();
    void WriteRandomSettingsFile();
    int CatchSettingsWrite(std::size_t bytesWrittenSoFar);
    void CheckSavedFile();
    void OneRun();
    void StartPolling();
    void Tick();
    void AdvanceToNextEvent();

    std::mt19937 random_;
    LcdFrame frame_;
    Lcd lcd_{frame_};
    FreqDatabase db_;
    Help help_;
    Firmware fw_;
    SoakInputs inputs_;
    SoakRules rules_;
    SoakReport report_;
    const uint64_t total_;
    uint64_t now_ = 0;
    uint64_t tick_ = 0;
    uint64_t stopAt_ = 0;
    uint64_t pttHeldTicks_ = 0;  // since the press, or since the firmware started polling
    bool polling_ = false;
    // The settings a file was written from, caught as the write starts.
    std::optional<EepromSettingsRecord> written_;
};

// The firmware sees the PTTs from its first poll step on, after its splash.
void SoakHost::StartPolling() {
    polling_ = true;
    pttHeldTicks_ = 0;
}

// Half the channels on random frequencies of the 25 kHz grid, some outside
// the band (the channel selection holds them inside), with random names.
void SoakHost::FillDatabase() {
    for (FreqRecord& record : db_.Table) {
        if (Below(2) == 0) continue;
        record.FreqKHz = 100000 + 25 * static_cast<int32_t>(Below(1600));
        std::string name(FreqTextCapacity, ' ');
        for (char& c : name) c = static_cast<char>(' ' + Below(96));
        record.SetName(name);
        record.SetType(name.substr(0, Below(FreqTextCapacity + 1)));
    }
}

// The file the next run starts from: as the last run left it, missing,
// random bytes of any length, or the last one with a few bytes changed.
void SoakHost::WriteRandomSettingsFile() {
    const std::string& path = fw_.SettingsPath;
    const uint32_t kind = Below(4);
    if (kind == 0) return;
    if (kind == 1) {
        std::filesystem::remove(path);
        return;
    }
    std::vector<char> bytes;
    if (kind == 2) {
        bytes.resize(Below(kLongestSettingsFile + 1));
        for (char& b : bytes) b = static_cast<char>(random_());
    } else {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        if (!bytes.empty())
            for (uint32_t n = 1 + Below(4); n > 0; --n) bytes[Below(bytes.size())] = static_cast<char>(random_());
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

int SoakHost::CatchSettingsWrite(std::size_t bytesWrittenSoFar) {
    if (bytesWrittenSoFar == 0) written_ = fw_.Settings;
    return 0;
}

void SoakHost::CheckSavedFile() {
    if (!written_) return;
    ++report_.saves;
    rules_.CheckSavedFile(*written_, tick_);
    written_.reset();
}

void SoakHost::Tick() {
    ++tick_;
    if (fw_.State.MenuActive) ++report_.menuTicks;
    if (fw_.State.Transmitting) ++report_.transmitTicks;
    inputs_.Step();
    pttHeldTicks_ = PttHeld(fw_) ? pttHeldTicks_ + 1 : 0;
    EmulatorTick(fw_, inputs_.ActiveSlider(), inputs_.StandbySlider());
    if (tick_ >= stopAt_) fw_.StopRequest = true;
}

// Every tick, and at random moments between two ticks: a host that wakes
// the firmware for mouse moves and repaints too.
void SoakHost::AdvanceToNextEvent() {
    CheckSavedFile();
    rules_.CheckTick(tick_, pttHeldTicks_);
    const uint64_t nextTick = (tick_ + 1) * kTickMicroseconds;
    if (Below(4) == 0 && now_ + 1 < nextTick) {
        now_ += 1 + Below(nextTick - now_ - 1);
        return;
    }
    now_ = nextTick;
    Tick();
}

void SoakHost::OneRun() {
    WriteRandomSettingsFile();
    ++report_.runs;
    stopAt_ = std::min(total_, tick_ + kShortestRunTicks + Below(kLongestRunTicks - kShortestRunTicks));
    fw_.StopRequest = false;
    polling_ = false;
    FirmwareRunner runner(fw_);
    runner.Start();
    while (runner.Running()) {
        AdvanceToNextEvent();
        runner.Resume();
    }
    CheckSavedFile();
    rules_.CheckStop(stopAt_, tick_);
    inputs_.ReleasePtts();
}

SoakReport SoakHost::Run() {
    FillDatabase();
    while (tick_ < total_) OneRun();
    report_.ticks = tick_;
    report_.violations = rules_.Violations();
    return report_;
}

}  // namespace

SoakReport RunFirmwareSoak(uint32_t seed, uint64_t ticks) {
    SoakFolder folder;
    SoakHost host(seed, ticks, folder.Path());
    return host.Run();
}
