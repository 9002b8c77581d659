#pragma once

struct Firmware;

// Hardware register 23 := 31 - Volume (0 is loudest).
void ApplyVolume(Firmware& fw);
// Hardware registers 16 and 17 := 20, 14, 7 or 0 for MicLevel 0..3; other
// values write nothing.
void ApplyMicLevel(Firmware& fw);
