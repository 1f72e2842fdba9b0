// TEMPORARY stand-in until the stored list lands on main.
#pragma once

#include <QString>

#include <optional>

#include "engine/calendar.h"
#include "engine/personal_dates.h"

namespace plx {

struct PersonalDate {
    int key = -1;
    QString name;
    PersonalKind kind = PersonalKind::Birthday;
    bool civil = false;
    CalendarDate date{1, 1, 5784};
    bool afterSunset = false;
    QString note;
};

inline constexpr PersonalKind kPersonalKinds[] = {PersonalKind::Birthday, PersonalKind::Yahrzeit,
                                                  PersonalKind::Anniversary, PersonalKind::Other};

enum class PersonalDateProblem { None, NoName, BadName, BadNote, BadDate };
PersonalDateProblem CheckPersonalDate(const PersonalDate& date);
bool PersonalDateExists(const PersonalDate& date);
std::optional<DayNumber> NextObservance(const PersonalDate& date, AdarChoice adar, DayNumber from);

}  // namespace plx
