#include "explanation.h"

#include "latin_reading.h"
#include "latin_writing.h"
#include "window_lists.h"
#include "years.h"

#include <array>
#include <cctype>

namespace tempidex {
namespace {

// As Italian writes them, in lower case.
constexpr std::array<std::string_view, 3> NamedDays{"calende", "none", "idi"};

// "Gennaio", "Febbraio": a month is named in the sentence as the answer before it names it,
// so that "14 Dicembre" reads the same on both sides of the tab.
std::string ItalianMonthName(int month) {
    return std::string(MonthRowOf(month).currentName);
}

std::string DateText(DayOfMonth date, std::optional<int> year = std::nullopt) {
    std::string text = std::to_string(date.day) + " " + ItalianMonthName(date.month);
    return year ? text + " " + ModernYearText(*year) : text;
}

// "il 14 Febbraio", "l'11 Febbraio", "il 1° Febbraio".
std::string On(DayOfMonth date) {
    if (date.day == 8 || date.day == 11)
        return "l'" + DateText(date);
    return date.day == 1 ? "il 1° " + ItalianMonthName(date.month) : "il " + DateText(date);
}

std::string Named(Reference reference, int month) {
    return std::string(NamedDays[static_cast<std::size_t>(reference)]) + " di " +
           ItalianMonthName(month);
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
    const std::string named = WriteLatinDate({roman, leapYear, std::nullopt}, false);
    return roman.dayAfter ? "postridie " + named : named;
}

} // namespace

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
            text += " di " + ItalianMonthName(from.date.month);
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
        text += " in un " + ItalianMonthName(counted.date.month) + " di " +
                std::to_string(MonthLength(counted.date.month, shape)) +
                " giorni, come prima della riforma di Cesare";
    return text + ": " + day;
}

std::string ExplainUnread(LatinPart part, std::string_view written) {
    switch (part) {
    case LatinPart::Designation:
        return "designazione non riconosciuta: " + Quoted(written);
    case LatinPart::Reference:
        return "manca il giorno di riferimento: Kal., Non. o Id.";
    case LatinPart::Month:
        return written.empty() ? "manca il mese" : "mese non riconosciuto: " + Quoted(written);
    case LatinPart::Year:
        return "anno non riconosciuto: " + Quoted(written) +
               "; si legge un anno solo, dal 753 a.C. al 9999 (1524, MDXXIV, 44 a.C., DCCX a.u.c.)";
    case LatinPart::AmbiguousYear:
        return "l'anno " + Quoted(written) + " si legge in due modi; scrivere l'era (d.C., a.u.c.)";
    case LatinPart::TwoDates:
        return "la riga contiene due date diverse: " + Quoted(written);
    case LatinPart::None:
    case LatinPart::WholeLine:
        break;
    }
    return "una riga di oltre " + std::to_string(LongestLine) + " byte non può essere una data";
}

std::string ExplainUnreadModernDate(std::string_view written) {
    return "data non riconosciuta: " + Quoted(written) +
           "; si scrive G/M, G/M/A, AAAA-MM-GG o G mese A (14/12, 14/12/1524, 15 marzo)";
}

std::string ExplainGap(DayOfMonth date, int year) {
    return "il " + DateText(date, year) + " non esiste: nel calendario gregoriano al 4 Ottobre " +
           std::to_string(GregorianYear) + " seguì il 15 Ottobre";
}

std::string ExplainCommonYear(int year) {
    return "(a. i.) indica un anno bisestile, ma il " + ModernYearText(year) + " non lo è";
}

std::string ExplainLeapMarchNonesIdes() {
    return "Mar. (a. i.), il Marzo di un anno bisestile, vale solo per le calende di Marzo e i "
           "giorni contati da esse: le none e le idi di Marzo sono quelle di ogni anno";
}

std::string ExplainNoSuchDay(DayOfMonth date, YearShape shape, std::optional<int> year) {
    if (date.month < 1 || date.month > CalendarMonths)
        return "l'anno ha dodici mesi, non " + std::to_string(date.month);
    if (date.day < 1)
        return "i giorni del mese si contano da 1";
    std::string text = ItalianMonthName(date.month) + " ha " +
                       std::to_string(MonthLength(date.month, shape)) + " giorni";
    if (shape.preJulian)
        return text + ", come prima della riforma di Cesare";
    if (date.month == 2)
        text += year         ? " nel " + ModernYearText(*year)
                : shape.leap ? " negli anni bisestili"
                             : " negli anni comuni";
    return text;
}

std::string ExplainListDate(const LatinDate &date) {
    if (date.leapYear && date.day.reference != Reference::Calends)
        return ExplainLeapMarchNonesIdes();
    const YearShape shape{date.leapYear, false};
    return ExplainCount(date, shape, DayFromRoman(date.day, shape));
}

std::string ExplainListReading(const LatinReading &reading) {
    switch (reading.unread) {
    case LatinPart::Designation:
        return Quoted(reading.unreadText) + " non è una delle designazioni dell'elenco";
    case LatinPart::Reference:
        return Quoted(reading.unreadText) + " non è uno dei giorni di riferimento dell'elenco";
    case LatinPart::Month:
        return Quoted(reading.unreadText) + " non è uno dei mesi dell'elenco";
    case LatinPart::None:
    case LatinPart::Year:
    case LatinPart::AmbiguousYear:
    case LatinPart::TwoDates:
    case LatinPart::WholeLine:
        break;
    }
    return ExplainListDate(reading.date);
}

namespace {

constexpr std::array<std::string_view, 7> Weekdays{"una domenica", "un lunedì",  "un martedì",
                                                   "un mercoledì", "un giovedì", "un venerdì",
                                                   "un sabato"};

std::string_view WeekdayName(int weekday) {
    return Weekdays[static_cast<std::size_t>(weekday)].substr(
        Weekdays[static_cast<std::size_t>(weekday)].find(' ') + 1);
}

std::string StyleName(YearStyle style) {
    const YearStyleName &s = StyleOf(style);
    const std::string name =
        style == YearStyle::Nativity ? "della Natività" : std::string(s.italian);
    return "lo stile " + name + " (l'anno comincia " + On({s.start.month, s.start.day}) + ")";
}

} // namespace

std::string ExplainDayOfMonth(DayOfMonth date) {
    return "giorno " + std::to_string(date.day) + " del mese, contato dal primo: " + On(date);
}

std::string ExplainPridieAsII() {
    return "«a. d. II» si legge pridie, il giorno prima, come lo scrivono i manoscritti";
}

std::string ExplainConsuls() {
    return "l'anno è dato dai consoli e non è calcolato";
}

std::string ExplainDoubleYear(int year, int later) {
    return "anno doppio " + ModernYearText(year) + "/" + ModernYearText(later) +
           ": il primo fino al 24 Marzo nello stile fiorentino, il secondo dal 1° Gennaio";
}

std::string ExplainStyle(YearStyle style, int year,
                         const std::array<std::pair<YearStyle, int>, 2> &others) {
    std::string text = "anno " + ModernYearText(year) + " secondo " + StyleName(style);
    for (const auto &[other, otherYear] : others)
        if (otherYear != 0)
            text += "; " + StyleName(other) + " dà il " + ModernYearText(otherYear);
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

std::string ExplainIndiction(int indiction, int named, IndictionStart start) {
    const IndictionStartName &s = IndictionStarts[static_cast<std::size_t>(start)];
    // Said of every clause whose indiction disagrees, in a batch as much as in a window: built
    // in one piece.
    std::string text;
    text.reserve(96);
    if (named == indiction)
        text.append("l'indizione ").append(RomanNumeral(named)).append(" concorda");
    else
        text.append("l'indizione scritta (")
            .append(RomanNumeral(named))
            .append(") non concorda: era la ")
            .append(RomanNumeral(indiction));
    return text.append(" (indizione ")
        .append(s.italian)
        .append(", dal ")
        .append(On(s.day), 3)
        .append(")");
}

std::string ExplainAmbiguousYear(std::string_view written, int year, int other) {
    return "l'anno " + Quoted(written) + " può essere il " + ModernYearText(year) + " o il " +
           ModernYearText(other) + "; scrivere l'era (d.C., a.u.c.)";
}

} // namespace tempidex
