// Command-line parsing helpers of plxcal: dates typed by the user and the argument pre-pass.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "engine/calendar.h"

namespace plx::cli {

// Thrown for any input the user must correct; main() prints the message and exits with status 2.
struct UsageError {
    QString message;
};

// A civil date "YEAR-MM-DD" (negative years allowed, no year 0) inside the supported range.
CalendarDate ParseCivilDate(const QString& text);
// A Hebrew date "YEAR-MM-DD", months counted from Tishrei = 1.
CalendarDate ParseHebrewDate(const QString& text);

// QCommandLineParser takes "-3761-10-07" or "-31.5" for options. This pre-pass moves every
// positional argument behind "--", keeping the values of the options named in valueOptions.
QStringList ProtectPositionals(const QStringList& arguments, const QStringList& valueOptions);

// The first argument after the program's name that is neither an option nor the value of one of
// valueOptions; empty when there is none.
QString FirstPositional(const QStringList& arguments, const QStringList& valueOptions);

}  // namespace plx::cli
