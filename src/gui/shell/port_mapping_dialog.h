#pragma once
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <string>

class CommsPortOpener;

// "Serial port mapping": which device each of the ports COM1..COM16 stands
// for. The selected port is given a device detected now (listed by its USB
// maker, product and serial number, and by its stable /dev/serial/by-id/
// path where it has one) or any path typed in; Default gives it back its
// /dev/ttyS<n-1>. Each change is written to [Ports] of RADIO.INI at once,
// and the port in use is opened again when its mapping changed.
class PortMappingDialog : public QDialog {
public:
    PortMappingDialog(QWidget* parent, CommsPortOpener& ports);

    QLabel* InUseLabel = nullptr;          // the port in use now and its device
    QTreeWidget* PortList = nullptr;       // COM1..COM16 and their devices
    QTreeWidget* DeviceList = nullptr;     // the serial devices present now
    QLabel* PathLabel = nullptr;           // "Device for COMn:"
    QLineEdit* PathEdit = nullptr;         // the device for the selected port
    QPushButton* SetButton = nullptr;      // maps the port to PathEdit's path
    QPushButton* DefaultButton = nullptr;  // removes the port's mapping
    QPushButton* RefreshButton = nullptr;  // looks for devices again

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void ShowInUse();
    void ShowPorts();
    void ShowDevices();
    void PortChosen();
    void DeviceChosen();
    void Map(const std::string& device);
    int SelectedPort() const;  // n of COMn

    CommsPortOpener& ports_;
};
