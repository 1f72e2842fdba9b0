#include "astro/times_options.h"

#include <gtest/gtest.h>

namespace plx {
namespace {

TEST(TimeSwitches, AllOnAndAllOffKeepTheDefinitions) {
    TimesOfDayOptions options;
    options.milesMethod = 90;
    SetAllTimeSwitches(options, true);
    for (const TimeSwitch& s : kTimeSwitches)
        EXPECT_EQ(options.*s.field, 1);
    SetAllTimeSwitches(options, false);
    for (const TimeSwitch& s : kTimeSwitches)
        EXPECT_EQ(options.*s.field, 0);
    EXPECT_EQ(options.milesMethod, 90);
}

}  // namespace
}  // namespace plx
