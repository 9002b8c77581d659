#pragma once
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "settings/start_options.h"

// The program's command line, read before any window exists:
//   vhfcom [OPTIONS] [DATABASE.dat]
// Usage errors (an unknown option, a missing value, a stray argument) come
// back as one line naming the problem; the caller prints it with the usage
// and ends with status 2.
struct CommandLine {
    enum class Action { Run, Help, Version, Convert, Airports, Export, UsageError };
    Action action = Action::Run;
    StartOptions start;
    // --convert IN OUT: headless, the program exits after it.
    std::string convertInput, convertOutput;
    // --airports FILE IDENT[,IDENT...] OUT: headless, the program exits after it.
    std::string airportList, airportOutput;
    std::vector<std::string> airportIdents;
    // --export RECORDING OUTPUT [--scale N]: headless, the program exits after it.
    std::string exportRecording, exportOutput;
    int exportScale = 0;
    QString error;  // for UsageError
};

CommandLine ParseCommandLine(const QStringList& arguments);

// The usage text of --help, which also follows a usage error.
QString UsageText();
