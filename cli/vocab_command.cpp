// plxcal vocab --json: every table of both vocabularies, strings exactly as stored.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/command.h"
#include "engine/vocabulary.h"

namespace plx::cli {
namespace {

constexpr int kMonthListLength = 13;  // the common-year list ends in an empty thirteenth name
constexpr int kCivilMonthCount = 12;
constexpr int kWeekdayCount = 7;

struct StringTable {
    const char* name;
    const char16_t* const* (PlxLocaleBase::*read)() const;
    int count;
};

constexpr StringTable kStringTables[] = {
    {"TimeNames", &PlxLocaleBase::TimeNames, kTimeNameCount},
    {"TimeShortNames", &PlxLocaleBase::TimeShortNames, kTimeShortNameCount},
    {"HebrewMonthNames", &PlxLocaleBase::HebrewMonthNames, kMonthListLength},
    {"HebrewLeapMonthNames", &PlxLocaleBase::HebrewLeapMonthNames, kMonthListLength},
    {"CivilMonthNames", &PlxLocaleBase::CivilMonthNames, kCivilMonthCount},
    {"WeekdayNames", &PlxLocaleBase::WeekdayNames, kWeekdayCount},
    {"WeekdayShortNames", &PlxLocaleBase::WeekdayShortNames, kWeekdayCount},
    {"WeekdayLetters", &PlxLocaleBase::WeekdayLetters, kWeekdayCount},
    {"TractateNames", &PlxLocaleBase::TractateNames, kTractateCount},
    {"ShmitaYearNames", &PlxLocaleBase::ShmitaYearNames, kShmitaYearCount},
    {"PortionNames", &PlxLocaleBase::PortionNames, kPortionCount},
    {"DayEventPhrases", &PlxLocaleBase::DayEventPhrases, kDayEventPhraseCount},
    {"HolidayEveNames", &PlxLocaleBase::HolidayEveNames, kHolidayEveCount},
    {"DayPartNames", &PlxLocaleBase::DayPartNames, kDayPartCount},
};

QJsonArray Strings(const char16_t* const* table, int count) {
    QJsonArray strings;
    for (int i = 0; i < count; ++i)
        strings.append(QString::fromUtf16(table[i]));
    return strings;
}

// The split portion names, keyed by their portion index.
QJsonObject Parts(const PortionPart* parts) {
    QJsonObject byKey;
    for (int i = 0; i < kPortionPartCount; ++i)
        byKey.insert(QString::number(parts[i].key), QString::fromUtf16(parts[i].text));
    return byKey;
}

QJsonObject Tables(const PlxLocaleBase& vocabulary) {
    QJsonObject tables;
    for (const StringTable& table : kStringTables) {
        tables.insert(QLatin1String(table.name), Strings((vocabulary.*table.read)(), table.count));
    }
    tables.insert(QStringLiteral("PortionIsraelParts"), Parts(vocabulary.PortionIsraelParts()));
    tables.insert(QStringLiteral("PortionDiasporaParts"), Parts(vocabulary.PortionDiasporaParts()));
    tables.insert(QStringLiteral("HolidayNames"),
                  Strings(vocabulary.HolidayNames(0), kHolidayCount));
    tables.insert(QStringLiteral("HolidayNamesOutside"),
                  Strings(vocabulary.HolidayNames(2), kHolidayCount));
    return tables;
}

}  // namespace

int RunVocab(const Invocation& call) {
    constexpr const char* kUsage = "vocab --json";
    ExpectArguments(call, 0, 0, kUsage);
    if (!WantsJson(call))
        throw Usage(kUsage);
    const QJsonObject both{{QStringLiteral("he"), Tables(HebrewVocabulary())},
                           {QStringLiteral("en"), Tables(EnglishVocabulary())}};
    call.out << QJsonDocument(both).toJson(QJsonDocument::Compact) << '\n';
    return 0;
}

}  // namespace plx::cli
