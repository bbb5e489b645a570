// The rules that read how a clause says its day and year are counted: the calendar (stilo
// veteri, calculo Gregoriano, st. v.) and the style of the year (more veneto, secundum
// Pisanos).
#include "rules.h"

namespace tempidex {

// stilo veteri, vetere calculo, calculo Gregoriano: an adjective and its noun, either first; or
// the adjective alone where it can be nothing else (XVI Maii veteris, Kalendis Augusti
// Gregoriani). "novo", "vetere" and "Iuliano" alone are other words, and a consul's name.
void CalendarRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Calendar))
        return;
    const auto calendarOf = [&words](std::size_t i) {
        return words.is(i, Kind::Calendar) ? words.classOf(i).calendar : Calendar::Unsaid;
    };
    const Calendar here = calendarOf(at);
    const bool paired = words.is(at + 1, Kind::Calendar) && !words.parted(at + 1) &&
                        (here == Calendar::Unsaid) != (calendarOf(at + 1) == Calendar::Unsaid);
    if (paired) {
        const Calendar which = here == Calendar::Unsaid ? calendarOf(at + 1) : here;
        phrases.push_back(Spanning(PhraseKind::Calendar, at, at + 2, static_cast<int>(which)));
    }
    if (IsOneOf(words[at].key, {"ueteris", "gregoriani", "gregoriano"}))
        phrases.push_back(Spanning(PhraseKind::Calendar, at, at + 1, static_cast<int>(here)));
    // st. v., stil. vet., styl. ant., st. n., stil. nov.: both cut short, as the letters of the
    // seventeenth century write them after the day
    // (the second in small letters: "St. V.", "St. Ant." are saints)
    if (here == Calendar::Unsaid && words[at].dotted && at + 1 < words.size() &&
        (words[at + 1].dotted || at + 2 == words.size()) && !words[at + 1].capital &&
        !words.parted(at + 1)) {
        const std::string_view key = words[at + 1].key;
        const Calendar which = IsOneOf(key, {"u", "uet", "ant"}) ? Calendar::Julian
                               : IsOneOf(key, {"n", "nou"})      ? Calendar::Gregorian
                                                                 : Calendar::Unsaid;
        if (which != Calendar::Unsaid)
            phrases.push_back(Spanning(PhraseKind::Calendar, at, at + 2, static_cast<int>(which)));
    }
}

void StyleRule(const Words &words, std::size_t at, Phrases &phrases) {
    // "m. v.", more veneto cut short, right after the year (words.cpp): MCCCCLXXX m. v.
    if (words[at].text == "m") {
        if (words.is(at, Kind::Style))
            phrases.push_back(Spanning(PhraseKind::Style, at, at + 2, words.classOf(at).style));
        return;
    }
    if (!words.is(at, Kind::Style))
        return;
    // more veneto, stilo florentino, secundum consuetudinem Florentinam; Florentino more
    const auto isNoun = [&words](std::size_t i) {
        return i < words.size() &&
               IsOneOf(words[i].key, {"more",    "morem",    "mos",           "stilo",
                                      "stylo",   "stilum",   "stylum",        "stile",
                                      "st",      "stil",     "calculo",       "calculum",
                                      "computo", "computum", "computationem", "computacionem",
                                      "cursum",  "cursu",    "consuetudinem", "usum",
                                      "modum",   "modo"});
    };
    const int style = words.classOf(at).style;
    // secundum Pisanos, secundum Florentinos: as they count
    if (at >= 1 && words[at - 1].key == "secundum" && !words.parted(at) &&
        (words[at].key.ends_with("os") || words[at].key.ends_with("orum")))
        phrases.push_back(Spanning(PhraseKind::Style, at - 1, at + 1, style));
    // (with "secundum" before the noun in the accusative: "MCCCC secundum more Florentino" may
    // be the scribe's secundo, and the word is left to the year)
    if (at >= 1 && isNoun(at - 1) && !words.parted(at)) {
        const std::string_view noun = words[at - 1].key;
        const bool accusative = noun.ends_with("um") || noun.ends_with("em");
        const std::size_t begin =
            accusative && at >= 2 && words[at - 2].key == "secundum" && !words.parted(at - 1)
                ? at - 2
                : at - 1;
        phrases.push_back(Spanning(PhraseKind::Style, begin, at + 1, style));
    }
    if (isNoun(at + 1) && !words.parted(at + 1))
        phrases.push_back(Spanning(PhraseKind::Style, at, at + 2, style));
}

} // namespace tempidex
