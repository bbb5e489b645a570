#include "latin_reading.h"

#include "dating_clause.h"

#include "latin_names.h"
#include "numerals.h"
#include "window_lists.h"
#include "words.h"
#include "years.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tempidex {
namespace {

// --- Designations ------------------------------------------------------------------------------

// Days counted inclusively: the named day is 1, pridie 2, a. d. XIX 19; the doubled sixth day
// of a leap year is 6, doubled. No days: no designation.
struct Count {
    int days = 0;
    bool doubled = false;
    bool numbered = false; // written as a number: only ever 3 or more, so "a. d. II" is no day
    bool dayAfter = false; // postridie: the named day is 1, and the date the day after it
};

constexpr std::array<std::string_view, 3> PridieSpellings{"pridie", "prid", "pr"};
constexpr std::array<std::string_view, 3> PostridieSpellings{"postridie", "postrid", "postr"};

constexpr Count DesignationCount(const Words<5> &w) {
    if (!w.fits())
        return {};
    if (w.count == 0)
        return Count{1};
    if (w.count == 1 && IsAny(w[0], PridieSpellings))
        return Count{2};
    if (w.count == 1 && IsAny(w[0], PostridieSpellings))
        return Count{1, false, false, true};
    // ante diem, in any of its abbreviations, or a bare numeral; then the number of days
    std::size_t at = 0;
    if (Is(w[0], "ad"))
        at = 1;
    else if (w.count >= 2 &&
             ((Is(w[0], "a") && Is(w[1], "d")) || (Is(w[0], "ante") && Is(w[1], "diem"))))
        at = 2;
    const bool anteDiem = at > 0;
    const bool doubled = at < w.count && Is(w[at], "bis");
    at += doubled ? 1 : 0;
    int days = 0;
    if (w.count == at + 1) {
        days = RomanValue(w[at]);
        if (days == 0 && (anteDiem || doubled)) // bis sextum needs no ante diem
            days = OrdinalValue(w[at]);
    } else if (w.count == at + 2 && anteDiem) {
        days = CompoundOrdinalValue(w[at], w[at + 1]);
    }
    if (days == 0 || (doubled && days != 6))
        return {};
    return Count{days, doubled, true};
}

// Whether a word may be the first of a designation: anything else before the reference day
// makes the line no date alone (Datum, Actum, sexto).
constexpr bool BeginsADesignation(std::string_view word) {
    return IsAny(word, PridieSpellings) || IsAny(word, PostridieSpellings) ||
           IsAny(word, std::array<std::string_view, 4>{"a", "ad", "ante", "bis"}) ||
           LooksLikeANumber(word);
}

// Whether the window's designation list holds a day of that count, or it is postridie.
constexpr bool IsListed(const Count &c) {
    if (c.dayAfter)
        return true;
    return c.days > 0 && c.numbered == (c.days >= 3) &&
           EntryOf(DesignationMeaning{c.days, c.doubled}) != NotListed;
}

// --- What follows the reference day: the month, "(a. i.)", a year ------------------------------

struct Tail {
    MonthMeaning month;       // month 0: no month
    std::size_t yearFrom = 0; // the words from here on are the year; 0: none
    bool yearWrong = false;
    std::optional<int> year;
    Era era = Era::None;
};

constexpr Tail TailOf(const Words<12> &w) {
    Tail tail;
    const int month = w.count > 0 ? MonthOf(w[0]) : 0;
    if (month == 0)
        return tail;
    std::size_t at = 1;
    const bool annoIntercalari =
        (w.count >= 3 && Is(w[1], "a") && Is(w[2], "i")) || (w.count >= 2 && Is(w[1], "ai"));
    at += annoIntercalari ? (Is(w[1], "ai") ? 1 : 2) : 0;
    if (at < w.count && !StartsAYear(w, at))
        return tail; // words that are no part of a date: the month is what is wrong
    tail.month = {month, annoIntercalari};
    if (at == w.count)
        return tail;
    tail.yearFrom = at;
    tail.year = YearOf(w, at, &tail.era);
    tail.yearWrong = !tail.year;
    return tail;
}

// The year's words from the first number written with a minus sign ("-44", "−44", as
// astronomers and programs write the years before Christ), to the end; empty for none. A minus
// only separates words, so without this look back "-44" would read as AD 44.
constexpr std::string_view MinusSignedNumber(const Words<12> &w, std::size_t from,
                                             std::string_view line) {
    constexpr std::string_view minus = "\u2212";
    for (std::size_t i = from; i < std::min(w.count, std::size_t{12}); ++i) {
        const std::string_view word = w[i];
        if (word[0] < '0' || word[0] > '9')
            continue;
        const auto at = static_cast<std::size_t>(word.data() - line.data());
        const std::size_t sign =
            at >= 1 && line[at - 1] == '-' ? 1
            : at >= minus.size() && line.substr(at - minus.size(), minus.size()) == minus
                ? minus.size()
                : 0;
        if (sign > 0) {
            const std::string_view year = w.span(from);
            const auto end = static_cast<std::size_t>(year.data() + year.size() - line.data());
            return line.substr(at - sign, end - (at - sign));
        }
    }
    return {};
}

// --- Every entry of the window's lists reads as what it means there ----------------------------

constexpr bool ListTextsReadAsTheyMean() {
    for (std::size_t i = 0; i < Designations.size(); ++i) {
        const Count c = DesignationCount(Split<5>(Designations[i]));
        if (!IsListed(c) || DesignationMeaning{c.days, c.doubled} != DesignationMeanings[i])
            return false;
    }
    for (std::size_t i = 0; i < ReferenceDays.size(); ++i)
        if (ReferenceOf(Split<1>(ReferenceDays[i])[0]) != static_cast<Reference>(i))
            return false;
    for (std::size_t i = 0; i < MonthEntries.size(); ++i) {
        const Tail tail = TailOf(Split<12>(MonthEntries[i]));
        if (tail.month != MonthMeanings[i] || tail.yearFrom != 0)
            return false;
    }
    return true;
}
static_assert(ListTextsReadAsTheyMean());

// A date alone, as the window's lists and most readers write it: the designation, the
// reference day, the month, "(a. i.)" and a year, and nothing else. `quick`: give up at the
// first word before any reference day that no designation begins with, or at the sixth, the
// error left unsaid.
LatinReading ReadDateAlone(std::string_view text, bool quick) {
    // The reference day divides the date: the designation before it, the month after it.
    Words<5> before;
    Words<12> after;
    std::optional<Reference> reference;
    bool hopeless = false;
    ForEachWord(text, [&](std::string_view word) {
        if (reference)
            after.add(word);
        else if (!(reference = ReferenceOf(word)))
            before.add(word);
        hopeless = quick && (!before.fits() ||
                             (before.count == 1 && !reference && !BeginsADesignation(before[0])));
        return !hopeless;
    });
    if (hopeless)
        return LatinReading::Unread(LatinPart::Designation, {});
    if (before.count == 0 && !reference && after.count == 0 && IsBlankLine(text))
        return LatinReading::Blank();
    const Count count = DesignationCount(before);
    if (!IsListed(count))
        return LatinReading::Unread(LatinPart::Designation, before.span());
    if (!reference)
        return LatinReading::Unread(LatinPart::Reference, {});
    Tail tail = TailOf(after);
    if (tail.month.month == 0 || EntryOf(tail.month) == NotListed)
        return LatinReading::Unread(LatinPart::Month,
                                    after.span(0, tail.yearFrom > 0 ? tail.yearFrom : after.count));
    if (tail.yearWrong)
        return LatinReading::Unread(LatinPart::Year, after.span(tail.yearFrom));
    if (const std::string_view signedYear = MinusSignedNumber(after, tail.yearFrom, text);
        !signedYear.empty())
        return LatinReading::Unread(LatinPart::Year, signedYear);
    // The doubled sixth day before the March Calends is a leap year's, said or not.
    if (count.doubled && reference == Reference::Calends && tail.month.month == 3 && !tail.year)
        tail.month.leapYear = true;
    ClauseNotes notes;
    notes.count = tail.era == Era::Christian      ? YearCount::Christian
                  : tail.era == Era::City         ? YearCount::City
                  : tail.era == Era::BeforeChrist ? YearCount::BeforeChrist
                                                  : YearCount::Unmarked;
    return LatinReading::Of({{count.dayAfter ? 1 : count.days, count.doubled, count.dayAfter,
                              *reference, tail.month.month},
                             tail.month.leapYear,
                             tail.year},
                            notes);
}

} // namespace

LatinReading ReadLatinDate(std::string_view text) {
    // One reading, written in place by whichever reads the line (a reading copied from where
    // it was just built waits for its parts to be written). Most lines are a date alone, read
    // at once; the rest may be a whole clause, known at once where the first word begins no
    // designation and is no reference day (Datum, Actum), or where more words stand before the
    // reference day than any designation has.
    bool mayBeAlone = true;
    ForEachWord(text.substr(0, LongestLine + 1), [&mayBeAlone](std::string_view word) {
        mayBeAlone = ReferenceOf(word) || BeginsADesignation(word);
        return false;
    });
    LatinReading reading = text.size() > LongestLine
                               ? LatinReading::Unread(LatinPart::WholeLine, {})
                           : mayBeAlone ? ReadDateAlone(text, true)
                                        : LatinReading::Unread(LatinPart::Designation, {});
    if (reading.unread != LatinPart::None && reading.unread != LatinPart::WholeLine &&
        !ReadDatingClause(text, reading))
        reading = ReadDateAlone(text, false); // no date: the error of reading it as one
    return reading;
}

} // namespace tempidex
