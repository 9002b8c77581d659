#include "gui/shell/status_line.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

#include "freqdb/freq_database.h"

namespace {

constexpr int kMessageMs = 10000;
constexpr int kLabelMargin = 4;

QLabel* MakeLabel(QStatusBar* bar) {
    auto* label = new QLabel(bar);
    label->setContentsMargins(kLabelMargin, 0, kLabelMargin, 0);
    return label;
}

QString DatabaseText(const FreqDatabase& db) {
    const QString path = QFile::decodeName(db.CurrentFile.c_str());
    const QString name = path.isEmpty() ? QString("untitled") : QFileInfo(path).fileName();
    return db.Dirty ? name + " *" : name;
}

QString DatabaseToolTip(const FreqDatabase& db) {
    const QString path = QFile::decodeName(db.CurrentFile.c_str());
    const QString file = path.isEmpty() ? QString("An untitled frequency database") : "Frequency database " + path;
    return db.Dirty ? file + ", with unsaved changes" : file;
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
    label->setVisible(!text.isEmpty());
}

}  // namespace

StatusLine::StatusLine(QStatusBar* bar, std::function<QString()> sessionText, const FreqDatabase& db)
    : QObject(bar), bar_(bar), sessionText_(std::move(sessionText)), db_(db) {
    bar_->setSizeGripEnabled(false);
    Session = MakeLabel(bar_);
    Database = MakeLabel(bar_);
    // Filled before they join the bar, which takes its height from them.
    Refresh();
    bar_->addPermanentWidget(Session);
    bar_->addPermanentWidget(Database);
}

void StatusLine::Tick() {
    if (--ticksToRefresh_ > 0) return;
    ticksToRefresh_ = kTicksPerRefresh;
    Refresh();
}

void StatusLine::Refresh() {
    SetText(Session, sessionText_());
    if (shownDatabase_ && shownDatabase_->first == db_.CurrentFile && shownDatabase_->second == db_.Dirty) return;
    shownDatabase_.emplace(db_.CurrentFile, db_.Dirty);
    SetText(Database, DatabaseText(db_));
    Database->setToolTip(DatabaseToolTip(db_));
}

void StatusLine::ShowMessage(const QString& text) { bar_->showMessage(text, kMessageMs); }
