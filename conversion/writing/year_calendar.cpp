#include "year_calendar.h"

#include "latin_writing.h"
#include "modern_writing.h"

#include "calendar/church_year.h"
#include "calendar/roman_day.h"
#include "reading/date_reading.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tempidex {
namespace {

constexpr std::size_t Width = 79;

constexpr std::array<std::string_view, 7> WeekdayNames{
    "domenica", "lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato"};

// The calendar a year is counted in, as its heading says.
std::string CalendarName(int year, Reckoning reckoning) {
    if (reckoning == Reckoning::Julian || year < GregorianYear)
        return "calendario giuliano";
    return year == GregorianYear ? "giuliano fino al 4 ottobre, gregoriano dal 15"
                                 : "calendario gregoriano";
}

// Text padded with spaces to `width` characters (UTF-8: each letter counted once).
std::string Padded(std::string text, std::size_t width) {
    const auto length = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    if (length < width)
        text.append(width - length, ' ');
    return text;
}

std::string DayText(const Date &date) {
    std::string text = std::to_string(date.day);
    text.append(" ").append(ItalianMonthName(date.month));
    if (date.month == 1 || date.month == 12) // Advent may begin in November, or not
        text.append(" ").append(ModernYearText(date.year));
    return text;
}

} // namespace

std::string YearCalendarText(int year, Reckoning reckoning) {
    const YearTable table = TableOf(year, reckoning);
    std::string text =
        "Anno " + ModernYearText(year) + " (" + CalendarName(year, reckoning) + ")\n";
    std::string letters(1, table.letters[0]);
    if (table.letters[1] != '\0')
        letters += std::string(1, table.letters[1]);
    text += "numero d'oro " + std::to_string(table.goldenNumber) + ", epatta " +
            std::to_string(table.epact) + ", lettera domenicale " + letters + ", indizione " +
            RomanNumeral(table.indiction) + ", tavola pasquale " +
            std::to_string(table.easterTable) + "\n\n";
    for (const Feast &feast : Feasts()) {
        if (!feast.movable())
            break; // the movable days come first
        const long day = FixedOfFeast(feast, year, reckoning);
        const std::string weekday(WeekdayNames[static_cast<std::size_t>(WeekdayOfFixed(day))]);
        text.append(Padded(std::string(feast.italian), 44)).append(Padded(weekday, 11));
        text.append(DayText(DateFromFixed(day, reckoning))).append("\n");
    }
    return text;
}

std::string MonthCalendarText(int year, int month, Reckoning reckoning) {
    std::string text = std::string(ItalianMonthName(month)) + " " + ModernYearText(year) + " (" +
                       CalendarName(year, reckoning) + ")\n";
    const long first = FixedFromDate({year, month, 1}, reckoning);
    const long next = FixedFromDate({month == 12 ? year + 1 : year, month % 12 + 1, 1}, reckoning);
    // The feasts of the month's days: the movable ones of this year, the fixed ones by date.
    std::vector<std::pair<long, std::string_view>> feasts;
    const auto all = Feasts();
    for (std::size_t f = 0; f < all.size(); ++f) {
        ChurchDay feast;
        feast.feast = static_cast<std::int16_t>(f);
        // none for the feasts the reform of 1582 left out
        // (the Rogation days on each of their three days)
        if (const std::optional<long> day = FixedOfChurchDay(feast, year, reckoning))
            for (long each = *day; each < *day + DaysOfFeast(all[f]); ++each)
                if (each >= first && each < next)
                    feasts.emplace_back(each, all[f].movable() ? all[f].italian : all[f].latin);
    }
    const YearShape shape = ShapeOf(year, reckoning);
    for (long day = first; day < next; ++day) {
        const Date date = DateFromFixed(day, reckoning);
        LatinDate latin;
        latin.day = RomanFromDay({date.month, date.day}, shape);
        std::string line(date.day < 10 ? 1 : 0, ' ');
        line.append(std::to_string(date.day)).append(" ");
        line.append(
            Padded(std::string(WeekdayNames[static_cast<std::size_t>(WeekdayOfFixed(day))]), 10));
        line.append(Padded(WriteLatinDate(latin, false), 22));
        const std::size_t indent = line.size();
        bool firstFeast = true;
        for (const auto &[feastDay, name] : feasts) {
            if (feastDay != day)
                continue;
            std::string part(firstFeast ? "" : "; ");
            part.append(name);
            if (!firstFeast && line.size() + part.size() > Width) { // go on below, in its column
                text += line + ";\n";
                line = std::string(indent, ' ') + std::string(name);
            } else {
                line += part;
            }
            firstFeast = false;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        text += line + "\n";
    }
    return text;
}

} // namespace tempidex
