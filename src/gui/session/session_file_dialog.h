#pragma once
#include <optional>
#include <string>

#include "gui/session/session_commands.h"

class QWidget;

// The file dialogs of the session commands: recordings (*.vhfrec), the
// export's PNG, GIF or CSV file, the display's PNG file. A name typed without
// an extension gets the one of the chosen filter; saving asks before
// replacing a file. The chosen path, or nothing when cancelled.
std::optional<std::string> ChooseSessionFile(QWidget* parent, SessionFile kind);

// The recording to replay, with the speed chosen below the file name.
std::optional<ReplayChoice> ChooseReplay(QWidget* parent);

// The export's file, suggested from the recording's name and folder, with
// the scale of its images.
std::optional<ExportChoice> ChooseExport(QWidget* parent, const std::string& recording);
