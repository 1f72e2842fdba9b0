// The commands of plxcal. Each takes the parsed command line and writes to standard output;
// bad input throws UsageError.
#pragma once

#include <QCommandLineParser>
#include <QTextStream>

#include "cli/arguments.h"
#include "engine/language.h"

namespace plx::cli {

struct Invocation {
    const QCommandLineParser& parser;
    QStringList positionals;  // after the command name
    QTextStream& out;
};

int RunDay(const Invocation& call);
int RunRange(const Invocation& call);
int RunNumeral(const Invocation& call);
int RunVocab(const Invocation& call);
int RunTimes(const Invocation& call);
int RunLocations(const Invocation& call);

// ---- Helpers shared by the commands -------------------------------------------------------------

// The error that shows the command's usage line ("usage: plxcal " + usage).
UsageError Usage(const char* usage);
// Throws the usage line unless the command got low..high positional arguments.
void ExpectArguments(const Invocation& call, qsizetype low, qsizetype high, const char* usage);
bool WantsJson(const Invocation& call);
// The engine language of the texts: Hebrew for --lang he, English for any other code.
Language TextLanguage(const Invocation& call);
// The civil date of today on this computer's clock.
CalendarDate CurrentCivilDate();

}  // namespace plx::cli
