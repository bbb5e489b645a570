#include "keywords.h"

#include <algorithm>
#include <array>

namespace tempidex {
namespace {

constexpr auto F = [](YearCount count) { return static_cast<std::int8_t>(count); };
constexpr auto R = [](Reference reference) { return static_cast<std::int8_t>(reference); };

constexpr std::int8_t Calends = R(Reference::Calends), Nones = R(Reference::Nones),
                      Ides = R(Reference::Ides);
constexpr std::int8_t Unmarked = F(YearCount::Unmarked), Christian = F(YearCount::Christian),
                      Incarnation = F(YearCount::Incarnation), Nativity = F(YearCount::Nativity),
                      City = F(YearCount::City);
constexpr auto S = [](YearStyle style) { return static_cast<std::int8_t>(style); };
constexpr std::int8_t Venetian = S(YearStyle::Venetian), Florentine = S(YearStyle::Florentine),
                      Pisan = S(YearStyle::Pisan), Easter = S(YearStyle::Easter),
                      Byzantine = S(YearStyle::Byzantine);

// In alphabetical order, V read as U.
constexpr auto Keywords = std::to_array<Keyword>({
    {"a", Kind::A},
    {"a", Kind::Formula, Unmarked}, // anno a nativitate, a Christo nato
    {"ab", Kind::Formula, Unmarked},
    {"ac", Kind::Et},
    {"acc", Kind::Received},
    {"accept", Kind::Received},
    {"accepta", Kind::Received},
    {"act", Kind::Given},
    {"acta", Kind::Given},
    {"actum", Kind::Given},
    {"ad", Kind::AD},
    {"administrationis", Kind::Reign}, // administrationis nostre anno III: a regent's years
    {"aera", Kind::Era},
    {"aerae", Kind::Formula, Christian}, // anno aerae Christianae, aerae vulgaris
    {"ai", Kind::AI},
    {"an", Kind::Anno},
    {"ann", Kind::Anno},
    {"anni", Kind::Anno},
    {"annis", Kind::Anno}, // sub annis domini millesimo ...
    {"anno", Kind::Anno},
    {"annos", Kind::Anno}, // annos V regnante Lotario rege, as the Cluny charters write it
    {"annum", Kind::Anno},
    {"ante", Kind::Ante},
    {"antiquo", Kind::Calendar, static_cast<std::int8_t>(Calendar::Julian)}, // stilo antiquo
    {"antiquum", Kind::Calendar, static_cast<std::int8_t>(Calendar::Julian)},
    {"ao", Kind::Anno},
    {"archiepiscopatus", Kind::Reign},
    {"autem", Kind::Connective},
    {"bis", Kind::Bis},
    {"bixit", Kind::Lived},                // an epitaph's v written b
    {"biz", Kind::Style, Byzantine},       // st. biz.
    {"bizant", Kind::Style, Byzantine},    // st. bizant.
    {"bizantina", Kind::Style, Byzantine}, // stilo bizantino: from 1 September, before
    {"bizantino", Kind::Style, Byzantine},
    {"bizantinum", Kind::Style, Byzantine},
    {"byz", Kind::Style, Byzantine}, // st. byz.
    {"byzantina", Kind::Style, Byzantine},
    {"byzantino", Kind::Style, Byzantine},
    {"byzantinum", Kind::Style, Byzantine},
    {"cal", Kind::Reference, Calends},
    {"calculi", Kind::Calendar},         // veteris calculi
    {"calculo", Kind::Calendar},         // vetere calculo, novo calculo
    {"calen", Kind::Reference, Calends}, // XII Calen. Ianu., as a papal register cuts it
    {"calend", Kind::Reference, Calends},
    {"calendae", Kind::Reference, Calends},
    {"calendario", Kind::Calendar}, // calendario Iuliano, calendarium Gregorianum
    {"calendarium", Kind::Calendar},
    {"calendarum", Kind::Reference, Calends},
    {"calendas", Kind::Reference, Calends},
    {"calende", Kind::Reference, Calends},
    {"calendes", Kind::Reference, Calends},
    {"calendis", Kind::Reference, Calends},
    {"christi", Kind::Formula, Christian},
    {"christiana", Kind::Formula, Christian},
    {"christianae", Kind::Formula, Christian},
    {"christiane", Kind::Formula, Christian}, // anno christianę salutis
    {"christiano", Kind::Formula, Christian},
    {"christo", Kind::Formula, Christian},
    {"christum", Kind::Formula, Christian},
    {"circa", Kind::NearHour},                   // circa sextam: near the canonical hour
    {"circumcisione", Kind::Formula, Christian}, // anno a circumcisione Domini: from 1 January
    {"concurr", Kind::Computus},
    {"concurrente", Kind::Computus},
    {"concurrentes", Kind::Computus},
    {"concurrentibus", Kind::Computus},
    {"condita", Kind::Formula, City},
    {"conditae", Kind::Formula, City},
    {"condite", Kind::Formula, City},
    {"cons", Kind::Consul},
    {"consecracionis", Kind::Reign}, // consecrationis nostrae anno secundo: a bishop's years
    {"consecrationis", Kind::Reign},
    {"consolatu", Kind::Consul},
    {"conss", Kind::Consul},
    {"consul", Kind::Consul},
    {"consulatu", Kind::Consul},
    {"consulatum", Kind::Consul},
    {"consule", Kind::Consul},
    {"consulibus", Kind::Consul},
    {"cos", Kind::Consul},
    {"coss", Kind::Consul},
    {"crast", Kind::Church}, // crast. Andree: cut short, as registers write it
    {"crastina", Kind::Church},
    {"crastino", Kind::Church},
    {"crastinum", Kind::Church},
    {"css", Kind::Consul},
    {"cyclo", Kind::Computus},
    {"cyclus", Kind::Computus},
    {"d", Kind::D},
    {"d", Kind::Given}, // D. for data, in Cicero's letters
    {"dabam", Kind::Given},
    {"dat", Kind::Given},
    {"data", Kind::Given},
    {"datae", Kind::Given},
    {"datum", Kind::Given},
    {"dei", Kind::Formula, Unmarked}, // anno ab incarnatione filii Dei
    {"diae", Kind::Die},
    {"die", Kind::Die},
    {"diei", Kind::Diei},
    {"diem", Kind::Diem},
    {"dies", Kind::Die},
    {"dni", Kind::Formula, Christian},
    {"dnice", Kind::Formula, Christian},
    {"dom", Kind::Formula, Christian},
    {"domenica", Kind::Weekday, 0},      // as an Italian or a Swedish scribe spelt it
    {"domin", Kind::Formula, Christian}, // Anno Domin. incarnat.
    {"domini", Kind::Formula, Christian},
    {"dominica", Kind::Weekday, 0},
    {"dominicae", Kind::Formula, Christian},
    {"dominice", Kind::Formula, Christian},
    {"dominico", Kind::Weekday, 0},
    {"dominicum", Kind::Weekday, 0},
    {"ducatu", Kind::Reign}, // ducatus nostri anno sexto: a duke's year
    {"ducatus", Kind::Reign},
    {"ducis", Kind::Reign}, // anno gloriosissimi ducis Oatilonis VIII
    {"eid", Kind::Reference, Ides},
    {"eidibus", Kind::Reference, Ides},
    {"eidus", Kind::Reference, Ides},
    {"eiduum", Kind::Reference, Ides},
    {"eiusdem", Kind::Formula, Unmarked}, // anno eiusdem (Domini)
    {"electionis", Kind::Reign}, // electionis nostre anno II: an abbot's, a bishop elect's years
    {"eodem", Kind::AsAbove},
    {"epacta", Kind::Computus},
    {"epactae", Kind::Computus},
    {"epacte", Kind::Computus},
    {"episcopatus", Kind::Reign},
    {"era", Kind::Era},
    {"et", Kind::Et},
    {"etc", Kind::Formula, Unmarked}, // anno etc. millesimo: the formula left out
    {"fastis", Kind::Calendar},       // fastis Iulianis
    {"feneris", Kind::DayName, 5},    // in die feneris, f for v
    {"fer", Kind::Feria},
    {"feria", Kind::Feria},
    {"feriae", Kind::Feria},
    {"feriam", Kind::Feria}, // notavi diem quartam feriam
    {"ferie", Kind::Feria},
    {"ferya", Kind::Feria},
    {"festi", Kind::Church},
    {"festiuitate", Kind::Church},
    {"festiuitatem", Kind::Church},
    {"festo", Kind::Church},
    {"festum", Kind::Church},
    {"fferie", Kind::Feria},
    {"filii", Kind::Formula, Unmarked},
    {"filio", Kind::Formula, Unmarked},      // ab incarnato Dei filio
    {"florentina", Kind::Style, Florentine}, // more florentino, stilo florentino: from 25 March
    {"florentinam", Kind::Style, Florentine},
    {"florentino", Kind::Style, Florentine},
    {"florentinorum", Kind::Style, Florentine},
    {"florentinos", Kind::Style, Florentine}, // secundum Florentinos
    {"florentinum", Kind::Style, Florentine},
    {"gallicano", Kind::Style, Easter}, // more gallicano: from Easter
    {"gallicanum", Kind::Style, Easter},
    {"gr", Kind::Formula, Christian}, // a. gr. 1243, anno gratiae in Hungarian regests
    {"graciae", Kind::Formula, Christian},
    {"gracie", Kind::Formula, Christian},
    {"gratia", Kind::Formula, Christian},
    {"gratiae", Kind::Formula, Christian},
    {"gratie", Kind::Formula, Christian},
    {"gregoriani", Kind::Calendar, static_cast<std::int8_t>(Calendar::Gregorian)},
    {"gregorianis", Kind::Calendar, static_cast<std::int8_t>(Calendar::Gregorian)},
    {"gregoriano", Kind::Calendar, static_cast<std::int8_t>(Calendar::Gregorian)},
    {"gregorianum", Kind::Calendar, static_cast<std::int8_t>(Calendar::Gregorian)},
    {"gubernacionis", Kind::Reign},
    {"gubernationis", Kind::Reign},
    {"hor", Kind::Hour},
    {"hora", Kind::Hour},
    {"horae", Kind::Hour},
    {"horam", Kind::Hour},
    {"horis", Kind::Hour},
    {"humanitatis", Kind::Formula, Christian},
    {"i", Kind::I},
    {"id", Kind::Reference, Ides},
    {"idib", Kind::Reference, Ides},
    {"idibus", Kind::Reference, Ides},
    {"idus", Kind::Reference, Ides},
    {"iduum", Kind::Reference, Ides},
    {"iesu", Kind::Formula, Christian},
    {"igitur", Kind::Connective}, // Anno igitur ab incarnatione Domini
    {"ihesu", Kind::Formula, Christian},
    {"imper", Kind::Reign}, // Ottonis III. imper.
    {"imperante", Kind::Reigning},
    {"imperantis", Kind::Reign}, // regnantis VIII, imperantis vero V
    {"imperatore", Kind::Reign},
    {"imperatoris", Kind::Reign},
    {"imperii", Kind::Reign},
    {"imperio", Kind::Reign},
    {"in", Kind::In},
    {"incarn", Kind::Formula, Incarnation},
    {"incarnacione", Kind::Formula, Incarnation},
    {"incarnacionis", Kind::Formula, Incarnation},
    {"incarnat", Kind::Formula, Incarnation},
    {"incarnati", Kind::Formula, Incarnation}, // anno Verbi incarnati
    {"incarnatione", Kind::Formula, Incarnation},
    {"incarnationem", Kind::Formula, Incarnation},
    {"incarnationis", Kind::Formula, Incarnation},
    {"incarnato", Kind::Formula, Incarnation},
    {"ind", Kind::Indiction},
    {"indic", Kind::Indiction},
    {"indiccione", Kind::Indiction},
    {"indicione", Kind::Indiction},
    {"indicionis", Kind::Indiction},
    {"indict", Kind::Indiction},
    {"indictio", Kind::Indiction},
    {"indiction", Kind::Indiction}, // indiction. XIa
    {"indictione", Kind::Indiction},
    {"indictionem", Kind::Indiction}, // notavi ... indictionem XIII
    {"indictionis", Kind::Indiction},
    {"indit", Kind::Indiction},
    {"inditione", Kind::Indiction},
    {"infra", Kind::In},
    {"infrascripta", Kind::AsAbove}, // anno infrascripto: the year written below
    {"infrascriptis", Kind::AsAbove},
    {"infrascripto", Kind::AsAbove},
    {"inter", Kind::NearHour}, // inter terciam et nonam
    {"iovis", Kind::DayName, 4},
    {"itaque", Kind::Connective},
    {"iubilaei", Kind::Formula, Christian}, // anno Iubilaei MCML, a jubilee's year of the Lord
    {"iubilei", Kind::Formula, Christian},
    {"iuliani", Kind::Calendar, static_cast<std::int8_t>(Calendar::Julian)},
    {"iulianis", Kind::Calendar, static_cast<std::int8_t>(Calendar::Julian)},
    {"iuliano", Kind::Calendar,
     static_cast<std::int8_t>(
         Calendar::Julian)}, // stilo Iuliano (alone, a name: Salvio Iuliano cos.)
    {"iulianum", Kind::Calendar, static_cast<std::int8_t>(Calendar::Julian)},
    {"k", Kind::Reference, Calends},
    {"kal", Kind::Reference, Calends},
    {"kalen", Kind::Reference, Calends},
    {"kalend", Kind::Reference, Calends},
    {"kalendae", Kind::Reference, Calends},
    {"kalendarum", Kind::Reference, Calends},
    {"kalendas", Kind::Reference, Calends},
    {"kalende", Kind::Reference, Calends},  // kalende for kalendae, as e stands for ae
    {"kalendes", Kind::Reference, Calends}, // XI. kalendes: the Carolingian scribes' spelling
    {"kalendis", Kind::Reference, Calends},
    {"kales", Kind::Reference, Calends},
    {"kallend", Kind::Reference, Calends},
    {"kallendas", Kind::Reference, Calends},
    {"kallendis", Kind::Reference, Calends},
    {"kals", Kind::Reference, Calends},
    {"ki", Kind::Reference, Calends}, // Kl. with its l misread: sexta KI martii
    {"kl", Kind::Reference, Calends},
    {"lecta", Kind::Posted},
    {"lun", Kind::Computus}, // lun. IIII
    {"luna", Kind::Computus},
    {"lunae", Kind::DayName, 1},
    {"lune", Kind::DayName, 1},
    {"lunis", Kind::DayName, 1}, // die lunis, in the charters of St Gall
    {"m", Kind::Mensis},         // die XVII m. Martii
    {"martis", Kind::DayName, 2},
    {"mens", Kind::Mensis},
    {"mense", Kind::Mensis},
    {"menses", Kind::Mensis},
    {"mensi", Kind::Mensis}, // die 10, mensi iunii: a notary's dative
    {"mensis", Kind::Mensis},
    {"mercuri", Kind::DayName, 3},
    {"mercurii", Kind::DayName, 3},
    {"mill", Kind::Thousand}, // mill°, millesimo cut short
    {"mille", Kind::Thousand},
    {"mundi", Kind::World},
    {"nat", Kind::Formula, Nativity},
    {"natale", Kind::Church}, // natale sancti Mathei: his feast
    {"natali", Kind::Formula, Nativity},
    {"natalis", Kind::Formula, Nativity},
    {"nativitate", Kind::Formula, Nativity},
    {"nativitatis", Kind::Formula, Nativity},
    {"nato", Kind::Formula, Unmarked},
    {"natum", Kind::Formula, Unmarked},
    {"noctis", Kind::Noctis},
    {"non", Kind::Reference, Nones},
    {"nonae", Kind::Reference, Nones},
    {"nonarum", Kind::Reference, Nones},
    {"nonas", Kind::Reference, Nones},
    {"nones", Kind::Reference, Nones}, // pridie nones iulii
    {"nonis", Kind::Reference, Nones},
    {"nostrae", Kind::Formula, Unmarked}, // anno nostrae salutis
    {"nostre", Kind::Formula, Unmarked},
    {"nostri", Kind::Formula, Unmarked},
    {"nouo", Kind::Calendar,
     static_cast<std::int8_t>(Calendar::Gregorian)}, // novo calculo, stilo novo
    {"nr", Kind::Numbered},
    {"nro", Kind::Numbered},
    {"nuntiatus", Kind::Consul}, // et qui fuerit nuntiatus: the consul not yet known
    {"octaba", Kind::Church},
    {"octabas", Kind::Church},
    {"octabis", Kind::Church},
    {"octaua", Kind::Church},
    {"octauam", Kind::Church},
    {"octauas", Kind::Church},
    {"octauis", Kind::Church},
    {"ordinacionis", Kind::Reign},
    {"ordinatione", Kind::Reign},
    {"ordinationis", Kind::Reign}, // ordinationis eius XXII: a king's years from his anointing
    {"papa", Kind::Pope},          // Gregorio papa VII
    {"papae", Kind::Pope},
    {"pape", Kind::Pope},
    {"partu", Kind::Formula, Christian}, // anno a partu Virginis, a virgineo partu
    {"partus", Kind::Formula, Christian},
    {"patriarchatus", Kind::Reign},
    {"penult", Kind::Last},    // die penult. Maii, cut short
    {"penultima", Kind::Last}, // the day before the month's last
    {"penultimi", Kind::Last},
    {"penultimo", Kind::Last},
    {"penulto", Kind::Last}, // Londini penulto Iunii
    {"piaetatis", Kind::Reign},
    {"pietatis", Kind::Reign},      // anno pietatis eius nono: the Lombard kings' years
    {"pis", Kind::Style, Pisan},    // st. pis.
    {"pisana", Kind::Style, Pisan}, // more pisano: from 25 March, the year before
    {"pisanam", Kind::Style, Pisan},
    {"pisano", Kind::Style, Pisan},
    {"pisanorum", Kind::Style, Pisan},
    {"pisanos", Kind::Style, Pisan}, // secundum Pisanos
    {"pisanum", Kind::Style, Pisan},
    {"pont", Kind::Reign},
    {"pontif", Kind::Reign},
    {"pontificatu", Kind::Reign},
    {"pontificatus", Kind::Reign},
    {"post", Kind::Formula, Christian}, // post Christum natum
    {"postera", Kind::Church},          // postera die sancti Iacobi: the morrow
    {"postero", Kind::Church},
    {"postr", Kind::Postridie},
    {"postrema", Kind::Last}, // postrema Januarii: the last day
    {"postrid", Kind::Postridie},
    {"postridiae", Kind::Postridie},
    {"postridie", Kind::Postridie},
    {"pp", Kind::Posted},
    {"pr", Kind::Pridie},
    {"praedicta", Kind::AsAbove},
    {"praedictis", Kind::AsAbove}, // anno et pontificatu praedictis
    {"praedicto", Kind::AsAbove},
    {"praelaturae", Kind::Reign},
    {"praesulatus", Kind::Reign},
    {"predicta", Kind::AsAbove},
    {"predictis", Kind::AsAbove},
    {"predicto", Kind::AsAbove},
    {"predie", Kind::Pridie},
    {"prefesto", Kind::Church}, // profesto: the eve
    {"prelaturae", Kind::Reign},
    {"prelature", Kind::Reign}, // prelature nostre anno V: a prelate's years
    {"presulatus", Kind::Reign},
    {"prid", Kind::Pridie},
    {"pridiae", Kind::Pridie}, // ae for e, as in "dominicae"
    {"pridie", Kind::Pridie},
    {"principatus", Kind::Reign},
    {"profesto", Kind::Church},   // the eve of a feast
    {"propitio", Kind::Reigning}, // anno Christo propitio imperii ...: a reign's year follows
    {"proposita", Kind::Posted},
    {"quoque", Kind::Connective}, // anno quoque DCCLXII ab incarnatione Domini
    {"recitata", Kind::Posted},
    {"reformato", Kind::Calendar, static_cast<std::int8_t>(Calendar::Gregorian)},
    {"regiminis", Kind::Reign}, // regiminis nostri anno X: an abbot's, a doge's years
    {"regis", Kind::Reign},
    {"regnante", Kind::Reigning},
    {"regnantibus", Kind::Reigning},
    {"regnantis", Kind::Reign}, // anno tertii Ottonis regnantis XV
    {"regni", Kind::Reign},
    {"regno", Kind::Reign},
    {"regnorum", Kind::Reign},
    {"regum", Kind::Reign},
    {"reparatae", Kind::Formula, Christian},
    {"reparate", Kind::Formula, Christian},
    {"sabatho", Kind::Weekday, 6}, // and as scribes spelt it with one b
    {"sabati", Kind::Weekday, 6},
    {"sabato", Kind::Weekday, 6},
    {"sabatti", Kind::Weekday, 6},
    {"sabbathi", Kind::Weekday, 6},
    {"sabbatho", Kind::Weekday, 6},
    {"sabbati", Kind::Weekday, 6},
    {"sabbato", Kind::Weekday, 6},
    {"sabbatum", Kind::Weekday, 6},
    {"saluatoris", Kind::Formula, Christian}, // anno Salvatoris MDXV
    {"salutis", Kind::Formula, Christian},
    {"saturni", Kind::DayName, 6},
    {"scr", Kind::Given},
    {"scripta", Kind::Given},
    {"scriptum", Kind::Given},
    {"sequente", Kind::Church}, // sequenti die beati Luce: the morrow
    {"sequenti", Kind::Church},
    {"solis", Kind::DayName, 0},
    {"st", Kind::Calendar}, // st. v., st. n.: the style cut short
    {"stil", Kind::Calendar},
    {"stili", Kind::Calendar},
    {"stilo", Kind::Calendar},
    {"stilum", Kind::Calendar},
    {"styl", Kind::Calendar},
    {"styli", Kind::Calendar},
    {"stylo", Kind::Calendar},
    {"stylum", Kind::Calendar},
    {"sub", Kind::Sub},
    {"subsequenti", Kind::Church},
    {"supra", Kind::AsAbove},
    {"supradicta", Kind::AsAbove},
    {"supradictis", Kind::AsAbove}, // anno et loco supradictis
    {"supradicto", Kind::AsAbove},
    {"suprascripta", Kind::AsAbove}, // indictione suprascripta
    {"suprascriptis", Kind::AsAbove},
    {"suprascripto", Kind::AsAbove},
    {"veneris", Kind::DayName, 5},
    {"veneto", Kind::Style, Venetian}, // more veneto: from 1 March
    {"venetorum", Kind::Style, Venetian},
    {"venetum", Kind::Style, Venetian},
    {"verbi", Kind::Formula, Incarnation},
    {"vero", Kind::Connective},
    {"uetere", Kind::Calendar, static_cast<std::int8_t>(Calendar::Julian)},
    {"ueteri", Kind::Calendar, static_cast<std::int8_t>(Calendar::Julian)},
    {"ueteris", Kind::Calendar,
     static_cast<std::int8_t>(Calendar::Julian)}, // XVI Maii veteris (styli)
    {"uig", Kind::Church},                        // vig. Mathie
    {"uigil", Kind::Church},
    {"uigilia", Kind::Church},
    {"uigiliae", Kind::Church},
    {"uigiliam", Kind::Church},
    {"uigilie", Kind::Church},
    {"virginei", Kind::Formula, Christian}, // anno virginei partus
    {"virgineo", Kind::Formula, Christian},
    {"virginis", Kind::Formula, Unmarked}, // a partu Virginis
    {"uix", Kind::Lived},
    {"uixit", Kind::Lived},
    {"uixsit", Kind::Lived},
    {"ult", Kind::Last},
    {"ultima", Kind::Last},
    {"ultimi", Kind::Last},
    {"ultimo", Kind::Last},
    {"urbe", Kind::Formula, City},
    {"urbis", Kind::Formula, City},
    {"usque", Kind::NearHour}, // usque ad nonam
    {"xpi", Kind::Formula, Christian},
    {"yd", Kind::Reference, Ides},
    {"ydibus", Kind::Reference, Ides},
    {"ydus", Kind::Reference, Ides},
    {"yduum", Kind::Reference, Ides},
});

// Words compared as they are read: V as U.
constexpr char Read(char c) {
    return c == 'v' ? 'u' : c;
}

constexpr bool KeyLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Read(x) < Read(y); });
}

constexpr bool InOrder() {
    for (std::size_t i = 1; i < Keywords.size(); ++i)
        if (KeyLess(Keywords[i].word, Keywords[i - 1].word))
            return false;
    return true;
}
static_assert(InOrder(), "the keywords are listed in alphabetical order, V read as U");

} // namespace

std::span<const Keyword> AllKeywords() {
    return Keywords;
}

} // namespace tempidex
