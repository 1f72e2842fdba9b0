#!/usr/bin/env python3
"""Writes tests/astro/data/sun_reference.txt: sunrise, solar noon and sunset of every day of 2024
at a few places, from PyEphem (Debian's python3-ephem, a full VSOP87 theory), as an independent
check of the precise solar calculation.

The sun's centre is taken at 51' below the horizon (35' of world-average refraction and 16' of
semidiameter), with PyEphem's own refraction off, so both sides look for the same altitude.
Times are UT hours of the date; a day without a rising or a setting says "none".
"""
import datetime
import pathlib

import ephem

PLACES = [
    ("Jerusalem", 31.78, 35.231),
    ("New York", 40.7128, -74.006),
    ("Helsinki", 60.17, 24.94),
    ("Reykjavik", 64.1466, -21.9426),
    ("70N", 70.0, 18.9553),
    ("Sydney", -33.8688, 151.2093),
    ("Ushuaia", -54.8, -68.3),
]


def day_line(observer, longitude, day):
    sun = ephem.Sun()
    midnight = ephem.Date(datetime.datetime(day.year, day.month, day.day))
    mean_noon = ephem.Date(midnight + (12 - longitude / 15) / 24)
    transit = observer.next_transit(sun, start=ephem.Date(mean_noon - 0.5))
    noon = (transit - midnight) * 24

    def event(find):
        try:
            hours = (find(sun, start=transit, use_center=True) - midnight) * 24
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            return None
        return hours if abs(hours - noon) < 12 else None

    rise, set_ = event(observer.previous_rising), event(observer.next_setting)
    if rise is None or set_ is None:
        return "none"
    return "%.6f %.6f %.6f" % (rise, noon, set_)


def main():
    lines = ["# place latitude longitude date sunrise noon sunset (UT hours of the date)"]
    for name, latitude, longitude in PLACES:
        observer = ephem.Observer()
        observer.lat, observer.lon = str(latitude), str(longitude)
        observer.elevation, observer.pressure, observer.horizon = 0, 0, "-0:51"
        day = datetime.date(2024, 1, 1)
        while day.year == 2024:
            lines.append("%s %s %s %s %s" % (name.replace(" ", "_"), latitude, longitude,
                                             day.isoformat(), day_line(observer, longitude, day)))
            day += datetime.timedelta(days=1)
    out = pathlib.Path(__file__).resolve().parent.parent / "tests/astro/data/sun_reference.txt"
    out.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
