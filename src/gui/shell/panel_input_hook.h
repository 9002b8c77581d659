#pragma once
#include <functional>

// The controls that set the panel inputs (key areas, PTT buttons, the panel
// keyboard) call PanelInputsChanged afterwards, so that the emulator acts on
// the change at once; the main window installs what that does.
void PanelInputsChanged();
// An empty handler makes PanelInputsChanged do nothing.
void SetPanelInputsChangedHandler(std::function<void()> handler);
