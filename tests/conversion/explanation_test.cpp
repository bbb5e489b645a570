// The explanations say the day that the conversion gives, and why a count fails.
#include "calendar.h"
#include "window/roman_date.h"
#include "window/window_lists.h"
#include "writing/answers.h"
#include "writing/explanation.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

// The window's tooltip ends with the day its result shows, for every list combination that
// names one, and says why for every one that does not.
TEST(ExplainListReading, EndsWithTheDayTheWindowShows) {
    std::map<std::tuple<std::string, std::string, std::string>, std::string> named;
    for (const calendar::ListedDay &day : calendar::Days()) {
        const std::string month = calendar::Names[static_cast<std::size_t>(day.month - 1)];
        named[{day.designation, day.reference, day.monthEntry}] =
            ": " + std::to_string(day.day) + " " + month;
    }
    for (std::string_view designation : tempidex::Designations)
        for (std::string_view reference : tempidex::ReferenceDays)
            for (std::string_view month : tempidex::MonthEntries) {
                const std::string why = tempidex::ExplainListReading(
                    tempidex::ReadListTexts(designation, reference, month));
                const auto day = named.find(
                    {std::string(designation), std::string(reference), std::string(month)});
                if (day != named.end())
                    EXPECT_TRUE(why.ends_with(day->second)) << why;
                else // where the count falls, or that the leap day and March are a leap year's
                    EXPECT_TRUE(why.find("cadrebbe") != std::string::npos ||
                                why.find("bisestile") != std::string::npos)
                        << why;
            }
    EXPECT_EQ(tempidex::ExplainListReading(tempidex::ReadListTexts("a. d. xi", "Kal.", "Ian.")),
              "«a. d. xi» non è una delle designazioni dell'elenco");
}

TEST(LatinToModern, ExplainsTheCountOnRequest) {
    const tempidex::LineOptions explain{tempidex::Reckoning::Historical, false, false, true};
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"a. d. XIX Kal. Ian.",
         "14 Dicembre\ta. d. XIX Kal. Ian. è il 19° giorno prima delle calende di Gennaio "
         "(1 Gennaio), contando entrambi i giorni: 14 Dicembre"},
        {"a. d. XIX Kal. Mar.",
         "ERRORE - Data Inesistente\ta. d. XIX Kal. Mar. cadrebbe l'11 Febbraio, prima delle idi "
         "di Febbraio (13): quel giorno si conta dalle idi"},
        {"a. d. XIX Kal. Ian. 1524",
         "14 Dicembre 1524\ta. d. XIX Kal. Ian. è il 19° giorno prima delle calende di Gennaio "
         "(1 Gennaio 1525), contando entrambi i giorni: 14 Dicembre 1524; era un mercoledì"},
        // The manuscripts' "a. d. II" is the day before, and the explanation says so.
        {"a. d. II Kal. Ian.", "31 Dicembre\tpridie Kal. Ian. è il giorno prima delle calende di "
                               "Gennaio (1 Gennaio): 31 Dicembre; «a. d. II» si legge pridie, il "
                               "giorno prima, come lo scrivono i manoscritti"},
        // Elided before 8 and 11, as Italian says them.
        {"a. d. XI Kal. Ian.", "22 Dicembre\ta. d. XI Kal. Ian. è l'11° giorno prima delle "
                               "calende di Gennaio (1 Gennaio), contando entrambi i giorni: 22 "
                               "Dicembre"},
        {"a. d. VIII Id. Mai.", "08 Maggio\ta. d. VIII Id. Mai. è l'8° giorno prima delle idi di "
                                "Maggio (15 Maggio), contando entrambi i giorni: 8 Maggio"},
        // The year written further on is said, and not computed.
        {"die tertio mensis iulii anno infrascripto",
         "03 Luglio\tgiorno 3 del mese, contato dal primo: il 3 Luglio; l'anno è quello scritto "
         "più avanti, «anno infrascripto»: non è calcolato"},
        {"postridie Idus Martias",
         "16 Marzo\tpostridie Id. Mar. è il giorno dopo le idi di Marzo (15 Marzo): 16 Marzo"},
        {"Non. Oct. 1582", "ERRORE - Data Inesistente\til 7 Ottobre 1582 non esiste: nel "
                           "calendario gregoriano al 4 Ottobre 1582 seguì il 15 Ottobre"},
        {"Londini, 29 Feb. 1699/1700",
         "ERRORE - Data Inesistente\tFebbraio ha 28 giorni nel 1700 nel calendario gregoriano; "
         "nel giuliano, che --julian fa contare, ne ha 29"},
        {"a. d. XIX Kal. Mai. A.D. 12", "ERRORE - Data Inesistente\ta. d. XIX Kal. Mai. cadrebbe "
                                        "il 13 Aprile, che sono le idi di Aprile"},
        {"Id. Mart. -44", "ERRORE - Anno non corretto\tanno non riconosciuto: «-44»; si legge un "
                          "anno solo, dal 753 a.C. al 9999 (1524, MDXXIV, 44 a.C., DCCX a.u.c.)"},
        {"Kal. Ianuar. 1524 1525", "ERRORE - Anno non corretto\tanno non riconosciuto: «1525»; "
                                   "si legge un anno solo, dal 753 a.C. al 9999 (1524, MDXXIV, "
                                   "44 a.C., DCCX a.u.c.)"},
        // After "anno" and its formula, the numeral not read is named, not "anno"
        {"anno domini MCCLXG die XV mensis Maii",
         "ERRORE - Anno non corretto\tanno non riconosciuto: «MCCLXG»; si legge un anno solo, "
         "dal 753 a.C. al 9999 (1524, MDXXIV, 44 a.C., DCCX a.u.c.)"},
        {"Die XV mensis Maii anno domini", "ERRORE - Anno non corretto\t«anno» senza un anno dopo"},
        // An indiction a scan misread is said, and not checked; it never moves the day.
        {"VIII Kal. Mar. indictione Vl",
         "22 Febbraio\ta. d. VIII Kal. Mar. è l'8° giorno prima delle calende di Marzo (1 Marzo), "
         "contando entrambi i giorni: 22 Febbraio; l'indizione scritta «Vl» non si legge come "
         "numero: non è verificata"},
        {"indictione Vl Kal. Mar.", "ERRORE - Data non corretta	designazione non riconosciuta: "
                                    "«indictione Vl»; i giorni si contano da a. d. III ad a. d. "
                                    "XIX, con pridie e a. d. bis VI"},
        // A misspelt month says how it was read, and a notary's h before it too.
        {"IX Kal. Setembris", "24 Agosto\ta. d. IX Kal. Sep. è il 9° giorno prima delle calende "
                              "di Settembre (1 Settembre), contando entrambi i giorni: 24 Agosto; "
                              "«Setembris» si legge Settembre, l'unico mese che differisce per "
                              "una lettera"},
        {"die 6 hoctubris", "06 Ottobre\tgiorno 6 del mese, contato dal primo: il 6 Ottobre; "
                            "«hoctubris» si legge Ottobre, l'unico mese così vicino, con l'h che "
                            "i notai scrivevano prima di una vocale"},
        // ... and where no month must stand, the refusal names it
        {"Datum Bude xxv Jannuarij Petrus",
         "ERRORE - Data non corretta\tmese non riconosciuto: «Jannuarij»"},
        // A day by a feast whose name is not read names the feast's words, to a comma or a year.
        {"Datum in festo beati Quirinaldi confessoris, anno Domini MCCC",
         "ERRORE - Data non corretta\tfesta non riconosciuta: «festo beati Quirinaldi "
         "confessoris»; si leggono le feste mobili e i santi che --calendar ANNO MESE elenca"},
        {"die mercurii post Rexurrectionem Domini anno MCCLXI",
         "ERRORE - Data non corretta\tfesta non riconosciuta: «mercurii post Rexurrectionem "
         "Domini»; si leggono le feste mobili e i santi che --calendar ANNO MESE "
         "elenca"},
        {"feria IV. post festum sancti Quirinaldi anno 1299",
         "ERRORE - Data non corretta\tfesta non riconosciuta: «feria IV. post festum sancti "
         "Quirinaldi»; si leggono le feste mobili e i santi che --calendar ANNO MESE elenca"},
        // ... but a feast the reader knows is no fault of its name (nor a month's, where an
        // editor's number stands before it)
        {"die foo ante festum beati Barnabe anno MCCXLIV",
         "ERRORE - Data non corretta\tnessuna data: manca un giorno di riferimento (Kal., Non., "
         "Id.) con il suo mese, o un giorno del mese (die XV mensis Maii)"},
        {"in festo sancti [45] Martini anno 1300",
         "ERRORE - Data non corretta\tnessuna data: manca un giorno di riferimento (Kal., Non., "
         "Id.) con il suo mese, o un giorno del mese (die XV mensis Maii)"},
        // A word is quoted with the brackets that close it.
        {"Kal. Ian. 15x(4)", "ERRORE - Anno non corretto\tanno non riconosciuto: «15x(4)»; "
                             "si legge un anno solo, dal 753 a.C. al 9999 (1524, MDXXIV, "
                             "44 a.C., DCCX a.u.c.)"},
    };
    for (const auto &[line, answer] : cases)
        EXPECT_EQ(tempidex::LatinToModern(line, explain).text, answer);
}

// The days that a count of the feast's own day, the medieval leap day, a Sunday's gender or
// the first of a month change, in the explanation or the warning that says them.
TEST(LatinToModern, NamesTheOtherReckoningsInItsOwnWords) {
    const tempidex::LineOptions explain{tempidex::Reckoning::Historical, false, false, true};
    const auto has = [&](std::string_view line, std::string_view said) {
        const tempidex::Answer a = tempidex::LatinToModern(line, explain);
        EXPECT_NE((a.text + a.warnings).find(said), std::string::npos) << a.text << a.warnings;
    };
    has("tertio die post festum sancti Martini anno 1300",
        "contando anche il giorno della festa, come spesso si contava, sarebbe il 13 Novembre "
        "1300");
    has("a. d. VI Kal. Mar. anno 1300", "ma 25 Febbraio contando aggiunto il 24, come il medioevo");
    has("dominica ante festum sancti Martini anno 1300",
        "l'ultima domenica prima della festa, il 6 Novembre 1300");
    has("feria secunda ante festum sancti Martini anno 1300",
        "l'ultimo lunedì prima della festa, il 7 Novembre 1300");
    has("die primo mensis maii", "giorno 1 del mese, contato dal primo: il 1° Maggio");
    // a year without its century: said in the explanation, and warned of
    has("Viennae 18 Novembris 89",
        "«89» è un anno scritto senza il secolo: l'anno non è calcolato");
    has("Viennae 18 Novembris 89",
        "«89» letto come anno scritto senza il secolo, che le parole non dicono: la data è senza "
        "anno");
}

} // namespace
