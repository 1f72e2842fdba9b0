// plxcal vocab --json: every table of both vocabularies, strings exactly as stored.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string_view>

#include "app/utf16.h"
#include "cli/command.h"
#include "engine/vocabulary.h"

namespace plx::cli {
namespace {

struct StringTable {
    const char* name;
    TextTable PlxLocaleBase::*table;
};

constexpr StringTable kStringTables[] = {
    {"TimeNames", &PlxLocaleBase::timeNames},
    {"TimeShortNames", &PlxLocaleBase::timeShortNames},
    {"HebrewMonthNames", &PlxLocaleBase::hebrewMonthNames},
    {"HebrewLeapMonthNames", &PlxLocaleBase::hebrewLeapMonthNames},
    {"CivilMonthNames", &PlxLocaleBase::civilMonthNames},
    {"WeekdayNames", &PlxLocaleBase::weekdayNames},
    {"WeekdayShortNames", &PlxLocaleBase::weekdayShortNames},
    {"WeekdayLetters", &PlxLocaleBase::weekdayLetters},
    {"TractateNames", &PlxLocaleBase::tractateNames},
    {"ShmitaYearNames", &PlxLocaleBase::shmitaYearNames},
    {"PortionNames", &PlxLocaleBase::portionNames},
    {"DayEventPhrases", &PlxLocaleBase::dayEventPhrases},
    {"HolidayEveNames", &PlxLocaleBase::holidayEveNames},
    {"DayPartNames", &PlxLocaleBase::dayPartNames},
    {"HolidayNames", &PlxLocaleBase::holidayNames},
    {"HolidayNamesOutside", &PlxLocaleBase::holidayNamesOutsideIsrael},
};

QJsonArray Strings(TextTable table) {
    QJsonArray strings;
    for (const std::u16string_view text : table)
        strings.append(FromUtf16(text));
    return strings;
}

// The split portion names, keyed by their portion index.
QJsonObject Parts(std::span<const PortionPart> parts) {
    QJsonObject byKey;
    for (const PortionPart& part : parts)
        byKey.insert(QString::number(part.key), FromUtf16(part.text));
    return byKey;
}

QJsonObject Tables(const PlxLocaleBase& vocabulary) {
    QJsonObject tables;
    for (const StringTable& table : kStringTables)
        tables.insert(QLatin1String(table.name), Strings(vocabulary.*table.table));
    tables.insert(QStringLiteral("PortionIsraelParts"), Parts(vocabulary.portionIsraelParts));
    tables.insert(QStringLiteral("PortionDiasporaParts"), Parts(vocabulary.portionDiasporaParts));
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
    const QByteArray document = QJsonDocument(both).toJson(QJsonDocument::Compact);
    call.out << std::string_view(document.constData(), static_cast<std::size_t>(document.size()))
             << '\n';
    return 0;
}

}  // namespace plx::cli
