#include "modern_text.h"

#include "window_lists.h"
#include "years.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

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

// The Italian month that `word` names, in any letter case, from the month list's own names.
int ItalianMonth(std::string_view word) {
    for (int month = 1; month <= CalendarMonths; ++month) {
        const std::string_view name = MonthRowOf(month).currentName;
        if (word.size() == name.size() &&
            std::equal(word.begin(), word.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return month;
    }
    return 0;
}

ModernDate WithYear(int day, int month, std::string_view rest) {
    rest = Trimmed(rest);
    if (rest.empty())
        return {ModernReading::Read, day, month, std::nullopt};
    const std::optional<int> year = ReadYear(rest);
    return {year ? ModernReading::Read : ModernReading::WrongYear, day, month, year};
}

} // namespace

ModernDate ReadModernDate(std::string_view text) {
    text = Trimmed(text);
    if (text.empty())
        return {};
    // ISO 8601: the year first, in four digits or more.
    if (std::string_view iso = text; iso.size() >= 10 && iso[4] == '-') {
        const auto year = TakeNumber(iso, 5);
        if (year && !iso.empty() && iso.front() == '-') {
            iso.remove_prefix(1);
            const auto month = iso.empty() ? std::nullopt : TakeNumber(iso, 2);
            if (month && iso.size() > 1 && iso.front() == '-') {
                iso.remove_prefix(1);
                const auto day = TakeNumber(iso, 2);
                if (day && iso.empty())
                    return WithYear(*day, *month, text.substr(0, 4));
            }
        }
    }
    const auto day = TakeNumber(text, 2);
    if (!day)
        return {};
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

void AppendModernDate(std::string &out, int day, int month, std::optional<int> year) {
    out.append(DayLabel(day)).append(MonthRowOf(month).currentName);
    if (year)
        AppendModernYear(out.append(" "), *year);
}

} // namespace tempidex
