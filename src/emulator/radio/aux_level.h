#pragma once

struct Firmware;

// Once per tick: writes the AUX level in effect to hardware register 15.
void AuxLevelDuty(Firmware& fw);
