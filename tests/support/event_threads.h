#pragma once

// Event threads of serial components alive in this process, found by their
// thread name.
int EventThreadCount();
