// Whole dating clauses as letters, inscriptions, laws, charters, bulls and registers write
// them, each with the day it names, worked out by hand from the rules of the Roman calendar
// (or the error it must get): the date among its words, every year formula, and the numbers
// that are no year.
#include "calendar.h"
#include "window/window_lists.h"
#include "writing/answers.h"
#include "writing/latin_writing.h"

#include <gtest/gtest.h>

#include <array>

#include <string>
#include <string_view>
#include <tuple>

namespace {

using tempidex::LatinToModern;
using tempidex::LineOptions;

TEST(DatingClause, ReadsTheDayTheSourceMeans) {
    struct Case {
        std::string_view clause, answer;
    };
    const Case cases[] = {
        // Papal bulls, their datelines as the Bullarium Romanum and the Holy See print them:
        // Inter gravissimas (Gregory XIII, the calendar's reform: 24 February 1582, its year
        // counted from 25 March), Exsurge Domine (1520), Unam sanctam (1302), Licet ab initio
        // (1542), Regimini militantis Ecclesiae (1540), Quo primum (1570), Unigenitus (1713),
        // Ineffabilis Deus (1854); briefs "sub annulo Piscatoris" after the same forms.
        {"Datum Tusculi, anno Incarnationis dominicae millesimo quingentesimo octuagesimo primo, "
         "sexto Kal. Martii, pontificatus nostri anno decimo.",
         "24 Febbraio 1581"},
        {"Datum Romae apud S. Petrum, anno incarnationis dominicae millesimo quingentesimo "
         "vigesimo, XVII Kal. Iulii, pontificatus nostri anno octavo.",
         "15 Giugno 1520"},
        {"Datum Laterani XIV Kal. Decembris, pontificatus nostri anno octavo.", "18 Novembre"},
        {"Datum Romae apud Sanctum Marcum anno Incarnationis Dominicae millesimo quingentesimo "
         "quadragesimo secundo, undecimo Kalendas Augusti, pontificatus nostri anno octavo.",
         "22 Luglio 1542"},
        {"Datum Romae apud S. Marcum anno Incarnationis dominicae millesimo quingentesimo "
         "quadragesimo, quinto Kalendas Octobris, pontificatus nostri anno sexto.",
         "27 Settembre 1540"},
        {"Datum Romae apud S. Petrum, anno Incarnationis Dominicae millesimo quingentesimo "
         "septuagesimo, pridie Idus Iulii, pontificatus nostri anno quinto.",
         "14 Luglio 1570"},
        {"Datum Romae apud Sanctam Mariam Maiorem anno Incarnationis dominicae millesimo "
         "septingentesimo decimo tertio, sexto Idus Septembris, pontificatus nostri anno decimo "
         "tertio.",
         "08 Settembre 1713"},
        {"Datum Romae apud Sanctum Petrum anno Incarnationis Dominicae millesimo octingentesimo "
         "quinquagesimo quarto, VI Idus Decembris anno MDCCCLIV, Pontificatus Nostri anno nono.",
         "08 Dicembre 1854"},
        {"Datum Romae apud S. Petrum, anno Incarnationis Dominicae MDXXXVII, IV Nonas Iunii, "
         "pontificatus nostri anno tertio.",
         "02 Giugno 1537"},
        {"Dat. Romae apud S. Petrum anno incarnationis dominicae MCCCII, XIV Kal. Decembris, "
         "pontificatus nostri anno octavo.",
         "18 Novembre 1302"},
        {"Datum Avinione, V Idus Aprilis, pontificatus nostri anno secundo.", "09 Aprile"},
        {"Datum Perusii, IV Nonas Martii, pontificatus nostri anno primo.", "04 Marzo"},
        {"Datum Anagniae, Kalendis Augusti, pontificatus nostri anno nono.", "01 Agosto"},
        {"Datum Viterbii XV Kal. Februarii, pontificatus nostri anno quarto.", "18 Gennaio"},
        {"Dat. Lateran. VIII Id. Mart. pontificatus nostri anno XII.", "08 Marzo"},
        {"Datum Avinione, Kal. Ian. anno IV pontificatus nostri.", "01 Gennaio"},
        {"Datum Romae apud S. Petrum sub annulo Piscatoris die XV Maii MDXX, pontificatus nostri "
         "anno octavo.",
         "15 Maggio 1520"},
        {"Datum Romae apud Sanctum Petrum sub annulo Piscatoris, die 25 Martii 1595, pontificatus "
         "nostri anno quarto.",
         "25 Marzo 1595"},
        {"Datum Romae, apud S. Mariam Maiorem, sub annulo Piscatoris, die XXI Iulii MDCCLXXIII, "
         "pontificatus nostri anno quinto.",
         "21 Luglio 1773"},
        // Encyclicals as the Holy See publishes them: Rerum novarum (1891), Munificentissimus
        // Deus (1950), Humanae vitae (1968), Pascendi (1907), Aeterni Patris (1879), Quanta
        // cura (1864), Mortalium animos (1928), Providentissimus Deus (1893), Casti connubii
        // (1930), Quadragesimo anno (1931), and two after their form.
        {"Datum Romae apud S. Petrum die XV maii anno MDCCCLXXXXI, Pontificatus Nostri "
         "decimoquarto.",
         "15 Maggio 1891"},
        {"Datum Romae, apud Sanctum Petrum, anno millesimo nongentesimo quinquagesimo, die prima "
         "mensis Novembris, in festo omnium Sanctorum, Pontificatus Nostri duodecimo.",
         "01 Novembre 1950"},
        {"Datum Romae, apud Sanctum Petrum, die XXV mensis Iulii, in festo S. Iacobi Apostoli, "
         "anno MCMLXVIII, Pontificatus Nostri sexto.",
         "25 Luglio 1968"},
        // a Holy Year named in the formula
        {"Datum Romae apud S. Petrum die I mensis Novembris anno Iubilaei MCML, Pontificatus "
         "Nostri duodecimo.",
         "01 Novembre 1950"},
        {"Datum Romae apud S. Petrum, die VIII mensis Septembris MCMVII, Pontificatus Nostri anno "
         "quinto.",
         "08 Settembre 1907"},
        {"Datum Romae apud S. Petrum, die IV Augusti An. MDCCCLXXIX, Pontificatus Nostri Anno "
         "Secundo.",
         "04 Agosto 1879"},
        {"Datum Romae apud S. Petrum die 8. Decembris anno 1864, decimo a Dogmatica Definitione "
         "Immaculatae Conceptionis Deiparae Virginis Mariae.",
         "08 Dicembre 1864"},
        {"Datum Romae apud Sanctum Petrum, die VI mensis Ianuarii, in Epiphania D. N. Iesu "
         "Christi, anno MDCCCCXXVIII, Pontificatus Nostri sexto.",
         "06 Gennaio 1928"},
        {"Datum Romae apud S. Petrum die XVIII novembris anno MDCCCLXXXXIII, Pontificatus Nostri "
         "sextodecimo.",
         "18 Novembre 1893"},
        {"Datum Romae, apud S. Petrum, die XXXI mensis decembris, anno MDCCCCXXX, Pontificatus "
         "Nostri nono.",
         "31 Dicembre 1930"},
        {"Datum Romae, apud Sanctum Petrum, die XV mensis Maii, anno MCMXXXI, Pontificatus Nostri "
         "decimo.",
         "15 Maggio 1931"},
        {"Datum Romae apud S. Petrum die XI mensis Februarii an. MDCCCCVI, Pontificatus Nostri "
         "tertio.",
         "11 Febbraio 1906"},
        {"Datum Romae, apud Sanctum Petrum, die IV mensis Octobris, in festo S. Francisci, anno "
         "MCMLXVII.",
         "04 Ottobre 1967"},
        {"Datum Romae, die XXXI mensis Februarii, anno MCML.", tempidex::ErrorDateNonexistent},
        // Cicero's letters: the datelines the manuscripts keep ("D." for data: Ad Fam. XIV),
        // and the headings of modern editions, with the year of the city and the editor's
        // year before Christ in brackets.
        {"D. pr. K. Mai. Brundisio.", "30 Aprile"},
        {"D. a. d. VIII Kal. Febr. Minturnis.", "25 Gennaio"},
        {"Data Idibus Octobribus Athenis.", "15 Ottobre"},
        {"D. IIII Non. Ian.", "02 Gennaio"},
        {"Scr. Romae a. d. IIII Non. Sept. a. 707 (47)", "02 Settembre 47 a.C."},
        {"Scr. in Formiano a. d. VIII Id. Mart. a. 705 (49)", "08 Marzo 49 a.C."},
        {"Scr. Thessalonicae a. d. XVI K. Sext. a. 696 (58)", "17 Luglio 58 a.C."},
        {"Scr. Romae a. d. IIII Non. Sept. a. 707", tempidex::ErrorYearNotCorrect},
        {"Dabam prid. Non. Quint. Romae", "06 Luglio"},
        {"Data a. d. V Id. Quinctil.", "11 Luglio"},
        {"Scr. Brundisii pridie Non. Dec.", "04 Dicembre"},
        {"D. Kal. Ian. Laodiceae.", "01 Gennaio"},
        {"a. d. VI Id. Febr. ab Arpino", "08 Febbraio"},
        {"postridie Idus Martias", "16 Marzo"},
        {"Idibus Martiis DCCX a.u.c.", "15 Marzo 44 a.C."},
        {"a. d. IV Kal. Nov. anno DCXCI ab urbe condita", "29 Ottobre 63 a.C."},
        // Inscriptions in the epigraphers' notation (CIL, the Arval acts, military diplomas)
        {"A(NTE) D(IEM) V K(ALENDAS) MAI(AS)", "27 Aprile"},
        {"ID[ibus] OCT[obribus]", "15 Ottobre"},
        {"K(alendis) [S]ept(embribus)", "01 Settembre"},
        {"a(nte) d(iem) III K(alendas) Iun(ias)", "30 Maggio"},
        {"a(nte) d(iem) IIIĪ Non(as) Oct(obres)", "04 Ottobre"},
        {"[a(nte) d(iem)] XVII K(alendas) Ian(uarias)", "16 Dicembre"},
        {"pr(idie) Non(as) Mart(ias) Ti(berio) Claudio Caesare Aug(usto) IIII L(ucio) Vitellio III "
         "co(n)s(ulibus)",
         "06 Marzo"},
        {"a. d. XIII K. Febr. L. Aelio Vero II P. Coelio Balbino cos.", "20 Gennaio"},
        {"Non(is) Mai(s) Imp(eratore) Caesare Domitiano Aug(usto) XVI cos.", "07 Maggio"},
        {"EIDIBVS MARTIS", "15 Marzo"},
        {"K · IAN", "01 Gennaio"},
        {"A · D · XIIII · K · SEPT", "19 Agosto"},
        {"ante diem quartum Idus Iunias", "10 Giugno"},
        {"Id. Mart. L. Pisone A. Gabinio coss.", "15 Marzo"},
        {"Id. Mart. L.", tempidex::ErrorYearNotCorrect},
        // a witness's name cut to its first letters after his title, the Danish charters' way
        {"Datum anno domini mº. ccº. lxº. viiiº. idus iunii viiº. teste domino M. dapifero.",
         "07 Giugno 1268"},
        {"Datum anno domini mº cccº xxº die beati Petri ad uincula. teste domino Io. Pætersun.",
         "01 Agosto 1320"},
        {"Datum anno domini mº ccº lxxxº secundo in die beati Laurencii presente domino P. et N.",
         "10 Agosto 1282"},
        {"Datum kalendis Iunii anno domini M. CC. L.", "01 Giugno 1250"},
        {"Datum kalendis Iunii anno domino M. CC. L. teste domino M. dapifero", "01 Giugno 1250"},
        {"Datum presente domino V. kal. Iunii anno domini 1300", tempidex::ErrorDateNotCorrect},
        // Late-antique laws (Codex Theodosianus and Codex Iustinianus subscriptions)
        {"Dat. III Non. Mart. Constantinopoli Honorio VIII et Theodosio III AA. conss.",
         "05 Marzo"},
        {"Dat. prid. Kal. Ian. Mediolano Arcadio IIII et Honorio III AA. conss.", "31 Dicembre"},
        {"Dat. XV Kal. Iul. Ravennae Theodosio A. VII et Palladio conss.", "17 Giugno"},
        {"Data VI Id. Mai. Treviris Gratiano A. III et Equitio conss.", "10 Maggio"},
        {"Pp. Kal. Oct. Romae Constantino A. V et Licinio C. conss.", "01 Ottobre"},
        {"Acc. XII Kal. Aug. Carthagine post consulatum Lampadii et Orestis vv. cc.", "21 Luglio"},
        {"Dat. VIII Id. Nov. Constantinopoli Fl. Theodosio A. II et Merobaude conss.",
         "06 Novembre"},
        {"Dat. a. d. III Kal. Mai. Sirmio Constantio A. VIIII et Iuliano Caes. II conss.",
         "29 Aprile"},
        // Medieval charters and chronicles (Italian, German, English and French cartularies)
        {"Actum Florentie anno ab incarnatione Domini MCXX, VI Idus Martii, indictione XIII.",
         "10 Marzo 1120"},
        {"Anno dominicae incarnationis millesimo centesimo, III Kal. Mai., indictione VIII.",
         "29 Aprile 1100"},
        {"Dominicae incarnationis anno MCXXX, Nonis Iunii.", "05 Giugno 1130"},
        {"Anno ab incarnatione Domini MCCXV, XV Kal. Iulii.", "17 Giugno 1215"},
        {"Datum apud Pisas, anno Domini MCCLXXX, XII Kalendas Aprilis.", "21 Marzo 1280"},
        {"Anno Domini M. CC. LX., quarto Idus Februarii.", "10 Febbraio 1260"},
        {"Actum anno Domini . M. cccc. lxxij., die XX mensis Maii.", "20 Maggio 1472"},
        {"Anno Domini millesimo quadringentesimo septuagesimo secundo, die quinta Iunii.",
         "05 Giugno 1472"},
        {"Datum Mediolani, die primo Octobris 1620.", "01 Ottobre 1620"},
        {"sexto die mensis Iulii anno Domini MDXX", "06 Luglio 1520"},
        {"die XX mensis Maii, anno a nativitate Domini MCCCXL, indictione VIII", "20 Maggio 1340"},
        {"Anno Domini MCCCXX, indictione III, die Lunae XXV mensis Augusti", "25 Agosto 1320"},
        // a numeral of one small letter after the weekday, as after "die" (and a letter that
        // is none is still no day)
        {"anno 1300 die mercurii x mensis augusti", "10 Agosto 1300"},
        {"die mercurii a mensis augusti", tempidex::ErrorDateNotCorrect},
        {"Datum Parisius, anno Domini M° CC° LX° nono, mense Maio", tempidex::ErrorDateNotCorrect},
        {"Datum Florentie, Kalendarum Iuniarum die, anno Domini MCCCL", "01 Giugno 1350"},
        {"Actum Lucae, pridie Nonarum Decembrium, anno Domini MCCLX", "04 Dicembre 1260"},
        {"Scriptum XII Kalend. Marcii anno Domini MCCC", "18 Febbraio 1300"},
        {"Datum Avinione, XIIIo. Kal. Ianuarii, anno Domini MCCCXL", "20 Dicembre 1340"},
        {"VII Kales. Maii, anno Domini MCCXX", "25 Aprile 1220"},
        {"Data Rome, tercio nonas Aprilis, anno Domini MCCLVI", "03 Aprile 1256"},
        {"decimo septimo Cal. Ian. anno Domini MCCLXXX", "16 Dicembre 1280"},
        {"septimodecimo Kal. Ian. anno Domini MCCLXXX", "16 Dicembre 1280"},
        {"quintodecimo Kalendas Februarii anno Domini MCCC", "18 Gennaio 1300"},
        {"Nonum Kal. Maii anno Domini MCCCX", "23 Aprile 1310"},
        {"ydus Marcii anno Domini MCCCII", "15 Marzo 1302"},
        {"7 Kal. Martii 1582", "23 Febbraio 1582"},
        {"3. idus Maii anno Domini 1300", "13 Maggio 1300"},
        {"Kal. Febr. 1195-6", "01 Febbraio 1196"},
        {"III Non. Mart. 1620/21", "05 Marzo 1621"},
        {"VI Kal. Iun. 1620/21", "27 Maggio 1620"},
        {"Dat. Later. XV Kal. Sept. indictione III, anno Domini MCCCXX", "18 Agosto 1320"},
        {"a. d. II Kal. Ian.", "31 Dicembre"},
        {"II Non. Mai. anno Domini MCCC", "06 Maggio 1300"},
        {"die sabbati, III Non. Mart. anno Domini 1524", "05 Marzo 1524"},
        {"feria tertia, Kal. Ian. 1524", "01 Gennaio 1524"},
        {"Kal. Ian. 1524 hora diei tertia", "01 Gennaio 1524"},
        {"Actum Ianue, MCCLXXVI, die XXIII octubris, inter terciam et nonam", "23 Ottobre 1276"},
        {"Actum Ianue, die IIII madii, circa sextam", "04 Maggio"},
        {"Datum Mediolani die XXV Iunii MCCCCLXXVIII, sexto ducatus nostri anno.",
         "25 Giugno 1478"},
        {"Datum die XXV Iunii, sexto regni nostri anno", "25 Giugno"},
        {"In Dei nomine amen. Anno ab eius nativitate MCCCLXXX, indictione tercia, die XXIII "
         "mensis Februarii.",
         "23 Febbraio 1380"},
        {"anno a nativitate eius MCCCLXXX, die XXIII mensis Februarii", "23 Febbraio 1380"},
        // the hundreds with the scribes' doubled s and -issimo
        {"Actum in crastino s. Gereonis anno domini millesimo ducentissimo octuagesimo.",
         "11 Ottobre 1280"},
        {"anno domini millesimo trescentessimo sexto, die XV Maii", "15 Maggio 1306"},
        // a saint's companions after "et eius", and Adauctus as a scribe wrote him
        {"anno dominj mo ccco lo primo, jn profesto beati Dionisij et eius sociorum.",
         "08 Ottobre 1351"},
        {"anno domini mº cccº xvº, crastino beatorum martirum Felicis et Aucti.", "31 Agosto 1315"},
        // Lent's first Sunday and first day named by Quadragesima; an Introit after a colon
        {"anno domini mº cdº xxiii dominica Quadragesime", "21 Febbraio 1423"},
        {"anno domini MCDXXIII in capite Quadragesime", "17 Febbraio 1423"},
        {"Actum anno Domini Mº CCº XXXIIIº, crastino dominice qua cantatur : Oculi mei.",
         "07 Marzo 1233"},
        {"Datum anno domini millesimo. ccco. lxvjo. die beatorum Tymothei et Apollinaris",
         "23 Agosto 1366"},
        // the month before "die", as Francesco Sforza's registers of letters write it
        {"MCCCCLI maii die xiiii, Mediolani.", "14 Maggio 1451"},
        {"Datum Mediolani, MCCCCLI, maii die xiiii", "14 Maggio 1451"},
        // the last months by their numbers in Roman numerals: VIIIbres October, IXbris November
        {"Vratislaviae VI VIIIbres 1587", "06 Ottobre 1587"},
        {"Datum die 3 IXbris 1590", "03 Novembre 1590"},
        {"Datum die 5 VIIIIbris 1650", tempidex::ErrorDateNotCorrect}, // no slip of VIIIbris
        // a day's ordinal ending after a hyphen, "Juny" with the curia's y
        {"Dabam Zagrabiae 3-tia Martii 1793.", "03 Marzo 1793"},
        {"Romae, die 28. Juny 1642.", "28 Giugno 1642"},
        // the month first and its day after it, as the humanists' letters date them; but not
        // a named day's month, a month after its day, a saint's name, nor before a word that
        // takes the number for its own
        {"Bernae, Decembris 19, anno domini 1542.", "19 Dicembre 1542"},
        {"Tiguri festinantissime 1554. septembris 9.", "09 Settembre 1554"},
        {"Tiguri, Iunii prima 1542.", "01 Giugno 1542"},
        {"Datum Maii XV kal. Iunii anno 1300", "18 Maggio 1300"},
        // the year without its century, last in the clause: the date has no year; but not the
        // count Danish charters write after the named day in small letters (the editors' 17 May
        // 1250), nor beside a year written whole
        {"Viennae 3. novembris 25", "03 Novembre"},
        {"Francofurti XV Augusti veteris XCII.", "15 Agosto"},
        {"Norimbergae Calendas Januarii 71.", "01 Gennaio"},
        {"Datum Roskildis anno domini mº ccº lº kalendas iunii xviº", "17 Maggio 1250"},
        {"Datum Scabröth calendas aprilis xi.", "22 Marzo"},
        {"Datum anno domini mº cccº viº. idus iulii. viº. in presencia nostra.", "10 Luglio 1306"},
        {"Datum anno domini mccl kalendas iunii xxvi", tempidex::ErrorYearNotCorrect},
        {"Datum anno domini mccl kalendis iunii xvi", tempidex::ErrorYearNotCorrect},
        {"Datum anno domini mccl kalendas iunii XVI", tempidex::ErrorYearNotCorrect},
        {"feria II post festum s. Mart. 2 anno 1300", tempidex::ErrorDateNotCorrect},
        {"mense Maii XV indictione anno 1300", tempidex::ErrorDateNotCorrect},
        // the humanists' apostrophus: CIↃ a thousand, IↃ five hundred
        {"Lugduni Batavorum, VIII Kal. Iun. CIƆ IƆ XCVII", "25 Maggio 1597"},
        {"Dat. Lugd. Bat. X Kal. Sextil. CIↃ.IↃC.XXXVIII", "23 Luglio 1638"},
        // the Acta Apostolicae Sedis' abbreviations, d. for die, m. for mensis, a. for anno
        {"Datum Romae, apud S. Petrum, die 29 m. Iunii, a. 1950, Pontificatus Nostri duodecimo.",
         "29 Giugno 1950"},
        {"Ex Aedibus Vaticanis, d. VIII m. Septembris, a. MCML.", "08 Settembre 1950"},
        // D. M., Dis Manibus, at the head of an epitaph
        {"D. M. Aurelio Felici qui vixit annos XXV, dep. XV Kal. Iun.", "18 Maggio"},
        {"Actum in castro Pratensi, feria sexta, VIII Kal. Aprilis, anno Domini MCCCLX",
         "25 Marzo 1360"},
        {"Anno ab incarnatione Domini MCCXXIV, Idibus Ianuarii, id est in octava Epiphaniae",
         "13 Gennaio 1224"},
        {"Datum Mutine (1249 mart. 3) V Non. Mart.", "03 Marzo"},
        {"Anno Domini MCCXLIX, (1249 mart. 3) V Non. Mart.", "03 Marzo 1249"},
        {"Anno Domini MCCCLVI, indictione nona, IIII Idus Ianuarii, regni nostri anno decimo",
         "10 Gennaio 1356"},
        {"quinto decimo die iunii, anno regni nostri decimo septimo", "15 Giugno"},
        {"Dat. apud Ebor. XX die Marcii anno r. n. XII", "20 Marzo"},
        {"Datum Viterbii, Non. Aug., pont. n. a. secundo", "05 Agosto"},
        {"Dat. Lat. XIIII kal. Maii, p. n. a. XIX", "18 Aprile"},
        {"VI kal. Sept. p. a. septimo.", "27 Agosto"},
        {"Datum anno domini MCCL, XV Kal. Iunii, per manum magistri Petri, anno pontificatus "
         "domini Innocentii pape IIII septimo",
         "18 Maggio 1250"},
        // a reign's year with no "anno" of its own, after a comma; without one, it may end the
        // year before it or count the named day's days
        {"Datum Kal. Iun. anno Domini MCCLXXX, quarto regni nostri", "01 Giugno 1280"},
        {"Datum Kalendis Iunii anno Domini MCCLXXX quarto regni nostri",
         tempidex::ErrorYearNotCorrect},
        {"Datum nonas augusti tertio regni nostri", tempidex::ErrorDateNotCorrect},
        // but a number right before the named day may count its days as well
        {"anno domini MCCCXLIII, anno pontificatus domini Clementis pape VI XII Kal. Septembris",
         tempidex::ErrorDateNotCorrect},
        {"anno pontificatus domini Clementis pape VI vigesimo tercio die mensis Septembris",
         tempidex::ErrorDateNotCorrect},
        // Two reigns counted together, the king's names and titles between "anno" and his year,
        // the ruler's own number in the genitive: years of reigns, no year of ours
        {"Data VIII Kal. Nov. anno sexto et tertio regni nostri", "25 Ottobre"},
        {"anno pietatis eorum vigesimo sexto et tertio, sub die V Id. Iun.", "09 Giugno"},
        {"Data V Kal. Mar. anno incarnationis domini DCCCCXXI, anno vero regni domni Heinrici "
         "serenissimi regis II",
         "25 Febbraio 921"},
        {"Data III Id. Mai. anno dominicae incarnationis MXXV, anno vero domni Conradi secundi "
         "regnantis primo",
         "13 Maggio 1025"},
        {"Datum una cum sigillo nostro, V Id. Mai. MCCCXX", "11 Maggio 1320"},
        {"anno Domini MXLVIII, regnante Henrico rege xviii anno, xv kalendas maii",
         "17 Aprile 1048"},
        // "die" is the word, never D, I and an ending
        {"V Id. Mai. in die sancto", "11 Maggio"},
        {"secunda die intrante aprili anno Domini MCCLXXVI", "02 Aprile 1276"},
        {"Ex oppidulo Ferimontano, ultimo Februarii anno 1524", "29 Febbraio 1524"},
        // the consuls' names end at a day of the month, as at a Roman date
        {"Data mense Martio die XXVIII. Iustino et Eutharico conss.", "28 Marzo"},
        {"Anno Dni. 1319 die octava decembris consecrationis nostrae 2do.", "08 Dicembre 1319"},
        // a prelate's years from his election, an abbot's or a doge's of his rule: no AD 13
        {"Datum Rome, VI kal. maii, electionis nostre anno XIII.", "26 Aprile"},
        {"Datum Venetiis, VI kal. maii, anno regiminis nostri XIII.", "26 Aprile"},
        {"Data sub die, quod fecit mensis iulius dies X.", "10 Luglio"},
        // A year's parts run together in one word, each with its scribe's ending; words that
        // look alike stay words
        {"Datum Bergis anno domini mocdosecundo V Id. Mai.", "11 Maggio 1402"},
        {"Datum anno domini mcdxxxprimo, V Id. Mai.", "11 Maggio 1431"},
        {"anno domini mmocccmo sexagesimo tercio, kal. maii", "01 Maggio 1363"}, // mmo: m, mo
        // an unmarked letter after a numeral that ends with it may be a word: j for "in"
        {"anno domini mº cccº xxii j crastino beatorum apostolorum Symonis et Iude",
         tempidex::ErrorYearNotCorrect},
        {"anno domini mccc xx x in die sancti Martini", "11 Novembre 1330"}, // no j: the tens
        {"anno domini mcccxviii, indictione xvima, in die sancti Dionysii",
         tempidex::ErrorYearNotCorrect},
        {"Datum anno domini mocccc lxxoprimo V Id. Mai.", "11 Maggio 1471"},
        {"quo modo dixi, V Id. Mai. anno MCCC", "11 Maggio 1300"},
        {"Datum in Lido, V Id. Mai. anno MCCC", "11 Maggio 1300"},
        // A year's marked parts go on past a comma, but not into the count of the days
        {"anno domini mº.cccº, quadragesimo quinto. septimo idus mensis maii.", "09 Maggio 1345"},
        {"anno Domini MCCº, tertio Kal. Maii", "29 Aprile 1200"},
        {"anno Domini MCCº, decimo tertio Kal. Maii", "19 Aprile 1200"},
        {"anno MCC, quadragesimo Kal. Maii", tempidex::ErrorDateNotCorrect}, // no mark, no year
        // The year and all else dated with it as above
        {"Datum Avinione XV Kal. Iun. anno et pontificatu predictis", "18 Maggio"},
        {"Datum die XV Maii anno, indictione et pontificatu quibus supra", "15 Maggio"},
        {"Datum Bergis, in festo sancti Dunstani episcopi. Anno et loco supradictis.", "19 Maggio"},
        {"Datum XV Kal. Oct. anno et die quibus supra", "17 Settembre"},
        {"Datum XV Kal. Oct. anno die", "ERRORE - Anno non corretto"},
        // The year of the Lord before the pontificate's year is no year of the pontificate
        {"Datum die prima Iunii anno incarnationis dominice MDV pontificatus nostri anno secundo",
         "01 Giugno 1505"},
        // A count alone before a comma still counts; after a year's last part it does not
        {"Data Romae IIII, Idus Octobris, indictione XII.", "12 Ottobre"},
        {"Datum Pisis, III, Kal. Mai.", "29 Aprile"},
        {"anno MCC septimo, Kal. Mai.", "01 Maggio 1207"},
        {"Anno Domini MCCLXXX, die Martis, VI Id. Iun.", "08 Giugno 1280"},
        {"Anno Domini MCCLXXX, sub die VI Id. Iun.", "08 Giugno 1280"},
        // Humanists' letters (Petrarch, Poggio, Erasmus, Manutius; editors' headings)
        {"Patavii, XII Kal. Ian.", "21 Dicembre"},
        {"Basileae. Anno M.D.XXIX. Calendis Aprilis.", "01 Aprile 1529"},
        {"Lovanii, pridie Calendas Iunias. Anno M.D.XVII.", "31 Maggio 1517"},
        {"Basileae, quarto Nonas Martias, anno a Christo nato M.D.XXX.", "04 Marzo 1530"},
        {"Venetiis, mense Iulio, M.D.II.", tempidex::ErrorDateNotCorrect},
        {"Romae, VIII Idus Novembres MDXXX", "06 Novembre 1530"},
        {"Florentiae, Kal. Sept. anno salutis MCCCCLXXXX", "01 Settembre 1490"},
        {"Ex urbe, pridie Iduum Martiarum anno salutis MDXX", "14 Marzo 1520"},
        {"Scripsi Patavii, VII Kal. Octobr. anno a partu Virginis MDXL.", "25 Settembre 1540"},
        {"Venetiis, anno a virgineo partu MDXL, VII Kal. Octobr.", "25 Settembre 1540"},
        {"Datae Venetiis, III Non. Octob. MDXII", "05 Ottobre 1512"},
        {"Datum Oxoniae, VI Kal. Nov. anno post Christum natum MDXXXII", "27 Ottobre 1532"},
        {"Lipsiae, a. d. VII Id. Mai. MDCCLXIX P. C. N.", "09 Maggio 1769"},
        {"anno a natali Christiano MDXXX, VIII Kal. Ian.", "25 Dicembre 1530"},
        {"Friburgi, Idibus Augusti, anno MDXXXIII", "13 Agosto 1533"},
        {"Antverpiae, XIII Kal. Iunias, Anno M. D. XL.", "20 Maggio 1540"},
        {"Ex Aedibus nostris, Nonis Ianuariis. 1511", "05 Gennaio 1511"},
        {"Datum Florentie anno ab incarnatione Domini M.D.XXX. die XV Martii", "15 Marzo 1530"},
        {"Ferrariae, postridie Kal. Mart. MDXLV", "02 Marzo 1545"},
        {"Roterodami, III Eid. Sept. MDXXVI", "11 Settembre 1526"},
        {"a. d. bis VI Kal. Mart. MDXXIV", "25 Febbraio 1524"},
        {"ante diem bis sextum Kalendas Martias anno MDXXV", tempidex::ErrorDateNonexistent},
        {"a. d. VI Kal. Mart. (a. i.) MDXXIV", "24 Febbraio 1524"},
        {"Datum Romae, a. d. V Kal. Mart. (a. i.)", "26 Febbraio (anno bisestile)"},
        // Modern diplomas, university records and parish registers
        {"Datum Pragae die XXV mensis Iunii anno Domini MDCCCLXXX", "25 Giugno 1880"},
        {"Baptizatus est die 3 mensis Martii anno 1750", "03 Marzo 1750"},
        {"Natus est die decimo octavo Aprilis 1799", "18 Aprile 1799"},
        {"Die vigesimo primo Martii 1805", "21 Marzo 1805"},
        {"Die trigesimo primo Augusti 1805", "31 Agosto 1805"},
        // a day of one small letter before its month written out, as a chancery wrote it
        {"Data apud Gaydum, x iulii 1453.", "10 Luglio 1453"},
        {"Die trigesimo Februarii 1805", tempidex::ErrorDateNonexistent},
        {"die tredecima mensis aprilis anno domini millesimo trecentesimo nonagesimooctauo",
         "13 Aprile 1398"}, // the cardinal made an ordinal, as notaries wrote it
        {"Die XXIX Februarii MDCCC", tempidex::ErrorDateNonexistent},
        {"Die XXIX Februarii MDCCCIV", "29 Febbraio 1804"},
        {"Datum Viennae, die 15. mensis Octobris 1582", "15 Ottobre 1582"},
        {"Die 4. mensis Octobris 1582", "04 Ottobre 1582"},
        {"Die 10. mensis Octobris 1582", tempidex::ErrorDateNonexistent},
        {"Datum Lugduni Batavorum, a. d. III Kal. Mart. A. D. MDCCCX", "27 Febbraio 1810"},
        {"Promotus est Kal. Oct. A.D. MDCCXII", "01 Ottobre 1712"},
        {"Actum die XII Maii 1690, hora decima", "12 Maggio 1690"},
        // Unicode as copied from editions and PDF files
        {"Kalendæ Ianuariæ MDXXIV", "01 Gennaio 1524"},
        {"a. d. III Kal. Iūn.", "30 Maggio"},
        {"Īdibus Mārtiīs", "15 Marzo"},
        {"a. d. XIX Kal. Ian.", "14 Dicembre"},
        {"anno dominicę incarnationis MCC, IIII Non. Mai.", "04 Maggio 1200"},
        {"ANTE·DIEM·III·NONAS·MAIAS", "05 Maggio"},
        {"Nonis Februariis A.D. MDCXXXIII", "05 Febbraio 1633"},
        {"VI Kal. Mai. anno 1524", "26 Aprile 1524"},
        {"ſexto Kal. Maii anno Domini MDXXIV", "26 Aprile 1524"},
        // What is no year, and must not be read as one
        {"Id. Mart. -44", tempidex::ErrorYearNotCorrect},
        {"Id. Mart. −44", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. C.", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. M", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. IIX", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. 15x4", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. 1524 1525", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. anno", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. anno Domini MDXXIV, anno Domini MDXXV", tempidex::ErrorYearNotCorrect},
        {"Nonis Augusti Romae MDXX", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. 1524 a.C. AD", tempidex::ErrorYearNotCorrect},
        {"A.D. 1524 a.C. Kal. Ian.", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. anno 10000", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. 0", tempidex::ErrorYearNotCorrect},
        {"Kal. Ian. A.D. L", "01 Gennaio 50"},
        {"die secunda aprilis m. d. c. xv.", "02 Aprile 1615"}, // MDCXV, never d. C. 15
        {"rome xx septembris. m. d. xxj.", "20 Settembre 1521"},
        {"Kal. Mai. m. d. x.", "01 Maggio 1510"},
        {"die XV m. Maii", "15 Maggio"}, // m. for mensis
        {"Kal. Ian. anno Domini C", "01 Gennaio 100"},
        {"Kal. Ian. indictione V", "01 Gennaio"},
        {"Id. Mart. Caesare V et Antonio coss.", "15 Marzo"},
        // A gap an editor marks where the count or the year's end stands: either may be lost
        {"Datum [...] Kal. Mai.", tempidex::ErrorDateNotCorrect},
        {"Datum Romae … XV Kal. Mai.", tempidex::ErrorDateNotCorrect},
        {"Datum [- - -] Kal. Mai.", tempidex::ErrorDateNotCorrect},
        {"Datum Kal. Mai. anno MCC [...]", tempidex::ErrorYearNotCorrect},
        {"Datum Kal. Mai. anno MCC. . . XX", tempidex::ErrorYearNotCorrect},
        {"Datum ... anno MCC, Kal. Mai.", "01 Maggio 1200"},
        // (and the letters lost as the databases of inscriptions count or dot them)
        {"[3]V K. Mai.", tempidex::ErrorDateNotCorrect},
        {"[..]V K. Mai.", tempidex::ErrorDateNotCorrect},
        {"[c. 3]V K. Mai.", tempidex::ErrorDateNotCorrect},
        {"[1-2]V K. Mai.", tempidex::ErrorDateNotCorrect},
        {"anno Domini MCC[..], die XV Maii", tempidex::ErrorYearNotCorrect},
        // (or named, blank or starred)
        {"anno Domini millesimo ducentesimo [lacuna], die XV Maii", tempidex::ErrorYearNotCorrect},
        {"die XV Maii MCC (lacuna)", tempidex::ErrorYearNotCorrect},
        {"die XV Maii MCC [ ]", tempidex::ErrorYearNotCorrect},
        {"die vigesimo *** mensis Maii MCC", tempidex::ErrorDateNotCorrect},
        {"Datum Romae (Laterani) die XV Maii MCC", "15 Maggio 1200"},
        {"D. M. Aurelio [3] qui vixit annos XXV, dep. XV Kal. Iun.", "18 Maggio"},
        // A sum or a number of witnesses beside its things' word is no part of the date, but
        // a number that may run on from the year is
        {"Actum die XX maii MCCCX, pro pretio librarum XXV", "20 Maggio 1310"},
        {"Actum die XX maii MCCCX, presentibus XV testibus", "20 Maggio 1310"},
        {"Actum die XX maii MCCC XXV libras", tempidex::ErrorYearNotCorrect},
        {"Actum die XX maii MCCCX VI uncias", tempidex::ErrorYearNotCorrect},
        {"Actum die XX maii MCCC et X libras", tempidex::ErrorYearNotCorrect},
        // nor is a sum of a thousand and more, nor the number of a leaf or a document: they
        // may be a year, and the line names both readings
        {"die XV mensis Iunii MCC florenos", tempidex::ErrorYearNotCorrect},
        {"die XV mensis Iunii, 1200 lb.", tempidex::ErrorYearNotCorrect},
        {"eodem anno; mille florenos; IIII nonas Decembris", tempidex::ErrorYearNotCorrect},
        {"n. 1234 die XV mensis Iunii", tempidex::ErrorYearNotCorrect},
        {"folio MCCCXLIII, die XI exeunte iunio", tempidex::ErrorYearNotCorrect},
        {"Datum in castris, XV Kal. Iun., MD equitibus", tempidex::ErrorYearNotCorrect},
        {"Actum die XXI maii, 1500 lire", tempidex::ErrorYearNotCorrect},
        {"die XXI maii, \u00A7 1520", tempidex::ErrorYearNotCorrect},
        {"pro pretio florenorum MD, die XXI maii", tempidex::ErrorYearNotCorrect},
        {"Facta carta VI kal. Iunii, anno MCCLXXX", "27 Maggio 1280"}, // Spain's formula
        // the Era of Spain named after its number, 38 years ahead of ours
        {"Facta carta XV die madii MCCCL era", "15 Maggio 1312"},
        // a year's last ordinal before "exeunte" may end the year: no count of Bologna's
        {"anno domini millesimo quingentesimo vigesimo tertio exeunte iunio",
         tempidex::ErrorDateNotCorrect},
        {"die xv maii 1400 oves", tempidex::ErrorYearNotCorrect},
        {"Facta carta XV die madii anno MCCCL de la era", tempidex::ErrorYearNotCorrect},
        {"anno MCCCX testium VII, XV kal. iunii", "18 Maggio 1310"},
        {"Datum anno domini mº cccº quinto kalendas iunii xvº. testibus consiliariis nostris",
         "18 Maggio 1305"},
        // the year of the Circumcision, from 1 January
        {"anno a circumcisione Domini MCCCX die X februarii", "10 Febbraio 1310"},
        // Initials before a count, or a praenomen: the count's, or a year's letters; never
        // the year alone
        {"D. M. V K. Mai.", tempidex::ErrorDateNotCorrect},
        {"DEP. IN PACE M. V K. MAI.", tempidex::ErrorDateNotCorrect},
        {"M. XV K. Mai.", tempidex::ErrorDateNotCorrect},
        {"Datum VIII. id. mai. anno XXVI. ……. regnante domno rege Karolo.", "08 Maggio"},
        // No date, or two
        {"Datum Romae apud S. Petrum", tempidex::ErrorDateNotCorrect},
        {"Kal. Ian. et Kal. Febr.", tempidex::ErrorDateNotCorrect},
        {"Kal. Ian., id est Kal. Ian.", "01 Gennaio"},
        {"a. d. XX Kal. Ian.", tempidex::ErrorDateNotCorrect},
        {"die XXXII Maii", tempidex::ErrorDateNotCorrect},
        {"in festo Sancti Marci", "25 Aprile"}, // a feast: St Mark's day
        // a law's received date is not its date given, where the given one is not read
        {"Data ld. Octobr. Eutharico cons. Accepta XV. Kal. Decembr.",
         tempidex::ErrorDateNotCorrect},
        // a ruler's year, his title after his name, on either side of the number
        {"anno XI Hludowici imperatoris, die lunis, XII kal. iul.", "20 Giugno"},
        {"Actum XIII. kal. ian. Hludouuici imperatoris anno XVII.", "20 Dicembre"},
        {"Actum XV. kal. Apr. Primo anno regnante Karlo", "18 Marzo"},
        {"Die lunis, iiii nonas augusti, annos V regnante Ludvico rege.", "02 Agosto"},
        {"Notavi III non. mar., V annum Hludowici regis, Adalbertum comitem.", "05 Marzo"},
        {"V idus Februarii, VI autem anno Stephani pape V", "09 Febbraio"},
        // the ruler's ordinal in the ablative, after the reign's verb, is no year's
        {"Anno MCCXXVII, die XII mensis septembris, imperante domino Federico secundo",
         "12 Settembre 1227"},
        // a number after a named pope may be his or the count of the named day after it
        {"VI autem anno Stephani pape V idus Februarii", tempidex::ErrorDateNotCorrect},
        // the Carolingian scribes' spellings: kalendes, nones, mad. (Madius), genuarius
        {"XI. kalendes martii", "19 Febbraio"},
        {"Datum Perusii, XII Calen. Ianu. pontificatus nostri anno II.", "21 Dicembre"},
        {"Dat. III kalende Aprilis", "30 Marzo"},
        {"pridie nones iulii, anno IIII imperante domno nostro Karolo", "06 Luglio"},
        {"Notavi die domenicum, III. id. mad., anno decimo regnante domno nostro Charlo rege",
         "13 Maggio"},
        {"sub die XI kal. genuarius, in anno XIII regni domni Pippini regis", "22 Dicembre"},
        // the Incarnation named after the number; "Domini" alone says nothing
        {"XVII kalendas julii, anno quoque DCCLXII ab incarnatione Domini", "15 Giugno 762"},
        {"XVII kalendas julii, anno XIII domini nostri Ottonis regis", "15 Giugno"},
        {"Anno igitur ab incarnatione Domini millesimo octogesimo septimo, die sexto mensis junii",
         "06 Giugno 1087"},
        // a ruler named as "the lord" after "anno": his year, no year of ours; and the
        // indiction after a connective
        {"Data IIII idus septembris, anno domni Ludouuici III. Actum in civitate Metensi",
         "10 Settembre"},
        {"Data pridie nonas augustas anno III imperii nostri, indictione vero I; actum Romae",
         "04 Agosto"},
        // the humanists' ways: a day in digits with its ending after a hyphen; the count
        // between the named day and its month, in a numeral; Salvatoris, christianę
        {"Neapoli 26-a Februarii anno a Christo nato 1536.", "26 Febbraio 1536"},
        {"Ex Tragurio Kal. XIII Junii 1453.", "20 Maggio 1453"},
        {"Datum Romę die Kal. 14. 7bris 1517.", tempidex::ErrorDateNotCorrect},
        {"data Nonis II Sextilibus.", tempidex::ErrorDateNotCorrect},
        {"Ex oppido Spalato, anno Saluatoris MDXV, VI. Kalendas Maias.", "26 Aprile 1515"},
        {"Anno christianę salutis MDII, quinto Nonas Martias. Spalati.", "03 Marzo 1502"},
        // the months as Italy's notaries spelt them after their Italian names, no slip of a
        // letter, and so read after a comma too
        {"Die 20, austi, XIII indictione", "20 Agosto"},
        {"Die 3, agusti, 1478", "03 Agosto 1478"},
        {"Die 6, octubris, XI indictione 1477", "06 Ottobre 1477"},
        {"Die 5 de iulio de la XIII indictione", "05 Luglio"},
        // a year in title case: a name's shape after the year's numeral may be its units
        // (Viiio), and is never passed over; a day of the month whose count a year's last
        // ordinal may be, beside another date, is two dates
        {"die XV Maii anno domini Mo. Ccco. Viiio.", tempidex::ErrorYearNotCorrect},
        {"Datum anno domini millesimo quadringentesimo quinquagesimo primo die mensis Augusti; "
         "VIII Idus Augusti.",
         tempidex::ErrorDateNotCorrect},
        // "die XII." before "anno" is a day's count, never a duke's year passed over for the
        // other date: two days
        {"Actum in Castro Frigisinga mensis septemb. die XII. anno gloriosissimi ducis Oatilonis "
         "VIII, item XV Kal. Octobris.",
         tempidex::ErrorDateNotCorrect},
        // a year written further on, "anno infrascripto", is not computed
        {"quinto decimo kalendas madii anno infrascripto", "17 Aprile"},
        // and the registers' commas before the month, after "mensis" or the last day too
        {"Die 9 mensis, iulii, II indictione 1484", "09 Luglio 1484"},
        {"Die ultimo, septembris, XIII inditione", "30 Settembre"},
        {"die ultimo, Iulio Caesare consule", tempidex::ErrorDateNotCorrect},
        // May spelt as Danish and Flemish letters spell it
        {"Datum Roskildis anno incarnacionis mºccºxiiº xiiiiº kalendas may.", "18 Aprile 1212"},
        {"uicesima die mensis may, anno domini 1366", "20 Maggio 1366"},
        // the month's last day and the one before it, with "die" before or after
        {"Actum ultima die aprilis.", "30 Aprile"},
        {"Datum penultima die februarii anno Domini 1360", "28 Febbraio 1360"},
        {"Datum die penultima mensis Maij anno 1350", "30 Maggio 1350"},
        // the count after the month, as Danish scribes wrote it; never a reign's year, and
        // never after "kalendis", the day itself
        {"Datum Alsø anno domini m.º cc.º xlº vi.º idus augusti septimo.", "07 Agosto 1246"},
        {"Actum Lundis anno domini mccxci nonas marcii quinto", "03 Marzo 1291"},
        {"kalendas iunii quinto anno regni nostri", "01 Giugno"},
        {"Datum Rome kalendis Aprilis secundo.", tempidex::ErrorYearNotCorrect},
        // an ordinal ended by a full stop is the count where no year before can go on with it
        {"Datum Roskildis. anno domini. mº cccº viº quintodecimo. kalendas mai.", "17 Aprile 1306"},
        {"Datum anno domini mcccclxx quarto. Idus Maii", "15 Maggio 1474"},
        // the mark of one numeral run on to the next: the year is not MCCC
        {"Data Bergis xxiiij. die mensis Aprilis, anno domini m. o ccc. oxxx. o", "24 Aprile 1330"},
        // and the marks of two run on with a third: "oloiiij" is l.º iiij; garbled, it is
        // never passed over
        {"Datum anno domini m. o ccc. oloiiij in profesto beati Martini", "10 Novembre 1354"},
        {"Datum anno domini mccc oiolx in profesto beati Martini", tempidex::ErrorYearNotCorrect},
        // a count's mark written apart before its named day; after a year's tens it may be
        // the year's units or the count: two readings
        {"Datum Laterani xij. o Kal: Aprilis pontificatus nostri anno septimo.", "21 Marzo"},
        {"Datum anno domini m. ccc. x. o kal. Maii", tempidex::ErrorDateNotCorrect},
        // the English chancery's "x. die Aprilis", "viij di Marcij"; "anno d." before a year
        {"Teste Rege apud Westmonasterium. x. die Aprilis.", "10 Aprile"},
        {"Teste Rege apud Westm. viij di Marcij.", "08 Marzo"},
        {"Curiae 21. iunii anno d. 1557.", "21 Giugno 1557"},
        {"Anno D. CCCC. LXXX. 10 Aprilis", "10 Aprile"}, // D the numeral: no AD 480
        // the month's last day and the one before it as Clusius's correspondents wrote them
        {"Viennae postrema Januarii 1576.", "31 Gennaio 1576"},
        {"Londini penulto Iunii 1599.", "29 Giugno 1599"},
        // "ad" in a letter's dateline, after its place, is the day it was written; elsewhere
        // it may be a day to which something runs, and is refused
        {"Viennae Austriae ad 13 Martii 1574.", "13 Marzo 1574"},
        {"Datum Francofurti ad XVIII Iulii 1592", "18 Luglio 1592"},
        // what the month written first never takes: an emperor's or a pope's number or year
        // after the name he shares with a month, a weekday's count after a feast, an octave
        {"anno domini 1510 pontificatus Iulii II anno septimo", tempidex::ErrorDateNotCorrect},
        {"anno MDCCXXX regnante Augusto II rege Poloniarum", tempidex::ErrorDateNotCorrect},
        {"anno Domini MCCCLV imperii Karoli quarti Romanorum imperatoris semper augusti primo",
         tempidex::ErrorDateNotCorrect},
        {"anno MDLIV pontificatus Iulii tertii anno V", tempidex::ErrorDateNotCorrect},
        {"anno MDX pontificatus Iulii 2 anno 7", tempidex::ErrorDateNotCorrect},
        {"Constitutio Iulii 2. anno 1505", tempidex::ErrorDateNotCorrect},
        {"Iulii 2 P. M. anno 1510", tempidex::ErrorDateNotCorrect},
        {"Tiguri Augusti 31 1560", "31 Agosto 1560"},
        {"hebdomada postrema Maii 1590", tempidex::ErrorDateNotCorrect},
        {"Dominica postrema Maii 1590", tempidex::ErrorDateNotCorrect},
        {"anno domini MDXX regni Caroli semper augusti 26", tempidex::ErrorDateNotCorrect},
        {"anno domini MDLIV Iulii tertii pontificis maximi anno quinto",
         tempidex::ErrorDateNotCorrect},
        {"anno incarnationis domini DCCCCLXX indictione XIII imperii vero domni Ottonis augusti IX",
         tempidex::ErrorDateNotCorrect},
        {"anno MCCCL Martii quarta post Invocavit", tempidex::ErrorDateNotCorrect},
        {"anno MCCCCXX in oct. 8", tempidex::ErrorDateNotCorrect},
        {"anno MCCCL Septembris 15 luna", tempidex::ErrorDateNotCorrect},
        // nor the year without its century: a named day's count however far after it, a
        // numeral of a day's size, a year beside a king's
        {"Datum kalendas iunii stilo veteri 16", tempidex::ErrorYearNotCorrect},
        {"anno regni nostri XV 18 Novembris 89", tempidex::ErrorYearNotCorrect},
        {"Datum 18 Novembris XI", tempidex::ErrorYearNotCorrect},
        {"Magno et Apollonio conss. Data XV Kal. Sept. XXV", tempidex::ErrorYearNotCorrect},
        // the parts of a year run on before a named day: the last may be its count
        {"anno domini m. o ccc. oloiij kal. Maii", tempidex::ErrorDateNotCorrect},
        // an epithet that may be another saint's ends the name: the year is not next to it
        {"in festo sancti Bonifacii episcopi 1300", tempidex::ErrorYearNotCorrect},
        {"Dilata causa ad 13 Martii 1574", tempidex::ErrorDateNotCorrect},
        {"Prorogatur ad 15 Maii 1563", tempidex::ErrorDateNotCorrect},
        {"Romae ad Kal. Iunii 1320", tempidex::ErrorDateNotCorrect},
        {"Solvendum Bononie ad 13 Martii 1374", tempidex::ErrorDateNotCorrect},
        {"Differtur: Viennam ad 13 Martii 1574", tempidex::ErrorDateNotCorrect},
        {"Lugduni Batavorum ad 13 Martii 1596", "13 Marzo 1596"},
        // a day in the old calendar and the new: the old, as "stilo veteri" is read, where the
        // new is its Gregorian day in that year after the reform (ten days ahead until 1700,
        // eleven after); its double year by the old day; none without a year, where "10/20" may
        // be a span of days
        {"Francofurti 15/25 Oct. 1592.", "15 Ottobre 1592"},
        {"Londini XII/XXII Augusti MDCI.", "12 Agosto 1601"},
        {"Datum 15/26 Octobris 1750", "15 Ottobre 1750"},
        {"Londini 20/30 Martii 1600/1601", "20 Marzo 1601"},
        {"Datum 15/25 Octobris 1750", tempidex::ErrorDateNotCorrect},
        {"Datum 15/25 Octobris 1500", tempidex::ErrorDateNotCorrect},
        {"Datum 1/11 Maii 1582", tempidex::ErrorDateNotCorrect},
        {"Datum 10/20 Maii anno regni nostri tertio", tempidex::ErrorDateNotCorrect},
        {"Londini XII XXII Augusti MDCI.", tempidex::ErrorYearNotCorrect},
        // the calendar named in the genitive or by its "fasti", and "A°" for anno
        {"Francofurti, postridie Kal. Ianuarias veteris calculi M.D.XCII.", "02 Gennaio 1592"},
        {"Genevae, XXIII mensis Augusti XCIII, fastis Iulianis.", "23 Agosto"},
        {"Datum Vinize 26 Januarij Veteri Calculo A° 1586.", "26 Gennaio 1586"},
        // five hundred as five C, from 1500 on; but never after D
        {"Datum anno. m. ccccc. xviii die 30 mensis Ianuarii", "30 Gennaio 1518"},
        {"Kal. Ian. MDCCCCC", tempidex::ErrorYearNotCorrect},
        // an editor's bracket with a digit is his: no count of the day is read in it
        {"Datum die [Jouis 2a] mensis Julii anno domini 1505.", tempidex::ErrorDateNotCorrect},
        // "mi" in small letters is no year by its form: here an abbreviation's ending
        {"die XXII julii, pontificatus S. mi domini nostri Sixti pape IIII anno XII.", "22 Luglio"},
        {"XV. kal. Apr. anno XXVIII. Ottonis III. Imper.", "18 Marzo"},
        {"Datum Rome die 3 Aprilis MDXX pontificatus nostri anno 8o.", "03 Aprile 1520"},
        {"V die mensis iulii, regnante domno nostro Liudprando rege, anno in Christi nomine quarto",
         "05 Luglio"},
        {"XIII. kal. ian. anno incarnationis domini DCCCXXVIIII. in ipso anno quo filius eius rex "
         "potestatem accepit.",
         "20 Dicembre 829"},
        {"IIII id. aug. anno incarnationis MXI, anno vero domni Heinrici secundi regnantis X",
         "10 Agosto 1011"},
        // ... but a year of the Lord may end with the ordinal before "anno"
        {"XIII kalendas maii anno XII pontificatus domni secundi Alexandri papae", "19 Aprile"},
        {"V Id. Mai. anno domini mo. ccco. quadragesimo primo anno regni nostri vicesimo",
         "11 Maggio 1341"},
        // a numeral in capitals run on from the word before: the count is the numeral's
        {"Data LateranisXIII kalendas maii", "19 Aprile"},
        {"Data RomaeVI idus maii anno MCCL", "10 Maggio 1250"},
        {"viI Idus Nov.", "07 Novembre"}, // ... but a numeral in mixed case is one
        // the last months by their old numbers: 7bris September, Xbris December
        {"Datum Romae die 14. 7bris 1517.", "14 Settembre 1517"},
        {"die 3 Xbris MDXX", "03 Dicembre 1520"},
        // two reigns' years joined by "et", as Charlemagne counted them in Francia and in Italy
        {"Data VIII kal. nov. in VIII et secundo anno regni nostri; actum Duria", "25 Ottobre"},
        {"Data in mense iunio die octavo in anno tertio decimo et septimo; actum Papia",
         "08 Giugno"},
        // a king of several kingdoms, a year in each
        {"Datum Bude anno domini MCCCCXXIIII die VIII februarii regnorum nostrorum anno Hungarie "
         "XXXVII, Romanorum XIII et Bohemie quarto.",
         "08 Febbraio 1424"},
        // and the English chancery's, its kingdom named before each year
        {"Datum Burdegalis XXVI die mensis Junii, anno Domini millesimo tricentesimo "
         "quinquagesimo sexto, et regni nostri Franciae XVII, Angliae vero XXX",
         "26 Giugno 1356"},
        {"Datum apud Westmonasterium, anno regni nostri Angliae tricesimo, Franciae vero decimo "
         "septimo, XXVI die Junii",
         "26 Giugno"},
        // feria prima is Sunday: 7 November 829 was one
        {"Anno XVIII regnante imperatore Ludowico, die VII mense nov., feria I.", "07 Novembre"},
        {"Notavi diem quartam feriam, VI id. feb., annum XXX regni Hludowici", "08 Febbraio"},
        {"III kal. april., annum dominice incarnationis DCCCXCV, indictionem XIII", "30 Marzo 895"},
        {"die XXII julii, pontificatus S. mi d. n. Sixti pape IIII anno XII.", "22 Luglio"},
        {"sub die octabo idus iunii, indictione octaba", "06 Giugno"},
        {"die tertio mensis decembris, regni domni Liutprandi regis anno hoctabo decimo",
         "03 Dicembre"},
        // a cardinal among names counts things; beside a year it may be part of it
        {"Quinque ecclesiis. Idibus Octobris. 1467.", "15 Ottobre 1467"},
        {"Idibus Octobris anno Domini MCCC quinque", tempidex::ErrorYearNotCorrect},
        {"Actum in villa quinque Kal. Nov.", tempidex::ErrorDateNotCorrect},
        // names that look like numerals: a capital U, a capital word not from its thousand
        {"Ego itaque Uto presbyter scripsi, notavi diem Iovis, X. kal. Dec. lun. IIII.",
         "22 Novembre"},
        {"Datum Wittenberg. ex Dolio nostro, VI Kal. Oct. MDXXIV", "26 Settembre 1524"},
        // but a capital U before a named day is a count written with U, never passed over
        {"Datum Rome Uii Idus Iunii", tempidex::ErrorDateNotCorrect},
        // "non" that is no Nones, and the year of an event
        {"Factum est hoc .VII. idus iul., .II. feria, illo anno quando voluit rex Salomon Romam "
         "ire, sed principes eius non dimiserunt",
         "09 Luglio"},
        {"Data mense januario, die sexto, indictione quinta.", "06 Gennaio"},
        {"quod fecit mensis martius, dies XV in anno primo regni Carlomanni regis", "15 Marzo"},
        // a numeral's ending as its own value reads it: Mmo is M and "mo"; and small letters
        // never run on into a capital's count
        {"anno Verbi incarnati Mmo XLVIIIvo, regnante Hænrico rege xviii anno, xv kalendas maii",
         "17 Aprile 1048"},
        {"anno incarnationis dominicæ mccccxxxi V. Idus Martii, anno I.", "11 Marzo 1431"},
        // the formula cut short, and the king's year after it no year of the Lord
        {"Dat. IIII. Id. Sept. Anno Domin. incarnat. DCCCCXCV. Indict. VIII. Anno autem tertii "
         "Ottonis regnantis nono.",
         "10 Settembre 995"},
        // the lord's pontificate, not the Lord's year
        {"die xii mensis ianuarii pontificatus domini nostri anno decimo.", "12 Gennaio"},
        // the day after its month with a comma between; an ordinal's ending written apart;
        // the moon's age of the day
        {"in anno .VI. regnante domno nostro Hlodouuico, in mense aprilis, .IIII. die mensis.",
         "04 Aprile"},
        {"Datum Rome die xxviij. a Februarij. m. d. xxiiij. anno primo.", "28 Febbraio 1524"},
        {"Datum Rome die xxviij. a", tempidex::ErrorDateNotCorrect},
        {"XXV die mensis maii, luna ipsius diei XXX, anno XV regni Pippini regis.", "25 Maggio"},
        // the year of the one just named: his, not ours
        {"die vero decima nona mensis iunii, pontificatus domini Pauli pape secundi, anno eius "
         "septimo",
         "19 Giugno"},
        {"die vero sabbati vicesima sexta, mensis octobris, anno Domini MCCCCLIV",
         "26 Ottobre 1454"},
        // a formula before "anno" is that year's, below a thousand too; one after a full stop
        // and a capital begins a new sentence, and never makes the reign's year before it AD 14
        {"Kal. Sept. dominicae incarnationis anno DCCCCXXXI.", "01 Settembre 931"},
        {"XVII. Kal. Sept., anno XIIII. Ab incarnatione domini anno DCCCCXXXI.", "16 Agosto 931"},
        {"Kal. Sept. anno XIIII ab incarnatione domini anno DCCCCXXXI", "01 Settembre 931"},
        {"Kal. Sept. anno XIIII. Ab incarnatione domini.", "01 Settembre"},
        // the Incarnation's year with no "anno"; Kl. with its l misread; a duke's year; the
        // year after "regnante"; the indiction given above; a day's count ended by "ta"
        {"II kal. febr., indictione VI., incarnationis dominice M°.C°.L°.III°., pontificatus vero "
         "domni Anastasii pape IIII. anno primo.",
         "31 Gennaio 1153"},
        {"Anno Verbi incarnati Mº Cº LXXº Vº, sexta KI martii", "24 Febbraio 1175"},
        {"mensis septemb. die XII. anno gloriosissimi ducis Oatilonis VIII.", "12 Settembre"},
        {"VIII. id. aug. anno imperii Hludouuici secundo et Hlodhario in Baiouuaria regnante "
         "primo.",
         "06 Agosto"},
        {"sub die tertio decimo kalendarum februariarum, per indictione suprascripta",
         "20 Gennaio"},
        {"anno dominj mcd quintodecimo. xvjta die mensis aprilis", "16 Aprile 1415"},
        {"Data Roskildis anno domini mixta XV kal. maii", tempidex::ErrorYearNotCorrect},
        // a misspelt ordinal read where one alone is that close (c for q), else an error
        {"xv kal. nov. Anno Domini Millesimo Trecentesimo Quadragesimo Cuarto", "18 Ottobre 1344"},
        {"Datum Laterani hexto Idus Junii.", tempidex::ErrorDateNotCorrect},
        {"Datum Lundis anno domini m ccc quinto. kalendas nouembris uono.",
         tempidex::ErrorYearNotCorrect},
        {"Actum anno gracie millesimo ducentesimo sexto, quito decibo kalendas maii.",
         "17 Aprile 1206"},
        // The Salian chancery's years of each dignity, with a comma between them or none; the
        // ruler's number after his name in the ablative; an e caudata written with a spacing
        // ogonek (diplomas of Henry III, Conrad II, Otto IV, Henry IV)
        {"Data VI idus febr., anno dominice incarnationis millesimo LI, indict. IIII, anno autem "
         "domni Heinrici tercii regis imperatoris secundi, ordinationis eius XXII, regni quidem "
         "XII, imperii autem V; in nomine domini; actum Avgvsta;",
         "08 Febbraio 1051"},
        {"Data VII. idus Ianuarii anno dominice incarnationis MXLVIIII., indictione II., anno "
         "autem domini Heinrici tertii regis imperatoris secundi ordinatione eius XX., regni "
         "quidem X., imperii autem III.",
         "07 Gennaio 1049"},
        {"Data III. k. feb. indictione XV, anno dominice incarnationis millesimo XXXII°, anno "
         "autem domni Chuonradi secundi regnantis VIII, imperantis vero V; actum Strazburch;",
         "30 Gennaio 1032"},
        {"Acta sunt hec anno dominice incarnationis millesimo CC°VIIII°, indict. XIIIa, regnante "
         "domino Ottone quarto Rom(anorum) rege glorioso, anno regni eius XII°; dat. apud "
         "No/urinberc. X° kalendas marcii.",
         "20 Febbraio 1209"},
        {"Kal. Mai. 1209, regnante Heinrico iiij. Romanorum imperatore augusto anno II",
         "01 Maggio 1209"},
        {"regnante Karolo XV kal. Maii", "17 Aprile"}, // a count, not Charles XV
        // but before a comma, his number or his reign's year; and the monogram an edition
        // prints, (M), is no thousand
        {"anno dominice incarnationis MCXCVIIII, regnante rege Pbilippo II, (M) regni eius anno "
         "secundo; dat. Moguntie, III. kal. octobris.",
         "29 Settembre 1199"},
        {"Data IIII. idus Decembris anno dominice\u02DB incarnationis M. L. VI., indictione VIII.",
         "10 Dicembre 1056"},
        // a numeral with a letter of no numeral among its own, where a year or a count stands:
        // never passed over for the year or the day without it (and a reign's year is never
        // sought past it, nor after a comma before a named day)
        {"Datum Roskildis anno domini m. cc. rxiii. idibus martii.", tempidex::ErrorDateNotCorrect},
        {"Datum Roschildie die lune xi mensis maii anno domini mccxdix pontificatus domini "
         "Bonifacii pape VIII anno v.",
         tempidex::ErrorYearNotCorrect},
        {"Datum Rome apud Sanctum Petrum die. vij. Januarij scccclvij pontificatus nostri anno "
         "secundo.",
         tempidex::ErrorYearNotCorrect},
        {"Data Rome FIII. Idus Februarii, Indictione X.", tempidex::ErrorDateNotCorrect},
        {"Datum Auinione die uicesimasecunda mensis martii anno a natiuitate domini millesimo. "
         "occcmo, loxvº. indictione terciadecima",
         tempidex::ErrorYearNotCorrect},
        {"Datum Auinione die quarta mensis iunii anno a natiuitate domini mºccclxeiido",
         tempidex::ErrorYearNotCorrect},
        {"Datum Romae, die XXI mensis Octobris, anno MCMSCIV, Pontificatus Nostri decimo septimo.",
         tempidex::ErrorYearNotCorrect},
        {"anno, xv kalendas maii.", tempidex::ErrorYearNotCorrect},
        {"Datum Roskildis anno domini m. cc. lxiii. idibus martii.", "15 Marzo 1263"},
        // so an ordinal run together with a letter of it wrong, a named day a letter wrong
        // before its month, a garbled count after "die", a garbled numeral with its ending, and a
        // year's thousand garbled anywhere (but "mino" after a date is a word)
        {"actum et datum Constantie anno domini millesimo trecentesimo tricesemosecundo, iiij "
         "nonas ianuarii",
         tempidex::ErrorYearNotCorrect},
        {"Actum est in loco, qui dicitur Peipinpach mense Martio IIII kalenuas Aprilis, anno VI "
         "imperii domni nostri Karoli indictione VII.",
         tempidex::ErrorYearNotCorrect},
        {"Datum anno dominj millesimo quadringentesimo sexto. mensis Decembris die giij.",
         tempidex::ErrorYearNotCorrect},
        {"Datum anno incarnationis dominice. mocccc lxxoprrimo pridie Kal. Ianuarii.",
         tempidex::ErrorYearNotCorrect},
        {"Kal. Mai. anno domini mo. rcco.", tempidex::ErrorYearNotCorrect},
        {"Budę, XXII. Februarii, MDXNVI.", tempidex::ErrorYearNotCorrect},
        {"Albae Gyulae Transsylvanae V. kal. Aprilis MDXF.", tempidex::ErrorYearNotCorrect},
        {"Datum Rome die ultima Septembris mdnv. pontificatus nostri anno tercio.",
         tempidex::ErrorYearNotCorrect},
        {"Rome die Mercurij Tertia mensis Martij Mbxviij", tempidex::ErrorYearNotCorrect},
        // as scans misread them: a count with a z or a y for an x or a v, an m read as rn, a C
        // read as an O after a numeral with a mark of its own (no mark of the one before)
        {"Datum Laterani, ziv kal. martii", tempidex::ErrorDateNotCorrect},
        {"Datum Lubek. yº. idus ianuarii", tempidex::ErrorDateNotCorrect},
        // an epitaph's age is no date's number, nor a day after "d." before a named day;
        // the consul not yet known; the Spanish era "Domini"
        {"DD NN CLAEARCO ET RICOMEDE VVCC CONSVLIBVS BENEMERENTI OLIBIONI QVI VIXIT ANNVS XV. "
         "MESIS VI DIES XX DECESSII DIE XII KALENDAS OCTOBRES IN PACE",
         "20 Settembre"},
        {"bixit annis plus minus LXX depositus III kal. mai.", "29 Aprile"},
        {"qui vixit XXV annos depositus III kal. mai.", "29 Aprile"},
        {"vixit annos XXX d. VIII kal. Oct.", tempidex::ErrorYearNotCorrect},
        {"VIXIT ANNOS XXV DIES XIII K OCT", tempidex::ErrorDateNotCorrect},
        {"annorum L.III. Non. Octobris anno Domini 1471", tempidex::ErrorYearNotCorrect},
        // "A°" with its mark is anno, no initial that takes the year's units with it
        {"VII Id. Dec. Anno dominice incarnacionis Millesimo V. A° vero domni Heinrici regis",
         tempidex::ErrorYearNotCorrect},
        {"dat. xvi kal. mai. constantinopoli theodosio a. xiii et qui fuerit nuntiatus.",
         "16 Aprile"},
        {"requiescit in pace, VI. Kalendas Septembres, era Domini DXLVIII.", "27 Agosto 510"},
        // "ad diem" before a day of the month is that day, in a letter's dateline; "usque ad"
        // it is a span
        {"Horna ad diem VIII Octobris 1605.", "08 Ottobre 1605"},
        {"Leyda ad d. XXI. Octobris 1605.", "21 Ottobre 1605"},
        {"usque ad diem VIII Octobris 1605", tempidex::ErrorDateNotCorrect},
        {"Marpurgi ad 21. diem aprilis 1557.", "21 Aprile 1557"},
        {"Marpurgi usque ad 21. diem aprilis 1557.", tempidex::ErrorDateNotCorrect},
        // the ligature ĳ is an i and a j, as a numeral ends: vĳ, ĳdo
        {"die vĳ mensis maii", "07 Maggio"},
        {"Scriptum in Reftiglæ Mº cccº lxxx ĳdo, in crastino beatorum appostolorum Philippi et "
         "Jacobi.",
         "02 Maggio 1382"},
        // or a small letter among a count's capitals, before or after them: no name, no word
        {"VIr idus augusti, pontificatus nostri anno tertio", tempidex::ErrorDateNotCorrect},
        {"Datum Rome rII idus augusti", tempidex::ErrorDateNotCorrect},
        {"Datum Laterani, ex kalendis martii", "01 Marzo"},
        {"Datum Rome die ii Januarii rndxiiii pontificatus nostri anno primo",
         tempidex::ErrorYearNotCorrect},
        {"anno domini mccc qumto idus maii", tempidex::ErrorDateNotCorrect}, // quinto
        {"Datum Rome die ii Januarii inccxcix", tempidex::ErrorYearNotCorrect},
        {"Datum Roschildie die lune xi mensis maii anno domini rnccxcix pontificatus domini "
         "Bonifacii pape VIII anno v.",
         tempidex::ErrorYearNotCorrect},
        // (a pope's number written with u is his number, not a slip)
        {"Datum Rome apud sanctum Petrum iiij non. Aprilis pontificatus domini Bonifatij pape "
         "uiiij anno undecimo.",
         "02 Aprile"},
        {"Datum die uicesirna octaua mensis marcii anno 1375", tempidex::ErrorYearNotCorrect},
        {"Datum in Riga, anno domini mºocºxxºviº, duodecima kalendas maii.",
         tempidex::ErrorYearNotCorrect},
        {"Datum XV Kal. Iun. mino", "18 Maggio"},
        // a year of the Incarnation after a king's name is not his reign's
        {"Kal. Mai., Regnante Heimrico rege. Ab incarnatione domini anno DCCCCXXXI.",
         "01 Maggio 931"},
        // a word a letter from "prid." before a named day, from "martis" after "die": never
        // the named day itself, nor March
        {"Actum in priz. non. febr. anno 824", tempidex::ErrorDateNotCorrect},
        {"Datum anno Domini Mº. CCº lxxmo quarto die marbis post Jubilate.",
         tempidex::ErrorDateNotCorrect},
        {"anno Domini MCCXXV, pro XX marcis argenti", tempidex::ErrorDateNotCorrect},
        // an ordinal misspelt before the Sunday it counts
        {"Datum Aby anno domini mo. ccc. vij. in tercza dominica adventus.", "17 Dicembre 1307"},
        // past a comma, a reign's year is never the first half of a count: these have none
        {"anno pontificatus nostri, tertio decimo kalendas maii", tempidex::ErrorYearNotCorrect},
        {"anno regni nostri, sexto decimo die mensis maii", tempidex::ErrorYearNotCorrect},
        {"anno regni nostri sexto, decimo die mensis maii", "10 Maggio"},
        // an ordinal's ending after letters of no numeral ends a name: Barcelona
        {"Datum Barchinone .xv. kalendas Nouembris Anno Domini 1344", "18 Ottobre 1344"},
        // the marks and endings of numerals: the o of the numeral before run on (occcmo, onono),
        // an ending after a full stop (.x.ma), "do" after a two (ccclxxiido); never dropped
        {"die uicesimasecunda mensis martii anno a natiuitate domini millesimo. occcmo, lxxvº.",
         "22 Marzo 1375"},
        {"Datum Bergis decimo Kal. Aprilis anno domini millesimo. ccc. onono.", "23 Marzo 1309"},
        {"Data Bergis xxiiij. die mensis Aprilis, anno domini m. o ccc. oxxv. o", "24 Aprile 1325"},
        {"die quarta mensis iunii anno a natiuitate domini mºccclxxiido indictione .x.ma",
         "04 Giugno 1372"},
        {"anno domini mo cdo xlo secundo quinto ydus mensis Junij", "09 Giugno 1442"},
        // the "mo" of an ordinal's ending, a word of its own (septuagesimo, ducentesimo)
        {"Datum anno Domini mcclxx mo sexto, XV kal. Iulii", "17 Giugno 1276"},
        {"Datum anno Domini mcc mo nono, XV kal. Iulii", "17 Giugno 1209"},
        // (but before a count of days no ending says whose the unit is: 1276, or 1270 and VI)
        {"Datum anno Domini mcclxx mo sexto kal. Iulii", tempidex::ErrorYearNotCorrect},
        // (a count past a comma is none: the year is read whole)
        {"Datum anno Domini mcclxx mo sexto, die XV mensis Iulii", "15 Luglio 1276"},
        {"sub annis domini millesimo cccmo lxvij, indictione vta, die xxviij mensis marcii",
         "28 Marzo 1367"},
        // a year in words with commas between, where no count of days follows
        {"die decima quarta Mensis Decembris, Anno Domini, Millesimo, Sexcentesimo, decimo Quinto.",
         "14 Dicembre 1615"},
        {"anno Domini millesimo, ducentesimo, decimo kal. maii", "22 Aprile 1200"},
        {"Datum/ anno domini/ mº. ccº. lº, iiiº/ pridie kalendas octobris.", "30 Settembre 1253"},
        {"Actum. anno domini. millesimo. tricentessimo/ quartodecimo/ iiiiº/ nonas. apriles.",
         "02 Aprile 1314"},
        // a pope's number never takes the count of a named day after it
        {"per manum magistri Sinibaldi auditoris domini pape xviii kalendas decembris, anno "
         "domini MCCXXVI",
         "14 Novembre 1226"},
        // "sub domini", "anno domino": the scribes' words left out or slipped
        {"scriptum die prima mensis ianuarii sub domini millesimo quadringentesimo quarto",
         "01 Gennaio 1404"},
        {"Datum Roschildis. anno domino m. cc. lxx. idus septembris.", "13 Settembre 1270"},
        {"XV kal. maii, indictione III, domini MCCC", tempidex::ErrorYearNotCorrect},
        // an ordinal's ending after a colon, as the Swedish diplomatarium prints it
        {"Facta congregacione anno quo supra die xx:a mensis Maii hora octava", "20 Maggio"},
        {"XXVIII:a die mensis Junii anno domini 1405", "28 Giugno 1405"},
        // and its "a" run on to "die" or "mensis" in a scan
        {"teste me ipso apud Westmonasterium xxiadie Julii anno regni nostri decimo.", "21 Luglio"},
        {"anno dominj 1527 die Martis xixamensis Nouembris.", "19 Novembre 1527"},
        // a colon as the mark of an abbreviation
        {"Datum Laterani xiiij Kal: Maij pontificatus nostri anno xiij.", "18 Aprile"},
        {"Datum Laterani xiiij Kal: pontificatus nostri anno xiij.", tempidex::ErrorDateNotCorrect},
        {"Datum Auinione. xx. iiijo die mensis Januarii, anno a nativitate domini m. o ccc. o "
         "xiij. o",
         "24 Gennaio 1313"},
        // an ending is the end of its ordinal: mixto is no IX with nono's, mino no I with primo's
        {"Datum XV Kal. Iun. mixto et mero imperio", "18 Maggio"},
        {"Datum XV Kal. Iun. mino", "18 Maggio"},
        {"anno domini mo ccco xcviijuo XV Kal. Iun.", "18 Maggio 1398"},
        {"anno domini mo ccco lxvto XV Kal. Iun.", "18 Maggio 1365"},
        // a number before a word that is also a month cut short or declined counts things
        {"anno Domini MCCXXV, pro XX marcis argenti", tempidex::ErrorDateNotCorrect},
        {"anno Domini MCCXXV, imperante domino Heinrico IV Augusto", tempidex::ErrorDateNotCorrect},
        {"anno Domini MCCXXV, testibus XII septem", tempidex::ErrorDateNotCorrect},
        {"anno Domini MCCXXV, XX sex", tempidex::ErrorDateNotCorrect},
        {"anno Domini MCCXXV, XX maiorum", tempidex::ErrorDateNotCorrect},
        {"anno Domini MCCXXV, XX Augusti", "20 Agosto 1225"},
        {"anno Domini MCCXXV, die XX Augusto", "20 Agosto 1225"},
        // a count alone after a place and before a comma, in numerals or in words
        {"Data Rome III, Idus Septembris", "11 Settembre"},
        {"Datum Rome apud Sanctum Petrum tertio, nonas Septembris Anno primo.", "03 Settembre"},
        {"anno Domini MCCXXV, XV Kal. Sext.", "18 Luglio 1225"},
        // "etc." for the thousand and hundreds left out; "post kalendas", some day after them
        {"Datum Hafnis 8. Kl. Decembris anno domini etc. L. octavo.",
         tempidex::ErrorYearNotCorrect},
        {"Datum anno Domini etc. MCCCCLVIII, VIII Kal. Dec.", "24 Novembre 1458"},
        {"Datavit die lunis proximo post kalendas marcias anno DCCCLXX",
         tempidex::ErrorDateNotCorrect},
        {"ante idus martii anno DCCCLXX", tempidex::ErrorDateNotCorrect},
        {"circa Kal. Mai. anno MCCC", tempidex::ErrorDateNotCorrect},
        {"usque ad Kal. Mai. anno MCCC", tempidex::ErrorDateNotCorrect},
        {"ab Idibus Maii anno MCCC", tempidex::ErrorDateNotCorrect},
        {"in Kal. Mai. anno MCCC", "01 Maggio 1300"},
        {"circa diem XII mensis Maii anno MCCC", tempidex::ErrorDateNotCorrect},
        {"in die XII mensis Maii", "12 Maggio"},
        {"Datum ante diem IV Kal. Mai.", "28 Aprile"},
        // numerals of one character each, and the fullwidth letters and digits of East Asian
        // input: never passed over
        {"Ⅻ Kal. Mai. anno ⅯⅭⅭⅭ", "20 Aprile 1300"},
        {"ⅻ Kal. Mai.", "20 Aprile"},
        {"XII Ｋａｌ. Mai. anno １３００", "20 Aprile 1300"},
        // a count garbled by a scan or a copyist (xvn, xvu for xvii), never passed over; a
        // name or a word before the named day is
        {"Datum Rome xvn Kal. Mai.", tempidex::ErrorDateNotCorrect},
        {"Datum Rome xvu Kal. Mai.", tempidex::ErrorDateNotCorrect},
        {"Datum Ulmi Kal. Mai.", "01 Maggio"},
        {"Datum cum Kal. Mai.", "01 Maggio"},
        {"Datum per Petrum qui Kalendis Maii anno MCCC", "01 Maggio 1300"},
        // a word no table knows between a count and its named day: the count is never dropped
        // for the named day itself
        {"Datum Laterani x. quidem kalendas ianuarii. anno primo.", tempidex::ErrorDateNotCorrect},
        {"Datum anno gracie MºCº nonagesimo, secundo quidem kalendas maii.",
         tempidex::ErrorDateNotCorrect},
        {"Datum Laterani x. autem kalendas ianuarii.", "23 Dicembre"},
        // a line that ends on "in", with nothing after it to read
        {"Datum Kal. Mai. in", "01 Maggio"},
        // "ac" and "ad" in small letters are words, an era only in capitals
        {"Datum XV Kal. Iun. anno 1300 ac testibus", "18 Maggio 1300"},
        {"Datum XV Kal. Iun. 44 AC", "18 Maggio 44 a.C."},
        // "a. d." and a count before a named day are ante diem even past a comma, never AD 15
        {"A. d. xv; K. Maias.", tempidex::ErrorDateNotCorrect},
        {"A. D. 1524, Kal. Mai.", "01 Maggio 1524"},
        // but no count of days is past 31: the Hungarian regests' "D. a. D. 1248. IV. Non."
        {"D. a. D. 1248. IV. Non. Septembr. r. a. tertiodecimo.", "02 Settembre 1248"},
        // and their "a." before a formula is its "anno": a. gr., anno gratiae
        {"D. Albe, III. Non. Jul. a. gr. 1243. r. a. octavo.", "05 Luglio 1243"},
        {"Datum Auinione x et kalendas decembris anno quarto", tempidex::ErrorDateNotCorrect},
        {"Datum Rome v. luna idus decembris", tempidex::ErrorDateNotCorrect},
        // so may the number after "anno", and "a. d." after it may be ante diem (after a
        // comma, it is)
        {"dicto anno VIII Id. Febr.", tempidex::ErrorDateNotCorrect},
        {"dicto anno a. d. III Kl. Januarii", tempidex::ErrorDateNotCorrect},
        {"dicto anno; a. d. XVII Kalend. Februarii", "16 Gennaio"},
        // a unit after a unit ends no year: the second is the day's, or an octave's
        {"anno Domini millesimo tricentesimo quadragesimo octavo octavo marci",
         tempidex::ErrorDateNotCorrect},
        {"anno domini millesimo trecentesimo quinto octavo die mensis maii", "08 Maggio 1305"},
        // a computus's number right before a named day may count its days
        {"anno domini 1300 cyclo lunari vii kal. maii", tempidex::ErrorDateNotCorrect},
        {"Datum Laterani x. sub kalendas ianuarii.", tempidex::ErrorDateNotCorrect},
        {"Datum Rome III feria Kalendas Iunii", "01 Giugno"},
        // a month cut short that is also a word, before another month, counts: ten, not December
        {"Data IX Calend. decem Feb. Ind. XV.", tempidex::ErrorDateNotCorrect},
        {"Datum die lune xi mensis decem maii anno domini mccxcix", tempidex::ErrorDateNotCorrect},
        // a name a letter from a month, or a word before the month itself, names no month;
        // "de" is the preposition, never D with an ordinal's ending, and "de mense" leads to
        // the month as "mensis" does
        {"Data IX Calend. Martinus Feb. Ind. XV.", tempidex::ErrorDateNotCorrect},
        {"XII Kal. Martini anno MCCC", tempidex::ErrorMonthNotCorrect},
        {"IX Kal. Setembris Oct.", tempidex::ErrorMonthNotCorrect},
        {"anno domini m. de c. lxix. idibus martii", tempidex::ErrorDateNotCorrect},
        {"anno domini MCCLX, indictione III, die XII de mense maii", "12 Maggio 1260"},
        {"die vero XX Setembris anno MCCC", "20 Settembre 1300"},
        // and without "die" between the count and the year, but not before a name
        {"Datum Bude xxv Jannuarij anno Domini 1531.", "25 Gennaio 1531"},
        {"Datum Bude xxv Jannuarij Petrus", tempidex::ErrorDateNotCorrect},
        {"Actum Papie, die martis quarto decimo mensis octubris, anno MCCCLIV", "14 Ottobre 1354"},
        // the notaries' year after the indiction, and "mensis" after a comma
        {"Die 10, mensis iulii, X indictione, 1477", "10 Luglio 1477"},
        {"Die 10, mensi iunii, II indictione, 1484", "10 Giugno 1484"},
        {"Die ultimo, mensis iulii, 1481", "31 Luglio 1481"},
        // and before the day, past its weekday
        {"millesimo CCCo LXXXXo, die veneris XVIIII mensis augusti, indictione XIII",
         "19 Agosto 1390"},
        // and the month itself after a comma, unless its name is also a word
        {"Die 28, iulii, XIII indictione, 1480", "28 Luglio 1480"},
        {"Die 28, septem, XIII indictione", tempidex::ErrorDateNotCorrect},
        {"Actum die XV, Iulio Caesare consule", tempidex::ErrorDateNotCorrect},
        // December misspelt with -decim- is no ordinal; the year after Dei filius; a scan's
        // slip in the indiction's word, whose number is then no number unaccounted for; "anno"
        // run on from the month before it
        {"Die dominico iii kalendas decimbres", "29 Novembre"},
        {"Actum est hoc XIIII kalendas julii ab incarnato Dei filio MCLXXIIII.", "18 Giugno 1174"},
        {"XIIII kalendas julii anno ab incarnatione filii Dei MCLXXIIII", "18 Giugno 1174"},
        {"Data VI. idus Maii, iudictione V., anno dominice incarnationis M. VII.",
         "10 Maggio 1007"},
        {"Data VI. idus Maii, interdictione V., anno dominice incarnationis M. VII.",
         tempidex::ErrorYearNotCorrect},
        {"Data VIII idus martiasanno MCCC", "08 Marzo 1300"},
        // the h a notary put before a vowel, and a slip besides it
        {"Die 6, mensis hoctubris, II indictione, 1483", "06 Ottobre 1483"},
        {"XV kal. hiunii", "18 Maggio"},
        // two months' names side by side: which is the date's is not for the reader to choose;
        // two abbreviations may be a month and a name, the Augustus's
        {"die xviij mensis augusti Septembris", tempidex::ErrorDateNotCorrect},
        {"Zagrabiae, 1794. 10. maio Decembris", tempidex::ErrorDateNotCorrect},
        {"Actum in id. septembris octob. indictione XIII.", tempidex::ErrorDateNotCorrect},
        {"Dat. XV kal. Aug. Aug. Constantinopoli", "18 Luglio"},
        // nor may the consuls' names before "cons." take a month's name or a pridie
        {"Data III. Non. marcii Decembr. Eutharico u. c. cons.", tempidex::ErrorDateNotCorrect},
        {"Data pridie consulatum Idus April. Agapito cons.", tempidex::ErrorDateNotCorrect},
        // a month misspelt after "mensis" is checked as one written right is; an indiction is
        // never past 15, and a number past it before a named day is the date's count
        {"Die augustas 5, mensis octubris, XII indictione", tempidex::ErrorDateNotCorrect},
        {"in festo sancti Michaelis mense setembris anno MCCC", "29 Settembre 1300"},
        {"Ex Buda. indictione xvij Kal. Octobr. M.D.XII-o.", tempidex::ErrorYearNotCorrect},
        {"Datum Romae indictione XVI, anno MCCC, Kal. Mai.", "01 Maggio 1300"},
        // nor before the word: there the number is the year's units, and "xima" undecima
        {"anno domini mcccc, xviii indictione, in die sancti Dionysii",
         tempidex::ErrorYearNotCorrect},
        {"Datum anno domini mccccxviii, indictione xiima, in die sancti Dionysii",
         "09 Ottobre 1418"},
        // the month named before its last day but one; a saint's name that is a month's with
        // his epithet; a count after the month, where Danish scribes put it
        {"anno domini millesimo quadringentesimo tricesimo septimo mensis februarii die "
         "penultima",
         "27 Febbraio 1437"},
        {"anno domini mcccxxvii, xxviiº/ Marci ewangeliste", tempidex::ErrorDateNotCorrect},
        {"anno domini mcccxxvii, xxvii Marci", "27 Marzo 1327"},
        {"Datum idus ianuarii. vi. anno domini mccc", "08 Gennaio 1300"},
        // four written with the end of quattuor is the year's units too, never passed over
        {"Datum anno domini mºcºcºcº lxxx iiiior die dominico post festum Martini",
         tempidex::ErrorYearNotCorrect},
        // and so are the hundreds as cardinals and "uno" after the year's number; a sum in
        // cardinals elsewhere counts money
        {"anno Domini mille quadringentis, die X Maii", tempidex::ErrorYearNotCorrect},
        {"anno Domini millesimo quadringentesimo uno, die X Maii", tempidex::ErrorYearNotCorrect},
        {"Datum die X Maii anno 1400 pro quadringentis florenis", "10 Maggio 1400"},
        // nor is any indiction: a year after the indiction's word is not passed over as one
        {"Bude, 5. Iulii, indictio 1533.", tempidex::ErrorYearNotCorrect},
        {"Datum Constantie die ultima mensis aprilis sub anno a nativitate domini 1418 indictione "
         "111",
         "30 Aprile 1418"},
        // no reign is a hundred years long: the number is not passed over as one
        {"Scr. in Cumano xvii K. Iun. a. imperante 705(49)", tempidex::ErrorYearNotCorrect},
        {"Die 10 mensis iulii, X indictione, Rome, 1477", tempidex::ErrorYearNotCorrect},
        // the number of an hour is never a day of the month
        {"Die ultimo, hora nona, mensis iulii, 1481", tempidex::ErrorDateNotCorrect},
        // "eiusdem mensis": the month named before; the Calends counted to, the next one's
        {"mense Februario, XI. kalendes eiusdem mensis, die Saturni", "19 Febbraio"},
        {"anno gratiae MCCIX, mense martio, III nonas ejusdem mensis", "05 Marzo 1209"},
        {"III nonas ejusdem mensis", tempidex::ErrorMonthNotCorrect},
        // a year of the Incarnation before it was counted: its thousand left out
        {"quarto idus aprilis, anno ab incarnatione Domini centesimo quinquagesimo primo",
         tempidex::ErrorYearNotCorrect},
        {"quarto idus aprilis, anno Domini centesimo quinquagesimo primo", "10 Aprile 151"},
        // a count in another alphabet's look-alikes, Cyrillic Х or Greek Ι: refused
        {"ХII Kal. Mai.", tempidex::ErrorDateNotCorrect},
        {"XΙI Kal. Mai.", tempidex::ErrorDateNotCorrect},
        {"Datum Köln Kal. Mai.", "01 Maggio"},
        // an editor's [sic] is no letters of the word it touches
        {"Datum Rome apud sanctum Petrum anno etc. Mcccclxxxiij,[sic]xi kal. augusti",
         "22 Luglio 1483"},
        // the round d an old fount or a scan gives as a Greek delta
        {"Actum anno gratie Milleſimo Ducenteſimo Duoδecimo, Tercio kl. Auguſti.",
         "30 Luglio 1212"},
        // "anno nostre salutis"; "imperante vero ii", the emperor's year after a connective
        {"pridie kalendas Januarias anno nostre salutis m d xx vo.", "31 Dicembre 1525"},
        {"viii idus Aprilis. anno domini m.c.xiii. Regnante domno Henrico anno xiii. Imperante "
         "uero ii.",
         "06 Aprile 1113"},
        // past a comma, a number before a named day is its count, no king's year
        {"Rodulfi piissimi regis primo, anno Christo propitio, iiii idus junias, Data.",
         tempidex::ErrorYearNotCorrect},
        {"anno domni Ludovici, regis Junioris, secundo, iiii idus junias", "10 Giugno"},
        // and after a reign's word, past the titles of the lord it names; a pope's number in
        // the genitive of his title
        {"nono kalendas februarii, episcopatus autem domni Gaufridi, Carnotensis episcopi, "
         "vigesimo quarto",
         "24 Gennaio"},
        {"ii idus januarii, pontificatus vero domini Lucii, pape, tercii, anno secundo.",
         "12 Gennaio"},
        // a feminine ordinal is no part of a year ("anno" is masculine): a day's, or a noun's
        {"Kal. Mai. anno Domini MCCC tertiam partem", tempidex::ErrorYearNotCorrect},
        {"anno Domini MCCC vicesima secunda mensis Maii", "22 Maggio 1300"},
        // "secundum" before the reckoning is "according to", never the year's second
        {"Kal. Mai. anno Domini MCCC secundum stilum curie", "01 Maggio 1300"},
        // a pope's number after "papa", as after "pape"
        {"XV Kal. Iun. anno MCCC, presente domino Gregorio papa VII.", "18 Maggio 1300"},
        {"Actum anno gratie Millesimo Ducentesimo Duoqrecimo, Tercio kl. Augusti.",
         tempidex::ErrorYearNotCorrect},
        // pridie as scribes spelt it; a word a letter from it is never passed over; a colon
        // after a count marks its abbreviation, as after the named day
        {"Datum Perusii pridiae idus ianuarii pontificatus nostri anno iiº.", "12 Gennaio"},
        {"Datum Romae predie Kal. Mai.", "30 Aprile"},
        {"postridiae Kal. Mai.", "02 Maggio"},
        {"Datum Rome prydie Kal. Mai.", tempidex::ErrorDateNotCorrect},
        {"Datum Avinione, p\u0304die Idus Maii", tempidex::ErrorDateNotCorrect},
        {"Datum pndie Nonas Maii", tempidex::ErrorDateNotCorrect},
        {"Datum postndie Idus Martias", tempidex::ErrorDateNotCorrect},
        {"Datum p'die kalendas maii", tempidex::ErrorDateNotCorrect},
        {"Datum p\u0304d kalendas maii", tempidex::ErrorDateNotCorrect},
        {"Datum die kalendarum maii", "01 Maggio"},
        {"Datum apud Urbem veterem x: Kal: Novembris, anno iii:", "23 Ottobre"},
        // an edition's number of the document is no count of days, and may be read as one
        {"nro 12, XV Kal. Mai.", "17 Aprile"},
        {"Nr. 5. Idibus Martiis", tempidex::ErrorDateNotCorrect},
        // a year's formula after it is never left unread for a king's year: two years
        {"XVII kalendas julii, anno quoque DCCLXII ab incarnatione Domini, anno Domini MDCCXX.",
         tempidex::ErrorYearNotCorrect},
        {"XVII kalendas julii, anno quoque DCCLXII ab incarnatione Domini, anno primo.",
         "15 Giugno 762"},
        // nor its last word: "secundum" ends the year, never stands apart as "according to"
        {"datum feria quinta ante festum sancti Martini, anno domini mmo ccccmo xl secundum",
         "08 Novembre 1442"},
        // a date's first word is never passed over for another date: two dates
        {"die penultima mensis Maij, die XX mensis Maii.", tempidex::ErrorDateNotCorrect},
        {"anno domini millesimo quadringentesimo quinquagesimo primo die mensis Augusti, vicesimo "
         "die Iunii.",
         tempidex::ErrorDateNotCorrect},
        {"Actum anno X. regni eius sub die mensis mad. VIIII. indictione XII, die XX mensis Maii.",
         tempidex::ErrorDateNotCorrect},
        // a numeral before a month is its day, even one that is also a word: two dates
        {"Datum anno domini MCCCLXXV die. vi. nouembris, vicesimo octobris",
         tempidex::ErrorDateNotCorrect},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LatinToModern(c.clause, LineOptions{}).text, c.answer) << c.clause;
}

// The sentence after a dateline begins with words a date has too: a man's name that is a
// month's or a numeral's, a count of things, an ordinal of an hour or of another day. They
// never change the date; where they may also be the date's own, the line is refused.
TEST(DatingClause, TheNextSentencesWordsNeverChangeTheDate) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Romae, Decembris 19. Iulius Pogianus.", "19 Dicembre"},
        {"Cizae, Martii 12. Iulius Pflug.", "12 Marzo"},
        {"Datum 19 Iulius 1540", "19 Luglio 1540"},
        {"Data III. k. feb. anno dominice incarnationis millesimo. Odo cancellarius recognovi.",
         "30 Gennaio 1000"},
        {"Datum Laterani, Ivo, nonas aprilis.", "05 Aprile"},
        {"Datum Laterani, IVo nonas aprilis.", "02 Aprile"},
        {"Datum anno Domini Mo Cco LXXo septimo, kalendis Maii.", "01 Maggio 1277"},
        {"Datum anno Domini millesimo CCo Lmo quarto, kalendis Maii.", "01 Maggio 1254"},
        {"Data Mediolani, die viii decembris MCCCCL. VI modios frumenti.",
         tempidex::ErrorYearNotCorrect},
        {"Datum XV kal. Maii anno domini M. CC. L. VI. presentibus testibus", "17 Aprile 1256"},
        {"Datum Anagnie kalendas octobris. Secundo quod", tempidex::ErrorYearNotCorrect},
        {"Datum Anagnie kalendas octobris decimam partem reddat.", tempidex::ErrorYearNotCorrect},
        // (the Danish count ends the date: a numeral run on into the next words counts
        // something else, a feria or witnesses)
        {"Datum anno domini mº ccº lxxxº kalendas maii iiii f.", tempidex::ErrorYearNotCorrect},
        {"Datum anno domini mº ccº lxxxº quinto idus maii vi testibus.",
         tempidex::ErrorDateNotCorrect},
        {"Datum anno domini mº ccº lº kalendas aprilis xvii\\ presente domino", "16 Marzo 1250"},
        // ("Olx", a year's tens with the mark of its hundreds, is no name)
        {"Datum anno domini Mccc Olx kalendas maii.", "01 Maggio 1360"},
        {"Datum kal. Maii anno domini mcclx una cum sigillo capituli", "01 Maggio 1260"},
        {"Datum anno Domini MCCX kalendas maii tercia hora", tempidex::ErrorYearNotCorrect},
        {"Actum anno Domini MCXC, idus maii. Septimo die postea obiit.",
         tempidex::ErrorYearNotCorrect},
        {"Actum anno Domini MCXC, idus maii septimo die postea obiit.",
         tempidex::ErrorYearNotCorrect},
    };
    for (const auto &[clause, answer] : cases)
        EXPECT_EQ(LatinToModern(clause, LineOptions{}).text, answer) << clause;
}

// A space a scan or a copy lost runs a count, a year, a named day or a month on to the word
// beside it: read as a name, it would be passed over for another day or year. The clause is
// refused; words that end or begin so by nature are read as before, and a count run on to its
// own named day is that count (its letters are a count's alone).
TEST(DatingClause, ANumberRunOnToAWordIsNeverPassedOver) {
    const std::string_view runOn[] = {
        "Datum Lateraniiii. kalendas nouembris.",
        "Scr. Capuaeiv K. Febr. a. 705 (49).",
        "Datum Perusiipridie idus ianuarii",
        "Datum Aby anno domini mo. ccc. vij. intercia dominica adventus.",
        "Datum Rome xx Aprilis millesimo quingentesimo sextopontificatus nostri Anno 3o.",
        "Datum Auinione die quarta mensis iunii anno a natiuitate domini mºccclxxiidoindictione x",
        "Datum Mantue AnnoMCCCCLviiij Tertio Nonas Julij",
        "Die XXIX Iunii MDXXIIIIRagusii.",
        "Ex TragurioKal. XIII Junii 1453.",
        "IIII kalendasAprilis, anno VI imperii domni nostri Karoli",
        "Datum Laterani ii nonas aprilis anno dominimccci. pontificatus domini Bonifacii pape VIII "
        "anno vii.",
        "Datum Rome apud Sanctum Petrum Anno etc. M. cccclxxxvjSeptimo Idus Decembris",
        "Datatertio decimo kalendas novembris anno quinto regni nostri",
        "Actum et datum. Roskildis. anno domini mºcccºlxº octauo mensis <octobris> die quintain "
        "crastino uidelicet sancti Francisci confessoris",
        "Datum Roskildis anno domini mo cco lxxxo quarto kalendasmaii dominica qua cantatur "
        "quasimodo geniti.",
        "datum barchinone Tercio die Nouembris anno domini Mo ccco lxxo quartoRex Petrus",
        "Datum Romevi kalendas maii anno domini millesimo ccº octuagesimo nono",
        "DataId. Octobr. Eutharico cons. Accepta XV. Kal. Decembr. cons. ss.",
        "Die Venerisijo idus Julij",
        "XI KAL SEPTEMBR ANNO MDCCC XXIISACRI PRINCIPATUS EIUS ANNO XXIII",
        // and a word split in two: a year's last part, a count, pridie
        "Datum Ilerde VIº kalendas junii anno Domini Mº CCº LXº p rimo.",
        "Datum Bude, XV kal. Mai. Anno domini Millesimo Quingentesimo Decimo N ono.",
        "datum die quinta mensis octobris, anno domini millesimo trecentesimo oc tuagesimoprimo",
        "Hornae Batavorum pri die Idus Augusti 1601.",
        "datum barchinone Terc io die Nouembris anno Mo ccco lxxo quarto",
        // the hundreds and units run together after the thousand cut short
        "Datum XV kal. Mai. anno Domini millº trecentesimoquartodecimo",
    };
    for (const std::string_view clause : runOn)
        EXPECT_TRUE(LatinToModern(clause, {}).failed) << clause;
    const std::pair<std::string_view, std::string_view> words[] = {
        {"Notavi kal. maias, annum V Karoli imperatoris", "01 Maggio"},
        {"Datum Cervie septimo kalendas Aprilis anno octavo.", "26 Marzo"},
        {"datum barchinone Tercio die Nouembris anno a natiuitate dominj Mo ccco lxxo quarto",
         "03 Novembre 1374"},
        {"anno autem ordinacionis domini Heinrici IIIIti regis XXVI, nono kl. novembris",
         "24 Ottobre"},
        {"Datum Warnhem anno domini MoCCoLXXX secundo. quintodecimo kalendas octobris.",
         "17 Settembre 1282"},
        {"anno domini m cc lxxx in proximo sabbato ante dominicam medie quadragesime",
         "30 Marzo 1280"},
        {"Actum Vernoni sabbato ante Magdalenam Anno Domini Mº CC sexagesimo quarto .",
         "19 Luglio 1264"},
        {"Datum Perusii idus Julij", "15 Luglio"},
        {"D M S VIXIT ANNIS XX LIBENS MERITO DIXIT XI KAL SEPT", "22 Agosto"},
        {"Dat. Laterani, VIkalendas decembris", "26 Novembre"},
        {"Dat. Anagnie, Vidus octobris.", "11 Ottobre"},
        {"Datum Rome xiikal. maii", "20 Aprile"},
        {"Actum die XV mensis octobris. Ego Vidus notarius interfui.", "15 Ottobre"},
    };
    for (const auto &[clause, answer] : words)
        EXPECT_EQ(LatinToModern(clause, {}).text, answer) << clause;
    LineOptions explain;
    explain.explain = true;
    EXPECT_NE(LatinToModern("Dat. Laterani, XXkal. decembris", explain).text.find("«XX»"),
              std::string::npos);
    // (a count's parts apart are the count at fault, not a year)
    EXPECT_NE(LatinToModern("Datum Rome p'mo kal. maii", explain).text.find("designazione"),
              std::string::npos);
}

// A letter after the reform that says its calendar is counted in it: the answer is the day it
// writes, and for the old style the warning gives the Gregorian day, ten days later in the
// sixteenth century. "Iuliano" alone is a consul's name.
TEST(DatingClause, ReadsTheCalendarALetterSaysItCountsIn) {
    const tempidex::Answer old =
        LatinToModern("Francofurti, XVI Maii veteris M.D.XCI multa nocte.", {});
    EXPECT_EQ(old.text, "16 Maggio 1591");
    EXPECT_NE(old.warnings.find("nel calendario gregoriano è il 26 Maggio 1591"), std::string::npos)
        << old.warnings;
    const tempidex::Answer vetere = LatinToModern("Datum XXII Decembris 1600 vetere calculo", {});
    EXPECT_NE(vetere.warnings.find("il 1° Gennaio 1601"), std::string::npos) << vetere.warnings;
    const tempidex::Answer gregorian =
        LatinToModern("Lugduni apud Batavos Kalendis Augusti Gregoriani 1595.", {});
    EXPECT_EQ(gregorian.text, "01 Agosto 1595");
    EXPECT_EQ(gregorian.warnings.find("calendario"), std::string::npos) << gregorian.warnings;
    // the weekday is the calendar's: 12 May 1600 was a Monday in the old style, a Friday in the new
    LineOptions explain;
    explain.explain = true;
    EXPECT_NE(LatinToModern("Datum XII Maii 1600 stilo veteri", explain).text.find("lunedì"),
              std::string::npos);
    EXPECT_NE(LatinToModern("Datum XII Maii 1600 stilo novo", explain).text.find("venerdì"),
              std::string::npos);
    // and as letters cut it short, or say it otherwise
    for (const std::string_view julian :
         {"st. v.", "stil. vet.", "styl. ant.", "stylo antiquo", "secundum calendarium Iulianum"})
        EXPECT_NE(LatinToModern("Datum XII Maii 1600 " + std::string(julian), explain)
                      .text.find("lunedì"),
                  std::string::npos)
            << julian;
    // ("St. Ant.", a saint's name cut short, says no calendar)
    EXPECT_NE(LatinToModern("Datum XII Maii 1600 in festo St. Ant.", explain).text.find("venerdì"),
              std::string::npos);
    LineOptions julian = explain;
    julian.reckoning = tempidex::Reckoning::Julian;
    EXPECT_NE(LatinToModern("Datum XII Maii 1600 st. n.", julian).text.find("venerdì"),
              std::string::npos);
    EXPECT_NE(LatinToModern("Datum XII Maii 1600 in festo St. N.", julian).text.find("lunedì"),
              std::string::npos);
    EXPECT_EQ(LatinToModern("P. Salvio Iuliano cos. XI kal. Apr.", {}).text, "22 Marzo");
    EXPECT_EQ(LatinToModern("Datum XII Maii 1600, teste Iuliano notario", {}).warnings, "");
}

// A clause that names the style of its year is counted in it, with no warning of the others:
// Venice began the year on 1 March after ours, Florence on 25 March after, Pisa on 25 March
// before. The style the options assume never overrides the writer's.
TEST(DatingClause, ReadsTheStyleAClauseSaysItsYearIsCountedIn) {
    struct Style {
        std::string_view words;
        int startMonth, startDay, shift; // the year's first day; +1 after ours, -1 before
    };
    const Style styles[] = {{"more veneto", 3, 1, +1},       {"m. v.", 3, 1, +1},
                            {"stilo florentino", 3, 25, +1}, {"more Florentino", 3, 25, +1},
                            {"more Pisano", 3, 25, -1},      {"secundum cursum Pisanum", 3, 25, -1},
                            {"secundum Pisanos", 3, 25, -1}, {"ad modum Pisanum", 3, 25, -1},
                            {"cursu Pisano", 3, 25, -1},     {"secundum Florentinos", 3, 25, +1},
                            {"(st. pis.)", 3, 25, -1}};
    const char *const months[] = {"Ianuarii", "Februarii", "Martii", "Aprilis"};
    for (const Style &style : styles)
        for (int month = 1; month <= 4; ++month)
            for (const int day : {1, 15, 28}) {
                const bool beforeStart =
                    month < style.startMonth || (month == style.startMonth && day < style.startDay);
                // Florence and Venice are a year behind before their first day, Pisa a year ahead
                // from it
                const int year =
                    1480 + (style.shift > 0 ? (beforeStart ? 1 : 0) : (beforeStart ? 0 : -1));
                const std::string clause = "Actum die " + std::to_string(day) + " " +
                                           months[month - 1] + " MCCCCLXXX " +
                                           std::string(style.words);
                LineOptions florentine;
                florentine.style = tempidex::YearStyle::Florentine;
                florentine.styleGiven = true;
                for (const LineOptions &options : {LineOptions{}, florentine}) {
                    const tempidex::Answer answer = LatinToModern(clause, options);
                    EXPECT_EQ(answer.text.substr(answer.text.size() - 4), std::to_string(year))
                        << clause;
                    EXPECT_EQ(answer.warnings, "") << clause;
                }
            }
    // and Byzantium's, from 1 September before ours
    EXPECT_EQ(LatinToModern("die 10 Octobris 1220 stilo bizantino", {}).text, "10 Ottobre 1219");
    EXPECT_EQ(LatinToModern("die 10 Maii 1220 st. biz.", {}).text, "10 Maggio 1220");
    EXPECT_EQ(LatinToModern("anno 1350 st. byz., die x octobris", {}).text, "10 Ottobre 1349");
    LineOptions explain;
    explain.explain = true;
    // two styles that differ are no style the reader can choose
    EXPECT_EQ(LatinToModern("die XV Februarii 1480 more veneto, stilo florentino", explain).text,
              "ERRORE - Anno non corretto\tla riga scrive due stili dell'anno diversi: «more "
              "veneto, stilo florentino»");
    EXPECT_NE(LatinToModern("die XV Februarii 1480 more veneto", explain)
                  .text.find("secondo lo stile veneto"),
              std::string::npos);
    // before a named day the v of "m. v." may count its days: V Kal. Maii, or the Calends
    EXPECT_TRUE(LatinToModern("Anno MCCCCLXXX m. v. kal. Maii", {}).failed);
    // "secundum" before its noun says how the year is counted, never its units (secundo); before
    // another word it may be either ("mmo ccccmo xl secundum" is 1442), and is refused
    EXPECT_EQ(LatinToModern("die XX maii anno Domini MCCCX secundum Romanam curiam", {}).text,
              "20 Maggio 1310");
    EXPECT_EQ(LatinToModern("anno Domini MCCC secundum consuetudinem, die XX maii", {}).text,
              "20 Maggio 1300");
    EXPECT_TRUE(LatinToModern("Actum die XX maii MCCCX secundum pacta", {}).failed);
    EXPECT_TRUE(
        LatinToModern("anno Domini MCCCC secundum Romano imperio vacante die XX maii", {}).failed);
    EXPECT_TRUE(LatinToModern("anno Domini MCCCC secundum more Florentino die XX maii", {}).failed);
    // the small letters of a year are still one after another: m. d. x. is 1510
    EXPECT_EQ(LatinToModern("anno Domini m. d. x., die XV Februarii", {}).text, "15 Febbraio 1510");
}

// "d." after an age is the days of a life as well as the day of the burial: "vixit annos XXV
// d. XV Kal. Iun." is refused, never the Calends of June.
TEST(DatingClause, DaysOfALifeBeforeADateAreNeverItsDay) {
    EXPECT_TRUE(LatinToModern("qui vixit annos XXV d. XV Kal. Iun.", {}).failed);
}

// "A. C." and "a. Chr. n." before a year are ante Christum (natum) or anno Christi (nati): the
// line is refused with both years named. After the year they are the era before Christ.
TEST(DatingClause, AnEraBeforeItsYearThatMayBeAnnoChristiIsRefused) {
    for (const std::string_view clause : {"Kal. Ian. A. C. 500", "Kal. Ian. a. Chr. n. 500"}) {
        const tempidex::Answer answer = LatinToModern(clause, {});
        EXPECT_TRUE(answer.failed) << clause;
        EXPECT_NE(answer.warnings.find("500 a.C. o il 1° Gennaio 500"), std::string::npos)
            << answer.warnings;
    }
    EXPECT_EQ(LatinToModern("Kal. Ian. 44 a. Chr. n.", {}).text, "01 Gennaio 44 a.C.");
}

// A saint's companion run on to the word before it, the space lost, may name another feast of
// the saint: "Tymothei etApollinaris" is refused, never Timothy's feast of 22 August.
TEST(DatingClause, ACompanionRunOnToTheWordBeforeIsNoEpithet) {
    EXPECT_TRUE(
        LatinToModern("anno domini MCCCLXVI die beatorum Tymothei etApollinaris", {}).failed);
}

// An apostrophus numeral half in small letters is no thousand: "cIↄ Iↄ c" read as m, D and c
// would be the year 1000 "d. C.", not 1600.
TEST(DatingClause, AnApostrophusInSmallLettersIsNoYear) {
    EXPECT_TRUE(LatinToModern("Leidae, a. d. III Non. Mart. cIↄ Iↄ c", {}).failed);
}

// A law's date received (acc.) beside a date with no "dat.": the other is answered, and the
// warning names the date received; with "dat." written, nothing is to warn of.
TEST(DatingClause, AnUnmarkedDateBesideADateReceivedIsWarned) {
    const tempidex::Answer unmarked =
        LatinToModern("Accepta III. Kal. Febr. Agapito cons., XV Kal. Nov.", {});
    EXPECT_EQ(unmarked.text, "18 Ottobre");
    EXPECT_NE(unmarked.warnings.find("la data di ricevuta (acc.) è il 30 Gennaio; si risponde "
                                     "l'altra data, che non ha «dat.»"),
              std::string::npos)
        << unmarked.warnings;
    const tempidex::Answer marked =
        LatinToModern("Dat. XV Kal. Nov. Acc. III. Kal. Febr. Agapito cons.", {});
    EXPECT_EQ(marked.text, "18 Ottobre");
    EXPECT_EQ(marked.warnings.find("ricevuta"), std::string::npos) << marked.warnings;
}

// Scribes cut the count before a named day short ("terc. non. Jun.", "dec. oct. kal. Sept."):
// each word of a count cut to its first letters gives the day the whole count gives, or a
// refusal, never another day.
TEST(DatingClause, ACountCutShortIsItsCountOrRefused) {
    const std::array<std::string_view, 17> counts{
        "tertio",        "quarto",        "quinto",        "sexto",        "septimo",
        "octavo",        "nono",          "decimo",        "undecimo",     "duodecimo",
        "tertio decimo", "quarto decimo", "quinto decimo", "sexto decimo", "septimo decimo",
        "decimo octavo", "decimo nono"};
    const auto cut = [](std::string_view count, std::size_t letters) {
        std::string cut;
        for (std::size_t at = 0; at < count.size();) {
            const std::size_t end = std::min(count.find(' ', at), count.size());
            const std::string_view word = count.substr(at, end - at);
            cut += std::string(word.substr(0, letters)) + (word.size() > letters ? ". " : " ");
            at = end + 1;
        }
        return cut;
    };
    int read = 0;
    for (const std::string_view count : counts)
        for (const std::string_view day : {"kal. Sept.", "non. Sept.", "id. Sept.", "mensis Maii"})
            for (std::size_t letters = 3; letters <= 5; ++letters) {
                const std::string die = day == "mensis Maii" ? "die " : "";
                const auto whole =
                    LatinToModern(die + std::string(count) + " " + std::string(day), {});
                const auto cutShort =
                    LatinToModern(die + cut(count, letters) + std::string(day), {});
                if (!cutShort.failed) {
                    EXPECT_EQ(cutShort.text, whole.text) << cut(count, letters) << day;
                    ++read;
                }
                // a connective between them, as between a count written out and its day, is
                // read through; any other word there parts them, and the count is not passed
                // over for the named day
                if (!die.empty())
                    continue;
                const auto connective =
                    LatinToModern(cut(count, letters) + "autem " + std::string(day), {});
                EXPECT_TRUE(connective.failed || connective.text == whole.text)
                    << cut(count, letters) << "autem " << day << ": " << connective.text;
                EXPECT_TRUE(
                    LatinToModern(cut(count, letters) + "nostri " + std::string(day), {}).failed)
                    << cut(count, letters) << "nostri " << day;
            }
    EXPECT_GE(read, 80) << "most counts cut as scribes cut them are read";
    // and the month's last days: die ult. mensis Maii, die penult. Maii
    EXPECT_EQ(LatinToModern("die ult. mensis Maii", {}).text, "31 Maggio");
    EXPECT_EQ(LatinToModern("die penult. Maii", {}).text, "30 Maggio");
    // "non." after "die" may be nono or the Nones
    EXPECT_TRUE(LatinToModern("die non. mensis Maii", {}).failed);
    // a month's name cut short before a count may be the count's first part; the month of a
    // named day is that day's
    EXPECT_TRUE(LatinToModern("die dec. quarta mensis Decembris anno 1615", {}).failed);
    EXPECT_EQ(LatinToModern("Datum XV Kal. Oct. quarto anno pontificatus", {}).text,
              "17 Settembre");
    // the refusal names the count and the word that parts it from its day
    LineOptions explained;
    explained.explain = true;
    EXPECT_NE(
        LatinToModern("Datum Rome oct. nostri id. Sept.", explained).text.find("«oct. nostri»"),
        std::string::npos);
    // a comma between a count and its named day parts no count from it
    EXPECT_TRUE(LatinToModern("terc., non. Jun.", {}).failed);
    EXPECT_TRUE(LatinToModern("data vi, Kal. Decembr.", {}).failed);
    // an editor's footnote mark between them is left out: the count is read
    EXPECT_EQ(LatinToModern("Datum Laterani, v (1) kalendas maii", {}).text, "27 Aprile");
    EXPECT_EQ(LatinToModern("Datum Rome vi (a) kalendas maii", {}).text, "26 Aprile");
    // a count the editor supplied with a digit, a gloss, is no count the reader can take
    EXPECT_TRUE(LatinToModern("Datum Nidrosie [6ta] Kalendas Julii anno domini 1479", {}).failed);
}

// A count in numerals with an ordinal's ending written out ("IIIto", "iijto", "XVIIma"), or set
// apart by an apostrophe ("sept'o"), is the count or refused: never passed over for the named
// day itself.
TEST(DatingClause, ACountWithItsEndingIsNeverPassedOver) {
    int read = 0;
    for (const std::string_view numeral : {"III", "iij", "VII", "xiii", "XVII", "XIX"})
        for (const std::string_view ending : {"to", "cio", "ma", "o", "us"})
            for (const std::string_view day : {"Kal. Maii", "nonas Iunii", "idus Octobris"}) {
                const std::string clause = "Datum Laterani, " + std::string(numeral) +
                                           std::string(ending) + " " + std::string(day) +
                                           ", anno Domini MCCCC";
                const auto answer = LatinToModern(clause, {});
                if (answer.failed)
                    continue;
                ++read;
                EXPECT_EQ(answer.text,
                          LatinToModern("Datum Laterani, a. d. " + std::string(numeral) + " " +
                                            std::string(day) + ", anno Domini MCCCC",
                                        {})
                              .text)
                    << clause;
            }
    EXPECT_GE(read, 10) << "an ending the tables know is read";
    EXPECT_TRUE(LatinToModern("Datum Laterani, sept'o Kal. Maii", {}).failed);
    EXPECT_TRUE(LatinToModern("Datum Laterani, duodeviginti Kal. Maii", {}).failed);
    EXPECT_EQ(LatinToModern("Datum Vico Kal. Maii", {}).text, "01 Maggio");
}

// An edition marks where the page or leaf of its source turned, wherever it turned: inside a
// year, between a count and its named day, inside a saint's name. The mark is no word.
TEST(DatingClause, APageMarkStandsBetweenWords) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"data vi [fol. 3v] Kal. Decembr.", "26 Novembre"},
        {"anno Domini millesimo ducentesimo [fol. 3v] sexagesimo, die XV mensis maii",
         "15 Maggio 1260"},
        {"anno Domini MCC (p. 45) LX, die XV mensis maii", "15 Maggio 1260"},
        {"in festo sancti [S. 12] Martini anno 1300", "11 Novembre 1300"},
        {"die XV [f. 2rb] mensis maii anno 1300", "15 Maggio 1300"},
        {"die XV [Fol. 12v.] mensis maii anno [fol. 12 v] 1300", "15 Maggio 1300"},
    };
    for (const auto &[clause, answer] : cases)
        EXPECT_EQ(LatinToModern(clause, {}).text, answer) << clause;
    // (a number alone in brackets may be the editor's, and parts the year as a gloss does)
    EXPECT_TRUE(
        LatinToModern("anno Domini millesimo ducentesimo [45] sexagesimo, die XV mensis maii", {})
            .failed);
}

// Scribes cut a year's last word short too ("M°CC°XL° quint.", "sexagesimo quar."): each year
// so cut gives the whole year's day or a refusal, never the year without it. After the tens
// the cut is the units; after the hundreds it may be the tens or the units (MCC sept.: 1207 or
// 1270), and a month's name may be the month's (die XX sept.).
TEST(DatingClause, AYearsLastWordCutShortIsItsNumberOrRefused) {
    const std::array<std::string_view, 9> units{"primo", "secundo", "tertio", "quarto", "quinto",
                                                "sexto", "septimo", "octavo", "nono"};
    const std::array<std::string_view, 9> tens{"decimo",       "vicesimo",      "tricesimo",
                                               "quadragesimo", "quinquagesimo", "sexagesimo",
                                               "septuagesimo", "octogesimo",    "nonagesimo"};
    int read = 0;
    const auto check = [&read](const std::string &year, std::string_view last) {
        const auto whole = LatinToModern(year + " " + std::string(last) + " XV Kal. Maii", {});
        ASSERT_FALSE(whole.failed) << year << " " << last;
        for (std::size_t letters = 3; letters <= 5; ++letters) {
            const std::string clause =
                year + " " + std::string(last.substr(0, letters)) + ". XV Kal. Maii";
            const auto cut = LatinToModern(clause, {});
            if (!cut.failed) {
                EXPECT_EQ(cut.text, whole.text) << clause;
                ++read;
            }
        }
    };
    for (std::size_t t = 0; t < tens.size(); ++t) {
        check("anno Domini " + tempidex::RomanNumeral(1200 + 10 * static_cast<int>(t + 1)),
              units[t]);
        check("anno Domini millesimo ducentesimo " + std::string(tens[t]), units[8 - t]);
        check("anno Domini MCC", tens[t]);
    }
    EXPECT_GE(read, 30) << "most units cut after the tens are read";
    EXPECT_EQ(LatinToModern("die XX sept. anno MCCC", {}).text, "20 Settembre 1300");
    // (a cut refused after the hundreds stays refused before another count)
    EXPECT_TRUE(
        LatinToModern("anno domini millesimo quadringentesimo quint. quartodecimo die mensis junii",
                      {})
            .failed);
    // July's and August's old names cut short in small letters are months only after a named
    // day: elsewhere "quint." is quinto, never the 30th of July
    EXPECT_EQ(LatinToModern("anno domini mº cdº xxx quint. die sancti Calixti pape", {}).text,
              "14 Ottobre 1435");
    EXPECT_EQ(LatinToModern("decimo quint. die Februarii", {}).text, "15 Febbraio");
    EXPECT_EQ(LatinToModern("a. d. XII Kal. quint.", {}).text, "20 Giugno");
    EXPECT_TRUE(LatinToModern("Quint. decimo kal. Jun.", {}).failed);
    // and a count cut before another count, or before the Sunday it counts
    EXPECT_EQ(LatinToModern("vices. nono die mensis junii anno 1215", {}).text, "29 Giugno 1215");
    EXPECT_EQ(LatinToModern("in ter. dominica adventus anno 1307", {}).text, "17 Dicembre 1307");
}

// The humanists took two strokes from the next numeral: XXC for eighty, IIC for ninety-eight,
// IIX for eight. Each such year reads as its numeral written the usual way.
TEST(DatingClause, ReadsTheHumanistsTwoStrokesTakenAway) {
    int read = 0;
    for (int year = 1001; year <= 1999; ++year) {
        const std::string usual = tempidex::RomanNumeral(year);
        std::string humanists = usual;
        for (const auto &[from, to] :
             {std::pair<std::string_view, std::string_view>{"XCVIII", "IIC"},
              {"LXXX", "XXC"},
              {"VIII", "IIX"}})
            if (const std::size_t at = humanists.find(from); at != std::string::npos)
                humanists.replace(at, from.size(), to);
        if (humanists == usual)
            continue;
        const std::string day = "Datum Basileae, VI Kal. Maii, anno ";
        EXPECT_EQ(LatinToModern(day + humanists, {}).text, LatinToModern(day + usual, {}).text)
            << humanists;
        ++read;
    }
    EXPECT_EQ(read, 190); // a century has ten years ending in 8, ten from 80 to 89, 88 in both
    // (not where tens are written before IIC, nor in a count of days)
    EXPECT_TRUE(LatinToModern("anno MDXIIC die XV mensis Maii", {}).failed);
    EXPECT_TRUE(LatinToModern("IIX Kal. Maii", {}).failed);
}

// A year of the Lord before 525, when Dionysius first counted them, is as written (a chronicle
// may mean it) and warned of: late medieval scribes left out the thousand, and the hundreds
// too ("anno domini LXX" for 1470). Years of the early Middle Ages are their own.
TEST(DatingClause, AYearOfTheLordBeforeDionysiusIsWarned) {
    for (const auto &[clause, text, other] :
         {std::tuple<std::string_view, std::string_view, std::string_view>{
              "III decembris anno domini septuagesimo", "03 Dicembre 70", "il 1470"},
          {"anno domini ducentesimo, XV Kal. Maii", "17 Aprile 200", "il 1200"}}) {
        const tempidex::Answer answer = LatinToModern(clause, {});
        EXPECT_EQ(answer.text, text);
        EXPECT_NE(answer.warnings.find(other), std::string::npos) << answer.warnings;
    }
    EXPECT_EQ(LatinToModern("anno domini DCCCCLII VI Kal. Iul.", {}).warnings, "");
    EXPECT_EQ(LatinToModern("anno domini DXXX, XV Kal. Iul.", {}).warnings, "");
}

// A day counted from a named day as charters count from a feast is not that day: "in crastino
// Kalendarum Maii" is the 2nd of May, its eve the 30th of April, its octave the 8th; they were
// answered the 1st, and "in octava" the 24th of April. None is read yet: each is refused.
TEST(DatingClause, ADayCountedFromANamedDayIsNoNamedDay) {
    for (const std::string_view clause :
         {"anno Domini MCCC, in crastino Kalendarum Maii", "anno Domini MCCC, in vigilia Kal. Maii",
          "anno Domini MCCC, in octava Kalendarum Maii", "Datum in octava Kal. Maii",
          "Datum vig. Idus Martii"})
        EXPECT_TRUE(LatinToModern(clause, {}).failed) << clause;
    EXPECT_EQ(LatinToModern("anno Domini MCCC, octava Kalendas Maii", {}).text, "24 Aprile 1300");
    EXPECT_EQ(LatinToModern("anno Domini MCCC, die Kalendarum Maii", {}).text, "01 Maggio 1300");
}

// Where a numeral's parts are marked (M°CC°XX°VI°), a capital O before the mark is no ending
// but a C misread, never read past (the editor dates M°CO°XX°VI° 1226). Unmarked, a word in
// capitals keeps its endings (MO. CCO. XCO. NONO is 1299).
TEST(DatingClause, ACapitalOInANumeralIsNoEnding) {
    EXPECT_TRUE(LatinToModern("Datum et factum in Wratislavia, anno ab incarnatione domini "
                              "M°CO°XX°VI°, kalendis maii.",
                              {})
                    .failed);
    EXPECT_EQ(LatinToModern("XIIJ. KAL. JULIJ. ANNO DOMINI. MO. CCO. XCO. NONO.", {}).text,
              "19 Giugno 1299");
    EXPECT_EQ(LatinToModern("anno M°CC°XX°VI°, kalendis maii", {}).text, "01 Maggio 1226");
    EXPECT_EQ(LatinToModern("Kal. Mai. MCCCCº", {}).text, "01 Maggio 1400");
}

// Nor is a feminine ending after hundreds, which no hundred takes: "cce" is ccc with its last
// letter misread, and is no CC; the year is refused, never read with the hundreds it has not.
TEST(DatingClause, AFeminineEndingAfterHundredsIsNoEnding) {
    for (const std::string_view year : {"m cce uicesimo primo", "mº cceº nonagesimo secundo",
                                        "m cca", "mccce", "m. o ccca. o xiij. o"})
        EXPECT_TRUE(
            LatinToModern("anno domini " + std::string(year) + ", iiii idus octobris", {}).failed)
            << year;
    EXPECT_EQ(LatinToModern("die xxiia mensis Maii anno domini mcccx", {}).text, "22 Maggio 1310");
}

// A year's word written twice, as a copyist or a scan doubles one, is no numeral of the two run
// together: "Mº CCº CCº XXVIIIº" may be 1228 or 1428, and is refused; so is a word that goes on
// with the letter the one before ended with ("MCC CC"). CCCC in one word is read.
TEST(DatingClause, AYearsWordWrittenTwiceIsRefused) {
    for (const std::string_view year :
         {"Mº CCº CCº XXVIIIº", "mº ccº ccº xxviiiº", "MCCC xx xx", "MCC CC XXVIII",
          // (letters alone after the year's are no initials: L. L. after M CC is L twice)
          "M CC L L",
          // (no one wrote a year from 2000 on in pieces: the thousand is written twice)
          "Mº Mº CCº XXVIIIº", "M. M. CC. XXVIII", "MM CC XXVIII", "MM XX"})
        EXPECT_TRUE(
            LatinToModern("anno Domini " + std::string(year) + ", die XV mensis maii", {}).failed)
            << year;
    EXPECT_EQ(LatinToModern("anno Domini Mº CCCCº XXVIIIº, die XV mensis maii", {}).text,
              "15 Maggio 1428");
    EXPECT_EQ(LatinToModern("anno Domini MMCCXXVIII, die XV mensis maii", {}).text,
              "15 Maggio 2228");
    // (a letter marked as a word of its own, each after the other, is no word written twice)
    EXPECT_EQ(LatinToModern("anno domini m°c°c°c° nonagesimo secundo, die XV mensis maii", {}).text,
              "15 Maggio 1392");
}

// An editor's year of Rome follows "a." with its full stop (a. 696); an "a" without it is a
// footnote's letter or a word, and takes no number after it as a year: the count before the
// Calends, the year's tens and units are read as what they are.
TEST(DatingClause, AnAWithoutItsStopIsNoEditorsYear) {
    EXPECT_EQ(LatinToModern("Data (a) XV Kal. Oct. MCCC", {}).text, "17 Settembre 1300");
    EXPECT_TRUE(LatinToModern("Datum anno Domini millesimo ducentesimo a quinquagesimo quarto, "
                              "in crastino Sancti Andree.",
                              {})
                    .failed);
    EXPECT_EQ(LatinToModern("Scr. Thessalonicae iv Non. Oct. a. 696 (58).", {}).text,
              "04 Ottobre 58 a.C.");
}

// Scans read an n as u, a u as ii, an m as in, a d as cl, an i as l, li as h, an l as 1: the
// Nones as November (iii Nou. Iun.), nono as novo, quarto as qiiarto, pridie as priclie, xviiio
// as xvliio, lune as 1une. Such a word beside a count, a year or a named
// day is refused, never passed over for the day or the year without it; the new style is still read
// after its noun.
TEST(DatingClause, AWordAScanMisreadBesideADateIsRefused) {
    for (const std::string_view clause :
         {"iii Nou. Iun.", "Data III. Nou. Ian. Rauennae.",
          "Actum anno gracie MºCCº nouo, idus julii.", "Datum Rome nouo kalendas julij",
          "Datum Lundis anno domini m ccc quinto. kalendas nouembris nouo.",
          "Datum Laterani qiiarto nonas aprilis", "anno domini mͦ cccͦ vicesimo priino, Kal. Ian.",
          "Data priclie Idus Ianuar.", "Datum Rome vnclecima kal. Januarij",
          "Datum Sundis anno domini mo. ccco. xvliio. dominica misericordia domini",
          "Datum Ripis anno domini mº ccº hiº iiii nonas octobris.",
          "Datum Anagnie. liiito kalendas iulii", "Datum Anagnie. uiito kalendas iulii",
          "Actum anno gracie millesimo ecº decimo. Kalendas maii.",
          "Datum Slanghetorp anno domini mº ccº lvuº sabbato ante festum beati Laurencii martiris.",
          "Datum anno Domini MCCLXXVI, mense septembris, die 1une ante festum sancti Michaelis.",
          // a count parted by a space, or an ordinal left abbreviated: no Calends
          "Datum Rome, x v kal. maii", "Datum Rome, qto kal. maii", "Datum Rome, pmo idus maii",
          "Datum Rome qtº kal. maii", "Datum Rome q'to kal. maii", "Datum Rome p'mo kal. maii"})
        EXPECT_TRUE(LatinToModern(clause, {}).failed) << clause;
    EXPECT_TRUE(
        LatinToModern("Data xxiiij. die mensis Aprilis, anno domini m. o cce. oxxx. o", {}).failed);
    EXPECT_EQ(LatinToModern("stilo nouo Kal. Ian. 1600", {}).text, "01 Gennaio 1600");
    // a name is none of these: Illo, Lucio, though their small letters are a numeral's
    EXPECT_EQ(LatinToModern("Dat. VIII. Id. Mart. Illo u. c. eonsule.", {}).text, "08 Marzo");
    EXPECT_EQ(LatinToModern("Kal. Aug. Aug.", {}).text, "01 Agosto");
    EXPECT_EQ(LatinToModern("Datum Brno kal. maii", {}).text, "01 Maggio");
}

// Consuls give a year of Rome without saying whether it came before Caesar's reform, when most
// months had 29 days; Quintilis and Sextilis name a month of those years too. The answer counts
// the Julian months, as the window does, and a warning names the day in the Republic's months
// (Cicero's xi Kal. Febr. of 60 BC, 20 January): derived here from the old months' lengths.
TEST(DatingClause, AYearOfTheRepublicWarnsOfItsMonths) {
    constexpr std::array<int, 12> julian{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    constexpr std::array<int, 12> republic{29, 28, 31, 29, 31, 29, 31, 29, 29, 31, 29, 29};
    constexpr std::array<std::string_view, 12> latin{"Ian.",  "Febr.", "Mart.", "Apr.",
                                                     "Mai.",  "Iun.",  "Iul.",  "Aug.",
                                                     "Sept.", "Oct.",  "Nov.",  "Dec."};
    constexpr std::array<std::string_view, 12> italian{
        "Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
        "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    int warned = 0;
    for (std::size_t kalends = 0; kalends < 12; ++kalends) {
        const std::size_t before = (kalends + 11) % 12; // the month the days are counted in
        const int ides = before == 2 || before == 4 || before == 6 || before == 9 ? 15 : 13;
        for (int count = 3; count <= 19; ++count) {
            const int day = julian[before] + 2 - count, old = republic[before] + 2 - count;
            if (day <= ides)
                continue;
            const std::string clause = "a. d. " + tempidex::RomanNumeral(count) + " Kal. " +
                                       std::string(latin[kalends]) +
                                       " M. Messalla, M. Pisone coss.";
            const tempidex::Answer answer = LatinToModern(clause, {});
            EXPECT_EQ(answer.text, (day < 10 ? "0" : "") + std::to_string(day) + " " +
                                       std::string(italian[before]))
                << clause;
            const std::string named =
                "il giorno è il " + std::to_string(old) + " " + std::string(italian[before]);
            if (old > ides && old != day) {
                EXPECT_NE(answer.warnings.find(named), std::string::npos) << clause;
                ++warned;
            } else {
                EXPECT_EQ(answer.warnings.find("riforma di Cesare"), std::string::npos) << clause;
            }
        }
    }
    EXPECT_EQ(warned, 105); // a. d. III to XVII in each of the seven months of 29 days
    const tempidex::Answer quintilis = LatinToModern("xvii K. Quintilis.", {});
    EXPECT_EQ(quintilis.text, "15 Giugno");
    EXPECT_NE(quintilis.warnings.find("il giorno è il 14 Giugno"), std::string::npos);
    // Consuls without first names are the late Empire's, and so is an Augustus among them (A.
    // before a name is the Republic's Aulus); a date without consuls is the window's, unwarned
    for (const std::string_view empire :
         {"XII kal. Dec. Arcadio A. IIII et Honorio A. III conss.",
          "XII kal. Dec. Fl. Basilio v. c. cons.", "Data XV. Kal. Sept. Magno et Apollonio conss."})
        EXPECT_EQ(LatinToModern(empire, {}).warnings, "") << empire;
    EXPECT_NE(LatinToModern("XII kal. Dec. L. Pisone A. Gabinio coss.", {})
                  .warnings.find("il giorno è il 19 Novembre"),
              std::string::npos);
    EXPECT_EQ(LatinToModern("xi Kal. Febr.", {}).warnings, "");
}

// July's and August's old names cut short are read from Quint. and Sext.: "qui", "quin" and
// "sex" are words, and after a count they are no month ("die XV qui fuit dominica" is no 15
// July, "die XX sex testibus" no 20 August).
TEST(DatingClause, ShortWordsAreNoOldMonthNames) {
    for (const std::string_view clause :
         {"Datum die XV qui fuit dominica", "Datum die XX sex testibus presentibus",
          "Actum die XV quin etiam"})
        EXPECT_TRUE(LatinToModern(clause, {}).failed) << clause;
    EXPECT_EQ(LatinToModern("Die martis qui fuit quinto kalendas octobris", {}).text,
              "27 Settembre");
    EXPECT_EQ(LatinToModern("XVI Kal. Quint.", {}).text, "16 Giugno");
    EXPECT_EQ(LatinToModern("XVI Kal. Sext.", {}).text, "17 Luglio");
}

// An editor's "(sic)" or "(!)" says the document has it so: the date is read as written, and
// a warning says the editor may date it otherwise (6 id. Jul. (sic), dated 8 July).
TEST(DatingClause, AnEditorsSicIsWarned) {
    for (const std::string_view clause : {"6 id. Jul. (sic).", "VI Id. Iul. (!) MCCLXXXIV"}) {
        const tempidex::Answer answer = LatinToModern(clause, {});
        EXPECT_EQ(answer.text.substr(0, 9), "10 Luglio") << clause;
        EXPECT_NE(answer.warnings.find("l'editore segna «sic»"), std::string::npos) << clause;
    }
    EXPECT_EQ(LatinToModern("6 id. Jul. (M.)", {}).warnings, "");
}

// A law's date posted (pp.) or received (acc.) as its only date is the one answered, and the
// explanation tells of no other; "pp." after an emperor's A. is perpetuus, no date posted.
TEST(DatingClause, ALawsOnlyDatePostedIsItsDate) {
    LineOptions explain;
    explain.explain = true;
    for (const std::string_view clause : {"PP. V id. Mart. Romae Constantino et Licinio conss.",
                                          "Acc. V id. Mart. Romae Constantino et Licinio conss."}) {
        const tempidex::Answer answer = LatinToModern(clause, explain);
        EXPECT_EQ(answer.text.substr(0, answer.text.find('\t')), "11 Marzo") << clause;
        EXPECT_EQ(answer.text.find("(pp.)"), std::string::npos) << answer.text;
        EXPECT_EQ(answer.text.find("(acc.)"), std::string::npos) << answer.text;
    }
    EXPECT_EQ(LatinToModern("D. XV k. Dec. Constantinopoli Iustiniano A. pp. IIII cons.", {}).text,
              "17 Novembre");
}

// A number too large for a reign's year after a ruler's name is no statement that it is one:
// the answer without a year is warned of, as for any "anno" no formula marks.
TEST(DatingClause, AHundredYearsOfAReignAreWarned) {
    const tempidex::Answer reign = LatinToModern("XV kal. maii regnante Karolo anno DCCC", {});
    EXPECT_EQ(reign.text, "17 Aprile");
    EXPECT_NE(reign.warnings.find("«anno DCCC»"), std::string::npos) << reign.warnings;
    EXPECT_EQ(LatinToModern("XV kal. maii regnante Karolo anno XXX", {}).warnings, "");
}

// A year that only a reign gives is not counted: after the 24th of February a leap year would
// move the day, and the warning says to which. Without a year at all, no such warning.
TEST(DatingClause, AYearOnlyAReignGivesWarnsOfTheLeapDay) {
    const tempidex::Answer reign =
        LatinToModern("iii kalendas marcii, anno V regnante Lotario rege", {});
    EXPECT_EQ(reign.text, "27 Febbraio");
    EXPECT_NE(reign.warnings.find("se fosse bisestile il giorno sarebbe il 28 Febbraio"),
              std::string::npos)
        << reign.warnings;
    EXPECT_EQ(LatinToModern("iii kalendas marcii", {}).warnings.find("bisestile"),
              std::string::npos);
    // VI Kal. Mart. is the 24th either way as the Romans counted, the 25th as the middle ages
    // did (a pope's thirteenth year may be 1240)
    const tempidex::Answer sixth =
        LatinToModern("Dat. Laterani, VI kalendas martii, anno tertiodecimo.", {});
    EXPECT_EQ(sixth.text, "24 Febbraio");
    EXPECT_NE(sixth.warnings.find("ma il 25 Febbraio contando aggiunto il 24"), std::string::npos)
        << sixth.warnings;
    // Bologna's count from the month's end and the Roman date of the same day are one date
    EXPECT_EQ(
        LatinToModern("die secundo exeunte mense februarii, III Kal. Mart., anno 1301", {}).text,
        "27 Febbraio 1301");
}

// An ordinal read from a word one letter away may be another word: the warning says which day
// the line names then ("testium", the witnesses, is a letter from "tertium").
// Words that read two years, one of which has no such day: the day of the other is answered,
// and the year passed over is said. (1284 reads "quarto" with the year, and its Calends of May
// were no Sunday after Easter; 1280 reads IV Kal. Mai., which was.)
TEST(DatingClause, AReadingPassedOverForItsYearIsWarned) {
    const tempidex::Answer answer =
        LatinToModern("Datum et actum Roskildis anno domini mo cco lxxxo quarto kalendas maii "
                      "dominica qua cantatur quasimodo geniti.",
                      {});
    EXPECT_EQ(answer.text, "28 Aprile 1280");
    EXPECT_NE(answer.warnings.find("si leggono anche con l'anno 1284"), std::string::npos)
        << answer.warnings;
}

// So is a month: a word a letter from one may be a word of its own, "die XV Marcus" a witness
// named, and "XII kal. manus" no May. The notaries' h before a vowel (hottobris) is a spelling.
TEST(DatingClause, AMonthReadFromAMisspeltWordIsWarned) {
    for (const auto &[clause, read] :
         {std::pair<std::string_view, std::string_view>{"Actum die XV Marcus",
                                                        "«Marcus» si legge Marzo"},
          {"XII kal. manus", "«manus» si legge Maggio"},
          {"Dat. XII Kal. Setembris", "«Setembris» si legge Settembre"}})
        EXPECT_NE(LatinToModern(clause, {}).warnings.find(read), std::string::npos) << clause;
    const tempidex::Answer h = LatinToModern("Datum XV kal. hottobris", {});
    EXPECT_EQ(h.text, "17 Settembre");
    EXPECT_EQ(h.warnings, "");
}

TEST(DatingClause, AnOrdinalReadFromAMisspeltWordIsWarned) {
    const tempidex::Answer witnesses =
        LatinToModern("Datum XV Kal. Iun. anno Domini MCCCXX testium subscriptorum", {});
    EXPECT_EQ(witnesses.text, "18 Maggio 1323");
    EXPECT_NE(witnesses.warnings.find("«testium» si legge come il numero ordinale 3"),
              std::string::npos)
        << witnesses.warnings;
    EXPECT_NE(witnesses.warnings.find("se è un'altra parola, la data è il 18 Maggio 1320"),
              std::string::npos)
        << witnesses.warnings;
    EXPECT_NE(LatinToModern("anno domini millesimo trecentesimo octano XV Kal. Iun.", {})
                  .warnings.find("«octano»"),
              std::string::npos);
}

LineOptions InStyle(tempidex::YearStyle style) {
    LineOptions options;
    options.style = style;
    options.styleGiven = true;
    return options;
}

// The bull that reformed the calendar counted its year of the Incarnation from 25 March: read
// as from 1 January it is a year early, and the program says so.
// A date is read alike wherever its words stand in a long clause: before, across and after
// the 64th and 128th words, where the reader's sets of words go on in a new machine word.
TEST(DatingClause, ReadsADateAtAnyPlaceInALongClause) {
    for (int before = 0; before <= 150; ++before) {
        std::string clause = "Datum";
        for (int i = 0; i < before; ++i)
            clause += " et";
        clause += " a. d. XIX Kal. Ian. MDXXIV";
        EXPECT_EQ(LatinToModern(clause, LineOptions{}).text, "14 Dicembre 1524") << before;
    }
}

TEST(DatingClause, SaysWhichYearEachStyleGives) {
    using tempidex::YearStyle;
    const std::string_view bull = "anno Incarnationis dominicae MDLXXXI, sexto Kalendas Martii";
    const tempidex::Answer modern = LatinToModern(bull, LineOptions{});
    EXPECT_EQ(modern.text, "24 Febbraio 1581");
    EXPECT_NE(modern.warnings.find("fiorentino"), std::string::npos) << modern.warnings;
    EXPECT_NE(modern.warnings.find("1582"), std::string::npos) << modern.warnings;
    EXPECT_NE(modern.warnings.find("--style"), std::string::npos) << modern.warnings;
    const tempidex::Answer florentine = LatinToModern(bull, InStyle(YearStyle::Florentine));
    EXPECT_EQ(florentine.text, "24 Febbraio 1582");
    EXPECT_EQ(florentine.warnings, "");
    EXPECT_EQ(LatinToModern(bull, InStyle(YearStyle::Pisan)).text, "24 Febbraio 1581");
    EXPECT_EQ(LatinToModern(bull, InStyle(YearStyle::Venetian)).text, "24 Febbraio 1582");
    // Each style's year turns on its first day, and moves only the days on its side of it.
    struct Case {
        YearStyle style;
        std::string_view clause, answer;
    };
    const Case cases[] = {
        // 24 March is still the year before in Florence, 25 March already the year after in Pisa.
        {YearStyle::Florentine, "a. d. IX Kal. Apr. 1520", "24 Marzo 1521"},
        {YearStyle::Florentine, "a. d. VIII Kal. Apr. 1520", "25 Marzo 1520"},
        {YearStyle::Pisan, "a. d. IX Kal. Apr. 1520", "24 Marzo 1520"},
        {YearStyle::Pisan, "a. d. VIII Kal. Apr. 1520", "25 Marzo 1519"},
        // 1521 is no leap year, whatever 1520 was.
        {YearStyle::Venetian, "pridie Kal. Mart. 1520", "28 Febbraio 1521"},
        {YearStyle::Venetian, "Kal. Mart. 1520", "01 Marzo 1520"},
        {YearStyle::Pisan, "anno Domini MDXX, XVII Kal. Iulii", "15 Giugno 1519"},
        {YearStyle::Florentine, "anno Domini MDXX, XVII Kal. Iulii", "15 Giugno 1520"},
        {YearStyle::Byzantine, "Kal. Sept. 1520", "01 Settembre 1519"},
        {YearStyle::Byzantine, "prid. Kal. Sept. 1520", "31 Agosto 1520"},
        {YearStyle::Nativity, "VIII Kal. Ian. 1520", "25 Dicembre 1519"},
        {YearStyle::Nativity, "IX Kal. Ian. 1520", "24 Dicembre 1520"},
        // a day counted back from the month's end: 31 March, after Florence's New Year
        {YearStyle::Florentine, "die primo exeunte martii anno Domini 1300", "31 Marzo 1300"},
        // Years of the city and before Christ have no style.
        {YearStyle::Florentine, "Kal. Ian. DCCX a.u.c.", "01 Gennaio 44 a.C."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LatinToModern(c.clause, InStyle(c.style)).text, c.answer) << c.clause;
    // A year written twice is counted as the mention with its formula says, first or not.
    EXPECT_NE(LatinToModern("sexto Kalendas Martii anno MDLXXXI, anno ab incarnatione Domini "
                            "MDLXXXI",
                            LineOptions{})
                  .warnings.find("1582"),
              std::string::npos);
    // The Incarnation named where its formula is not read whole still brings Pisa's year in,
    // a year behind from 25 March: Alexander III's bull of 15 November 1176 (Poupardin, Saint-
    // Germain-des-Prés, no. 165) writes "incarnationis domincę anno MCLXXVII".
    for (const std::string_view formula :
         {"incarnationis domince anno", "incarnationis dominice anno"})
        EXPECT_NE(LatinToModern("XVII kl. decembris, " + std::string(formula) + " MCLXXVII",
                                LineOptions{})
                      .warnings.find("lo stile pisano (l'anno comincia il 25 Marzo) dà il 1176"),
                  std::string::npos)
            << formula;
    // ("ab incarnatione dominica" is the Lord's, no Sunday that would settle the style; a year
    // so early that no document was dated by the era is warned of, whatever words stand by it)
    for (const std::string_view clause :
         {"anno Domini MCCL, ab incarnatione dominica, XIV kal. Maii",
          "anno ab incarnatione dominica MCCL, XIV kal. Maii"}) {
        const tempidex::Answer answer = LatinToModern(clause, LineOptions{});
        EXPECT_EQ(answer.text, "18 Aprile 1250") << clause;
        EXPECT_NE(answer.warnings.find("lo stile pisano (l'anno comincia il 25 Marzo) dà il 1249"),
                  std::string::npos)
            << answer.warnings;
    }
    EXPECT_NE(LatinToModern("anno Domini LXX ab incarnatione, XV kal. Maii", LineOptions{})
                  .warnings.find("prima del 525"),
              std::string::npos);
    // The Nativity style differs only from 25 December: in May nothing is said.
    EXPECT_EQ(LatinToModern("anno a nativitate Domini MCCCXL, Id. Mai.", LineOptions{}).warnings,
              "");
    EXPECT_NE(LatinToModern("anno a nativitate Domini MCCCXL, VII Kal. Ian.", LineOptions{})
                  .warnings.find("Natività"),
              std::string::npos);
}

// An indiction that no start of the indiction's year gives in the year answered is said to be
// another style's where one style's year has it: a bull dated "nono kalendas martii,
// indictione XI, incarnationis dominice anno MCLXII" is 1162 from 1 January, whose indiction
// was the tenth, and Florence's 1163. The answer stays the year from 1 January. The indiction
// of a year's first eight months counted from AD 313, the first of a cycle.
TEST(DatingClause, AnIndictionOfAnotherStylesYearIsSaid) {
    const auto indiction = [](int year) { return (year + 2) % 15 + 1; };
    for (int year = 1150; year <= 1180; ++year) {
        const std::string clause = "nono kalendas martii, indictione " +
                                   std::to_string(indiction(year + 1)) +
                                   ", incarnationis dominice anno " + std::to_string(year);
        const tempidex::Answer answer = LatinToModern(clause, LineOptions{});
        EXPECT_EQ(answer.text, "21 Febbraio " + std::to_string(year)) << clause;
        EXPECT_NE(answer.warnings.find("concorda con lo stile fiorentino (l'anno comincia il 25 "
                                       "Marzo), che dà il " +
                                       std::to_string(year + 1)),
                  std::string::npos)
            << answer.warnings;
    }
    EXPECT_EQ(LatinToModern("nono kalendas martii, indictione X, incarnationis dominice anno 1162",
                            LineOptions{})
                  .warnings.find("indizione"),
              std::string::npos);
}

// What the warning says another style gives is what that style answers: in February, where
// one style's year is leap and another's not, the day too.
TEST(DatingClause, TheWarningNamesTheDayEachStyleAnswers) {
    using tempidex::YearStyle;
    const std::pair<YearStyle, std::string_view> styles[] = {
        {YearStyle::Florentine, "lo stile fiorentino"}, {YearStyle::Easter, "lo stile pasquale"}};
    for (const std::string_view day :
         {"a. d. IV Kal. Mar.", "a. d. VII Kal. Mar.", "pridie Kal. Mar.", "Kal. Mar.",
          "penultima die februarii", "die ultima mensis februarii", "die XX februarii"})
        for (const int year : {1359, 1360, 1363, 1364}) {
            const std::string clause =
                "Datum " + std::string(day) + " anno Domini " + std::to_string(year);
            const tempidex::Answer modern = LatinToModern(clause, LineOptions{});
            for (const auto &[style, name] : styles) {
                const std::string answer = LatinToModern(clause, InStyle(style)).text;
                // "dà il 1360" where the day is the same, else "dà il 27 Febbraio 1360"
                const bool sameDay = answer.substr(0, answer.rfind(' ')) ==
                                     modern.text.substr(0, modern.text.rfind(' '));
                const std::string told =
                    "dà il " + (sameDay ? answer.substr(answer.rfind(' ') + 1)
                                        : answer.substr(answer.starts_with("0") ? 1 : 0));
                const std::size_t said = modern.warnings.find(name);
                ASSERT_NE(said, std::string::npos) << clause << "\n" << modern.warnings;
                EXPECT_EQ(modern.warnings.find(told, said), modern.warnings.find("dà il", said))
                    << clause << "\n"
                    << told << "\n"
                    << modern.warnings;
            }
        }
}

// Easter 1301 fell on 2 April and Easter 1302 on 22 April: the Easter year 1301 holds the days
// between twice, and the warning names both; no other style does.
TEST(DatingClause, AnEasterYearNamesSomeDaysTwice) {
    const tempidex::Answer easter =
        LatinToModern("XVIII Kal. Mai. anno 1301", InStyle(tempidex::YearStyle::Easter));
    EXPECT_EQ(easter.text, "14 Aprile 1301");
    EXPECT_NE(easter.warnings.find("cade due volte: nel 1301 e nel 1302"), std::string::npos)
        << easter.warnings;
    EXPECT_EQ(LatinToModern("XVIII Kal. Mai. anno 1301", InStyle(tempidex::YearStyle::Florentine))
                  .warnings.find("due volte"),
              std::string::npos);
}

// Every day from 100 BC to AD 2100, written in Latin with each style's year and read back with
// the same style, is the same day.
TEST(DatingClause, EachStyleReadsBackWhatItWrites) {
    for (const auto &style : tempidex::YearStyles) {
        // An Easter year names some days twice (AnEasterYearNamesSomeDaysTwice)
        if (style.style == tempidex::YearStyle::Easter)
            continue;
        LineOptions options = InStyle(style.style);
        for (int year = -99; year <= 2100; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int day = 1; day <= calendar::Length(year, month, false); ++day) {
                    if (calendar::InGap(year, month, day, false) ||
                        !calendar::Sampled(year, month, day))
                        continue;
                    const std::string modern = std::to_string(day) + "/" + std::to_string(month) +
                                               "/" + std::to_string(year > 0 ? year : 1 - year) +
                                               (year > 0 ? "" : " a.C.");
                    options.longForm = day % 2 == 0; // half of the days in full
                    const std::string latin = tempidex::ModernToLatin(modern, options).text;
                    const std::string shown =
                        calendar::Label(day) +
                        calendar::Names[static_cast<std::size_t>(month - 1)] + " " +
                        (year > 0 ? std::to_string(year) : std::to_string(1 - year) + " a.C.");
                    ASSERT_EQ(LatinToModern(latin, options).text, shown)
                        << style.english << " " << modern << " " << latin;
                }
    }
}

// The weekday is what the Julian day number says, in both calendars; a clause's weekday and
// indiction are checked against the date.
TEST(DatingClause, ChecksTheWeekdayAndTheIndiction) {
    for (int year = 1; year <= 2100; ++year)
        for (int month = 1; month <= 12; ++month)
            for (const bool julianOnly : {false, true}) {
                const int day = 1 + (year * 7 + month) % 28;
                if (calendar::InGap(year, month, day, julianOnly))
                    continue;
                const auto reckoning =
                    julianOnly ? tempidex::Reckoning::Julian : tempidex::Reckoning::Historical;
                ASSERT_EQ(tempidex::WeekdayOf(year, {month, day}, reckoning),
                          (calendar::DayNumber(year, month, day, julianOnly) + 1) % 7)
                    << year << "-" << month << "-" << day;
            }
    // 1 January 1524 was a Friday: feria sexta; 6 March 1524 a Sunday. (Their years, before 25
    // March, have a warning of their own: the styles.)
    const auto weekdayWarning = [](std::string_view clause) {
        return LatinToModern(clause, LineOptions{}).warnings.find("settimana") != std::string::npos;
    };
    EXPECT_FALSE(weekdayWarning("dominica, pridie Non. Mart. anno Domini 1524"));
    EXPECT_FALSE(weekdayWarning("feria sexta, Kal. Ian. 1524"));
    // a connective between "die" and the weekday's name hides it from no check
    EXPECT_TRUE(weekdayWarning("Datum die vero Jouis 2a mensis Julij anno domini 1505."));
    const tempidex::Answer tuesday = LatinToModern("feria tertia, Kal. Ian. 1524", LineOptions{});
    EXPECT_EQ(tuesday.text, "01 Gennaio 1524");
    EXPECT_NE(tuesday.warnings.find("venerdì"), std::string::npos) << tuesday.warnings;
    LineOptions explain;
    explain.explain = true;
    EXPECT_NE(LatinToModern("die Veneris, Kal. Ian. 1524", explain).text.find("come è scritto"),
              std::string::npos);
    // A weekday that is not the day's in the year from 1 January, but is in the year after, as
    // the years from 25 March or from Easter count the months before: the weekday settles the
    // style, and the warning names both years. Days of January and March, weekdays by the count
    // of days; February's are kept, for a leap year moves their count.
    constexpr std::array<const char *, 7> days{"dominica",     "die lune",  "die martis",
                                               "die mercurii", "die jovis", "die veneris",
                                               "die sabbati"};
    for (int year = 1200; year <= 1230; ++year)
        for (const int month : {1, 2, 3})
            for (int weekday = 0; weekday < 7; ++weekday) {
                const int day = 1 + (year + weekday) % 24;
                const std::string clause = std::string(days[static_cast<std::size_t>(weekday)]) +
                                           ", die " + std::to_string(day) + " mensis " +
                                           (month == 1   ? "ianuarii"
                                            : month == 2 ? "februarii"
                                                         : "martii") +
                                           ", anno Domini " + std::to_string(year);
                const auto weekdayIn = [&](int y) {
                    return static_cast<int>((calendar::JulianDayNumber(y, month, day) + 1) % 7);
                };
                const bool later =
                    month != 2 && weekdayIn(year) != weekday && weekdayIn(year + 1) == weekday;
                const tempidex::Answer answer = LatinToModern(clause, LineOptions{});
                EXPECT_EQ(answer.text, calendar::Label(day) +
                                           calendar::Names[static_cast<std::size_t>(month - 1)] +
                                           " " + std::to_string(later ? year + 1 : year))
                    << clause;
                EXPECT_EQ(answer.warnings.find("settimana scritto (") != std::string::npos,
                          weekdayIn(year) != weekday)
                    << clause << answer.warnings;
                if (later) {
                    EXPECT_NE(answer.warnings.find("dà il " + std::to_string(year)),
                              std::string::npos)
                        << answer.warnings;
                }
            }
    // "dominica prima Novembris": the ordinal after a weekday is the day of the month, and
    // where that day was another weekday the words may count the weekdays of the month as well
    // (the first Sunday of November): the warning names that day too. Digits count days only.
    constexpr std::array<const char *, 5> ordinals{"prima", "secunda", "tertia", "quarta",
                                                   "quinta"};
    constexpr std::array<const char *, 8> months{
        "maii", "iunii", "iulii", "augusti", "septembris", "octobris", "novembris", "decembris"};
    for (int year = 1501; year <= 1507; ++year)
        for (int month = 5; month <= 12; ++month) // (no year styles from May)
            for (int weekday = 0; weekday < 7; weekday += 3)
                for (int count = 1; count <= 5; ++count) {
                    const std::string written =
                        std::string(days[static_cast<std::size_t>(weekday)]) + " " +
                        ordinals[static_cast<std::size_t>(count - 1)] + " " +
                        months[static_cast<std::size_t>(month - 5)] + " " + std::to_string(year);
                    const auto weekdayOf = [&](int day) {
                        return static_cast<int>((calendar::JulianDayNumber(year, month, day) + 1) %
                                                7);
                    };
                    const int first = 1 + (weekday - weekdayOf(1) + 7) % 7;
                    const int counted = first + 7 * (count - 1);
                    const tempidex::Answer answer = LatinToModern(written, LineOptions{});
                    EXPECT_EQ(answer.text,
                              calendar::Label(count) +
                                  calendar::Names[static_cast<std::size_t>(month - 1)] + " " +
                                  std::to_string(year))
                        << written;
                    const std::size_t other = answer.warnings.find("se le parole contano");
                    EXPECT_EQ(other != std::string::npos,
                              weekdayOf(count) != weekday &&
                                  counted <= calendar::Length(year, month, true))
                        << written << answer.warnings;
                    if (other != std::string::npos) {
                        EXPECT_NE(answer.warnings.find(
                                      std::to_string(counted) + " " +
                                          calendar::Names[static_cast<std::size_t>(month - 1)],
                                      other),
                                  std::string::npos)
                            << written << answer.warnings;
                    }
                }
    EXPECT_EQ(LatinToModern("dominica 1 Novembris 1591", LineOptions{})
                  .warnings.find("se le parole contano"),
              std::string::npos);
    EXPECT_EQ(LatinToModern("die lunae tertio Novembris 1591", LineOptions{})
                  .warnings.find("se le parole contano"),
              std::string::npos);
    // October 1582 went from Thursday the 4th to Friday the 15th: its first Sunday was the 17th
    EXPECT_NE(LatinToModern("dominica prima Octobris 1582", LineOptions{})
                  .warnings.find("la 1ª domenica del mese, è il 17 Ottobre 1582"),
              std::string::npos);
    // So by a feast, where the weekday would otherwise refuse the day; a style asked for is kept.
    const std::string_view vigil = "anno Domini MCCL, die jovis in vigilia Epiphanie Domini";
    const tempidex::Answer thursday = LatinToModern(vigil, LineOptions{});
    EXPECT_EQ(thursday.text, "05 Gennaio 1251");
    EXPECT_NE(thursday.warnings.find("stile fiorentino (l'anno comincia il 25 Marzo): il giorno "
                                     "della settimana scritto (giovedì) è di quest'anno; lo stile "
                                     "moderno (l'anno comincia il 1° Gennaio) dà il 1250"),
              std::string::npos)
        << thursday.warnings;
    LineOptions modern;
    modern.style = tempidex::YearStyle::Modern;
    modern.styleGiven = true;
    EXPECT_TRUE(LatinToModern(vigil, modern).failed);
    EXPECT_EQ(LatinToModern("feria quinta, Non. Ian. anno Domini MCCL", modern).text,
              "05 Gennaio 1250");
    // The cycle that began on 1 September 312: AD 313 is its first year from 1 January.
    using tempidex::IndictionStart;
    EXPECT_EQ(tempidex::IndictionOf(312, {9, 1}, IndictionStart::September1), 1);
    EXPECT_EQ(tempidex::IndictionOf(312, {8, 31}, IndictionStart::September1), 15);
    EXPECT_EQ(tempidex::IndictionOf(312, {9, 23}, IndictionStart::September24), 15);
    EXPECT_EQ(tempidex::IndictionOf(312, {9, 24}, IndictionStart::September24), 1);
    EXPECT_EQ(tempidex::IndictionOf(312, {12, 31}, IndictionStart::January1), 15);
    EXPECT_EQ(tempidex::IndictionOf(313, {1, 1}, IndictionStart::January1), 1);
    EXPECT_EQ(tempidex::IndictionOf(1356, {1, 10}, IndictionStart::September1), 9);
    const std::string_view bull = "Anno Domini MCCCLVI, indictione nona, IIII Idus Ianuarii";
    EXPECT_EQ(LatinToModern(bull, LineOptions{}).warnings.find("indizione"), std::string::npos);
    const std::string_view september = "Anno Domini MCCCLVI, indictione nona, Id. Sept.";
    // (the ninth from 1 January and from 24 September: both are named)
    EXPECT_NE(LatinToModern(september, LineOptions{})
                  .warnings.find("era la X (indizione greca, dal 1° Settembre); concorda con "
                                 "l'indizione bedana, dal 24 Settembre e con l'indizione romana, "
                                 "dal 1° Gennaio\n"),
              std::string::npos);
    LineOptions roman;
    roman.indiction = IndictionStart::January1;
    EXPECT_EQ(LatinToModern(september, roman).warnings, "");
    // The whole warning: the clause quoted and cut after 40 bytes, never inside a character
    // (the æ of Mariæ straddles the cut); 1 September 1524 began the 13th indiction,
    // (1524 + 3) mod 15 + 1.
    EXPECT_EQ(LatinToModern("Actum Florentie in eclesia sanctæ Mariæ, Kal. Sept. anno Domini "
                            "MDXXIV, indictione VIII",
                            LineOptions{})
                  .warnings,
              "«Actum Florentie in eclesia sanctæ Mari…»: l'indizione scritta (VIII) non "
              "concorda: era la XIII (indizione greca, dal 1° Settembre)\n");
    // and the first of the fifteen, (1302 + 3) mod 15 + 1 from 1 September 1302
    EXPECT_NE(LatinToModern("Kal. Mai. anno 1303 indictione V", LineOptions{})
                  .warnings.find("era la I (indizione greca"),
              std::string::npos);
}

} // namespace
