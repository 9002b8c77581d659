#include "gui/freqdb/save_changes_question.h"

#include <QMessageBox>

#include "gui/common/message_box.h"

namespace {
SaveChangesHandler gHandler;
}

SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& file) {
    const QString question = "Save changes to the frequency database " + file + "?";
    if (gHandler) return gHandler(question);
    QMessageBox box(QMessageBox::Question, ApplicationTitle, question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save: return SaveChangesAnswer::Save;
        case QMessageBox::Discard: return SaveChangesAnswer::Discard;
        default: return SaveChangesAnswer::Cancel;
    }
}

void SetSaveChangesHandler(SaveChangesHandler handler) { gHandler = std::move(handler); }
