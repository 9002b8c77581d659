#include "gui/common/message_box.h"

#include <QMessageBox>

namespace {
PlainMessageHandler gHandler;
}

void ShowPlainMessage(QWidget* parent, const QString& text) {
    if (gHandler) {
        gHandler(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

void SetPlainMessageHandler(PlainMessageHandler handler) { gHandler = std::move(handler); }
