// Reading the program's "HH:MM" clock texts back as numbers.
#pragma once

#include <string_view>

namespace plx {

// Minutes from the start of the clock day ("24:05" is 1445).
inline int ClockMinutes(std::u16string_view clock) {
    return ((clock[0] - u'0') * 10 + (clock[1] - u'0')) * 60 + (clock[3] - u'0') * 10 +
           (clock[4] - u'0');
}

}  // namespace plx
