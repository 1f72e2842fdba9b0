#include "astro/times_options.h"

namespace plx {

void SetAllTimeSwitches(TimesOfDayOptions& options, bool on) {
    for (const TimeSwitch& s : kTimeSwitches)
        options.*s.field = on;
}

}  // namespace plx
