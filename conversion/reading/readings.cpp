#include "readings.h"

#include "calendar/roman_day.h"

#include <algorithm>
#include <bitset>
#include <optional>

namespace tempidex {
namespace {

constexpr std::size_t MostChoices = 4096;     // ways to read one group of overlapping phrases
constexpr std::size_t MostCombinations = 256; // ways to read the whole line

using Choice = std::vector<std::size_t>; // phrases, in the order of their words
using Coverage = std::bitset<Tokens::MostWords>;

// The words a reading must account for: numbers, named days, "anno".
bool MustRead(const Words &words, std::size_t i) {
    return !words[i].gloss &&
           (words.isNumber(i) || words.is(i, Kind::Reference) || words.is(i, Kind::Anno));
}

LineReading Fault(LineFault fault, std::string_view text) {
    LineReading reading;
    reading.fault = fault;
    reading.faultText = text;
    return reading;
}

// The first word that no phrase takes and that must be read, as the fault it makes: a named
// day without its month, no date at all, a count before a date that names no day, a lone
// "anno", a number read as nothing.
std::optional<LineReading> Unread(const Words &words, const Phrases &phrases) {
    std::vector<bool> taken(words.size());
    bool date = false;
    for (const Phrase &p : phrases) {
        std::fill(taken.begin() + p.begin, taken.begin() + p.end, true);
        date = date || p.kind == PhraseKind::Date;
    }
    for (std::size_t i = 0; i < words.size(); ++i)
        if (!taken[i] && words.is(i, Kind::Reference)) {
            const bool month = i + 1 < words.size() && !words[i + 1].pause;
            return Fault(LineFault::Month, month ? words[i + 1].written : std::string_view{});
        }
    if (!date)
        return Fault(LineFault::NoDate, {});
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (taken[i] || !MustRead(words, i))
            continue;
        if (words.is(i, Kind::Anno))
            return Fault(LineFault::Anno, words.written(i, i + 1));
        // A count that names no day, right before a date: a. d. IIIII Kal. Ian.
        for (const Phrase &p : phrases)
            if (p.kind == PhraseKind::Date && p.begin == i + 1 && words.is(p.begin, Kind::Reference)) {
                std::size_t begin = i;
                if (begin >= 2 && words.is(begin - 2, Kind::A) && words.is(begin - 1, Kind::D))
                    begin -= 2;
                return Fault(LineFault::Designation, words.written(begin, i + 1));
            }
        return Fault(LineFault::Number, words.written(i, i + 1));
    }
    return std::nullopt;
}

// Every choice of phrases of one group, covering the group's words [begin, end) from `at`:
// each word that must be read is taken by a phrase.
void Enumerate(const Words &words, const Phrases &phrases, const std::vector<std::size_t> &group,
               std::size_t at, std::size_t end, Choice &choice, std::vector<Choice> &choices) {
    if (choices.size() > MostChoices)
        return;
    if (at >= end) {
        choices.push_back(choice);
        return;
    }
    if (!MustRead(words, at))
        Enumerate(words, phrases, group, at + 1, end, choice, choices);
    for (const std::size_t p : group) {
        if (phrases[p].begin != at)
            continue;
        choice.push_back(p);
        Enumerate(words, phrases, group, phrases[p].end, end, choice, choices);
        choice.pop_back();
    }
}

Coverage CoverageOf(const Phrases &phrases, const Choice &choice) {
    Coverage words;
    for (const std::size_t p : choice)
        for (std::size_t i = phrases[p].begin; i < phrases[p].end; ++i)
            words.set(i);
    return words;
}

// The choices that no other choice covers more than: of "VI Kal. Mai.", the one with the VI.
std::vector<Choice> Widest(const Phrases &phrases, const std::vector<Choice> &choices) {
    std::vector<Coverage> covered;
    for (const Choice &choice : choices)
        covered.push_back(CoverageOf(phrases, choice));
    std::vector<Choice> widest;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        bool narrower = false;
        for (std::size_t j = 0; j < choices.size() && !narrower; ++j)
            narrower = covered[j] != covered[i] && (covered[j] & covered[i]) == covered[i];
        const bool again = std::any_of(widest.begin(), widest.end(), [&](const Choice &c) {
            return CoverageOf(phrases, c) == covered[i] && c == choices[i];
        });
        if (!narrower && !again)
            widest.push_back(choices[i]);
    }
    return widest;
}

// The day of the month a date names, in a common year: to tell two ways of writing one day.
DayOfMonth DayOf(const LatinDate &date) {
    if (date.dayOfMonth > 0)
        return {date.day.month, date.dayOfMonth};
    return DayFromRoman(date.day, YearShape{date.leapYear}).date;
}

// One reading of the line from the phrases chosen: its date, its year and what the words
// around them say; or the fault that makes it no reading.
struct Assembled {
    LineFault fault = LineFault::None;
    std::string_view faultText;
    bool written = false; // the fault is in how a phrase is written, not in how they fit
    DateReading reading;
};

Assembled Assemble(const Words &words, const Phrases &phrases, Choice choice) {
    std::sort(choice.begin(), choice.end(),
              [&](std::size_t a, std::size_t b) { return phrases[a].begin < phrases[b].begin; });
    Assembled made;
    const auto fail = [&made](LineFault fault, std::string_view text) {
        made.fault = fault;
        made.faultText = text;
        return made;
    };
    for (const std::size_t i : choice) {
        const Phrase &p = phrases[i];
        const std::string_view text = words.written(p.faultBegin, p.faultEnd);
        made.written = true;
        switch (p.fault) {
        case PhraseFault::None:
            made.written = false;
            break;
        case PhraseFault::Designation:
            return fail(LineFault::Designation, text);
        case PhraseFault::Month:
            return fail(LineFault::Month, text);
        case PhraseFault::Year:
            return fail(LineFault::Year, text);
        }
    }
    // A year only by its form stands next to the date.
    for (const std::size_t i : choice) {
        const Phrase &p = phrases[i];
        if (p.kind != PhraseKind::Year || !p.bare)
            continue;
        const bool next = std::any_of(choice.begin(), choice.end(), [&](std::size_t d) {
            const Phrase &date = phrases[d];
            return date.kind == PhraseKind::Date && (date.end == p.begin || p.end == date.begin);
        });
        if (!next)
            return fail(LineFault::Number, words.written(p.begin, p.end));
    }
    ClauseNotes &notes = made.reading.notes;
    const Phrase *given = nullptr, *other = nullptr, *year = nullptr, *spanish = nullptr;
    DateRole role = DateRole::Given;
    for (const std::size_t i : choice) {
        const Phrase &p = phrases[i];
        switch (p.kind) {
        case PhraseKind::Verb:
            role = p.role;
            break;
        case PhraseKind::Date:
            if (role != DateRole::Given) {
                other = other ? other : &p;
                notes.otherRole = role;
            } else if (given && DayOf(given->date) != DayOf(p.date)) {
                return fail(LineFault::TwoDates, words.written(given->begin, p.end));
            } else {
                given = given ? given : &p;
            }
            role = DateRole::Given;
            break;
        case PhraseKind::Year:
            if (p.count == YearCount::SpanishEra) {
                spanish = spanish ? spanish : &p;
            } else if (year && year->year != p.year) {
                return fail(LineFault::TwoYears, words.written(year->begin, p.end));
            } else if (!year || year->count == YearCount::Unmarked) {
                year = &p; // the mention with its formula says how the year was counted
            }
            break;
        case PhraseKind::Elsewhere:
            if (notes.elsewhere == YearElsewhere::None) {
                notes.elsewhere = p.elsewhere;
                notes.elsewhereText = words.written(p.begin, p.end);
            }
            break;
        case PhraseKind::Indiction:
            notes.indiction = notes.indiction ? notes.indiction : static_cast<std::int8_t>(p.value);
            break;
        case PhraseKind::Weekday:
            notes.weekday = notes.weekday >= 0 ? notes.weekday : static_cast<std::int8_t>(p.value);
            break;
        case PhraseKind::Hour:
        case PhraseKind::Computus:
        case PhraseKind::Initials:
        case PhraseKind::Skip:
            break;
        }
    }
    if (!given && other) { // a law's acc. alone: its only date
        given = other;
        other = nullptr;
    }
    if (!given)
        return fail(LineFault::NoDate, {});
    if (!year && spanish) {
        year = spanish;
    } else if (year && spanish) {
        notes.spanishEra = spanish->year + 38; // the era as written, to check
    }
    LatinDate &date = made.reading.date;
    date = given->date;
    notes.pridieAsII = given->pridieAsII;
    if (given->misspeltMonth > 0) {
        notes.readMonth = static_cast<std::int8_t>(given->date.day.month);
        notes.misspeltMonth = words[given->misspeltMonth - 1u].written;
    }
    if (other) {
        notes.otherDate = other->date;
    }
    if (year) {
        date.year = year->year;
        notes.count = year->count;
        notes.laterYear = year->later;
        notes.elsewhere = YearElsewhere::None;
        notes.elsewhereText = {};
    }
    // The doubled sixth day before the March Calends is a leap year's, said or not.
    if (!date.year && date.day.doubled && date.day.reference == Reference::Calends &&
        date.day.month == 3)
        date.leapYear = true;
    return made;
}

bool SameReading(const DateReading &a, const DateReading &b) {
    return a.date == b.date && a.notes.count == b.notes.count &&
           a.notes.laterYear == b.notes.laterYear && a.notes.elsewhere == b.notes.elsewhere;
}

} // namespace

LineReading ChooseReadings(const Words &words, const Phrases &given) {
    if (std::optional<LineReading> unread = Unread(words, given))
        return *unread;
    Phrases phrases = given;
    std::stable_sort(phrases.begin(), phrases.end(), [](const Phrase &a, const Phrase &b) {
        return a.begin < b.begin || (a.begin == b.begin && a.end > b.end);
    });
    // Groups of phrases that overlap one another, each read apart.
    std::vector<std::vector<Choice>> groups;
    for (std::size_t first = 0; first < phrases.size();) {
        std::vector<std::size_t> group{first};
        std::size_t end = phrases[first].end;
        std::size_t next = first + 1;
        for (; next < phrases.size() && phrases[next].begin < end; ++next) {
            group.push_back(next);
            end = std::max<std::size_t>(end, phrases[next].end);
        }
        std::vector<Choice> choices;
        Choice choice;
        Enumerate(words, phrases, group, phrases[first].begin, end, choice, choices);
        if (choices.size() > MostChoices)
            return Fault(LineFault::TooComplex, words.written(phrases[first].begin, end));
        groups.push_back(Widest(phrases, choices));
        first = next;
    }
    std::size_t combinations = 1;
    for (const std::vector<Choice> &choices : groups) {
        combinations *= std::max<std::size_t>(choices.size(), 1);
        if (combinations > MostCombinations)
            return Fault(LineFault::TooComplex, words.written(0, words.size()));
    }
    LineReading line;
    std::optional<Assembled> firstFault, writtenFault;
    for (std::size_t n = 0; n < combinations; ++n) {
        Choice choice;
        for (std::size_t rest = n; const std::vector<Choice> &choices : groups) {
            if (choices.empty())
                continue;
            const Choice &part = choices[rest % choices.size()];
            choice.insert(choice.end(), part.begin(), part.end());
            rest /= choices.size();
        }
        const Assembled made = Assemble(words, phrases, choice);
        if (made.fault != LineFault::None) {
            firstFault = firstFault ? firstFault : made;
            if (made.written && !writtenFault)
                writtenFault = made;
            continue;
        }
        if (std::none_of(line.readings.begin(), line.readings.end(),
                         [&](const DateReading &r) { return SameReading(r, made.reading); }))
            line.readings.push_back(made.reading);
    }
    // A phrase written wrong fails the line: it may be what the writer meant. A reading whose
    // phrases do not fit together is only no reading.
    if (writtenFault)
        return Fault(writtenFault->fault, writtenFault->faultText);
    if (line.readings.empty() && firstFault)
        return Fault(firstFault->fault, firstFault->faultText);
    return line;
}

} // namespace tempidex
