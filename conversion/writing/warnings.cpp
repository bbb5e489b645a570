#include "warnings.h"

#include "explanation.h"
#include "latin_writing.h"
#include "modern_writing.h"

#include "calendar/church_year.h"
#include "calendar/day_number.h"

namespace tempidex {

namespace {

// The day before the answer's, in its own year: the day before 1 January is in the year before.
void AppendDayBefore(std::string &out, const Dating &d) {
    if (!d.year) {
        AppendModernDate(out, DaysBefore(d.day, 1, d.shape), std::nullopt);
        return;
    }
    const Reckoning reckoning = d.options.reckoning;
    const Date before =
        DateFromFixed(FixedFromDate({*d.year, d.day.month, d.day.day}, reckoning) - 1, reckoning);
    AppendModernDate(out, {before.month, before.day}, before.year);
}

// Whether the feast is All Souls' (2 November) on a Sunday, in the year of the day answered, when
// it was kept on the Monday, the 3rd.
bool AllSoulsOnASunday(const Dating &d, const Feast &feast) {
    return !feast.movable() && feast.day == DayOfMonth{11, 2} && feast.latin == "omnium animarum" &&
           d.year && WeekdayOf(*d.year, {11, 2}, d.options.reckoning) == 0;
}

} // namespace

void AppendWarnings(std::string &out, std::string_view line, const Dating &d, bool quoteLine) {
    const auto warn = [&](const std::string &warning) {
        if (quoteLine) {
            AppendQuoted(out, line);
            out.append(": ");
        }
        out.append(warning).append("\n");
    };
    if (d.outcome == Outcome::TwoWays) {
        warn(Explain(d));
        return;
    }
    if (d.outcome != Outcome::Day)
        return;
    const ClauseNotes &notes = d.reading.notes;
    if (d.stylesDiffering > 0 && !d.options.styleGiven)
        warn(ExplainStyle(d) + "; --style sceglie lo stile");
    if (notes.readOrdinal > 0)
        warn(ExplainMisspeltOrdinal(d));
    // (a word a letter from a month may be a word of its own: "Marcus", "manus")
    if (notes.readMonth > 0 && !MisspeltByTheNotariesH(notes))
        warn(ExplainMisspeltMonth(notes));
    // (in the year answered, the other reading is of another day: "feria quarta in media
    // quadragesima" read as Laetare, no Wednesday)
    if (d.passedOver)
        warn("le parole si leggono anche " +
             (d.passedOverYear && d.passedOverYear == d.year ? std::string("in un altro modo")
              : d.passedOverYear ? "con l'anno " + ModernYearText(*d.passedOverYear)
                                 : std::string("senza anno")) +
             ", che non dà un giorno esistente e concorde: la risposta è l'altra lettura");
    // a day counted in the Julian calendar after the reform, as its words say: the answer is
    // that calendar's day, and the one the Gregorian gives is said beside it
    if (notes.calendar == Calendar::Julian && d.year && *d.year >= GregorianYear)
        warn(ExplainCalendar(d));
    if (notes.weekday >= 0 && d.weekday >= 0 && notes.weekday != d.weekday)
        warn(ExplainWeekday(d));
    if (notes.indiction > 0 && d.indiction > 0 && d.indiction != notes.indiction)
        warn(ExplainIndiction(d.indiction, notes.indiction, d.options.indiction,
                              d.indictionAgreesFrom, d.indictionStyle));
    if (!notes.unreadFeast.empty())
        warn(ExplainUnreadFeast(notes));
    if (notes.elsewhere == YearElsewhere::NoCentury)
        warn(Quoted(notes.elsewhereText) +
             " letto come anno scritto senza il secolo, che le parole non dicono: la data è "
             "senza anno");
    if (notes.elsewhere == YearElsewhere::Anno)
        warn(Quoted(notes.elsewhereText) +
             " letto come anno di regno o di pontificato, non dell'era cristiana: la data è "
             "senza anno");
    if (d.leapDay) {
        std::string text = "l'anno non è calcolato: se fosse bisestile il giorno sarebbe il ";
        AppendModernDate(text, *d.leapDay, std::nullopt);
        warn(text);
    }
    // "anno domini LXX", "anno domini ducentesimo": no document is dated by the Christian era
    // before 525, when Dionysius Exiguus first counted it (a year of the Incarnation or the
    // Nativity so early is refused), and late medieval scribes left out the thousand, and the
    // hundreds too (the small count: 1470). A chronicle may mean the year as written.
    const YearCount count = notes.count;
    if (d.year && *d.year >= 1 && *d.year < FirstYearOfTheIncarnation &&
        count == YearCount::Christian)
        warn("anno " + std::to_string(*d.year) + " come è scritto, prima del " +
             std::to_string(FirstYearOfTheIncarnation) +
             ", quando l'era cristiana non datava ancora i documenti; se lo scriba ha omesso il "
             "millennio" +
             (*d.year < 100 ? " e i secoli" : "") +
             ", come si faceva nel tardo medioevo, è di un altro secolo (il " +
             std::to_string((*d.year < 100 ? 1400 : 1000) + *d.year) + ", o un altro)");
    if (d.republicDay) {
        std::string text = "l'anno non è calcolato: se è di prima del 45 a.C., nei mesi di "
                           "prima della riforma di Cesare, il giorno è il ";
        AppendModernDate(text, *d.republicDay, std::nullopt);
        warn(text);
    }
    if (d.alsoYear)
        warn("nello stile pasquale il " + std::to_string(d.day.day) + " " +
             std::string(ItalianMonthName(d.day.month)) + " del " +
             ModernYearText(*d.reading.date.year) + " cade due volte: nel " +
             ModernYearText(*d.year) + " e nel " + ModernYearText(*d.alsoYear));
    if (d.notInTheEasterYear && d.year && d.reading.date.year) {
        const int written = *d.reading.date.year;
        std::string text = "nello stile pasquale l'anno " + ModernYearText(written) +
                           " non ha il " + std::to_string(d.day.day) + " " +
                           std::string(ItalianMonthName(d.day.month)) + " (va da Pasqua, ";
        AppendModernDate(text, StartOf(YearStyle::Easter, written, d.options.reckoning), written);
        text.append(", al giorno prima di Pasqua del " + ModernYearText(written + 1) +
                    "): la risposta è quello del " + ModernYearText(*d.year));
        warn(text);
    }
    if (d.medievalDay) {
        std::string text = d.year
                               ? "anno bisestile: il giorno è "
                               : "l'anno non è calcolato: se fosse bisestile il giorno sarebbe il ";
        AppendModernDate(text, d.day, std::nullopt);
        text.append(d.year ? " contando aggiunto il 25 Febbraio, come i Romani, ma "
                           : " contando aggiunto il 25 Febbraio, come i Romani, ma il ");
        AppendModernDate(text, *d.medievalDay, std::nullopt);
        text.append(" contando aggiunto il 24, come il medioevo");
        warn(text);
    }
    if (const ChurchDay &church = d.reading.date.church; church.named()) {
        const Feast &feast = Feasts()[static_cast<std::size_t>(church.feast)];
        if (!feast.also.empty())
            warn("la festa " + std::string(feast.latin) +
                 " si teneva altrove anche: " + KeptElsewhereText(d));
        // "tertio die post festum": counted as the Romans counted, the feast's day is the first.
        if (church.relation == FeastRelation::DaysAfter) {
            std::string text = "contando anche il giorno della festa, come spesso si contava, "
                               "sarebbe il ";
            AppendDayBefore(text, d);
            warn(text);
        }
        // The chronologists' rule: a vigil that fell on a Sunday was kept on the Saturday.
        if (church.relation == FeastRelation::Eve && !church.pridie && d.year &&
            WeekdayOf(*d.year, d.day, d.options.reckoning) == 0) {
            std::string text = "la vigilia cade di domenica, e si osservava il sabato prima: ";
            AppendDayBefore(text, d);
            warn(text);
        }
        // (and a day counted from it, counted from the Monday: "in crastino animarum")
        if (AllSoulsOnASunday(d, feast)) {
            std::string text = "la commemorazione dei defunti cade di domenica, e si osservava il "
                               "lunedì dopo: ";
            const Reckoning reckoning = d.options.reckoning;
            if (church.relation == FeastRelation::On) {
                AppendModernDate(text, {11, 3}, d.year);
                warn(text);
            } else if (const std::optional<long> kept =
                           FixedOfChurchDayKeptOn(church, {11, 3}, *d.year, reckoning)) {
                const Date day = DateFromFixed(*kept, reckoning);
                text += "contando da quel giorno, ";
                AppendModernDate(text, {day.month, day.day}, day.year);
                warn(text);
            }
        }
    }
    // "Accepta III Kal. Febr. ..., XV Kal. Nov.": the date with no verb is taken as the one
    // given, which only the law's "dat." would say
    if (d.otherDay && notes.givenUnmarked)
        warn(std::string(notes.otherRole == DateRole::Received
                             ? "la data di ricevuta (acc.) è "
                             : "la data di pubblicazione (pp.) è ") +
             On(*d.otherDay, d.year) + "; si risponde l'altra data, che non ha «dat.»");
    // "6 id. Jul. (sic)": the editor says the document has it so, and may date it otherwise
    if (notes.sic)
        warn("l'editore segna «sic»: la data è letta come è scritta, e l'editore può "
             "correggerla");
    if (notes.spanishEra && d.reading.date.year && *notes.spanishEra - 38 != *d.reading.date.year)
        warn("l'era di Spagna " + RomanNumeral(*notes.spanishEra) + " è il " +
             ModernYearText(*notes.spanishEra - 38) + ", non il " +
             ModernYearText(*d.reading.date.year));
}

} // namespace tempidex
