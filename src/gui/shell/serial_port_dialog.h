#pragma once
#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ports/comms_port_opener.h"

// Form15, "Serial port setup": COM1..COM16 in a two-column radio group. A
// choice switches the main window's serial port at once through its opener,
// which remembers it, also when the port cannot be opened; OK
// only closes the dialog, Cancel puts back the port in use when it opened. Each item's tooltip names the device its
// port stands for, read afresh each time the dialog opens.
class TForm15 : public QDialog {
public:
    TForm15(QWidget* parent, CommsPortOpener& ports);

    QLabel* Label1 = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* RadioGroup2Items = nullptr;  // item i is COM(i+1)
    QPushButton* BitBtn1 = nullptr;
    QPushButton* CancelButton = nullptr;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void RadioGroup2Click(int index);
    void RadioGroup2Clicked(int index);

    CommsPortOpener& ports_;
    CommsPortOpener::Choice before_;  // the port in use when the dialog opened
    bool updating_ = false;           // the preselection is under way: no user choice
    bool choiceMade_ = false;         // the current click changed the selection
};
