// The texts the windows show of personal dates, in the interface language.
#pragma once

#include <QString>
#include <QStringList>

#include "app/stored_personal_dates.h"
#include "engine/calendar.h"
#include "engine/language.h"

namespace plx {

// A text of the personal dates' section of the language file.
QString PersonalText(const char16_t* key);
// The kinds in the order the windows offer them.
inline constexpr PersonalKind kPersonalKinds[] = {PersonalKind::Birthday, PersonalKind::Yahrzeit,
                                                  PersonalKind::Anniversary, PersonalKind::Other};
// "Birthday", "Yahrzeit" ...
QString PersonalKindText(PersonalKind kind);

// "15 Adar II 5784"; in Hebrew the date as Hebrew writes it.
QString HebrewDayText(CalendarDate hebrew, Language names);
// "25 March 2024".
QString CivilDayText(CalendarDate civil, Language names);
// The date as it was entered, on its calendar, marked when it was after sunset.
QString EnteredDateText(const PersonalDate& date, Language names);

// The lines of the times-and-events page for the dates kept on `day`: "Sarah – Birthday".
QStringList PersonalPageLines(const PersonalDateList& dates, AdarChoice adar, DayNumber day);

}  // namespace plx
