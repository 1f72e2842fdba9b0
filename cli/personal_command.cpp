// plxcal personal: the user's personal dates with the day each is next observed, and the edits of
// the list in the store the program keeps.
#include "app/utf16.h"
#include "cli/command.h"
#include "cli/day_record.h"

namespace plx::cli {
namespace {

constexpr const char* kUsage =
    "personal [--json] | personal add --name TEXT --kind birthday|yahrzeit|anniversary|other "
    "--date DATE [--hebrew] [--after-sunset] [--note TEXT] | personal remove KEY";

void WriteNext(JsonWriter& json, std::optional<DayNumber> next) {
    if (!next) {
        json.Value(std::optional<std::u16string_view>());
        return;
    }
    json.StartObject();
    json.Key("civil");
    WriteDate(json, DayNumberToCivil(*next));
    json.Key("hebrew");
    WriteDate(json, DayNumberToHebrew(*next));
    json.EndObject();
}

QString NextText(std::optional<DayNumber> next) {
    if (!next)
        return QStringLiteral("next none");
    return QStringLiteral("next Hebrew %1 civil %2")
        .arg(IsoDate(DayNumberToHebrew(*next)), IsoDate(DayNumberToCivil(*next)));
}

int List(const Invocation& call) {
    ExpectArguments(call, 0, 0, kUsage);
    const StoredPersonalDates stored = ReadStoredPersonalDates();
    const DayNumber today = CivilToDayNumber(CurrentCivilDate());
    JsonWriter json(call.out);
    for (const PersonalDate& date : stored.dates) {
        const std::optional<DayNumber> next = NextPersonalObservance(date, stored.adar, today);
        const std::u16string_view calendar = date.hebrewCalendar ? u"hebrew" : u"civil";
        if (WantsJson(call)) {
            json.StartObject();
            json.Field("afterSunset", date.afterSunset);
            json.Field("calendar", calendar);
            json.Key("date");
            WriteDate(json, date.date);
            json.Field("key", int{date.key});
            json.Field("kind", PersonalKindWord(date.kind));
            json.Field("name", date.name);
            json.Key("next");
            WriteNext(json, next);
            json.Field("note", date.note);
            json.EndObject();
            json.EndRecord();
            continue;
        }
        call.out << QStringLiteral("%1\t%2\t%3 %4%5\t%6\t")
                        .arg(date.key)
                        .arg(FromUtf16(PersonalKindWord(date.kind)), FromUtf16(calendar),
                             IsoDate(date.date),
                             QLatin1String(date.afterSunset ? " after sunset" : ""), NextText(next))
                 << OnOneLine(date.name);
        if (!date.note.empty())
            call.out << '\t' << OnOneLine(date.note);
        call.out << '\n';
    }
    return 0;
}

QString RequiredText(const Invocation& call, const char* option) {
    const QString name = QLatin1String(option);
    if (!call.parser.isSet(name))
        throw UsageError{QStringLiteral("personal add: --%1 is required").arg(name)};
    return call.parser.value(name);
}

PersonalDate DateOfOptions(const Invocation& call) {
    PersonalDate date;
    date.name = RequiredText(call, "name").toStdU16String();
    const QString kind = RequiredText(call, "kind");
    const std::optional<PersonalKind> known = PersonalKindOfWord(kind.toStdU16String());
    if (!known) {
        throw UsageError{QStringLiteral("personal add: the kind is birthday, yahrzeit, "
                                        "anniversary or other, not '%1'")
                             .arg(kind)};
    }
    date.kind = *known;
    const QString text = RequiredText(call, "date");
    const EnteredDate entered = ParseEnteredDate(call, text, "personal add");
    date.hebrewCalendar = entered.hebrew;
    date.date = entered.date;
    date.afterSunset = entered.afterSunset;
    date.note = call.parser.value(QStringLiteral("note")).toStdU16String();
    switch (CheckPersonalDate(date)) {
        case PersonalDateFault::None:
            return date;
        case PersonalDateFault::EmptyName:
            throw UsageError{QStringLiteral("personal add: the name is empty")};
        case PersonalDateFault::NameCharacter:
            throw UsageError{
                QStringLiteral("personal add: the name holds a line break, tab or "
                               "other control character")};
        case PersonalDateFault::NoteCharacter:
            throw UsageError{
                QStringLiteral("personal add: the note holds a line break, tab or "
                               "other control character")};
        case PersonalDateFault::NoSuchDate:
            break;
    }
    // The date itself parsed: its evening is the day after the calendar's last.
    throw UsageError{
        QStringLiteral("personal add: the evening of '%1' is past the calendar's last day")
            .arg(text)};
}

int Add(const Invocation& call) {
    ExpectArguments(call, 1, 1, kUsage);
    const PersonalDate date = DateOfOptions(call);
    std::int32_t key = 0;
    ChangeStoredSettings([&](SettingsStore& store) {
        const std::optional<std::int32_t> added = AddStoredPersonalDate(store, date);
        if (!added)
            throw UsageError{QStringLiteral("personal add: every key is taken")};
        key = *added;
    });
    // Only now that it is stored.
    call.out << key << '\n';
    return 0;
}

int Remove(const Invocation& call) {
    ExpectArguments(call, 2, 2, kUsage);
    const QString& text = call.positionals[1];
    bool ok = false;
    const std::int32_t key = text.toInt(&ok);
    if (!ok) {
        throw UsageError{QStringLiteral("invalid personal date key '%1': expected a whole number "
                                        "from 'plxcal personal'")
                             .arg(text)};
    }
    ChangeStoredSettings([&](SettingsStore& store) {
        if (!RemoveStoredPersonalDate(store, key)) {
            throw UsageError{
                QStringLiteral("no personal date has the key %1; 'plxcal personal' lists them")
                    .arg(key)};
        }
    });
    return 0;
}

}  // namespace

int RunPersonal(const Invocation& call) {
    if (call.positionals.isEmpty())
        return List(call);
    const QString& action = call.positionals.front();
    if (action == QLatin1String("add"))
        return Add(call);
    if (action == QLatin1String("remove"))
        return Remove(call);
    throw UsageError{
        QStringLiteral("unknown personal action '%1'; expected add or remove").arg(action)};
}

}  // namespace plx::cli
