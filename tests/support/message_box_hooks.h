#pragma once
#include "gui/common/message_box.h"
#include "gui/freqdb/save_changes_question.h"

// Brings the real message boxes back when it goes: a GUI test that puts a
// recorder in place of a box (SetPlainMessageHandler, SetSaveChangesHandler)
// holds one for as long as the test runs, so no recorder outlives its test.
class RealMessageBoxesAfterwards {
public:
    RealMessageBoxesAfterwards() = default;
    ~RealMessageBoxesAfterwards() {
        SetPlainMessageHandler({});
        SetSaveChangesHandler({});
    }
    RealMessageBoxesAfterwards(const RealMessageBoxesAfterwards&) = delete;
    RealMessageBoxesAfterwards& operator=(const RealMessageBoxesAfterwards&) = delete;
};
