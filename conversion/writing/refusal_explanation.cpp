// Why a line names no day: a word not read, a day its year does not have, a feast without
// its year; and the refusals the modern dates' answers (--to-latin) share.
#include "explanation.h"

#include "modern_writing.h"
#include "reading/latin_reading.h"
#include "reading/words/tokens.h"

#include "calendar/church_year.h"

namespace tempidex {
namespace {

std::string ItalianMonthNameText(int month) {
    return std::string(ItalianMonthName(month));
}

} // namespace

std::string ExplainUnread(LineFault fault, std::string_view written) {
    switch (fault) {
    case LineFault::Designation:
        return "designazione non riconosciuta: " + Quoted(written) +
               "; i giorni si contano da a. d. III ad a. d. XIX, con pridie e a. d. bis VI";
    case LineFault::Month:
    case LineFault::ClauseMonth:
        return written.empty() ? "manca il mese" : "mese non riconosciuto: " + Quoted(written);
    case LineFault::Year:
    case LineFault::Number:
        return ExplainUnreadYear(written);
    case LineFault::Anno:
        return Quoted(written) + " senza un anno dopo";
    case LineFault::NoDate:
        return "nessuna data: manca un giorno di riferimento (Kal., Non., Id.) con il suo mese, "
               "o un giorno del mese (die XV mensis Maii)";
    case LineFault::Feast:
        return "festa non riconosciuta: " + Quoted(written) +
               "; si leggono le feste mobili e i santi che --calendar ANNO MESE elenca";
    case LineFault::TwoDates:
        return "la riga contiene due date diverse: " + Quoted(written);
    case LineFault::TwoYears:
        return "la riga contiene due anni diversi: " + Quoted(written);
    case LineFault::TwoStyles:
        return "la riga scrive due stili dell'anno diversi: " + Quoted(written);
    case LineFault::TooComplex:
        return "le parole si possono leggere in troppi modi: " + Quoted(written);
    case LineFault::TooManyWords:
        return "una riga di oltre " + std::to_string(Tokens::MostWords) +
               " parole non è una clausola di datazione";
    case LineFault::TooLong:
    case LineFault::None:
        break;
    }
    return ExplainTooLong();
}

std::string ExplainNoDay(const Dating &d) {
    const LatinDate &date = d.reading.date;
    switch (d.why) {
    case NoDay::CountedTooFar:
    case NoDay::NoDoubledDay: {
        LatinDate inItsYear = date;
        inItsYear.year = d.year;
        return ExplainCount(inItsYear, d.shape, d.counted);
    }
    case NoDay::LeapMarchNonesIdes:
        return ExplainLeapMarchNonesIdes();
    case NoDay::CommonYear:
        return "(a. i.) indica un anno bisestile, ma il " + ModernYearText(*d.year) + " non lo è";
    case NoDay::PastMonthEnd:
        return ExplainNoSuchDay(d.day, d.shape, d.year);
    case NoDay::Reform:
        return ExplainGap(d.day, *d.year);
    case NoDay::StyledOutOfRange:
        return ExplainUnreadYear(ModernYearText(*d.year));
    case NoDay::FeastEarlyYear:
        return ExplainChurchDay(d) + ": l'anno " + std::to_string(*date.year) +
               " come è scritto è di prima del " + std::to_string(FirstYearOfTheIncarnation) +
               ", quando l'era cristiana non datava ancora i documenti; se lo scriba ha omesso "
               "il millennio o i secoli, il giorno è un altro, e cambia con l'anno";
    case NoDay::FeastNeedsYear:
        return ExplainChurchDay(d) + ": " +
               (Feasts()[static_cast<std::size_t>(date.church.feast)].movable()
                    ? "una festa mobile cade ogni anno in un altro giorno"
                    : "il giorno della settimana dopo o prima di una "
                      "festa cambia ogni anno") +
               ", e la data non ha un anno dell'era cristiana";
    case NoDay::FeastSpan:
        return ExplainChurchDay(d) + ": un periodo, non un giorno";
    case NoDay::FeastNotThatYear:
        return ExplainChurchDay(d) + ": quell'anno non c'è (i giorni dal 5 al 14 ottobre 1582 "
                                     "la riforma li tolse; le domeniche dopo Pentecoste finiscono "
                                     "con l'Avvento, quelle dopo l'Epifania con la "
                                     "Settuagesima)";
    case NoDay::NoneBetween:
        return ExplainChurchDay(d) + ": quell'anno tra le due feste non cade un solo giorno così";
    case NoDay::FeastInAnotherStyle: {
        std::string text = ExplainChurchDay(d) + ": secondo " + StyleName(d.options.style) +
                           " non cade nel " + ModernYearText(*date.year);
        for (std::size_t i = 0; i < d.stylesDiffering; ++i)
            text += "; " + StyleName(d.otherStyles[i].style) + " dà " +
                    On(*d.otherStyles[i].day, d.otherStyles[i].year);
        return text + "; --style sceglie lo stile";
    }
    case NoDay::MonthDisagrees:
        return (date.church.named() ? ExplainChurchDay(d) + "; " : std::string()) +
               "il mese scritto (" + ItalianMonthNameText(d.reading.notes.month) +
               ") non è quello del giorno, " + On(d.day, d.year);
    case NoDay::DatesDisagree:
        return ExplainChurchDay(d) + "; l'altra data scritta è " +
               (d.sameDay ? On(*d.sameDay, d.year)
                          : std::string("un giorno che quell'anno non c'è")) +
               ": le due date non concordano";
    case NoDay::FeastWeekday:
        return ExplainChurchDay(d) + "; " + ExplainWeekday(d.weekday, d.reading.notes.weekday) +
               ": forse un altro santo dello stesso nome, o un altro anno";
    case NoDay::ExeunteTooFar:
        return "«die " + std::to_string(date.dayOfMonth) +
               " exeunte» conta i giorni all'indietro dall'ultimo del mese, solo nella sua "
               "seconda metà: " +
               ItalianMonthNameText(date.day.month) + " ne ha " +
               std::to_string(MonthLength(date.day.month, d.shape)) + ", e si conta fino a " +
               std::to_string(ExeunteDays(MonthLength(date.day.month, d.shape))) + " exeunte";
    case NoDay::None:
        break;
    }
    return {};
}

std::string ExplainUnreadModernDate(std::string_view written) {
    return "data non riconosciuta: " + Quoted(written) +
           "; si scrive G/M, G/M/A, AAAA-MM-GG o G mese A (14/12, 14/12/1524, 15 marzo)";
}

std::string ExplainUnreadYear(std::string_view written) {
    return "anno non riconosciuto: " + Quoted(written) +
           "; si legge un anno solo, dal 753 a.C. al 9999 (1524, MDXXIV, 44 a.C., DCCX a.u.c.)";
}

std::string ExplainSignedYear(std::string_view written) {
    return "anno con il segno meno: " + Quoted(written) +
           " si legge in due modi, come lo scrivono gli storici o gli astronomi (-44 è il 44 "
           "a.C. per gli uni, il 45 a.C. per gli altri); scrivere 44 a.C., o -0043-03-15 in ISO";
}

std::string ExplainTooLong() {
    return "una riga di oltre " + std::to_string(LongestLine) + " byte non può essere una data";
}

std::string ExplainGap(DayOfMonth date, int year) {
    return "il " + DateText(date, year) + " non esiste: nel calendario gregoriano al 4 Ottobre " +
           std::to_string(GregorianYear) + " seguì il 15 Ottobre";
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
    std::string text = ItalianMonthNameText(date.month) + " ha " +
                       std::to_string(MonthLength(date.month, shape)) + " giorni";
    if (shape.preJulian)
        return text + ", come prima della riforma di Cesare";
    if (date.month == 2)
        text += year         ? " nel " + ModernYearText(*year)
                : shape.leap ? " negli anni bisestili"
                             : " negli anni comuni";
    // 1700, 1800, 1900: leap in the Julian calendar that England and the East kept, and that a
    // date of theirs may be written in (Londini, 29 Feb. 1699/1700)
    if (date.month == 2 && date.day == 29 && year && !shape.leap && *year > GregorianYear &&
        *year % 4 == 0)
        text += " nel calendario gregoriano; nel giuliano, che --julian fa contare, ne ha 29";
    return text;
}

} // namespace tempidex
