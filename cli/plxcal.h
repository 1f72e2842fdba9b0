// plxcal, the calendar from the command line, as a whole: its command line read, the command run
// and any error reported. main() only hands its arguments over.
#pragma once

#include <QString>
#include <QStringList>

namespace plx::cli {

// The command a command line names (the program's name first): its first argument that is
// neither an option nor an option's value; empty when there is none.
QString CommandWord(const QStringList& arguments);

// Runs plxcal with main()'s arguments and returns the exit status: 0, or 2 after a one-line
// error on standard error.
int RunPlxcal(int argc, char** argv);

}  // namespace plx::cli
