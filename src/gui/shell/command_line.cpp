#include "gui/shell/command_line.h"

#include <QCommandLineParser>
#include <QFile>

#include "common/file_extension.h"
#include "freqdb/airport_import.h"
#include "session/recording_export.h"
#include "web/share_address.h"

namespace {

constexpr const char* kUsage =
    "Usage: vhfcom [OPTIONS] [DATABASE.dat | RECORDING.vhfrec]\n"
    "Front panel, firmware emulation and live display of a panel-mounted VHF COM\n"
    "transceiver, with its 100-channel frequency database.\n"
    "\n"
    "Options:\n"
    "  -h, --help                  Show this help and exit.\n"
    "  -v, --version               Show the version and exit.\n"
    "  --port DEVICE               Use this serial device for this run instead of\n"
    "                              the COMn setting (not saved).\n"
    "  --convert IN OUT            Convert a frequency database from .dat to .csv\n"
    "                              or from .csv to .dat and exit, without a display.\n"
    "  --airports FILE IDENT[,IDENT...] OUT\n"
    "                              Fill the channels of a new frequency database\n"
    "                              OUT.dat or OUT.csv with the airports' frequencies\n"
    "                              from an airport-frequencies.csv list and exit,\n"
    "                              without a display.\n"
    "  --record FILE               Record every byte the serial port receives, from\n"
    "                              the start of the program until it ends.\n"
    "  --replay FILE               Play a recording through the device link at\n"
    "                              start; the serial port stays closed meanwhile.\n"
    "  --speed X                   Replay X times as fast (default 1; 0 as fast as\n"
    "                              the program can).\n"
    "  --export RECORDING OUTPUT   Export a recording and exit, without a display:\n"
    "                              OUTPUT.png the last display, OUTPUT.gif an\n"
    "                              animation, OUTPUT.csv one row per message,\n"
    "                              OUTPUT.html a web page that plays the display.\n"
    "  --scale N                   Image pixels per display pixel of a PNG or GIF\n"
    "                              export (1 to 64, default 4).\n"
    "  --serve [ADDRESS:]PORT      Show the display to web browsers on this port\n"
    "                              (ADDRESS default 127.0.0.1) and print the\n"
    "                              address to open.\n"
    "  --serve-keys                Let those browsers press the panel keys: the\n"
    "                              address printed holds a random token.\n"
    "\n"
    "Arguments:\n"
    "  DATABASE.dat                A frequency database to open at start.\n"
    "  RECORDING.vhfrec            A recording to replay at start, as --replay does.\n";

std::string LocalPath(const QString& argument) { return QFile::encodeName(argument).toStdString(); }

CommandLine UsageError(const QString& error) {
    CommandLine commandLine;
    commandLine.action = CommandLine::Action::UsageError;
    commandLine.error = error;
    return commandLine;
}

CommandLine Only(CommandLine::Action action) {
    CommandLine commandLine;
    commandLine.action = action;
    return commandLine;
}

CommandLine AirportsCommand(const std::string& list, const QStringList& positional) {
    if (positional.size() != 2)
        return UsageError("Option 'airports' needs a list file, the airports' idents and a file to write.");
    CommandLine commandLine;
    commandLine.airportIdents = AirportIdentList(positional[0].toStdString());
    if (commandLine.airportIdents.empty())
        return UsageError(QString("Option 'airports' needs idents separated by commas, not '%1'.").arg(positional[0]));
    commandLine.airportOutput = LocalPath(positional[1]);
    if (!IsAirportOutputPath(commandLine.airportOutput))
        return UsageError(QString("Option 'airports' writes a .dat or a .csv file, not '%1'.").arg(positional[1]));
    commandLine.action = CommandLine::Action::Airports;
    commandLine.airportList = list;
    return commandLine;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption version({"v", "version"}, "");
    const QCommandLineOption port("port", "", "DEVICE");
    const QCommandLineOption record("record", "", "FILE");
    const QCommandLineOption replay("replay", "", "FILE");
    const QCommandLineOption speed("speed", "", "X");
    const QCommandLineOption exportOption("export", "", "RECORDING");
    const QCommandLineOption scale("scale", "", "N");
    const QCommandLineOption convert("convert", "", "IN");
    const QCommandLineOption airports("airports", "", "FILE");
    const QCommandLineOption serve("serve", "", "[ADDRESS:]PORT");
    const QCommandLineOption serveKeys("serve-keys", "");
    parser.addOptions(
        {help, version, port, record, replay, speed, exportOption, scale, convert, airports, serve, serveKeys});
    if (!parser.parse(arguments)) return UsageError(parser.errorText());
    if (parser.isSet(help)) return Only(CommandLine::Action::Help);
    if (parser.isSet(version)) return Only(CommandLine::Action::Version);
    for (const QCommandLineOption* option : {&port, &record, &replay, &exportOption, &convert, &airports})
        if (parser.isSet(*option) && parser.value(*option).isEmpty())
            return UsageError(QString("Option '%1' needs a file or device.").arg(option->names().first()));

    const QStringList positional = parser.positionalArguments();
    CommandLine commandLine;
    if (parser.isSet(convert)) {
        if (positional.size() != 1) return UsageError("Option 'convert' needs a file to read and a file to write.");
        commandLine.action = CommandLine::Action::Convert;
        commandLine.convertInput = LocalPath(parser.value(convert));
        commandLine.convertOutput = LocalPath(positional[0]);
        return commandLine;
    }
    if (parser.isSet(airports)) return AirportsCommand(LocalPath(parser.value(airports)), positional);
    if (parser.isSet(exportOption)) {
        if (positional.size() != 1) return UsageError("Option 'export' needs a recording and an output file.");
        bool ok = true;
        commandLine.exportScale = parser.isSet(scale) ? parser.value(scale).toInt(&ok) : DefaultExportScale;
        if (!ok || commandLine.exportScale < 1 || commandLine.exportScale > MaxExportScale)
            return UsageError(QString("Option 'scale' needs a whole number from 1 to %1.").arg(MaxExportScale));
        commandLine.action = CommandLine::Action::Export;
        commandLine.exportRecording = LocalPath(parser.value(exportOption));
        commandLine.exportOutput = LocalPath(positional[0]);
        return commandLine;
    }
    // A recording given as the argument (a double-click on it) is replayed.
    const QString argument = positional.isEmpty() ? QString() : positional.first();
    const bool recordingGiven = LowerCaseExtension(LocalPath(argument)) == ".vhfrec";
    if (parser.isSet(scale)) return UsageError("Option 'scale' goes with 'export'.");
    if (parser.isSet(speed) && !parser.isSet(replay) && !recordingGiven)
        return UsageError("Option 'speed' goes with 'replay'.");
    if (positional.size() > 1) return UsageError(QString("Unexpected argument '%1'.").arg(positional[1]));
    if (recordingGiven && parser.isSet(replay)) return UsageError(QString("Unexpected argument '%1'.").arg(argument));
    if (parser.isSet(speed)) {
        bool ok = true;
        commandLine.start.replaySpeed = parser.value(speed).toDouble(&ok);
        if (!ok || !(commandLine.start.replaySpeed >= 0) || commandLine.start.replaySpeed > 1e6)
            return UsageError("Option 'speed' needs a number, 0 or more.");
    }
    // The live view for browsers.
    if (parser.isSet(serveKeys) && !parser.isSet(serve)) return UsageError("Option 'serve-keys' goes with 'serve'.");
    if (parser.isSet(serve)) {
        const std::optional<ShareEndpoint> endpoint = ParseShareEndpoint(parser.value(serve));
        if (!endpoint || endpoint->port == 0)
            return UsageError("Option 'serve' needs [ADDRESS:]PORT, such as 8104 or 0.0.0.0:8104.");
        commandLine.start.serveAddress = endpoint->address.toString().toStdString();
        commandLine.start.servePort = endpoint->port;
        commandLine.start.serveKeys = parser.isSet(serveKeys);
    }

    commandLine.start.portDevice = LocalPath(parser.value(port));
    commandLine.start.recordFile = LocalPath(parser.value(record));
    commandLine.start.replayFile = LocalPath(recordingGiven ? argument : parser.value(replay));
    if (!argument.isEmpty() && !recordingGiven) commandLine.start.database = LocalPath(argument);
    return commandLine;
}

QString UsageText() { return kUsage; }
