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

IsoDates IsoDatesOf(const Dating &d) {
    IsoDates dates;
    if (d.outcome != Outcome::Day || !d.year || *d.year < FirstJulianYear)
        return dates;
    const Date date{*d.year, d.day.month, d.day.day};
    const long fixed = FixedFromDate(date, d.options.reckoning);
    const Date gregorian = GregorianFromFixed(fixed);
    dates.gregorian = IsoDateText(gregorian.year, gregorian.month, gregorian.day);
    if (d.options.reckoning == Reckoning::Julian || fixed <= LastJulianDay)
        dates.julian = IsoDateText(date.year, date.month, date.day);
    return dates;
}

} // namespace tempidex
