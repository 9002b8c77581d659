#pragma once

// Once per tick: the alternation between active and standby while scanning,
// and the priority look at the active frequency.
void ScanningDuty();
