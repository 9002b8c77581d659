#pragma once
#include <QList>
#include <QString>

// A serial device present now, as the port mapping dialog offers it.
struct DetectedSerialDevice {
    QString path;         // its stable /dev/serial/by-id/ path where it has one, else its node
    QString description;  // USB maker, product and serial number, as far as the device tells them
};

// The serial devices present now, found by Qt's serial port module, in its
// order.
QList<DetectedSerialDevice> DetectSerialDevices();

// "maker product, serial number N", leaving out what is empty or already
// said; the port name when the device tells nothing.
QString DescribeSerialDevice(const QString& maker, const QString& product, const QString& serialNumber,
                             const QString& portName);
