#include "cli/command.h"

#include <QDate>

#include "engine/language.h"

namespace plx::cli {

UsageError Usage(const char* usage) {
    return UsageError{QStringLiteral("usage: plxcal %1").arg(QLatin1String(usage))};
}

void ExpectArguments(const Invocation& call, qsizetype low, qsizetype high, const char* usage) {
    const qsizetype n = call.positionals.size();
    if (n < low || n > high)
        throw Usage(usage);
}

bool WantsJson(const Invocation& call) {
    return call.parser.isSet(QStringLiteral("json"));
}

Language TextLanguage(const Invocation& call) {
    return LanguageOfCode(call.parser.value(QStringLiteral("lang")).toStdU16String());
}

CalendarDate CurrentCivilDate() {
    const QDate today = QDate::currentDate();
    return NormalizeCivilDate({static_cast<std::uint8_t>(today.day()),
                               static_cast<std::uint8_t>(today.month()),
                               static_cast<std::int32_t>(today.year())});
}

}  // namespace plx::cli
