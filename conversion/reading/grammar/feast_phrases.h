// The feast a clause names and the word that relates its day to it, as the church year's rules
// (church_rules.cpp) find them: in festo, vigilia, crastino, octava; a Sunday by its Introit;
// the weeks of Easter and Pentecost.
#pragma once

#include "calendar/church_year.h"
#include "phrases.h"
#include "reading/words/words.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

// A feast named in a clause: which, the word after its name, and 7 where the day is counted
// from its octave.
struct FeastNamed {
    int feast;
    std::size_t end;
    int octave; // 7 for the octave
};

// The stem of word i (feast_names.h), or nothing past the line or across a comma.
std::string StemAt(const Words &words, std::size_t i, std::size_t first);

// How the word before a feast relates the day to it: in festo, in vigilia, in crastino...
std::optional<FeastRelation> RelationOf(const Words &words, std::size_t i);

// Words that may stand between "post" or "ante" and the feast, or between the weekday and
// them: proxima, predicta, immediate sequenti; festum, festivitatem.
bool IsBetween(std::string_view stem);

// Whether a feast is a Sunday: of Advent, or whole weeks from Easter (Invocavit, Quasimodo).
bool IsSunday(int feast);

// A feast one word names as a day: a movable one (Pascha, Pentecoste), or the Lord's and the
// Virgin's (Epiphania, Purificatione, Assumptione), never a saint's name.
bool IsDayByItsName(int feast);

// The Sundays of Lent, Invocavit the first, Iudica the fifth.
std::size_t SundayOfLent(int n);

// The weekday of a movable day counted from Easter, a Sunday: Ash Wednesday's is 3.
int WeekdayOfMovable(const Feast &f);

// Easter and Pentecost, whose weeks charters count by their days: feria quarta Paschae.
bool IsWeekOf(int feast);

// Whether a feast names several days together: the Rogation days, Monday to Wednesday.
bool IsSpanOfDays(int feast);

// The feast named from word `at`: "dominicam [qua cantatur]" before a Sunday's name, "festi"
// after vigilia, "octabas" or "octavarum" before the feast whose octave the day is counted
// from. Feasts two saints share a name with are no feast.
std::optional<FeastNamed> FeastFrom(const Words &words, std::size_t at);

// The phrase of a day by a feast; of a term, a phrase that names no day.
void AddChurchDay(const Words &words, Phrases &phrases, std::size_t begin, std::size_t end,
                  const ChurchDay &day);

// The day so named: the feast, and the octave it is counted from.
ChurchDay DayOf(const FeastNamed &feast, FeastRelation relation = FeastRelation::On);

} // namespace tempidex
