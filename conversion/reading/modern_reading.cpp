#include "modern_reading.h"

#include "reading/grammar/number_phrases.h"
#include "reading/words/words.h"

#include "calendar/roman_calendar.h"
#include "window/window_lists.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <memory_resource>
#include <string>

namespace tempidex {
namespace {

bool IsSpaceOrTab(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpaceOrTab(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpaceOrTab(text.back()))
        text.remove_suffix(1);
    return text;
}

// The leading digits of `text`, of at most `most`, which it moves past; nothing without one.
std::optional<int> TakeNumber(std::string_view &text, std::size_t most) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const auto length = static_cast<std::size_t>(end - text.data());
    if (error != std::errc() || length > most || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    text.remove_prefix(length);
    return value;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The Italian month that `word` names, in any letter case, from the month list's own names:
// whole, or three letters or more of it with a dot ("gen.", "sett."). 0 for none.
int ItalianMonth(std::string_view word) {
    const bool abbreviated = word.size() > 3 && word.back() == '.';
    if (abbreviated)
        word.remove_suffix(1);
    for (int month = 1; month <= CalendarMonths; ++month) {
        const std::string_view name = MonthRowOf(month).currentName;
        if (SameLetters(word, abbreviated ? name.substr(0, word.size()) : name))
            return month;
    }
    return 0;
}

// The Italian weekdays, with their accents or without (lunedi, as keyboards without them
// write it).
constexpr std::array<std::string_view, 7> ItalianWeekdays{
    "domenica", "lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato"};

// The weekday that begins `text`, which it moves past; -1 for none.
int TakeWeekday(std::string_view &text) {
    const std::size_t end = std::min(text.find_first_of(" \t,"), text.size());
    const std::string_view word = text.substr(0, end);
    for (std::size_t day = 0; day < ItalianWeekdays.size(); ++day) {
        std::string_view name = ItalianWeekdays[day];
        const bool accented = name.ends_with("ì");
        if (SameLetters(word, name) ||
            (accented && SameLetters(word, std::string(name.substr(0, name.size() - 2)) + "i"))) {
            text = Trimmed(text.substr(std::min(text.size(), end + 1)));
            return static_cast<int>(day);
        }
    }
    return -1;
}

// "°" and "º" after the day: 1° gennaio.
void SkipOrdinalMark(std::string_view &text) {
    for (const std::string_view mark : {"\u00b0", "\u00ba"})
        if (text.starts_with(mark))
            text.remove_prefix(mark.size());
}

// A year alone, [anno] [era] number [era], every word of `text` read: the astronomical year.
ModernDate WithYear(int day, int month, std::string_view rest) {
    rest = Trimmed(rest);
    if (rest.empty())
        return {ModernReading::Read, day, month, std::nullopt, -1, {}};
    ModernDate date{ModernReading::WrongYear, day, month, std::nullopt, -1, rest};
    std::pmr::monotonic_buffer_resource memory;
    const Words words(rest, &memory);
    std::size_t at = words.is(0, Kind::Anno) ? 1 : 0;
    const std::optional<EraRead> before = EraFrom(words, at);
    if (before)
        at = before->end;
    for (const YearNumber &number : YearNumbersFrom(words, at)) {
        std::size_t end = number.end;
        const std::optional<EraRead> after = before ? std::nullopt : EraFrom(words, end);
        if (after)
            end = after->end;
        if (end != words.size())
            continue;
        if (number.minus) {
            date.reading = ModernReading::SignedYear;
            return date;
        }
        const int year = YearInEra(number.value, before  ? before->era
                                                 : after ? after->era
                                                         : Era::Christian);
        if (number.value > 0 && year >= FirstYear && year <= LastYear) {
            date.reading = ModernReading::Read;
            date.year = year;
        }
        return date;
    }
    return date;
}

// ISO 8601: the year first, in four digits or more; with a minus, an astronomical year
// before AD 1 (-0043 is 44 BC). Nothing where `text` is no ISO date.
std::optional<ModernDate> IsoDate(std::string_view text) {
    const bool minus = text.starts_with('-');
    std::string_view iso = text.substr(minus ? 1 : 0);
    if (iso.size() < 10 || iso[4] != '-')
        return std::nullopt;
    const auto year = TakeNumber(iso, 5);
    if (!year || iso.empty() || iso.front() != '-')
        return std::nullopt;
    iso.remove_prefix(1);
    const auto month = iso.empty() ? std::nullopt : TakeNumber(iso, 2);
    if (!month || iso.size() < 2 || iso.front() != '-')
        return std::nullopt;
    iso.remove_prefix(1);
    const auto day = TakeNumber(iso, 2);
    if (!day || !iso.empty())
        return std::nullopt;
    if (!minus)
        return WithYear(*day, *month, text.substr(0, 4));
    const int astronomical = -*year;
    if (astronomical < FirstYear)
        return ModernDate{ModernReading::WrongYear, *day, *month, std::nullopt, -1, text};
    return ModernDate{ModernReading::Read, *day, *month, astronomical, -1, {}};
}

ModernDate ReadDayAndMonth(std::string_view text) {
    const auto day = TakeNumber(text, 2);
    if (!day)
        return {};
    SkipOrdinalMark(text);
    text = Trimmed(text);
    if (!text.empty() && (text.front() == '/' || text.front() == '.' || text.front() == '-')) {
        const char separator = text.front();
        text = Trimmed(text.substr(1));
        const auto month = text.empty() ? std::nullopt : TakeNumber(text, 2);
        if (!month)
            return {};
        text = Trimmed(text);
        if (!text.empty() && text.front() != separator)
            return {};
        return WithYear(*day, *month, text.empty() ? text : text.substr(1));
    }
    const std::size_t end = text.find_first_of(" \t\r");
    const int month = ItalianMonth(text.substr(0, end));
    if (month == 0)
        return {};
    return WithYear(*day, month,
                    end == std::string_view::npos ? std::string_view{} : text.substr(end));
}

} // namespace

ModernDate ReadModernDate(std::string_view text) {
    text = Trimmed(text);
    if (text.empty())
        return {};
    if (const std::optional<ModernDate> iso = IsoDate(text))
        return *iso;
    const int weekday = TakeWeekday(text);
    ModernDate date = ReadDayAndMonth(text);
    date.weekday = date.reading == ModernReading::NoDate ? -1 : weekday;
    return date;
}

} // namespace tempidex
