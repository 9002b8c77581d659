#include "gui/freqdb/airport_import_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "freqdb/airport_import.h"
#include "freqdb/freq_edit_text.h"
#include "freqdb/import_file.h"
#include "gui/common/file_dialog.h"
#include "gui/freqdb/frequency_commands.h"

namespace {

constexpr const char* kPreviewColumns[] = {"Channel", "Frequency", "Name", "Type"};
constexpr QSize kStartSize(560, 600);

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

QTableWidget* MakePreview(QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(std::size(kPreviewColumns)), parent);
    QStringList headers;
    for (const char* column : kPreviewColumns) headers << column;
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void SetRow(QTableWidget& table, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column)
        table.setItem(row, column, new QTableWidgetItem(cells[column]));
}

}  // namespace

AirportImportDialog::AirportImportDialog(FreqDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
    setWindowTitle("Import airport frequencies");
    resize(kStartSize);
    BuildControls();
    Refresh();
}

void AirportImportDialog::BuildControls() {
    ListFile = new QLineEdit(this);
    auto* browse = new QPushButton("&Browse...", this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(ListFile);
    fileRow->addWidget(browse);
    Idents = new QLineEdit(this);
    Idents->setPlaceholderText("EDDF,EDFE");
    StartChannel = new QSpinBox(this);
    StartChannel->setRange(1, FreqChannelCount);
    auto* listLabel = new QLabel("&List file (airport-frequencies.csv):", this);
    listLabel->setBuddy(ListFile);
    auto* form = new QFormLayout;
    form->addRow(listLabel, fileRow);
    form->addRow("Airport &idents, separated by commas:", Idents);
    form->addRow("&Start at channel (the channels before it are kept):", StartChannel);

    Preview = MakePreview(this);
    Skipped = new QPlainTextEdit(this);
    Skipped->setReadOnly(true);
    Summary = new QLabel(this);
    Summary->setWordWrap(true);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Preview, 3);
    layout->addWidget(new QLabel("Skipped:", this));
    layout->addWidget(Skipped, 1);
    layout->addWidget(Summary);
    layout->addWidget(Buttons);

    connect(browse, &QPushButton::clicked, this, [this] { ChooseListFile(); });
    connect(ListFile, &QLineEdit::editingFinished, this, [this] { SetListFile(ListFile->text()); });
    connect(Idents, &QLineEdit::textChanged, this, [this] { Refresh(); });
    connect(StartChannel, &QSpinBox::valueChanged, this, [this] { Refresh(); });
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void AirportImportDialog::ChooseListFile() {
    FileDialog dialog(this, QFileDialog::AcceptOpen, "Open airport frequencies", "Comma-separated values (*.csv)");
    if (const std::optional<std::string> path = dialog.Choose()) SetListFile(QFile::decodeName(path->c_str()));
}

void AirportImportDialog::SetListFile(const QString& path) {
    if (ListFile->text() != path) ListFile->setText(path);
    listText_.clear();
    listError_ = path.isEmpty() ? "" : ReadImportFile(QFile::encodeName(path).toStdString(), listText_);
    listRead_ = !path.isEmpty() && listError_.empty();
    Refresh();
}

void AirportImportDialog::Refresh() {
    const std::vector<std::string> idents = AirportIdentList(Idents->text().toStdString());
    selection_ = listRead_ ? SelectAirportFrequencies(listText_, idents) : AirportSelection{listError_, {}, {}, {}};
    ShowPreview();
    ShowSkipped();
    Summary->setText(SummaryText());
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(!selection_.channels.empty() && Fits());
}

void AirportImportDialog::ShowPreview() {
    Preview->setRowCount(static_cast<int>(selection_.channels.size()));
    int row = 0;
    for (const FreqRecord& channel : selection_.channels) {
        SetRow(*Preview, row,
               {QString::number(StartChannel->value() + row), QString::fromStdString(FreqMhzText(channel.FreqKHz)),
                Latin1(channel.Name()), Latin1(channel.Type())});
        ++row;
    }
}

void AirportImportDialog::ShowSkipped() {
    QStringList lines;
    for (const std::string& skipped : selection_.skipped) lines << QString::fromStdString(skipped);
    for (const std::string& ident : selection_.notFound) lines << QString::fromStdString(ident + " was not found");
    Skipped->setPlainText(lines.join('\n'));
}

bool AirportImportDialog::Fits() const {
    return std::ssize(selection_.channels) <= FreqChannelCount - StartChannel->value() + 1;
}

QString AirportImportDialog::SummaryText() const {
    if (!listRead_ && listError_.empty()) return "Choose the list of airport frequencies.";
    if (!selection_.error.empty()) return "This file cannot be used: " + QString::fromStdString(selection_.error);
    const auto count = static_cast<int>(selection_.channels.size());
    if (count == 0) return "No channel yet: type the idents of airports in the list.";
    const int last = StartChannel->value() + count - 1;
    if (!Fits())
        return QString("%1 channels do not fit from channel %2 on: they would end at channel %3.")
            .arg(count)
            .arg(StartChannel->value())
            .arg(last);
    return QString("%1 channels go to channels %2 to %3; the channels after them are cleared.")
        .arg(count)
        .arg(StartChannel->value())
        .arg(last);
}

void AirportImportDialog::accept() {
    if (selection_.channels.empty() || !FreqDbPlaceAirportChannels(db_, selection_.channels, StartChannel->value() - 1))
        return;
    QDialog::accept();
}

void ImportAirportFrequencies(QWidget* window, FrequencyCommands& commands) {
    if (!commands.SaveOrDiscardChanges()) return;
    AirportImportDialog dialog(commands.Database(), window);
    dialog.exec();
}
