#include "core/program_core.h"

#include <utility>

#include "core/mode_caption.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_tick.h"
#include "serial/comm_byte_source.h"
#include "session/recording_byte_source.h"

namespace {

uint8_t& PttInput(PanelInputsRecord& inputs, Ptt which) {
    return which == Ptt::Pilot ? inputs.PttPilot : inputs.PttPax;
}

}  // namespace

ProgramCore::ProgramCore(ProgramView& view, ProgramFolders folders, std::string deviceStem, const LinkClock& clock)
    : view_(view),
      host_(clock),
      Folders(std::move(folders)),
      HelpText(&view),
      Emulator(host_, Display, FreqDb, HelpText, Folders.FirmwareSettingsPath()),
      Ports(Comm1, {Folders.RadioIniPath(), std::move(deviceStem)}),
      Mode(Emulator, &view),
      Link(Display, Mode, clock),
      activeSlider_(SliderMaximum),
      standbySlider_(SliderMaximum) {
    Comm1.OnRxChar = [this](TCustomComm*, int32_t count) { ReceiveFromPort(count); };
    Ports.ReportNotAvailable = [this](const PortFailure& failure) { view_.ReportPortNotAvailable(failure); };
}

ProgramCore::~ProgramCore() = default;

RadioSettings ProgramCore::LoadSettings() {
    RadioSettings settings = ReadRadioIni(Folders.RadioIniPath());
    chosenPort_ = settings.commsPort;
    FreqDb.CurrentFile = settings.freqFilename;
    return settings;
}

void ProgramCore::UseDeviceOnce(const std::string& path) {
    if (!path.empty()) Ports.UseDeviceOnce(path);
}

void ProgramCore::ConnectAtStart(bool replaying) {
    if (replaying)
        Ports.Choose(chosenPort_);
    else
        Ports.Open(chosenPort_);
}

// Starts the run and returns once it waits for its first event. A radio that
// came online while the start waited keeps the emulator stopped: its run
// would show the emulation's help under the online caption.
void ProgramCore::StartEmulator() {
    if (Emulator.StopRequest) return;
    Mode.SetEmulatorRunning(true);
    Runner.Start();
    AfterEmulatorStep();
}

void ProgramCore::Tick() {
    // While messages flow the tick looks for them itself, which spares the
    // port's thread a wake per message. Offline that thread sleeps until a
    // byte comes, and a recording keeps the time each byte arrived.
    Comm1.SetInputPolled(Mode.Online() && !Recorder.Recording());
    Comm1.ServeHandOver();
    Mode.TimeBase(activeSlider_, standbySlider_);
    ResumeEmulator();
}

void ProgramCore::ResumeEmulator() {
    if (!Mode.EmulatorRunning()) return;
    Runner.Resume();
    AfterEmulatorStep();
}

// Reports what the step reported. A radio that came online stopped the run,
// which cleared the display after the radio's first message was drawn: it is
// drawn again.
void ProgramCore::AfterEmulatorStep() {
    for (const std::string& message : host_.TakeReported()) view_.ReportFirmwareError(message);
    if (Runner.Running() || !Mode.EmulatorRunning()) return;
    Mode.SetEmulatorRunning(false);
    if (Mode.Online()) Link.RedrawLastMessage();
}

// A message that sent the program online stops the run at once, after the
// link is done with it: a resume with a stop requested ends the run.
void ProgramCore::EndRunIfStopped() {
    if (Emulator.StopRequest) ResumeEmulator();
}

void ProgramCore::PressKey(uint8_t keyBits) {
    PressPanelKey(Emulator.Inputs, keyBits);
    ResumeEmulator();
}

void ProgramCore::ReleaseKey(uint8_t keyBits) {
    ReleasePanelKey(Emulator.Inputs, keyBits);
    ResumeEmulator();
}

void ProgramCore::SetPtt(Ptt which, bool held) {
    PttInput(Emulator.Inputs, which) = held ? 1 : 0;
    ResumeEmulator();
}

void ProgramCore::DropPtt(Ptt which) { PttInput(Emulator.Inputs, which) = 0; }

void ProgramCore::SetActiveSlider(uint16_t position) {
    activeSlider_ = position;
    ResumeEmulator();
}

void ProgramCore::SetStandbySlider(uint16_t position) {
    standbySlider_ = position;
    ResumeEmulator();
}

void ProgramCore::ReceiveFromPort(int32_t count) {
    CommByteSource port(Comm1);
    RecordingByteSource source(port, Recorder);
    Link.Receive(source, count);
    EndRunIfStopped();
}

void ProgramCore::FeedReplayed(const uint8_t* bytes, std::size_t count) {
    Link.Feed(bytes, static_cast<int32_t>(count));
    EndRunIfStopped();
}

std::string ProgramCore::StartRecording(const std::string& path, RecordingWriter::FailureHandler onFailure) {
    Recorder.Stop();
    return Recorder.Start(path, std::move(onFailure));
}

void ProgramCore::Close(int zoomPercent) {
    Emulator.StopRequest = true;
    ResumeEmulator();
    StopRecording();
    const std::string path = Folders.RadioIniPath();
    const std::string error = WriteRadioIni(path, {Ports.Index(), FreqDb.CurrentFile, zoomPercent}, radioIniSeams_);
    if (!error.empty()) view_.ReportProblem("The settings could not be written to " + path + ": " + error);
    Ports.Close();
}

void ProgramCore::SetWriteSeams(const FileWriteSeams& seams) {
    radioIniSeams_ = seams;
    Emulator.WriteSeams = seams;
    FreqDb.WriteSeams = seams;
}

std::string_view ProgramCore::ModeCaption() const { return Mode.Online() ? OnlineCaption : OfflineCaption; }
