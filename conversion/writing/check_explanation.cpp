// What the explanations and the warnings say of the checks on a day: the year each style of
// counting gives, and the weekday and the indiction written beside the date.
#include "explanation.h"

#include "latin_writing.h"
#include "modern_writing.h"

#include <array>

namespace tempidex {
namespace {

constexpr std::array<std::string_view, 7> Weekdays{"una domenica", "un lunedì",  "un martedì",
                                                   "un mercoledì", "un giovedì", "un venerdì",
                                                   "un sabato"};

std::string_view WeekdayName(int weekday) {
    const std::string_view name = Weekdays[static_cast<std::size_t>(weekday)];
    return name.substr(name.find(' ') + 1);
}

// "lo stile fiorentino (l'anno comincia il 25 Marzo)", written into `out`: the style's
// warning is written for most clauses with a year, and in one string it costs a tenth of what
// the pieces joined did.
void AppendStyleName(std::string &out, YearStyle style) {
    const YearStyleName &s = StyleOf(style);
    out += "lo stile ";
    out += style == YearStyle::Nativity ? std::string_view("della Natività") : s.italian;
    out += " (l'anno comincia ";
    if (style == YearStyle::Easter)
        out += "a Pasqua";
    else
        AppendOn(out, {s.start.month, s.start.day});
    out += ')';
}

} // namespace

std::string StyleName(YearStyle style) {
    std::string name;
    AppendStyleName(name, style);
    return name;
}

std::string ExplainStyle(const Dating &d) {
    std::string text = "anno ";
    text.reserve(320); // three styles named in full
    AppendModernYear(text, *d.year);
    text += " secondo ";
    AppendStyleName(text, d.options.style);
    const ClauseNotes &notes = d.reading.notes;
    if (d.styledBy == StyledBy::Weekday)
        text.append(": il giorno della settimana scritto (")
            .append(WeekdayName(notes.weekday))
            .append(") è di quest'anno");
    else if (d.styledBy == StyledBy::Month)
        text.append(": il mese scritto (")
            .append(ItalianMonthName(notes.month))
            .append(") è di quest'anno");

    std::optional<YearStyle> before;
    for (const StyledYear &other : d.otherStyles) {
        if (other.year == 0)
            continue;
        // (a style whose year holds the day twice: "dà l'8 Aprile 1257 o il 24 Marzo 1258")
        if (before == other.style) {
            text += " o ";
        } else {
            text += "; ";
            AppendStyleName(text, other.style);
            text += other.also ? " dà anche " : " dà ";
        }
        before = other.style;
        if (other.day) {
            AppendOn(text, *other.day, other.year);
        } else {
            text += "il ";
            AppendModernYear(text, other.year);
        }
    }
    return text;
}

std::string ExplainWeekday(int weekday, int named) {
    if (named < 0)
        return "era " + std::string(Weekdays[static_cast<std::size_t>(weekday)]);
    if (named == weekday)
        return "era " + std::string(Weekdays[static_cast<std::size_t>(weekday)]) +
               ", come è scritto";
    return "il giorno della settimana scritto (" + std::string(WeekdayName(named)) +
           ") non concorda: era " + std::string(Weekdays[static_cast<std::size_t>(weekday)]);
}

std::string ExplainWeekday(const Dating &d) {
    std::string text = ExplainWeekday(d.weekday, d.reading.notes.weekday);
    if (const std::optional<DayOfMonth> counted = d.weekdayCounted) {
        // the ordinal agrees with its weekday: "la 1ª domenica", "il 2° lunedì"
        const int named = d.reading.notes.weekday, count = d.reading.date.dayOfMonth;
        text.append(named == 0 ? "; se le parole contano la " : "; se le parole contano il ")
            .append(std::to_string(count))
            .append(named == 0 ? "ª " : "° ")
            .append(WeekdayName(named))
            .append(" del mese, è ");
        AppendOn(text, *counted, d.year);
    }
    return text;
}

namespace {

// "indizione greca, dal 1° Settembre"
void AppendIndictionStart(std::string &text, IndictionStart start) {
    const IndictionStartName &s = IndictionStarts[static_cast<std::size_t>(start)];
    text.append("indizione ").append(s.italian).append(", dal ");
    const std::size_t day = text.size();
    AppendOn(text, s.day);
    text.erase(day, 3); // "il " before the day: "dal 1° Settembre"
}

} // namespace

std::string ExplainIndiction(int indiction, int named, IndictionStart start,
                             std::uint8_t agreesFrom, const std::optional<StyledYear> &style) {
    std::string text;
    text.reserve(160); // written for a clause in four, in one piece
    if (named == indiction)
        text.append("l'indizione ").append(RomanNumeral(named)).append(" concorda");
    else
        text.append("l'indizione scritta (")
            .append(RomanNumeral(named))
            .append(") non concorda: era la ")
            .append(RomanNumeral(indiction));
    text.append(" (");
    AppendIndictionStart(text, start);
    text.append(")");
    const char *with = "; concorda con l'";
    for (const IndictionStartName &other : IndictionStarts)
        if (named != indiction && (agreesFrom >> static_cast<unsigned>(other.start) & 1u) != 0) {
            text.append(with);
            AppendIndictionStart(text, other.start);
            with = " e con l'";
        }
    if (style) {
        text += "; concorda con ";
        AppendStyleName(text, style->style);
        text += ", che dà ";
        if (style->day) {
            AppendOn(text, *style->day, style->year);
        } else {
            text += "il ";
            AppendModernYear(text, style->year);
        }
    }
    return text;
}

} // namespace tempidex
