// The commands of plxcal. Each takes the parsed command line and writes to standard output;
// bad input throws UsageError.
#pragma once

#include <QCommandLineParser>
#include <QTextStream>

namespace plx::cli {

struct Invocation {
    const QCommandLineParser& parser;
    QStringList positionals;  // after the command name
    QTextStream& out;
};

int RunDay(const Invocation& call);
int RunRange(const Invocation& call);

}  // namespace plx::cli
