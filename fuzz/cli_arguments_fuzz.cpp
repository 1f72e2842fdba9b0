// plxcal's date arguments, its argument pre-pass and its command word: whatever is typed, either a
// date inside the supported range or a UsageError, never a crash.
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "cli/arguments.h"
#include "cli/plxcal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (auto parse : {&plx::cli::ParseCivilDate, &plx::cli::ParseHebrewDate}) {
        try {
            const plx::CalendarDate date = parse(text);
            const plx::DayNumber n = parse == &plx::cli::ParseCivilDate
                                         ? plx::CivilToDayNumber(date)
                                         : plx::HebrewToDayNumber(date);
            if (n < plx::kFirstDayNumber || n > plx::kLastDayNumber)
                std::abort();
        } catch (const plx::cli::UsageError&) {
        }
    }
    const QStringList arguments =
        QStringList{QStringLiteral("plxcal")} + text.split(QLatin1Char(' '));
    const QStringList protectedArguments =
        plx::cli::ProtectPositionals(arguments, {QStringLiteral("lang")});
    // Nothing is lost or invented: only a "--" is added, unless the user typed one already.
    const qsizetype added = arguments.contains(QStringLiteral("--")) ? 0 : 1;
    if (protectedArguments.size() != arguments.size() + added)
        std::abort();
    // The command word is one of the arguments typed, never the program's name.
    const QString word = plx::cli::CommandWord(arguments);
    if (!word.isEmpty() && !arguments.mid(1).contains(word))
        std::abort();
    return 0;
}
