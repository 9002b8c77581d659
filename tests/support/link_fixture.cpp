#include "support/link_fixture.h"

void LinkTest::StartAgain() {
    unit.fw.State = {};
    unit.fw.StopRequest = false;
    unit.help = Help();
    lcd.Clear();
    mode = OperatingMode(unit.fw, &view);
}

std::vector<uint8_t> LinkTest::Bytes(const SimulatedDisplay& display) {
    const DisplayMessageBytes message = BuildDisplayMessage(display);
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
