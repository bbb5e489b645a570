// The phrases of a dating clause, as the grammar's rules (rules.h) find them among its words:
// each a run of words with what it means. A rule adds every phrase its words can form, one for
// each way of reading them, and the readings of the whole clause are chosen among them
// afterwards (readings.h).
#pragma once

#include "reading/date_reading.h"

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <optional>
#include <vector>

namespace tempidex {

enum class PhraseKind : std::uint8_t {
    Date,      // a Roman date, or a day of the month
    Year,      // a year of an era
    Elsewhere, // a year given otherwise: consuls, a reign, anno ut supra
    Indiction,
    Weekday,
    Hour,     // hora tertia: skipped
    Computus, // epacta, concurrentes, luna: skipped
    Initials, // B. V. M., S. R. E., L. before a name: no numbers
    Verb,     // datum, acc., pp.: what the next date is the date of
    Month,    // mense Maio alone: the month the date must fall in
    Calendar, // vetere calculo: the calendar the day is counted in
    Style,    // more veneto: the style the year is counted in
    Skip,     // id est; an epitaph's age
};

// What a phrase found wrong in its own words: it stands, and the reading that takes it fails.
enum class PhraseFault : std::uint8_t {
    None,
    Designation, // a. d. XX, a. d. VI bis, a. d. bis V
    Month,       // (a. i.) after another month than March; Kal. Ianuarius Maius
    Year,        // a year out of range, written 0, with a minus sign, or with two eras
};

struct Phrase {
    PhraseKind kind = PhraseKind::Skip;
    std::uint8_t begin = 0, end = 0; // its words: [begin, end)
    PhraseFault fault = PhraseFault::None;
    std::uint8_t faultBegin = 0, faultEnd = 0; // the words at fault

    // Date: the day, and how it was written.
    LatinDate date;
    bool pridieAsII = false;
    std::uint8_t misspeltMonth = 0; // the word of a month read from a misspelling, + 1

    // Year: the astronomical year, how it was counted, the later of a double year; `bare` for
    // a number that is a year only by its form, standing next to the date (and so an
    // Elsewhere's year written without its century).
    int year = 0;
    YearCount count = YearCount::Unmarked;
    std::optional<int> later;
    bool bare = false;

    // Elsewhere: what gives the year instead.
    YearElsewhere elsewhere = YearElsewhere::None;

    // Indiction 1 to 15, weekday 0 (Sunday) to 6, month 1 to 12; the role of a verb.
    int value = 0;
    DateRole role = DateRole::Given;

    bool overlaps(const Phrase &other) const { return begin < other.end && other.begin < end; }
};

using Phrases = std::pmr::vector<Phrase>;

// A phrase of one kind over words `begin` to `end` (not included), with its value.
inline Phrase Spanning(PhraseKind kind, std::size_t begin, std::size_t end, int value = 0) {
    Phrase p;
    p.kind = kind;
    p.begin = static_cast<std::uint8_t>(begin);
    p.end = static_cast<std::uint8_t>(end);
    p.value = value;
    return p;
}

} // namespace tempidex
