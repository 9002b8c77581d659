#include "gui/session/session_file_dialog.h"

#include "gui/common/file_dialog.h"

namespace {

struct DialogKind {
    const char* title;
    QFileDialog::AcceptMode mode;
    const char* filters;
};

DialogKind KindOf(SessionFile kind) {
    switch (kind) {
        case SessionFile::NewRecording: return {"Record to file", QFileDialog::AcceptSave, "Recordings (*.vhfrec)"};
        case SessionFile::Recording:
            return {"Recording", QFileDialog::AcceptOpen, "Recordings (*.vhfrec);;All files (*)"};
        case SessionFile::ExportOutput:
            return {"Export recording", QFileDialog::AcceptSave,
                    "PNG image of the last display (*.png);;Animated GIF (*.gif);;CSV table of the messages (*.csv);;"
                    "Web page that plays the display (*.html)"};
        case SessionFile::DisplayPng: return {"Save display as PNG", QFileDialog::AcceptSave, "PNG image (*.png)"};
    }
    return {"", QFileDialog::AcceptOpen, ""};
}

}  // namespace

std::optional<std::string> ChooseSessionFile(QWidget* parent, SessionFile kind) {
    const DialogKind k = KindOf(kind);
    return FileDialog(parent, k.mode, k.title, k.filters).Choose();
}
