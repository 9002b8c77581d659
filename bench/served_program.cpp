#include "served_program.h"

#include <fcntl.h>
#include <unistd.h>

#include <QTcpServer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/process_events.h"

namespace {

constexpr int kStartPatienceMs = 20000;

int OpenLine(std::string& slavePath) {
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) return -1;
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    slavePath = ptsname(fd);
    return fd;
}

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

}  // namespace

ServedProgram::ServedProgram(const std::string& build, const QStringList& extraArguments) {
    std::string slavePath;
    master_ = OpenLine(slavePath);
    namespace fs = std::filesystem;
    const std::string program = folder_.File("vhfcom");
    fs::copy_file(fs::path(build) / "vhfcom", program);
    std::ofstream(folder_.File("RADIO.INI"), std::ios::binary)
        << "[Setup]\r\nCommsPort=0\r\n[Ports]\r\nCOM1=" << slavePath << "\r\n";
    port_ = FreePort();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QString::fromStdString(program),
                   QStringList{"--serve", QString("127.0.0.1:%1").arg(port_)} + extraArguments);
    ProcessEventsUntil(
        [&] {
            if (process_.canReadLine()) address_ = QString::fromUtf8(process_.readLine()).trimmed();
            return !address_.isEmpty() || process_.state() == QProcess::NotRunning;
        },
        kStartPatienceMs);
}

ServedProgram::~ServedProgram() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished();
    if (master_ >= 0) close(master_);
}
