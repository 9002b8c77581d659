#pragma once

// Event threads of serial components alive in this process, found by their
// thread name. A thread just joined may still be listed for a moment, and
// one just started may not be yet: this waits up to 5 s for the count to
// become `expected` and returns the count then.
int EventThreadCount(int expected);
