// The scholars' own files through the command line: a spreadsheet's column converted in place,
// a TEI edition's dates given their attributes, and the answers as JSON Lines.
#include "command_line_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

// 15 March 44 BC, reckoned in the Julian calendar, is 13 March in the proleptic Gregorian.
const std::string Ides = "Idibus Martiis DCCX a.u.c.";

// An Italian Excel's file: semicolons, Windows line ends, quotes doubled inside quoted cells, a
// clause broken across two lines of its cell, an empty cell; the column named by its header.
TEST(Spreadsheet, AddsFiveColumnsAndKeepsEveryOtherByte) {
    const std::string input =
        "Segnatura;Datazione;Note\r\n"
        "\"A; 1\";\"Idibus\r\nMartiis DCCX a.u.c.\";\"detto \"\"Cesare\"\"\"\r\n"
        "A 2;Kal. Ian.;\r\n"
        "A 3;;vuota\r\n"
        "A 4;Kal. Marzo;x";
    const Outcome run = Tempidex({"--convert", "--csv=Datazione", "-"}, input);
    EXPECT_EQ(run.out, "Segnatura;Datazione;Note;Data;ISO;Giuliano;Spiegazione;Avvisi\r\n"
                       "\"A; 1\";\"Idibus\r\nMartiis DCCX a.u.c.\";\"detto \"\"Cesare\"\"\";"
                       "15 Marzo 44 a.C.;-0043-03-13;-0043-03-15;;\r\n"
                       "A 2;Kal. Ian.;;01 Gennaio;;;;\r\n"
                       "A 3;;vuota;;;;;\r\n"
                       "A 4;Kal. Marzo;x;ERRORE - Data non correta;;;;");
    EXPECT_EQ(run.status, 1); // a row failed
    // The same column by its number, with the explanation, from a comma-separated file; a
    // cell quoted for the separator it holds; the warnings of a row in its cell and on
    // standard error, by the row's line.
    const Outcome numbered = Tempidex({"-c", "--explain", "--csv=2", "-"},
                                      "n,clausola\n1,\"Datum, a. d. VIII Kal. Ian. MDXXV\"\n");
    const std::vector<std::string> rows = Split(numbered.out, '\n');
    ASSERT_EQ(rows.size(), 3U) << numbered.out;
    EXPECT_EQ(rows[0], "n,clausola,Data,ISO,Giuliano,Spiegazione,Avvisi");
    EXPECT_TRUE(rows[1].starts_with("1,\"Datum, a. d. VIII Kal. Ian. MDXXV\",25 Dicembre 1525,"
                                    "1526-01-04,1525-12-25,\"a. d. VIII Kal. Ian. è l'8°"))
        << rows[1];
    EXPECT_NE(rows[1].find(",anno 1525 secondo lo stile moderno"), std::string::npos) << rows[1];
    EXPECT_TRUE(numbered.err.starts_with("tempidex: riga 2: avviso: anno 1525")) << numbered.err;
    EXPECT_EQ(numbered.status, 0);
    // An added cell with a quote in it is quoted, the quote doubled.
    EXPECT_EQ(Tempidex({"-l", "--explain", "--csv=1", "-"}, "d\n\"1\"\"2\"\n").out,
              "d,Data,ISO,Giuliano,Spiegazione,Avvisi\n\"1\"\"2\",ERRORE - Data non corretta,,,"
              "\"data non riconosciuta: «1\"\"2»; si scrive G/M, G/M/A, AAAA-MM-GG o G mese A "
              "(14/12, 14/12/1524, 15 marzo)\",\n");
    // --to-latin, with a tab named as the separator: a date with a year has its ISO dates.
    EXPECT_EQ(
        Tempidex({"-l", "--csv=1", "--separator=tab", "-"}, "data;x\t\n14/12\t\n14/12/1524\t\n")
            .out,
        "data;x\t\tData\tISO\tGiuliano\tSpiegazione\tAvvisi\n14/12\t\ta. d. XIX Kal. "
        "Ian.\t\t\t\t\n14/12/1524\t\ta. d. XIX Kal. Ian. MDXXIV\t1524-12-24\t1524-12-14"
        "\t\t\n");
}

// A row written without its last empty cells gets them back, so that its answers stand under
// their headers; a row with more cells than the header has its answers after the last, and says
// so.
TEST(Spreadsheet, KeepsEachRowsAnswersUnderTheirHeaders) {
    const Outcome run =
        Tempidex({"--convert", "--csv=Datazione", "-"},
                 "Segnatura;Datazione;Note\nP 2;" + Ides + "\nP 3;" + Ides + ";nota;;extra\n");
    EXPECT_EQ(run.out, "Segnatura;Datazione;Note;Data;ISO;Giuliano;Spiegazione;Avvisi\n"
                       "P 2;" +
                           Ides +
                           ";;15 Marzo 44 a.C.;-0043-03-13;-0043-03-15;;\n"
                           "P 3;" +
                           Ides + ";nota;;extra;15 Marzo 44 a.C.;-0043-03-13;-0043-03-15;;\n");
    EXPECT_EQ(run.err, "tempidex: riga 3: avviso: la riga ha 5 celle e l'intestazione 3: le "
                       "colonne aggiunte seguono l'ultima cella\n");
}

// Excel's Windows-1252 comes back as UTF-8 with a byte-order mark, which Excel reads with its
// accents; a file with a mark keeps it; one without gets none.
TEST(Spreadsheet, ComesBackInUtf8AsExcelReadsIt) {
    const std::string bom = "\xEF\xBB\xBF";
    EXPECT_EQ(Tempidex({"-c", "--csv=1", "-"}, "Datazione,Città\nKal. Ian.,Forl\xEC\n").out,
              bom + "Datazione,Città,Data,ISO,Giuliano,Spiegazione,Avvisi\n"
                    "Kal. Ian.,Forlì,01 Gennaio,,,,\n");
    EXPECT_EQ(Tempidex({"-c", "--csv=1", "-"}, bom + "d\nKal. Ian.\n").out,
              bom + "d,Data,ISO,Giuliano,Spiegazione,Avvisi\nKal. Ian.,01 Gennaio,,,,\n");
    EXPECT_EQ(Tempidex({"-c", "--csv=1", "-"}, "d\n").out.substr(0, 3), "d,D");
    // (UTF-16 without a mark, as some Windows tools save it, comes back so too)
    EXPECT_EQ(
        Tempidex({"-c", "--csv=1", "-"}, std::string("d\0\n\0K\0a\0l\0.\0 \0I\0a\0n\0\n\0", 22))
            .out,
        bom + "d,Data,ISO,Giuliano,Spiegazione,Avvisi\nKal. Ian,01 Gennaio,,,,\n");
}

// A file that cannot be converted gets one line on standard error and nothing else.
TEST(Spreadsheet, RefusesWhatItCannotConvertAndWritesNothing) {
    for (const auto &[arguments, complaint] : std::vector<std::pair<Arguments, std::string>>{
             {{"-c", "--csv=Data", "-"},
              "tempidex: -: colonna non trovata: Data; le intestazioni "
              "sono: «segnatura» «datazione»\n"},
             {{"-c", "--csv=0", "-"},
              "tempidex: -: colonna non trovata: 0; le intestazioni "
              "sono: «segnatura» «datazione»\n"},
             {{"-c", "--csv=3", "-"},
              "tempidex: -: colonna non trovata: 3; le intestazioni "
              "sono: «segnatura» «datazione»\n"},
             {{"-c", "--csv=1", "/no/such/file.csv"},
              "tempidex: /no/such/file.csv: lettura non riuscita\n"},
             {{"-c", "--csv=1", "a.csv", "b.csv"},
              "tempidex: --csv legge un FILE solo, o - per lo standard input (tempidex --help)\n"},
             {{"-c", "--separator=|", "--csv=1", "-"},
              "tempidex: separatore sconosciuto: |; si sceglie fra \",\", \";\" e tab "
              "(tempidex --help)\n"},
             {{"-c", "--separator=;", "-"},
              "tempidex: --separator vale solo con --csv (tempidex --help)\n"}}) {
        const Outcome run = Tempidex(arguments, "segnatura;datazione\nA;Kal. Ian.\n");
        EXPECT_EQ(run.err, complaint);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.status, 2);
    }
    // a quote that never closes would take the rows after it into its cell
    const Outcome unclosed =
        Tempidex({"-c", "--csv=b", "-"}, "a,b\n\"1,Kal. Mai. 1400\n2,Id. Mar. 1500\n");
    EXPECT_EQ(unclosed.err, "tempidex: -: virgolette non chiuse: la cella che si apre alla riga 2 "
                            "non finisce prima della fine del file\n");
    EXPECT_EQ(unclosed.out, "");
    EXPECT_EQ(unclosed.status, 2);
}

// The attributes each readable date gets, and nothing else: with them taken out again, the
// document is the one read, byte for byte.
// A line broken within a date breaks its words, unless the edition says the word goes on: the
// numerals either side of <lb/> are two, never one count.
TEST(TeiEdition, ReadsALineBreakAsTheEndOfAWord) {
    const Outcome run = Tempidex(
        {"--convert", "--tei", "-"},
        "<TEI><p><date>a. d. X<lb/>IV Kal. Mai. 1400</date><date>Kal. Mai<lb break=\"no\"/>i "
        "1400</date></p></TEI>\n");
    EXPECT_EQ(run.out,
              "<TEI><p><date>a. d. X<lb/>IV Kal. Mai. 1400</date><date when=\"1400-05-10\" "
              "when-custom=\"1400-05-01\" datingMethod=\"#julian\">Kal. Mai<lb "
              "break=\"no\"/>i 1400</date></p></TEI>\n");
    EXPECT_NE(run.err.find("«a. d. X IV Kal. Mai. 1400»: non letta"), std::string::npos) << run.err;
    // and another vocabulary's "date" is none of TEI's
    const std::string foreign = "<TEI xmlns:x=\"urn:x\"><x:date>Kal. Mai. 1400</x:date></TEI>\n";
    EXPECT_EQ(Tempidex({"--convert", "--tei", "-"}, foreign).out, foreign);
}

TEST(TeiEdition, GivesDatesTheirAttributesAndChangesNothingElse) {
    const std::string edition =
        "<?xml version='1.0' encoding='UTF-8'?>\n"
        "<!-- Regesto &amp; testo -->\n"
        "<TEI xmlns=\"http://www.tei-c.org/ns/1.0\"><text><body>\n"
        "<p>Datum Romae <date>a. d. XIX\n   Kal. Ian. <hi>MDXXIV</hi></date> &amp; <date type='x' "
        "\n"
        ">" +
        Ides +
        "</date>;</p>\n"
        "<p><date when=\"1601\">Kal. Ian. MDCI</date> <date when=\"1600-01-11\">Kal. Ian. MDC"
        "</date> <date>Kal. Ian.</date> <date>San Silvestro 1524</date><date/><![CDATA[<date>]]>"
        "</p>\n</body></text></TEI>\n";
    const Outcome run = Tempidex({"--convert", "--tei", "-"}, edition);
    const std::vector<std::string> added = {
        " when=\"1524-12-24\" when-custom=\"1524-12-14\" datingMethod=\"#julian\"",
        " when=\"-0043-03-13\" when-custom=\"-0043-03-15\" datingMethod=\"#julian\""};
    std::string restored = run.out;
    for (const std::string &attributes : added) {
        const std::size_t at = restored.find(attributes);
        ASSERT_NE(at, std::string::npos) << attributes << "\n" << run.out;
        restored.erase(at, attributes.size());
    }
    EXPECT_EQ(restored, edition);
    EXPECT_NE(run.out.find("<date type='x' \n" + added[1] + ">"), std::string::npos) << run.out;
    // Each date left as it was is said, by its line: a when that disagrees, no year, no date.
    for (const std::string warning :
         {"tempidex: riga 7: avviso: «Kal. Ian. MDC»: when=\"1600-01-11\", ma la data è il 01 "
          "Gennaio 1600, when=\"1600-01-01\"\n",
          "tempidex: riga 7: avviso: «Kal. Ian.»: 01 Gennaio, senza un anno",
          "tempidex: riga 7: avviso: «San Silvestro 1524»: non letta, lasciata com'è: "})
        EXPECT_NE(run.err.find(warning), std::string::npos) << warning << "\n" << run.err;
    EXPECT_EQ(run.err.find("when=\"1601\""), std::string::npos) << run.err; // it agrees
    EXPECT_EQ(run.status, 1);

    const Outcome broken = Tempidex({"-c", "--tei", "-"}, "<TEI>\n<date>Kal. Ian.</TEI>");
    EXPECT_EQ(broken.err, "tempidex: -: XML non valido alla riga 2: mismatched tag\n");
    EXPECT_EQ(broken.out, "");
    EXPECT_EQ(broken.status, 2);
    EXPECT_EQ(Tempidex({"-l", "--tei", "-"}, edition).status, 2);
}

// One object per line, its members as the command line's help and manual list them.
TEST(JsonLines, GiveEachLineItsObject) {
    // (the first line ends as Windows ends it: its "\r" is no part of its input)
    const Outcome run = Tempidex({"--convert", "--json", "-"},
                                 Ides + "\r\n\nKal. Marzo\nDatum Romae, VIII Kal. Ian. MDXXV, "
                                        "feria III, indictione XIII\nNon. Oct. MDCC\n");
    const std::vector<std::string> lines = Split(run.out, '\n');
    ASSERT_EQ(lines.size(), 6U) << run.out;
    std::vector<nlohmann::json> objects;
    for (std::size_t i = 0; i < 5; ++i)
        objects.push_back(nlohmann::json::parse(lines[i]));
    const nlohmann::json &ides = objects[0];
    EXPECT_EQ(ides["input"], Ides);
    EXPECT_EQ(ides["answer"], "15 Marzo 44 a.C.");
    EXPECT_TRUE(ides["error"].is_null());
    EXPECT_EQ(ides["day"], 15);
    EXPECT_EQ(ides["month"], 3);
    EXPECT_EQ(ides["year"], -43);
    EXPECT_EQ(ides["calendar"], "julian");
    EXPECT_EQ(ides["iso"], "-0043-03-13");
    EXPECT_EQ(ides["julian"], "-0043-03-15");
    EXPECT_TRUE(ides["warnings"].empty());
    EXPECT_TRUE(objects[1]["answer"].is_null()); // a blank line
    EXPECT_EQ(objects[2]["error"], "ERRORE - Data non correta");
    EXPECT_EQ(objects[2]["explanation"], "mese non riconosciuto: «Marzo»");
    // 25 December 1525 was a Monday, feria II, and in the 14th indiction from September.
    const nlohmann::json &christmas = objects[3];
    EXPECT_EQ(christmas["weekday"], 1);
    EXPECT_EQ(christmas["checks"]["weekday"], false);
    EXPECT_EQ(christmas["checks"]["indiction"], false);
    EXPECT_EQ(christmas["styles"], nlohmann::json({{"nativity", 1524}}));
    EXPECT_TRUE(christmas["styleDays"].empty()); // the same day in either year
    // A movable feast counted in another style falls in another year, on another day.
    const nlohmann::json invocavit = nlohmann::json::parse(
        Tempidex({"--convert", "--json", "dominica Invocavit anno 1256"}).out);
    EXPECT_EQ(invocavit["styles"]["florentine"], 1257);
    EXPECT_EQ(invocavit["styleDays"]["florentine"], nlohmann::json({{"day", 25}, {"month", 2}}));
    // An Easter year that holds the day twice gives its second year apart, whatever the style
    // asked for: no style's year is lost.
    const nlohmann::json april = nlohmann::json::parse(
        Tempidex({"--convert", "--json", "--style=pisan", "anno Domini MCCLXXI, X kal. Maii"}).out);
    EXPECT_EQ(april["year"], 1270);
    EXPECT_EQ(april["styles"],
              nlohmann::json({{"modern", 1271}, {"florentine", 1271}, {"easter", 1271}}));
    EXPECT_EQ(april["stylesAlso"], nlohmann::json({{"easter", 1272}}));
    // (a movable day's day goes with it: the Friday before St Mark's was the 22nd in 1272)
    const nlohmann::json mark =
        nlohmann::json::parse(Tempidex({"--convert", "--json",
                                        "anno Domini MCCLXXI, die veneris ante festum beati Marci"})
                                  .out);
    EXPECT_EQ(mark["styleDaysAlso"], nlohmann::json({{"easter", {{"day", 22}, {"month", 4}}}}));
    EXPECT_EQ(christmas["warnings"].size(), 3U);
    EXPECT_EQ(objects[4]["calendar"], "gregorian");
    EXPECT_EQ(objects[4]["iso"], "1700-10-07");
    EXPECT_TRUE(objects[4]["julian"].is_null());
    EXPECT_TRUE(objects[4]["checks"]["weekday"].is_null());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("tempidex: riga 4: avviso: «Datum Romae"), std::string::npos);

    const nlohmann::json latin =
        nlohmann::json::parse(Tempidex({"--to-latin", "--json", "14/12"}).out);
    EXPECT_EQ(latin["answer"], "a. d. XIX Kal. Ian.");
    EXPECT_TRUE(latin["explanation"].is_string());
    EXPECT_EQ(Tempidex({"-c", "--json", "--csv=1", "-"}).status, 2);
}

} // namespace
