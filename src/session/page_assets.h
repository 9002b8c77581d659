#pragma once
#include <string_view>

// The browser pages' parts built into the program (assets/page/), shared by
// the recording's HTML export and the live view.
extern const std::string_view kPageStyle;
extern const std::string_view kLcdScript;
extern const std::string_view kRecordingPage;
extern const std::string_view kRecordingScript;
