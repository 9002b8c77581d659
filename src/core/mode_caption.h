#pragma once

// The mode as the views caption it (Label1 of the window, the browser's title line).
inline constexpr const char* OfflineCaption = "Offline - device emulation mode";
inline constexpr const char* OnlineCaption = "Online - device interface mode";
