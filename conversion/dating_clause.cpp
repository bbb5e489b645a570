#include "dating_clause.h"

#include "clause_reader.h"

#include <algorithm>
#include <memory>

namespace tempidex {
namespace clause_reading {

bool Reader::read(LatinReading &reading) {
    // The date: a reference day and its month, or a day of the month; another date must be
    // the same.
    Core core, other;
    bool found = false;
    for (Index i = 0; i < m_size; ++i) {
        if (kind(i).reference < 0 && !is(i, Key::Die) && !is(i, Key::Mensis))
            continue; // most words: no date is read from them
        Core &date = found ? other : core;
        if (!romanCoreAt(i, date) && (gloss(i) || !dayOfMonthCoreAt(i, date)))
            continue;
        if (found && (other.day != core.day || other.dayOfMonth != core.dayOfMonth)) {
            reading =
                LatinReading::Unread(LatinPart::TwoDates, w.written(core.begin, other.end - 1));
            return true;
        }
        found = true;
        i = date.end - 1;
    }
    if (!found)
        return false;
    if (core.fault != LatinPart::None) {
        reading = LatinReading::Unread(core.fault, core.faultText);
        return true;
    }
    use(core.begin, core.end);
    // A second mention of the same date is part of it too.
    for (Index i = core.end; i < m_size; ++i)
        if (kind(i).reference >= 0 && romanCoreAt(i, other))
            use(other.begin, other.end);

    // Consuls name the year; their numbers (Honorio VIII et Theodosio III) are no years.
    // (Each pass looks only where some word is what it looks for.)
    const bool consuls = anyIs(Key::Consul), numerals = anyIs(Key::Roman),
               numbers = anyIs(Key::Digits) || numerals,
               eras = anyIs(Key::Weekday) || anyIs(Key::EraStart);
    for (Index i = 0; i < m_size && consuls; ++i)
        if (free(i) && is(i, Key::Consul)) {
            m_consuls = true;
            use(i, i + 1);
        }
    // What only looks like a number: initials before a name (L. Pisone, C. Iulio), and "D."
    // for data before the date.
    for (Index i = 0; i < m_size && numerals; ++i) {
        if (!is(i, Key::Roman) || !free(i) || text(i).size() != 1)
            continue;
        Index eraEnd = 0;
        const bool inEra = eraAt(i, eraEnd) || (i > 0 && eraAt(i - 1, eraEnd) && eraEnd > i);
        const bool initial = free(i + 1) && w[i + 1].capital && !is(i + 1, Key::Roman) &&
                             !is(i + 1, Key::Anno) && !inEra;
        const bool data = is(i, Key::D) && (i == 0 || i + 1 == core.begin);
        if (initial || data)
            use(i, i + 1);
    }
    const bool wordsAroundTheYear = anyIs(Key::Indiction) || anyIs(Key::Hour) ||
                                    anyIs(Key::Feria) || anyIs(Key::Reign) || anyIs(Key::Anno) ||
                                    anyIs(Key::Formula);
    for (Index i = 0; i < m_size && wordsAroundTheYear; ++i) {
        if (!free(i))
            continue;
        if (is(i, Key::Indiction)) {
            readFollowing(i, 2, 1, 15, &m_indiction);
        } else if (is(i, Key::Hour)) {
            readFollowing(i, 3, 1, 24, nullptr);
        } else if (is(i, Key::Feria)) {
            std::int8_t feria = 0;
            readFollowing(i, 2, 2, 7, &feria);
            if (feria > 0)
                m_weekday = static_cast<std::int8_t>(feria - 1);
        } else if (is(i, Key::Reign)) {
            // pontificatus nostri anno quarto: its number is no year; "anno Domini" after it
            // begins the year of the date
            Index end = i + 1;
            Number number = numberAt(end, true);
            while (end < i + 4 && free(end) && number.end == 0 &&
                   !(is(end, Key::Anno) && isFormula(end + 1)))
                number = numberAt(++end, true);
            use(i, number.end > 0 ? number.end : i + 1);
        } else if (is(i, Key::Anno) || isFormula(i)) {
            readYearPhrase(i);
        }
    }
    for (Index i = 0; i < m_size && eras; ++i) {
        if (!free(i))
            continue;
        if (is(i, Key::Weekday)) {
            m_weekday = kind(i).weekday;
            use(i, i + 1);
        }
        if (is(i, Key::EraStart))
            readEraBefore(i);
    }
    for (Index i = 0; i < m_size && numbers; ++i)
        if (free(i) && (is(i, Key::Digits) || is(i, Key::Roman)))
            readBareNumber(i, core);
    // What is left and looks like a number, but is none: 15x4, IIX.
    for (Index i = 0; i < m_size && !m_consuls; ++i) {
        if (!free(i))
            continue;
        const std::string_view word = text(i);
        const bool digit =
            std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digit && !is(i, Key::Roman))
            continue;
        const bool capitals = std::all_of(w[i].written.begin(), w[i].written.end(),
                                          [](char c) { return c < 'a' || c > 'z'; });
        if (!digit && !capitals && !(i == core.end && word.size() > 2))
            continue;
        if (i + 1 == core.begin) // a. d. IIIII Kal.: the count is what is wrong
            m_wrongDesignation = {i > 1 && is(i - 2, Key::A) && is(i - 1, Key::D) ? i - 2 : i, i};
        else
            m_wrongYear = m_wrongYear ? m_wrongYear : i;
    }

    if (m_wrongDesignation) {
        reading =
            LatinReading::Unread(LatinPart::Designation,
                                 w.written(m_wrongDesignation->first, m_wrongDesignation->second));
        return true;
    }
    if (m_wrongYear) {
        reading = LatinReading::Unread(LatinPart::Year, w[*m_wrongYear].written);
        return true;
    }
    // Written where it is kept, part by part: a reading built whole and copied would wait for
    // its own parts to be written (assigning LatinReading{} builds one on the stack first).
    std::construct_at(&reading);
    ClauseNotes &notes = reading.notes;
    notes.weekday = m_weekday;
    notes.indiction = m_indiction;
    notes.dayOfMonth = static_cast<std::int8_t>(core.dayOfMonth);
    notes.pridieAsII = core.pridieAsII;
    if (m_otherYear) {
        notes.otherYear = m_otherYear->year;
        reading.unread = LatinPart::AmbiguousYear;
        reading.unreadText = w.written(std::min(m_year->from, m_otherYear->from),
                                       std::max(m_year->to, m_otherYear->to));
        reading.date.year = m_year->year;
        return true;
    }
    reading.date.day = core.day;
    reading.date.leapYear =
        core.leap || (core.day.doubled && core.day.reference == Reference::Calends &&
                      core.day.month == 3 && !m_year);
    if (m_year) {
        reading.date.year = m_year->year;
        notes.count = m_year->count;
        notes.laterYear = m_year->later;
    } else if (m_consuls) {
        notes.count = YearCount::Consuls;
    }
    return true;
}

} // namespace clause_reading

bool ReadDatingClause(std::string_view line, LatinReading &reading) {
    const ClauseWords words(line);
    if (words.tooMany()) // more words than any clause has: the line's own error stands
        return false;
    return clause_reading::Reader(words).read(reading);
}

} // namespace tempidex
