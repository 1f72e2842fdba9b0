#include "cli/day_events_record.h"

#include <QJsonArray>

#include "app/utf16.h"
#include "engine/events.h"
#include "engine/information.h"
#include "engine/portion.h"

namespace plx::cli {
namespace {

QJsonValue TextOrNull(std::optional<std::u16string_view> text) {
    return text ? QJsonValue(FromUtf16(*text)) : QJsonValue(QJsonValue::Null);
}

}  // namespace

void AddEventFields(QJsonObject& record, CalendarDate civil, Language language,
                    const QString& languageCode) {
    const CalendarDate hebrew = CivilToHebrew(civil);
    const DayEventList events = DayEvents(language, civil);
    QJsonArray entries;
    for (const std::u16string& entry : events.entries)
        entries.append(QString::fromStdU16String(entry));
    const int portion = WeeklyPortionIndex(hebrew).value_or(-1);
    const auto mevarchim = MevarchimMoladText(language, hebrew);

    record.insert(QStringLiteral("holidayCode"), static_cast<int>(HolidayCode(hebrew).code));
    record.insert(QStringLiteral("dayKind"), static_cast<int>(events.kind));
    record.insert(QStringLiteral("roshChodesh"), static_cast<int>(RoshChodeshKind(hebrew)));
    record.insert(QStringLiteral("events"), entries);
    record.insert(QStringLiteral("hasEvent"), DayHasEvent(hebrew));
    record.insert(QStringLiteral("portionIndex"), portion);
    record.insert(QStringLiteral("portion"), TextOrNull(PortionName(language, portion, 0)));
    record.insert(QStringLiteral("portionIsrael"), TextOrNull(PortionName(language, portion, 1)));
    record.insert(QStringLiteral("portionDiaspora"), TextOrNull(PortionName(language, portion, 2)));
    record.insert(QStringLiteral("mevarchim"),
                  mevarchim ? QJsonValue(QString::fromStdU16String(*mevarchim))
                            : QJsonValue(QJsonValue::Null));
    record.insert(QStringLiteral("information"), InformationLines(civil, languageCode));
}

QString InformationLines(CalendarDate civil, const QString& languageCode) {
    QString text =
        QString::fromStdU16String(YearInformationText(civil, languageCode.toStdU16String()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.mid(1);  // every line starts with a break, the first one too
}

}  // namespace plx::cli
