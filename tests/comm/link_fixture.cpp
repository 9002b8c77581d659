#include "link_fixture.h"

#include "comm/display_renderer.h"
#include "comm/frame_receiver.h"
#include "emulator/emulator_state.h"
#include "help/help.h"

LinkTest::LinkTest() {
    ResetLinkState();
    ModeAttachView(&view);
}

LinkTest::~LinkTest() { ModeAttachView(nullptr); }

void LinkTest::ResetLinkState() {
    FrameReceiver = {};
    PreviousAdjustMode = 0;
    OnlineWatchdog = 0;
    StopRequest = false;
    EmulatorRunning = false;
    EmulatorState.TickCounter = 0;
    CurrentHelpTopic = 0;
}

std::vector<uint8_t> LinkTest::Bytes(const SimulatedDisplay& display) {
    const DisplayMessage message = BuildDisplayMessage(display);
    return {message.begin(), message.end()};
}

SimulatedDisplay ReceivingDisplay() {
    SimulatedDisplay d;
    d.adjustMode = 0;
    d.volumeBar = 20;
    d.squelchBar = 3;
    d.activeFreq = 118025;
    d.standbyFreq = 118050;
    d.activeChannel = 0;
    d.standbyChannel = 7;
    d.rxLevel = 30;
    d.txLevel = 60;
    d.activeName = "TOWER";
    d.activeType = "TWR";
    d.standbyName = "GUARD";
    d.standbyType = "EMERG";
    return d;
}
