#pragma once
#include <string>

#include "help/help.h"
#include "modes/operating_mode.h"
#include "ports/port_failure.h"

// What the program core tells the view that shows it: the mode (and when to
// start the emulator), the help text, and what went wrong. Called on the GUI
// thread; the failures only once the firmware has handed the thread back.
class ProgramView : public ModeView, public HelpPane {
public:
    // A failure the firmware reported while it ran.
    virtual void ReportFirmwareError(const std::string& message) = 0;
    // Anything else the user has to know, such as settings that could not be written.
    virtual void ReportProblem(const std::string& message) = 0;
    // The port chosen could not be opened.
    virtual void ReportPortNotAvailable(const PortFailure& failure) = 0;
};
