#include "gui/shell/command_line.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

constexpr const char* kUsage =
    "Usage: vhfcom [OPTIONS] [DATABASE.dat]\n"
    "Front panel, firmware emulation and live display of a panel-mounted VHF COM\n"
    "transceiver, with its 100-channel frequency database.\n"
    "\n"
    "Options:\n"
    "  -h, --help        Show this help and exit.\n"
    "  -v, --version     Show the version and exit.\n"
    "  --port DEVICE     Use this serial device for this run instead of the\n"
    "                    COMn setting (not saved).\n"
    "\n"
    "Arguments:\n"
    "  DATABASE.dat      A frequency database to open at start.\n";

std::string LocalPath(const QString& argument) { return QFile::encodeName(argument).toStdString(); }

CommandLine UsageError(const QString& error) { return {CommandLine::Action::UsageError, {}, error}; }

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption version({"v", "version"}, "");
    const QCommandLineOption port("port", "", "DEVICE");
    parser.addOptions({help, version, port});
    if (!parser.parse(arguments)) return UsageError(parser.errorText());
    if (parser.isSet(help)) return {CommandLine::Action::Help, {}, {}};
    if (parser.isSet(version)) return {CommandLine::Action::Version, {}, {}};

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) return UsageError(QString("Unexpected argument '%1'.").arg(positional[1]));
    CommandLine commandLine;
    if (parser.isSet(port) && parser.value(port).isEmpty()) return UsageError("Option 'port' needs a device path.");
    if (parser.isSet(port)) commandLine.start.portDevice = LocalPath(parser.value(port));
    if (!positional.isEmpty()) commandLine.start.database = LocalPath(positional[0]);
    return commandLine;
}

QString UsageText() { return kUsage; }
