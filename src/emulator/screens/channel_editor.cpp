#include "emulator/screens/channel_editor.h"

#include <array>
#include <string>

#include "display/display_text.h"
#include "display/lcd_font.h"
#include "emulator/hardware/hardware.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
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

FreqRecord& Record(Firmware& fw) { return fw.State.CurrentRecord; }

void LoadChannel(Firmware& fw, uint8_t channel) {
    Record(fw) = fw.Db.Table[channel];
    NormaliseCurrentRecord(fw);
}

void StoreIfDirty(Firmware& fw, const EditorState& e) {
    if (e.EditDirty) StoreChannelRecord(fw, Record(fw), e.EditChannel);
}

void DrawLine(Firmware& fw, uint8_t row, bool selected, const std::string& text) {
    fw.Display.Inverse = selected;
    fw.Display.GotoText(0, row);
    fw.Display.DrawText(text);
}

bool ShowsCursor(const EditorState& e, EditLine line) { return e.EditField == line && e.CursorPhase; }

std::string FrequencyLine(Firmware& fw, const EditorState& e) {
    std::string text = FormatFreq6(Record(fw).FreqKHz);
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
void DrawStep25Mark(Firmware& fw) {
    fw.Display.BigFont = false;
    fw.Display.GotoText(kMarkColumn, 2);
    std::string mark = " ";
    if (fw.State.Step25)
        mark[0] = static_cast<char>(Record(fw).FreqKHz % 50 == 25 ? SmallDigitZeroCode : ' ');
    else
        fw.Display.Inverse = false;
    fw.Display.DrawText(mark);
    fw.Display.BigFont = true;
}

// Draws the four lines over what is shown and toggles the cursor phase.
void Redraw(Firmware& fw, EditorState& e) {
    fw.Display.BigFont = true;
    DrawLine(fw, 0, e.EditField == LineChannel, "Channel: " + std::to_string(e.EditChannel + 1));
    DrawLine(fw, 2, e.EditField == LineFrequency, FrequencyLine(fw, e));
    DrawStep25Mark(fw);
    DrawLine(fw, 4, e.EditField == LineName, TextLine(e, LineName, "Name: ", Record(fw).Name()));
    DrawLine(fw, 6, e.EditField == LineType, TextLine(e, LineType, "Type: ", Record(fw).Type()));
    fw.Display.Inverse = false;
    fw.Display.BigFont = false;
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
void StepChannel(Firmware& fw, EditorState& e, bool up) {
    StoreIfDirty(fw, e);
    if (up)
        e.EditChannel = e.EditChannel == kLastChannel ? 0 : e.EditChannel + 1;
    else
        e.EditChannel = e.EditChannel == 0 ? kLastChannel : e.EditChannel - 1;
    LoadChannel(fw, e.EditChannel);
    e.EditDirty = false;
    e.EditCharPos = 1;
    fw.Display.Clear();
}

void StepCharacter(EditorState& e, std::array<char, FreqTextCapacity>& chars, bool up) {
    char& c = chars[e.EditCharPos - 1];
    c = StepNameCharacter(c, up);
}

void StepSelectedLine(Firmware& fw, EditorState& e, bool up) {
    FreqRecord& r = Record(fw);
    switch (e.EditField) {
        case LineChannel: StepChannel(fw, e, up); return;
        case LineFrequency: r.FreqKHz = StepEditedFrequency(r.FreqKHz, e.EditKhzPart, up, fw.State.Step25); break;
        case LineName: StepCharacter(e, r.NameChars, up); break;
        default: StepCharacter(e, r.TypeChars, up); break;
    }
    e.CursorPhase = false;
    e.EditDirty = true;
}

// Acts on one key; false when the editor is to be left.
bool ActOnKey(Firmware& fw, EditorState& e, uint8_t key) {
    switch (key) {
        case KeyMenu: StoreIfDirty(fw, e); return false;
        case KeyActive: NextLine(e); break;
        case KeyMhzKhzCh: NextPart(e); break;
        case KeyUpArrow: StepSelectedLine(fw, e, true); break;
        case KeyDownArrow: StepSelectedLine(fw, e, false); break;
        default: return true;
    }
    Redraw(fw, e);
    return true;
}

}  // namespace

Task<> RunDeviceChannelEditor(Firmware& fw) {
    EditorState e;
    fw.Display.Clear();
    LoadChannel(fw, e.EditChannel);
    Redraw(fw, e);
    for (;;) {
        if (fw.State.RefreshFlag) {
            fw.State.RefreshFlag = false;
            Redraw(fw, e);
            continue;
        }
        co_await PollStep(fw);
        if (!ActOnKey(fw, e, fw.State.KeyEvent)) co_return;
    }
}
