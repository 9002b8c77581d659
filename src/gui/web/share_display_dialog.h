#pragma once
#include <QDialog>

class LiveServer;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// "Share display in a browser": turns the live view on and off, for this
// computer only or for the local network, shows the address to open (to
// copy, and as a QR code for a phone), how many browsers watch, and whether
// they may press the keys (a new random token in the address each time this
// is turned on). Nothing here is remembered: each run starts with nothing
// served unless the command line asked for it.
class ShareDisplayDialog : public QDialog {
public:
    // Serves on `port` (0: any free one).
    ShareDisplayDialog(QWidget* parent, LiveServer& server, quint16 port);

    // Turns sharing on or off, as the checkbox does; reports a failure in a
    // message box and leaves sharing off.
    void SetSharing(bool on);

    QCheckBox* Share = nullptr;
    QRadioButton* ThisComputer = nullptr;
    QRadioButton* Network = nullptr;
    QLineEdit* Address = nullptr;
    QLabel* QrCode = nullptr;
    QLabel* Watching = nullptr;
    QCheckBox* Keys = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Restart();
    void SetKeys(bool on);
    // Shows the server's state in the controls.
    void Refresh();

    LiveServer& server_;
    quint16 port_;
};
