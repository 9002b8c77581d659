#include "gui/freqdb/freq_edit_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpressionValidator>
#include <QShowEvent>

#include "freqdb/freq_database.h"
#include "freqdb/freq_edit_text.h"

namespace {

constexpr QSize kClientSize(362, 437);
constexpr int kEditHeight = 21;

struct LabelPlace {
    const char* text;
    QPoint position;
};

constexpr LabelPlace kLabels[] = {
    {"Channel allocation", {16, 8}},
    {"Name (0 to 6 characters)", {224, 24}},
    {"Type (0 to 6 characters)", {224, 64}},
    {"Frequency (MHZ.KHZ)", {232, 112}},
};

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

std::string Latin1(const QString& text) { return text.toLatin1().toStdString(); }

// A name or type field: at most 6 characters, each one a .dat can hold.
QLineEdit* MakeTextField(QWidget* parent, const QRect& geometry) {
    auto* field = new QLineEdit(parent);
    field->setGeometry(geometry);
    field->setMaxLength(FreqTextCapacity);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[\\x{00}-\\x{ff}]*"), field));
    return field;
}

// Buttons that Enter does not press: the dialog closes only by a click.
QPushButton* MakeButton(QWidget* parent, const char* text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TFreqEdit::TFreqEdit(FreqDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
    setWindowTitle("Frequency database editor");
    setFixedSize(kClientSize);
    BuildControls();
    AskToLeave = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
    };
}

void TFreqEdit::done(int result) {
    if (MaskEdit1->MarkedInvalid() && !AskToLeave("The frequency " + MaskEdit1->displayText() + " is not stored. " +
                                                  MaskEdit1->Problem() + "\nClose the editor anyway?"))
        return;
    QDialog::done(result);
}

void TFreqEdit::BuildControls() {
    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(place.text, this);
        label->move(place.position);
        label->adjustSize();
    }
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(16, 24, 193, 393);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->installEventFilter(this);
    Edit1 = MakeTextField(this, {224, 40, 121, kEditHeight});
    Edit2 = MakeTextField(this, {224, 80, 121, kEditHeight});
    MaskEdit1 = new FrequencyMaskEdit(this);
    MaskEdit1->setGeometry(240, 128, 89, 28);
    QFont bold = MaskEdit1->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    MaskEdit1->setFont(bold);
    OkButton = MakeButton(this, "OK", {272, 392, 75, 25});
    CancelButton = MakeButton(this, "Cancel", {272, 360, 75, 25});

    setTabOrder(ListBox1, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, MaskEdit1);
    setTabOrder(MaskEdit1, OkButton);
    setTabOrder(OkButton, CancelButton);

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TFreqEdit::ListBox1Click);
    connect(ListBox1, &QListWidget::itemClicked, this, &TFreqEdit::ListBox1Click);
    connect(Edit1, &QLineEdit::textEdited, this, &TFreqEdit::Edit1Change);
    connect(Edit2, &QLineEdit::textEdited, this, &TFreqEdit::Edit2Change);
    connect(MaskEdit1, &QLineEdit::textEdited, this, &TFreqEdit::MaskEdit1Change);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TFreqEdit::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

// With no line selected the first arrow key selects channel 1; the list would
// otherwise move on from the line it marks when it gets the focus.
bool TFreqEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::KeyPress && ListBox1->selectedItems().isEmpty()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            ListBox1->setCurrentRow(0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The fields show the record that typing changes: channel 1 until a line is
// selected.
void TFreqEdit::FormShow() {
    ListBox1->clear();
    for (int i = 0; i < FreqChannelCount; ++i) ListBox1->addItem(Latin1(FreqListLine(i, db_.Table[i])));
    SelectedChannel = 0;
    FillFields();
}

void TFreqEdit::ListBox1Click() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty()) return;
    SelectedChannel = static_cast<uint16_t>(ListBox1->row(selected.first()));
    FillFields();
}

// Filling the fields is not an edit: setText does not raise textEdited.
void TFreqEdit::FillFields() {
    const FreqRecord& record = db_.Table[SelectedChannel];
    MaskEdit1->SetText(FreqFieldText(record.FreqKHz));
    MaskEdit1->MarkInvalid(!FreqFromFieldText(MaskEdit1->Text()));
    Edit1->setText(Latin1(record.Name()));
    Edit2->setText(Latin1(record.Type()));
}

void TFreqEdit::Edit1Change() {
    FreqRecord changed = db_.Table[SelectedChannel];
    changed.SetName(FixedSixText(Latin1(Edit1->text())));
    Store(changed);
}

void TFreqEdit::Edit2Change() {
    FreqRecord changed = db_.Table[SelectedChannel];
    changed.SetType(FixedSixText(Latin1(Edit2->text())));
    Store(changed);
}

// A half-typed or out-of-band frequency is marked and not stored: the record
// and its list line keep the last valid one.
void TFreqEdit::MaskEdit1Change() {
    const std::optional<int32_t> kHz = FreqFromFieldText(MaskEdit1->Text());
    MaskEdit1->MarkInvalid(!kHz);
    if (!kHz) return;
    FreqRecord changed = db_.Table[SelectedChannel];
    changed.FreqKHz = *kHz;
    Store(changed);
}

void TFreqEdit::Store(const FreqRecord& changed) {
    if (changed == db_.Table[SelectedChannel]) return;
    db_.Table[SelectedChannel] = changed;
    db_.Dirty = true;
    if (QListWidgetItem* item = ListBox1->item(SelectedChannel))
        item->setText(Latin1(FreqListLine(SelectedChannel, changed)));
}
