#pragma once
#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <functional>

class TComm;

// Form15, "Serial port setup": COM1..COM16 in a two-column radio group. A
// choice switches the main window's serial port at once and is remembered in
// CommsPort, also when the port cannot be opened; OK only closes the dialog.
class TForm15 : public QDialog {
public:
    TForm15(QWidget* parent, TComm& comm);

    QLabel* Label1 = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* RadioGroup2Items = nullptr;  // item i is COM(i+1)
    QPushButton* BitBtn1 = nullptr;

    // Tells the user that port COM<n> could not be opened: a plain message
    // box, unless replaced.
    std::function<void(int portNumber)> ReportPortNotAvailable;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void RadioGroup2Click(int index);
    void RadioGroup2Clicked(int index);

    TComm& comm_;
    bool updating_ = false;     // the preselection is under way: no user choice
    bool choiceMade_ = false;   // the current click changed the selection
};
