#include "gui/shell/serial_device_scan.h"

#include <QSerialPortInfo>
#include <QStringList>

#include "ports/stable_device_links.h"

QList<DetectedSerialDevice> DetectSerialDevices() {
    const std::vector<StableDeviceLink> links = StableDeviceLinks();
    QList<DetectedSerialDevice> devices;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        const QString node = port.systemLocation();
        const std::string stable = StableLinkOf(node.toStdString(), links);
        devices.append(
            {stable.empty() ? node : QString::fromStdString(stable),
             DescribeSerialDevice(port.manufacturer(), port.description(), port.serialNumber(), port.portName())});
    }
    return devices;
}

QString DescribeSerialDevice(const QString& maker, const QString& product, const QString& serialNumber,
                             const QString& portName) {
    QStringList names;
    if (!maker.isEmpty() && !product.contains(maker, Qt::CaseInsensitive)) names << maker;
    if (!product.isEmpty()) names << product;
    QString text = names.join(' ');
    if (!serialNumber.isEmpty()) text += (text.isEmpty() ? "" : ", ") + QString("serial number ") + serialNumber;
    return text.isEmpty() ? portName : text;
}
