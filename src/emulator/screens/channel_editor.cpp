#include "emulator/screens/channel_editor.h"

#include <array>
#include <string>

#include "display/display_text.h"
#include "display/lcd_font.h"
#include "emulator/hardware/hardware.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/poll_step.h"
#include "emulator/screens/channel_edit_steps.h"
#include "emulator/screens/main_screen.h"
#include "freqdb/freq_database.h"

namespace {

enum EditLine : uint8_t { LineChannel = 0, LineFrequency = 1, LineName = 2, LineType = 3 };

constexpr uint8_t kLastChannel = FreqChannelCount - 1;
constexpr uint8_t kLastCharPos = FreqTextCapacity;
constexpr char kCursor = '_';
// Positions in the frequency text "118.45" that the cursor replaces.
constexpr std::size_t kMhzCursorIndex = 2;
constexpr std::size_t kKhzCursorIndex = 5;
// The 25 kHz mark sits right of "Freq: 118.45".
constexpr uint8_t kMarkColumn = 12;

// The editor's state; it lives while the editor runs.
struct EditorState {
    uint8_t EditChannel = 0;          // 0..99, shown from 1
    uint8_t EditField = LineChannel;  // the selected line
    bool EditKhzPart = false;         // on the frequency line: the kHz part, else the MHz part
    uint8_t EditCharPos = 1;          // 1..6 on the name and type lines
    bool CursorPhase = false;         // the cursor shows while set; toggles every redraw
    bool EditDirty = false;           // the record changed since it was loaded
};

FreqRecord& Record() { return EmulatorState.CurrentRecord; }

void LoadChannel(uint8_t channel) {
    Record() = FreqTable[channel];
    NormaliseCurrentRecord();
}

void StoreIfDirty(const EditorState& e) {
    if (e.EditDirty) StoreChannelRecord(Record(), e.EditChannel);
}

void DrawLine(uint8_t row, bool selected, const std::string& text) {
    EmulatorLcd().Inverse = selected;
    EmulatorLcd().GotoText(0, row);
    EmulatorLcd().DrawText(text);
}

bool ShowsCursor(const EditorState& e, EditLine line) { return e.EditField == line && e.CursorPhase; }

std::string FrequencyLine(const EditorState& e) {
    std::string text = FormatFreq6(Record().FreqKHz);
    if (ShowsCursor(e, LineFrequency)) text[e.EditKhzPart ? kKhzCursorIndex : kMhzCursorIndex] = kCursor;
    return "Freq: " + text;
}

std::string TextLine(const EditorState& e, EditLine line, const char* label, std::string_view value) {
    std::string text(value);
    if (ShowsCursor(e, line)) text[e.EditCharPos - 1] = kCursor;
    return label + text;
}

// Marks frequencies ending in 25 or 75 kHz with the small zero, in the
// frequency line's inverse. With 50 kHz steps the cell is wiped instead, so
// that a mark drawn before the step size changed does not stay.
void DrawStep25Mark() {
    EmulatorLcd().BigFont = false;
    EmulatorLcd().GotoText(kMarkColumn, 2);
    std::string mark = " ";
    if (EmulatorState.Step25)
        mark[0] = static_cast<char>(Record().FreqKHz % 50 == 25 ? SmallDigitZeroCode : ' ');
    else
        EmulatorLcd().Inverse = false;
    EmulatorLcd().DrawText(mark);
    EmulatorLcd().BigFont = true;
}

// Draws the four lines over what is shown and toggles the cursor phase.
void Redraw(EditorState& e) {
    EmulatorLcd().BigFont = true;
    DrawLine(0, e.EditField == LineChannel, "Channel: " + std::to_string(e.EditChannel + 1));
    DrawLine(2, e.EditField == LineFrequency, FrequencyLine(e));
    DrawStep25Mark();
    DrawLine(4, e.EditField == LineName, TextLine(e, LineName, "Name: ", Record().Name()));
    DrawLine(6, e.EditField == LineType, TextLine(e, LineType, "Type: ", Record().Type()));
    EmulatorLcd().Inverse = false;
    EmulatorLcd().BigFont = false;
    e.CursorPhase = !e.CursorPhase;
}

void NextLine(EditorState& e) {
    e.EditField = e.EditField == LineType ? LineChannel : e.EditField + 1;
    e.EditCharPos = 1;
    e.EditKhzPart = false;
}

void NextPart(EditorState& e) {
    if (e.EditField == LineFrequency)
        e.EditKhzPart = !e.EditKhzPart;
    else if (e.EditField != LineChannel)
        e.EditCharPos = e.EditCharPos == kLastCharPos ? 1 : e.EditCharPos + 1;
    e.CursorPhase = false;
}

// The kHz part choice stays with the next channel.
void StepChannel(EditorState& e, bool up) {
    StoreIfDirty(e);
    if (up)
        e.EditChannel = e.EditChannel == kLastChannel ? 0 : e.EditChannel + 1;
    else
        e.EditChannel = e.EditChannel == 0 ? kLastChannel : e.EditChannel - 1;
    LoadChannel(e.EditChannel);
    e.EditDirty = false;
    e.EditCharPos = 1;
    EmulatorLcd().Clear();
}

void StepCharacter(EditorState& e, std::array<char, FreqTextCapacity>& chars, bool up) {
    char& c = chars[e.EditCharPos - 1];
    c = StepNameCharacter(c, up);
}

void StepSelectedLine(EditorState& e, bool up) {
    FreqRecord& r = Record();
    switch (e.EditField) {
        case LineChannel: StepChannel(e, up); return;
        case LineFrequency: r.FreqKHz = StepEditedFrequency(r.FreqKHz, e.EditKhzPart, up, EmulatorState.Step25); break;
        case LineName: StepCharacter(e, r.NameChars, up); break;
        default: StepCharacter(e, r.TypeChars, up); break;
    }
    e.CursorPhase = false;
    e.EditDirty = true;
}

// Acts on one key; false when the editor is to be left.
bool ActOnKey(EditorState& e, uint8_t key) {
    switch (key) {
        case KeyMenu: StoreIfDirty(e); return false;
        case KeyActive: NextLine(e); break;
        case KeyMhzKhzCh: NextPart(e); break;
        case KeyUpArrow: StepSelectedLine(e, true); break;
        case KeyDownArrow: StepSelectedLine(e, false); break;
        default: return true;
    }
    Redraw(e);
    return true;
}

}  // namespace

Task<> RunDeviceChannelEditor() {
    EditorState e;
    EmulatorLcd().Clear();
    LoadChannel(e.EditChannel);
    Redraw(e);
    for (;;) {
        if (EmulatorState.RefreshFlag) {
            EmulatorState.RefreshFlag = false;
            Redraw(e);
            continue;
        }
        co_await PollStep();
        if (!ActOnKey(e, EmulatorState.KeyEvent)) co_return;
    }
}
