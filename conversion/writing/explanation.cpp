#include "explanation.h"

#include "latin_writing.h"
#include "modern_writing.h"

#include "calendar/day_number.h"

#include <array>

namespace tempidex {
namespace {

// As Italian writes them, in lower case.
constexpr std::array<std::string_view, 3> NamedDays{"calende", "none", "idi"};

std::string MonthName(int month) {
    return std::string(ItalianMonthName(month));
}

std::string Named(Reference reference, int month) {
    return std::string(NamedDays[static_cast<std::size_t>(reference)]) + " di " + MonthName(month);
}

std::string NamedDayNote(Reference reference, int month) {
    switch (reference) {
    case Reference::Calends:
        return ", il primo giorno del mese";
    case Reference::Nones:
        return NonesOf(month) == 7 ? ", il 7 come in Marzo, Maggio, Luglio e Ottobre"
                                   : ", il 5 come in tutti i mesi fuorché Marzo, Maggio, Luglio "
                                     "e Ottobre";
    case Reference::Ides:
        break;
    }
    return ", otto giorni dopo le none";
}

// The date as the lists write it, with no year.
std::string LatinName(const RomanDay &roman, bool leapYear) {
    LatinDate date;
    date.day = roman;
    date.leapYear = leapYear;
    const std::string named = WriteLatinDate(date, false);
    return roman.dayAfter ? "postridie " + named : named;
}

std::string WayText(const Way &way) {
    if (way.outcome != Outcome::Day)
        return "una data inesistente";
    std::string text = On(way.day, way.year);
    if (way.leapYear && !way.year && way.day.month == 2)
        text += " (anno bisestile)";
    return way.year ? text : text + " senza anno";
}

std::string ElsewhereNote(const ClauseNotes &notes) {
    const std::string words = Quoted(notes.elsewhereText);
    switch (notes.elsewhere) {
    case YearElsewhere::Consuls:
        return "l'anno è dato dai consoli e non è calcolato";
    case YearElsewhere::Reign:
        return words + " è un anno di regno o di pontificato: l'anno non è calcolato";
    case YearElsewhere::Anno:
        return words + " è un anno di regno o di pontificato, o di un'era non scritta, non " +
               "un anno dell'era cristiana (che si riconosce da «Domini», da un'era o dalla " +
               "forma, 1524 o MDXXIV): l'anno non è calcolato";
    case YearElsewhere::AsAbove:
        return "l'anno è quello scritto prima, " + words + ": non è calcolato";
    case YearElsewhere::Below:
        return "l'anno è quello scritto più avanti, " + words + ": non è calcolato";
    case YearElsewhere::World:
        return words + " è un anno dalla creazione del mondo: non è calcolato";
    case YearElsewhere::Anniversary:
        return words + " conta gli anni da un evento: l'anno non è calcolato";
    case YearElsewhere::NoCentury:
        return words + " è un anno scritto senza il secolo: l'anno non è calcolato";
    case YearElsewhere::None:
        break;
    }
    return {};
}

} // namespace

std::string DateText(DayOfMonth date, std::optional<int> year) {
    std::string text = std::to_string(date.day) + " " + MonthName(date.month);
    return year ? text + " " + ModernYearText(*year) : text;
}

void AppendOn(std::string &out, DayOfMonth date, std::optional<int> year) {
    out += date.day == 8 || date.day == 11 ? "l'" : "il ";
    out += date.day == 1 ? "1°" : std::to_string(date.day);
    out += ' ';
    out += ItalianMonthName(date.month);
    if (year) {
        out += ' ';
        AppendModernYear(out, *year);
    }
}

std::string ExplainMisspeltOrdinal(const Dating &d) {
    const ClauseNotes &notes = d.reading.notes;
    std::string text = Quoted(notes.misspeltOrdinal) + " si legge come il numero ordinale " +
                       std::to_string(notes.readOrdinal) +
                       ", l'unico che differisce per una lettera";
    if (d.withoutMisspelt)
        text += "; se è un'altra parola, la data è " +
                On(d.withoutMisspelt->day, d.withoutMisspelt->year);
    return text;
}

std::string ExplainUnreadFeast(const ClauseNotes &notes) {
    return "la riga nomina anche un giorno per festa che non si legge: " +
           Quoted(notes.unreadFeast) + "; la risposta è la data delle altre parole";
}

std::string ExplainMisspeltMonth(const ClauseNotes &notes) {
    return Quoted(notes.misspeltMonth) + " si legge " + MonthName(notes.readMonth) +
           (MisspeltByTheNotariesH(notes)
                ? ", l'unico mese così vicino, con l'h che i notai scrivevano prima di una vocale"
                : ", l'unico mese che differisce per una lettera");
}

bool MisspeltByTheNotariesH(const ClauseNotes &notes) {
    return notes.misspeltMonth.starts_with('h') || notes.misspeltMonth.starts_with('H');
}

std::string ExplainCalendar(const Dating &d) {
    const ClauseNotes &notes = d.reading.notes;
    const bool julian = notes.calendar == Calendar::Julian;
    std::string text = std::string("contato nel calendario ") +
                       (julian ? "giuliano" : "gregoriano") + ", come scrive " +
                       Quoted(notes.calendarText);
    if (julian && d.outcome == Outcome::Day && d.year) {
        const long fixed = FixedFromJulian({*d.year, d.day.month, d.day.day});
        if (fixed > LastJulianDay) {
            const Date gregorian = GregorianFromFixed(fixed);
            text += ": nel calendario gregoriano è " +
                    On({gregorian.month, gregorian.day}, gregorian.year);
        }
    }
    return text;
}

std::string On(DayOfMonth date, std::optional<int> year) {
    std::string text;
    AppendOn(text, date, year);
    return text;
}

// What was written, on one line and not too long to read: controls become spaces, and a long
// text is cut, at the start of a character, after 40 bytes.
void AppendQuoted(std::string &out, std::string_view text) {
    constexpr std::size_t Longest = 40;
    out.append("«");
    const std::size_t start = out.size();
    for (const char c : text.substr(0, Longest))
        out.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c);
    if (text.size() > Longest) {
        while (out.size() > start && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80)
            out.pop_back(); // a character cut short
        if (out.size() > start && static_cast<unsigned char>(out.back()) >= 0xC0)
            out.pop_back();
        out.append("…");
    }
    out.append("»");
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    AppendQuoted(quoted, text);
    return quoted;
}

std::string ExplainCount(const LatinDate &date, YearShape shape, const CountedDay &counted) {
    const RomanDay &roman = date.day;
    const std::optional<int> year = date.year;
    const std::string latin = LatinName(roman, date.leapYear);
    const std::string named = Named(roman.reference, roman.month);
    const DayOfMonth namedDate{roman.month, DayOfReference(roman.reference, roman.month)};
    // A day counted back from the January Calends lies in the December before them.
    const bool nextYear =
        year && roman.count > 1 && roman.reference == Reference::Calends && roman.month == 1;
    const std::string namedText = DateText(namedDate, nextYear ? std::optional(*year + 1) : year);
    const std::string day = DateText(counted.date, year);

    if (counted.fault == CountFault::NoDoubledDay) {
        std::string text = latin + ": a. d. bis VI c'è solo prima delle calende di Marzo di un "
                                   "anno bisestile";
        if (roman.reference == Reference::Calends && roman.month == 3)
            text += year ? ", e il " + ModernYearText(*year) + " non lo è"
                         : "; un anno bisestile si indica con Mar. (a. i.)";
        return text;
    }
    if (counted.fault == CountFault::TooFar) {
        const DayOfMonth at = counted.date;
        const NamedDay from = CountedFrom(at);
        if (from.date == at)
            return latin + " cadrebbe " + On(at) + ", che sono le " +
                   Named(from.reference, at.month);
        const NamedDay before = NamedDayBefore(roman);
        std::string text = latin + " cadrebbe " + On(at) + ", prima delle " +
                           Named(before.reference, before.date.month) + " (" +
                           std::to_string(before.date.day) + "): quel giorno si conta dalle " +
                           std::string(NamedDays[static_cast<std::size_t>(from.reference)]);
        if (from.date.month != before.date.month)
            text += " di " + MonthName(from.date.month);
        return text;
    }
    if (roman.dayAfter)
        return latin + " è il giorno dopo le " + named + " (" + namedText + "): " + day;
    if (roman.count == 1)
        return latin + " sono le " + named + NamedDayNote(roman.reference, roman.month) + ": " +
               day;
    if (roman.count == 2)
        return latin + " è il giorno prima delle " + named + " (" + namedText + "): " + day;
    if (roman.doubled)
        return latin + " è il giorno che l'anno bisestile aggiunge: il 6° giorno prima delle " +
               named + " (" + namedText + "), contato due volte: " + day;
    const bool elided = roman.count == 8 || roman.count == 11; // l'8°, l'11°
    std::string text = latin + (elided ? " è l'" : " è il ") + std::to_string(roman.count) +
                       "° giorno prima delle " + named + " (" + namedText +
                       "), contando entrambi i giorni";
    if (roman.reference == Reference::Calends && roman.month == 3 && shape.leap && roman.count >= 6)
        text += " e il 24 e il 25 Febbraio come un giorno solo, perché l'anno è bisestile";
    if (roman.reference == Reference::Calends && shape.preJulian)
        text += " in un " + MonthName(counted.date.month) + " di " +
                std::to_string(MonthLength(counted.date.month, shape)) +
                " giorni, come prima della riforma di Cesare";
    return text + ": " + day;
}

std::string ExplainListDate(const LatinDate &date) {
    if (date.leapYear && date.day.reference != Reference::Calends)
        return ExplainLeapMarchNonesIdes();
    const YearShape shape{date.leapYear, false};
    return ExplainCount(date, shape, DayFromRoman(date.day, shape));
}

std::string Explain(const Dating &d) {
    switch (d.outcome) {
    case Outcome::Blank:
        return {};
    case Outcome::Unread:
        return ExplainUnread(d.fault, d.faultText);
    case Outcome::NoSuchDay:
        return ExplainNoDay(d);
    case Outcome::TwoWays:
        return "le parole " + Quoted(d.faultText) +
               " si leggono in due modi: " + WayText(d.ways[0]) + " o " + WayText(d.ways[1]);
    case Outcome::Day:
        break;
    }
    const LatinDate &date = d.reading.date;
    const ClauseNotes &notes = d.reading.notes;
    std::string text;
    if (d.listed) {
        text = ExplainListDate(date);
    } else if (date.church.named()) {
        text = ExplainChurchDay(d);
    } else if (date.fromMonthEnd && date.dayOfMonth == 1) {
        text = "l'ultimo giorno del mese: " + On(d.day);
    } else if (date.fromMonthEnd) {
        text = "giorno " + std::to_string(date.dayOfMonth) +
               " exeunte, contato all'indietro dall'ultimo del mese, come a Bologna: " + On(d.day);
    } else if (date.dayOfMonth > 0) {
        text = "giorno " + std::to_string(d.day.day) + " del mese, contato dal primo: " + On(d.day);
    } else {
        LatinDate inItsYear = date;
        inItsYear.year = d.year;
        text = ExplainCount(inItsYear, d.shape, d.counted);
    }
    const auto add = [&text](const std::string &part) { text.append("; ").append(part); };
    if (notes.elsewhere != YearElsewhere::None)
        add(ElsewhereNote(notes));
    if (notes.calendar != Calendar::Unsaid)
        add(ExplainCalendar(d));
    if (notes.pridieAsII)
        add("«a. d. II» si legge pridie, il giorno prima, come lo scrivono i manoscritti");
    if (notes.readOrdinal > 0)
        add(ExplainMisspeltOrdinal(d));
    if (notes.readMonth > 0)
        add(ExplainMisspeltMonth(notes));
    if (notes.laterYear && date.year)
        add("anno doppio " + ModernYearText(*date.year) + "/" + ModernYearText(*notes.laterYear) +
            ": il primo fino al 24 Marzo nello stile fiorentino, il secondo dal 1° Gennaio");
    else if (d.styled)
        add(ExplainStyle(d));
    if (notes.style && d.year)
        add("lo stile è quello che la data scrive");
    if (d.alsoYear)
        add("nello stile pasquale lo stesso giorno cade anche nel " + ModernYearText(*d.alsoYear));
    if (d.weekday >= 0)
        add(ExplainWeekday(d));
    if (d.indiction > 0)
        add(ExplainIndiction(d.indiction, notes.indiction, d.options.indiction,
                             d.indictionAgreesFrom, d.indictionStyle));
    if (!notes.unreadFeast.empty())
        add(ExplainUnreadFeast(notes));
    if (!notes.unreadIndiction.empty())
        add("l'indizione scritta " + Quoted(notes.unreadIndiction) +
            " non si legge come numero: non è verificata");
    if (notes.spanishEra && d.year)
        add("era di Spagna " + RomanNumeral(*notes.spanishEra) +
            (*notes.spanishEra - 38 == *date.year ? ", che concorda" : ", che non concorda") +
            " (l'era conta 38 anni più dell'anno del Signore)");
    if (d.leapDay)
        add("se l'anno fosse bisestile sarebbe " + On(*d.leapDay));
    if (d.republicDay)
        add("se l'anno fosse di prima della riforma di Cesare sarebbe " + On(*d.republicDay));
    if (d.medievalDay)
        add(std::string(d.year ? "" : "se l'anno fosse bisestile, ") +
            "nel medioevo, che contava aggiunto il 24 Febbraio dell'anno bisestile, " +
            (d.year ? "era " : "sarebbe ") + On(*d.medievalDay));
    if (d.otherDay)
        add(std::string(notes.otherRole == DateRole::Received ? "ricevuta (acc.)"
                                                              : "pubblicata (pp.)") +
            " " + On(*d.otherDay, d.year));
    return text;
}

} // namespace tempidex
