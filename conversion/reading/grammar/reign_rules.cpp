// The rules that read the years a clause names without giving one of ours: of a reign or a
// pontificate, of consuls, of an event, "as above".
#include "rules.h"
#include "year_phrases.h"

#include <algorithm>

namespace tempidex {

namespace {

// "quarto regni nostri", "tertio regni domni Heinrici": a reign's year right before its word,
// with no "anno".
void YearOfAReignWithoutAnno(const Words &words, std::size_t at, Phrases &phrases) {
    // After a year's number it may end the year as well ("anno Domini MCCLXXX quarto regni
    // nostri", 1284 or 1280), after a named day count its days ("nonas augusti tertio regni
    // nostri"): both are read, and where they differ the line is refused.
    // (not where the reign's own year follows it: "quinto pontificatus nostri anno secundo",
    // "primo pontificatus domini Innocencii pape VI anno quarto")
    // (and past the titles and commas between: "regni quoque regis nostri incliti, anno. xxij.";
    // nor after "et", a count joined to the one before it, nor within the count of an "anno",
    // which the rules of "anno" read: "anno quarto decimo et nono regni nostri")
    bool reign = false; // a reign's word within the next few: most numbers have none
    for (std::size_t i = at + 1; i < words.size() && i <= at + 4 && !words.parted(i) && !reign; ++i)
        reign = words.is(i, Kind::Reign);
    if (!reign)
        return;
    const auto yearFollows = [&words](std::size_t from) {
        for (std::size_t j = from; j < words.size() && j < from + 12; ++j)
            if (words.is(j, Kind::Anno) || words.mayBeNumber(j) || words.numeralOf(j) > 0)
                return true;
        return false;
    };
    std::size_t first = at; // where the small numbers before it begin
    const auto small = [&words](std::size_t i) {
        const int value = std::max({words.ordinalOf(i), words.numeralOf(i), words.digitsOf(i)});
        return words.is(i, Kind::Et) ||
               ((words.mayBeNumber(i) || words.numeralOf(i) > 0) && value > 0 && value < 100);
    };
    while (first >= 1 && !words.parted(first) && small(first - 1))
        --first;
    const bool counted =
        (at >= 1 && !words.parted(at) && words.is(at - 1, Kind::Et)) ||
        (first >= 1 && first < at && !words.parted(first) && words.is(first - 1, Kind::Anno));
    for (const YearNumber &number : counted ? YearNumbers{} : YearNumbersFrom(words, at))
        if (MayBeAReignsYear(number) && words.is(number.end, Kind::Reign) &&
            !words.parted(number.end) && !yearFollows(number.end + 1)) {
            std::size_t end = number.end + 1;
            if (end < words.size() && !words.parted(end) &&
                IsOneOf(words[end].key, {"nostri", "eius", "sui", "nostro", "suo"}))
                ++end;
            phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, end));
        }
}

// Primo anno regnante Karlo; V annum Hludowici regis; VI autem anno Stephani pape: a reign's
// year before "anno", the ruler and his title after it. The phrase ends before the title,
// which may begin a phrase of its own (pape V).
void YearBeforeAnno(const Words &words, std::size_t at, Phrases &phrases) {
    YearOfAReignWithoutAnno(words, at, phrases);
    // The count begins here: "anno domini MCCCXL primo anno regni nostri" ends a year of the
    // Lord with "primo", and a reign's year that took it would leave 1340.
    if (at >= 1 && !words.parted(at) && words.mayBeNumber(at - 1))
        return;
    bool anno = false; // "anno" within a few words, no comma before it
    for (std::size_t i = at + 1; i < words.size() && i <= at + 4 && !words.parted(i) && !anno; ++i)
        anno = words.is(i, Kind::Anno);
    if (!anno)
        return;
    for (const YearNumber &number : YearNumbersFrom(words, at)) {
        if (!MayBeAReignsYear(number))
            continue;
        // VIII et secundo anno regni nostri: two reigns' years before it
        Ends ends = JoinedCountEnds(words, number.end);
        ends.push_back(number.end);
        for (std::size_t i : ends) {
            if (words.is(i, Kind::Connective) && !words.parted(i))
                ++i;
            // sexto ducatus nostri anno: the reign named between the number and "anno"
            if (words.is(i, Kind::Reign) && !words.parted(i)) {
                std::size_t anno = i + 1;
                if (anno < words.size() && !words.parted(anno) &&
                    IsOneOf(words[anno].key, {"nostri", "eius", "sui", "nostro", "suo"}))
                    ++anno;
                if (words.is(anno, Kind::Anno) && !words.parted(anno))
                    phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, anno + 1));
                continue;
            }
            if (!words.is(i, Kind::Anno) || words.parted(i))
                continue;
            // The ruler's name and his title, in a few words: names are no keywords
            for (std::size_t end = i + 1; end < words.size() && end <= i + 4 && !words.parted(end);
                 ++end) {
                if (words.is(end, Kind::Reign) || words.is(end, Kind::Reigning) ||
                    words.is(end, Kind::Pope)) {
                    phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, end));
                    break;
                }
                if (words.kindsOf(end) != 0)
                    break;
            }
        }
    }
}

// Where the longest year of a reign written from word `number` ends; 0 for none.
std::size_t ReignYearEnd(const Words &words, std::size_t number) {
    std::size_t end = 0;
    for (const YearNumber &year : YearNumbersFrom(words, number))
        if (MayBeAReignsYear(year) && year.end > end)
            end = year.end;
    return end;
}

// A king of several kingdoms counts a year in each: "regnorum nostrorum anno Hungarie XXXVII,
// Romanorum XIII et Bohemie quarto". After the first, each kingdom's name (or "vero",
// "imperii", "etc.") and its year, to the last: every number a year of a reign, none ours.
void MoreKingdoms(const Words &words, std::size_t at, std::size_t from, Phrases &phrases) {
    const auto between = [&words](std::size_t i) {
        const std::uint64_t kinds = words.kindsOf(i) & ~KindsOf({Kind::Capital});
        return words.monthOf(i) == 0 && !words.mayBeNumber(i) && !words[i].gloss &&
               !words.runOn(i) &&
               (kinds == 0 || words.is(i, Kind::Connective) || words.is(i, Kind::Et) ||
                words.is(i, Kind::Reign) || words[i].key == "etc");
    };
    for (std::size_t i = from; i < words.size();) {
        std::size_t number = i;
        while (number < words.size() && number < i + 3 && between(number))
            ++number;
        if (number == i || !words.mayBeNumber(number))
            return;
        const std::size_t end = ReignYearEnd(words, number);
        if (end == 0)
            return;
        phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, end));
        i = end;
    }
}

// The emperors' chancery counts a year of each of his dignities, one after another: "anno autem
// domni Heinrici tercii regis, ordinationis eius XXII, regni quidem XII, imperii autem V". After
// a reign's year, each word of a reign and its year (with "eius" or a connective) go on
// the same phrase, with a comma before it or none (imperatoris secundi ordinatione eius XX): every
// number a year of a reign, none ours.
void MoreReigns(const Words &words, std::size_t at, std::size_t from, Phrases &phrases) {
    for (std::size_t i = from; i < words.size() && words.is(i, Kind::Reign);) {
        std::size_t number = i + 1;
        while (number < i + 3 && number < words.size() && !words.parted(number) &&
               (words.is(number, Kind::Connective) || words[number].key == "eius"))
            ++number;
        if (words.parted(number) || !words.mayBeNumber(number))
            return;
        const std::size_t end = ReignYearEnd(words, number);
        if (end == 0)
            return;
        phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, end));
        i = end;
    }
}

} // namespace

void ReignRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (words.isNumber(at))
        return YearBeforeAnno(words, at, phrases);
    // pontificatus nostri anno decimo; anno pontificatus nostri quarto; regni nostri anno XIII;
    // anno domni Ludovici, regis Junioris, secundo; regnante domino nostro Ottone rege anno
    // XIII. The words between are names and titles.
    const bool anno = words.is(at, Kind::Anno);
    const bool reign = words.is(at, Kind::Reign);
    const bool reigning = words.is(at, Kind::Reigning);
    if (!anno && !reign && !reigning)
        return;
    // a reign named before the number; or the year of the one just named: anno eius septimo,
    // anno suo nono, anno sui regiminis sexto
    const std::string_view his = anno && at + 1 < words.size() ? words[at + 1].key : "";
    // (anno r. n. XII: regni nostri, as the English chancery abbreviates it)
    const auto letter = [&words](std::size_t i, std::string_view text) {
        return i < words.size() && words[i].text == text && words[i].dotted && !words.parted(i);
    };
    bool named = reign || reigning || his == "eius" || his == "suo" || his == "sui" ||
                 (anno && letter(at + 1, "r") && letter(at + 2, "n"));
    const std::size_t most = reigning ? 10 : 8;
    const bool kingdoms = words[at].key == "regnorum"; // Regnorum nostrorum, Romani quarto, ...
    bool lordNamed = false; // a ruler named as "the lord": his titles may stand between commas
    for (std::size_t i = at + 1; i < words.size() && i <= at + most; ++i) {
        if (words.parted(i) && reign && !kingdoms && !lordNamed)
            return;
        // (nor past the words of a day: "regni eius sub die mensis mad. VIIII" is the 9 May)
        if (words.is(i, Kind::Reference) || words.is(i, Kind::Given) ||
            (anno && words.is(i, Kind::Anno)) || words.is(i, Kind::Die) ||
            words.is(i, Kind::Mensis))
            return;
        // (nor past a numeral written wrong: "anno domini mccxdix pontificatus domini Bonifacii
        // pape VIII", "anno domini rnccxcix ..." and "anno dominimccci. pontificatus ..." have lost
        // their year, and VIII is the pope's)
        if (words.garbledNumeral(i) || words.runOn(i) ||
            (words.unreadableNumeral(i) != Words::Unreadable::No && words[i].text.size() >= 4 &&
             words[i].text[0] == 'm'))
            return;
        // "pontificatus nostri anno quarto, anno Domini MDXX": the year of the Lord is not ours;
        // nor is a year of the Incarnation or the Nativity after the king's name ("regnante
        // Heinrico rege. Ab incarnatione domini anno DCCCCXXXI")
        const YearCount formula =
            words.is(i, Kind::Formula) ? words.classOf(i).formula : YearCount::Unmarked;
        if ((words.is(i, Kind::Anno) && words.is(i + 1, Kind::Formula) &&
             words.classOf(i + 1).formula != YearCount::Unmarked) ||
            formula == YearCount::Incarnation || formula == YearCount::Nativity)
            return;
        // anno domni Ludouuici III: a ruler named as "the lord" is a reign named too; and
        // after a reign's word, "episcopatus autem domni Gaufridi, Carnotensis episcopi,
        // vigesimo quarto" goes on past his titles' commas
        const bool afterReign =
            (reign || reigning) &&
            (i == at + 2 || (i == at + 3 && words.is(at + 1, Kind::Connective)));
        const bool lord = (anno ? i == at + 2 : afterReign) && !words.parted(i) &&
                          words.nameLike(i) && !words.mayBeNumber(i) &&
                          (words[i - 1].key == "domni" || words[i - 1].key == "domini" ||
                           words[i - 1].key == "domno");
        lordNamed = lordNamed || (lord && !anno);
        named = named || words.is(i, Kind::Reign) || words.is(i, Kind::Reigning) || lord;
        // Ottonis tertii, secundi Heinrici, Lucii pape tercii: the ruler's number, in the
        // genitive of his name or title; a year after "anno" agrees with it (tertio, octavo)
        const bool rulersNumber =
            words.ordinalOf(i) > 0 && words.numeralOf(i) == 0 && words[i].text.ends_with('i') &&
            (words[i - 1].capital || (i + 1 < words.size() && words[i + 1].capital) ||
             words.is(i - 1, Kind::Pope));
        // (and Innocentii pape IIII septimo: his number in numerals, the year after it)
        const bool popesNumeral = words.is(i - 1, Kind::Pope) && words.numeralOf(i) > 0 &&
                                  !words.parted(i + 1) && words.mayBeNumber(i + 1);
        if ((!words.isNumber(i) && words.numeralOf(i) == 0) || rulersNumber || popesNumeral)
            continue;
        if (!named)
            return; // anno MCCXX: no reign's
        // et Hlodhario in Baiouuaria regnante primo: the reign's year right after the word
        // (imperante vero ii: a connective between)
        const bool rightAfter = i == at + 1 || (i == at + 2 && words.is(at + 1, Kind::Connective) &&
                                                !words.parted(at + 1));
        if (reigning && rightAfter && !words.parted(i))
            for (const YearNumber &number : YearNumbersFrom(words, i))
                if (MayBeAReignsYear(number))
                    phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, number.end));
        if (reigning && !words.is(i - 1, Kind::Anno)) {
            // regnante Hænrico rege xviii anno: the number right before "anno"; any other
            // number after "regnante" is no year of the reign
            for (const YearNumber &number : YearNumbersFrom(words, i))
                if (MayBeAReignsYear(number) && words.is(number.end, Kind::Anno) &&
                    !words.parted(number.end))
                    phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, number.end + 1));
            // "regnante ... rege Philippo II, regni eius anno secundo": a number right after
            // the ruler's name, a comma after it, is his number or his reign's year, ours in
            // neither reading
            for (const YearNumber &number : YearNumbersFrom(words, i))
                if (MayBeAReignsYear(number) && words.nameLike(i - 1) && !words.parted(i) &&
                    (number.end == words.size() || words.parted(number.end)))
                    phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, number.end));
            return;
        }
        // (right before a named day or "die", a number may count the day's as well: "anno
        // pontificatus domini Clementis pape VI XII Kal. Septembris", "... pape VI vigesimo
        // tercio die mensis Septembris". The reign is read without it too, and where the two
        // readings name two days the line is refused.)
        for (const NumberRead &count : words.parted(i) ? Counts{} : CountsFrom(words, i))
            if (!words.parted(count.end) &&
                (words.is(count.end, Kind::Reference) || words.is(count.end, Kind::Die))) {
                phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, i));
                break;
            }
        for (const YearNumber &number : YearNumbersFrom(words, i)) {
            // (past a comma, a number before a named day counts its days: "anno Christo
            // propitio, iiii idus junias"; and one that another goes on is a count of its own,
            // never split: "anno pontificatus nostri, tertio decimo kalendas maii")
            if (!MayBeAReignsYear(number) ||
                (words.parted(i) && (words.is(number.end, Kind::Reference) ||
                                     (words.mayBeNumber(number.end) && !words.parted(number.end)))))
                continue;
            phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, number.end));
            for (const std::size_t joined : JoinedCountEnds(words, number.end))
                phrases.push_back(ElsewherePhrase(YearElsewhere::Reign, at, joined));
            // (regni nostri Franciae XVII, Angliae vero XXX: a kingdom named before the
            // year, the others after it)
            if (kingdoms ||
                (words.nameLike(i - 1) && (words.kindsOf(i - 1) & ~KindsOf({Kind::Capital})) == 0))
                MoreKingdoms(words, at, number.end, phrases);
            else
                MoreReigns(words, at, number.end, phrases);
        }
        return;
    }
}

void YearElsewhereRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (words.is(at, Kind::Anno)) {
        std::size_t i = at + 1;
        while (i < at + 4 && words.is(i, Kind::Formula) && !words.parted(i))
            ++i;
        // anno ut supra, anno quo supra, anno praedicto, anno eodem; and what else is dated
        // with the year: anno, indictione et pontificatu quibus supra; anno et loco supradictis
        std::size_t j = i;
        while (j < i + 4 && (j == i || !words.parted(j)) &&
               (words.is(j, Kind::Indiction) || words.is(j, Kind::Et) || words.is(j, Kind::Reign) ||
                (j < words.size() && IsOneOf(words[j].key, {"loco", "die", "mense", "tempore"}))))
            ++j;
        const bool ut =
            j < words.size() && !words.parted(j) &&
            (words[j].text == "ut" || words[j].text == "quo" || words[j].text == "quibus");
        // (and anno infrascripto, the year written further on)
        if (const std::size_t as = j + (ut ? 1 : 0);
            words.is(as, Kind::AsAbove) && !words.parted(as))
            phrases.push_back(ElsewherePhrase(
                words[as].key.starts_with("infra") ? YearElsewhere::Below : YearElsewhere::AsAbove,
                at, as + 1));
        // anno mundi VIDCCC: a year of the world, not of ours
        if (words.is(i, Kind::World) && !words.parted(i))
            for (const YearNumber &number : YearNumbersFrom(words, i + 1))
                phrases.push_back(ElsewherePhrase(YearElsewhere::World, at, number.end));
    }
    // in ipso anno quo filius eius ... accepit, illo anno quando voluit rex Salomon Romam ire:
    // the year of an event the clause tells
    if (words.is(at, Kind::Anno) && at + 1 < words.size() &&
        (words[at + 1].key == "quo" || words[at + 1].key == "quando") && !words.parted(at + 1) &&
        !words.is(at + 2, Kind::AsAbove))
        phrases.push_back(ElsewherePhrase(YearElsewhere::Anniversary, at, at + 2));
    if (words.is(at, Kind::AsAbove) && words.is(at + 1, Kind::Anno) && !words.parted(at + 1))
        phrases.push_back(ElsewherePhrase(YearElsewhere::AsAbove, at, at + 2)); // eodem anno
    // decimo a Dogmatica Definitione: a count of years from an event
    const bool from =
        words.is(at + 1, Kind::A) || (at + 1 < words.size() && words[at + 1].text == "ab");
    if (words.ordinalOf(at) > 0 && from && at + 2 < words.size() && !words.parted(at + 1) &&
        words.nameLike(at + 2))
        phrases.push_back(ElsewherePhrase(YearElsewhere::Anniversary, at, at + 2));
}

namespace {

// Whether consuls' names, words [begin, end), are written as the Republic's were: a first
// name cut to its letters before each family name ("Q. Metello, L. Afranio coss."), and no mark
// of the Empire: an Augustus ("Honorio A. VIII", "AA.", "Aug."), "d. n.", "dd. nn.", a
// clarissimus (v. c., vv. cc.), a Flavius, a consulate counted after. The Republic's A. is
// Aulus, before a name ("A. Gabinio").
bool RepublicsConsuls(const Words &words, std::size_t begin, std::size_t end) {
    bool firstName = false;
    // (the phrase may begin after the first name: "Kal. Febr. M. Pisone", M. a month cut too)
    for (std::size_t i = begin > 0 && !words.parted(begin) ? begin - 1 : begin;
         i < end && i < words.size(); ++i) {
        const std::string_view key = words[i].key;
        const bool beforeName =
            i + 1 < words.size() && words.nameLike(i + 1) && !words.parted(i + 1);
        if ((key == "a" && !beforeName) ||
            IsOneOf(key, {"aa", "aaa", "aug", "augg", "auggg", "augusto", "augustis", "dn", "dd",
                          "nn", "ddnn", "imp", "imperatore", "uc", "uucc", "cc", "fl", "post"}) ||
            (key == "u" && i + 1 < end && words[i + 1].key == "c") ||
            (key == "d" && i + 1 < end && words[i + 1].key == "n"))
            return false;
        firstName = firstName || (words[i].capital && words[i].dotted && beforeName &&
                                  IsOneOf(key, {"a", "ap", "c", "cn", "d", "k", "l", "m", "n", "p",
                                                "q", "ser", "sex", "sp", "t", "ti"}));
    }
    return firstName;
}

} // namespace

void ConsulsRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Consul))
        return;
    // "sub die consule quod est": the day, in the charters of Freising, and no consuls
    if (at >= 1 && words.is(at - 1, Kind::Die)) {
        const bool which = at + 2 < words.size() && words[at + 1].text == "quod" &&
                           (words[at + 2].text == "est" || words[at + 2].text == "facit");
        phrases.push_back(ElsewherePhrase(YearElsewhere::None, at - 1, which ? at + 3 : at + 1));
        phrases.back().kind = PhraseKind::Skip;
        return;
    }
    // A date's own words (its count too), an indiction's, a verb or a comma end the consuls'
    // names on either side: "mense Martio die XXVIII. Iustino et Eutharico conss."
    // "pp." is proposita before a date, but perpetuo after an emperor's name or his A.:
    // "Iustiniano A. pp. IIII cons."
    const auto perpetual = [&words](std::size_t i) {
        return words[i].key == "pp" && i >= 1 && !words.parted(i) &&
               (words[i - 1].key == "a" || words.nameLike(i - 1));
    };
    const auto ends = [&words, &perpetual](std::size_t i) { // (Augusto is a title, after a name)
        const bool dated = i >= 1 && !words.parted(i) &&
                           (words.is(i - 1, Kind::Die) || words.is(i - 1, Kind::Indiction));
        // (and the words of a date before its named day, pridie, bis; a month's name after
        // another's: "Non. marcii Decembr. Eutharico cons." has two, no consul Decembr.)
        return words.is(i, Kind::Reference) || words.is(i, Kind::Die) ||
               words.is(i, Kind::Pridie) || words.is(i, Kind::Postridie) ||
               words.is(i, Kind::Bis) ||
               (words.monthOf(i) != 0 && i >= 1 && words.monthOf(i - 1) != 0) ||
               words.is(i, Kind::Mensis) || words.is(i, Kind::Indiction) ||
               (dated && words.mayBeNumber(i)) ||
               (words.monthOf(i) != 0 && i >= 1 &&
                (words.is(i - 1, Kind::Reference) || words.is(i - 1, Kind::Mensis))) ||
               words.is(i, Kind::Given) || words.is(i, Kind::Received) ||
               (words.is(i, Kind::Posted) && !perpetual(i)) || words.is(i, Kind::Anno) ||
               words[i].gloss ||
               words.runOn(i) || // (DataId. Octobr. Eutharico cons.: a date run on, no name)
               (words.is(i + 1, Kind::Reference) && !words.parted(i + 1));
    };
    // Honorio VIII et Theodosio III AA. conss.
    std::size_t begin = at;
    while (begin > 0 && !words.parted(begin) && !ends(begin - 1))
        --begin;
    if (begin < at) {
        phrases.push_back(ElsewherePhrase(YearElsewhere::Consuls, begin, at + 1));
        phrases.back().value = RepublicsConsuls(words, begin, at + 1);
    }
    // consulibus Honorio VIII et Theodosio III; post consulatum Lampadii et Orestis
    std::size_t end = at + 1;
    while (end < words.size() && !words.parted(end) && !ends(end))
        ++end;
    const std::size_t from =
        at >= 1 && words[at - 1].text == "post" && !words.parted(at) ? at - 1 : at;
    if (end > at + 1) {
        phrases.push_back(ElsewherePhrase(YearElsewhere::Consuls, from, end));
        phrases.back().value = RepublicsConsuls(words, from, end);
    }
}

} // namespace tempidex
