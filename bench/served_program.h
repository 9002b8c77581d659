#pragma once
#include <QProcess>
#include <QString>
#include <string>

#include "support/temp_dir.h"

// A copy of the program in a folder of its own, started with its COM1 on a
// pseudo-terminal whose master this process holds (writing to it plays the
// transceiver) and serving its live view on a free port of 127.0.0.1.
class ServedProgram {
public:
    ServedProgram(const std::string& build, const QStringList& extraArguments = {});
    ~ServedProgram();
    ServedProgram(const ServedProgram&) = delete;
    ServedProgram& operator=(const ServedProgram&) = delete;

    // Empty until the program printed the page's address.
    const QString& PageAddress() const { return address_; }
    quint16 Port() const { return port_; }
    qint64 Pid() const { return process_.processId(); }
    // The master side of the program's serial line, non-blocking.
    int LineFd() const { return master_; }

private:
    TempDir folder_;
    int master_ = -1;
    quint16 port_ = 0;
    QProcess process_;
    QString address_;
};
