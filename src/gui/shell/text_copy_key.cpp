#include "gui/shell/text_copy_key.h"

#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace {

// Claims the copy key for the watched widget before the window's shortcuts
// see it; the widget's own key handling then copies its selection.
class CopyKeyClaim : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void KeepCopyKeyInText(QWidget* text) { text->installEventFilter(new CopyKeyClaim(text)); }
