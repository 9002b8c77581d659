#include "emulator/hardware/panel_inputs.h"

PanelInputsRecord PanelInputs;
