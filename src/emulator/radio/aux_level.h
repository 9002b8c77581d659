#pragma once

// Once per tick: writes the AUX level in effect to hardware register 15.
void AuxLevelDuty();
