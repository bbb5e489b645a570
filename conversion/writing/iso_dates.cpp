#include "iso_dates.h"

#include "calendar/day_number.h"

#include <cstdio>
#include <cstdlib>

namespace tempidex {

std::string IsoDateText(int year, int month, int day) {
    char text[24];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", year < 0 ? "-" : "", std::abs(year), month,
                  day);
    return text;
}

IsoDates IsoDatesOfDay(int year, int month, int day, Reckoning reckoning) {
    IsoDates dates;
    const Date date{year, month, day};
    if (year < FirstJulianYear || !IsDayOfTheCalendar(date, reckoning))
        return dates;
    const long fixed = FixedFromDate(date, reckoning);
    const Date gregorian = GregorianFromFixed(fixed);
    dates.gregorian = IsoDateText(gregorian.year, gregorian.month, gregorian.day);
    if (reckoning == Reckoning::Julian || fixed <= LastJulianDay)
        dates.julian = IsoDateText(date.year, date.month, date.day);
    return dates;
}

IsoDates IsoDatesOf(const Dating &d) {
    if (d.outcome != Outcome::Day || !d.year)
        return {};
    return IsoDatesOfDay(*d.year, d.day.month, d.day.day, d.options.reckoning);
}

} // namespace tempidex
