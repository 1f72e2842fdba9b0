// The personal dates as the month grid and the reports show them: the names kept on each day.
#pragma once

#include <QStringList>

#include <vector>

#include "app/stored_personal_dates.h"

namespace plx {

// The names of the dates kept on each day from `first` to `last`, first day first, in the order
// of the list on one day.
std::vector<QStringList> PersonalNamesByDay(const PersonalDateList& dates, AdarChoice adar,
                                            DayNumber first, DayNumber last);

}  // namespace plx
