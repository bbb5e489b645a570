// The rules that read what a clause says besides its date and year: an indiction and a weekday
// to check, hours and the almanac's numbers to skip, initials that are no numbers, the verbs
// that say whose date follows. (The calendar and the style of the year: style_rules.cpp.)
#include "number_phrases.h"
#include "reading/words/numbers.h"
#include "rules.h"

namespace tempidex {
namespace {

// One letter, in capitals, alone: an initial or a numeral.
bool IsLetterAlone(const Words &words, std::size_t i) {
    // (not one with an ordinal's mark: "A°" is anno, "M°" a thousand)
    return i < words.size() && !words[i].gloss && words[i].text.size() == 1 && words[i].capital &&
           !words[i].marked && words[i].text[0] >= 'a' && words[i].text[0] <= 'z';
}

} // namespace

void IndictionRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Indiction))
        return;
    const auto value = [](int n) { return n >= 1 && n <= 15 ? n : 0; };
    // indictione vero I
    const std::size_t i =
        words.is(at + 1, Kind::Connective) && !words.parted(at + 1) ? at + 2 : at + 1;
    // indictione suprascripta, eadem, predicta: the one given before, read there
    if (!words.parted(i) && words.is(i, Kind::AsAbove))
        phrases.push_back(Spanning(PhraseKind::Indiction, at, i + 1, 0));
    Counts counts = words.parted(i) ? Counts{} : CountsFrom(words, i);
    // indictione vta, xima: a numeral with the ending of quinta, of undecima (prima, septima
    // and the tens end so)
    if (const std::string_view t = i < words.size() ? words[i].text : "";
        counts.empty() && !words.parted(i) && t.size() >= 3 &&
        (t.ends_with("ta") || t.ends_with("ma"))) {
        const int n = RomanValue(t.substr(0, t.size() - 2));
        if (n > 0 && (t.ends_with("ta") || n == 1 || n == 7 || (n >= 10 && n <= 15)))
            counts.push_back({n, i, i + 1});
    }
    // (a number past 15 before a named day is no indiction's but the date's count: "indictione
    // xvij Kal. Octobr." is refused, never the Calends)
    for (const NumberRead &n : counts) // indictione tertia decima
        if (value(n.value) > 0 || words.parted(n.end) || !words.is(n.end, Kind::Reference))
            phrases.push_back(Spanning(PhraseKind::Indiction, at, n.end, value(n.value)));
    // tertia indictione; a number past 15 before the word is none (m. cccc. xviii. indictione
    // xima: the year's units)
    if (!words.parted(at))
        for (const NumberRead &n : CountsEndingAt(words, at))
            if (value(n.value) > 0)
                phrases.push_back(Spanning(PhraseKind::Indiction, n.begin, at + 1, n.value));
    // indictione Vl: a numeral misread (VI), or written wrong, is an indiction not checked. It
    // never changes the day; but before a named day or a number it may be the date's count.
    // (but a number of a hundred and more, well written, is no indiction's misread: "indictio
    // 1533" has a year after the word, which is not passed over; a scan's "111" is III)
    const bool ones =
        i < words.size() && words[i].text.find_first_not_of('1') == std::string_view::npos;
    const bool large = (words.digitsOf(i) >= 100 && !ones) || words.numeralOf(i) >= 100;
    const bool misread = words.unreadableNumeral(i) != Words::Unreadable::No ||
                         (words.isNumber(i) && counts.empty() && !large);
    const bool beforeTheDate =
        !words.parted(i + 1) && (words.is(i + 1, Kind::Reference) || words.mayBeNumber(i + 1));
    if (!words.parted(i) && misread && !beforeTheDate) {
        Phrase p = Spanning(PhraseKind::Indiction, at, i + 1, 0);
        p.faultBegin = static_cast<std::uint8_t>(i); // the number not read, to be said
        p.faultEnd = static_cast<std::uint8_t>(i + 1);
        phrases.push_back(p);
    }
}

void WeekdayRule(const Words &words, std::size_t at, Phrases &phrases) {
    // feria secunda is Monday, feria sexta Friday; VI feria too; feria prima, Sunday, as the
    // church counts the week (most write dominica)
    if (words.is(at, Kind::Feria) && !words.parted(at + 1))
        for (const NumberRead &n : CountsFrom(words, at + 1))
            if (n.value >= 1 && n.value <= 7)
                phrases.push_back(Spanning(PhraseKind::Weekday, at, n.end, n.value - 1));
    if (words.is(at, Kind::Feria) && !words.parted(at))
        for (const NumberRead &n : CountsEndingAt(words, at))
            if (n.value >= 1 && n.value <= 7)
                phrases.push_back(Spanning(PhraseKind::Weekday, n.begin, at + 1, n.value - 1));
    // dominica, die dominico, dominica die, sabbato; but "ab incarnatione dominica" is the
    // Lord's, after a word of the year's formula, and no Sunday
    const bool lords = at >= 1 && !words.parted(at) && words.is(at - 1, Kind::Formula) &&
                       words.is(at, Kind::Weekday) && words.classOf(at).weekday == 0;
    if (words.is(at, Kind::Weekday) && !lords) {
        const std::size_t begin =
            at >= 1 && words.is(at - 1, Kind::Die) && !words.parted(at) ? at - 1 : at;
        phrases.push_back(Spanning(PhraseKind::Weekday, begin, at + 1, words.classOf(at).weekday));
        if (begin == at && words.is(at + 1, Kind::Die) && !words.parted(at + 1))
            phrases.push_back(Spanning(PhraseKind::Weekday, at, at + 2, words.classOf(at).weekday));
    }
    // die Lunae ... die Veneris; die vero Iovis
    const std::size_t name =
        words.is(at + 1, Kind::Connective) && !words.parted(at + 1) ? at + 2 : at + 1;
    if (words.is(at, Kind::Die) && words.is(name, Kind::DayName) && !words.parted(name))
        phrases.push_back(Spanning(PhraseKind::Weekday, at, name + 1, words.classOf(name).weekday));
}

namespace {

// The canonical hours a notary named by their ordinal alone, the noun "horam" understood:
// "inter terciam et nonam", "post nonam", "circa sextam". Only these four were so named.
bool IsCanonicalHour(const Words &words, std::size_t i) {
    if (i >= words.size() || words[i].gloss)
        return false;
    const std::string_view key = words[i].key;
    return key == "primam" || key == "tertiam" || key == "terciam" || key == "sextam" ||
           key == "nonam";
}

// An hour written as its ordinal after the word that places the act beside it, from `at`:
// where it ends, or `at` itself where there is none.
std::size_t CanonicalHourEnd(const Words &words, std::size_t at) {
    const std::string_view key = words[at].key;
    const bool beside = key == "inter" || key == "post" || key == "ante" || key == "circa" ||
                        key == "ad" || key == "usque";
    std::size_t end = at + 1;
    if (key == "usque" && end < words.size() && words[end].key == "ad" && !words.parted(end))
        ++end;
    if (!beside || words.parted(end) || !IsCanonicalHour(words, end))
        return at;
    ++end;
    // inter terciam et nonam
    if (key == "inter" && words.is(end, Kind::Et) && !words.parted(end) && !words.parted(end + 1) &&
        IsCanonicalHour(words, end + 1))
        end += 2;
    return end;
}

} // namespace

void HourRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (const std::size_t end = CanonicalHourEnd(words, at); end > at)
        phrases.push_back(Spanning(PhraseKind::Hour, at, end));
    if (!words.is(at, Kind::Hour))
        return;
    std::size_t i = at + 1;
    while (i < at + 3 && (words.is(i, Kind::Diei) || words.is(i, Kind::Noctis)) && !words.parted(i))
        ++i;
    if (words.parted(i))
        return;
    for (const NumberRead &n : CountsFrom(words, i)) {
        std::size_t end = n.end;
        if ((words.is(end, Kind::Diei) || words.is(end, Kind::Noctis)) && !words.parted(end))
            ++end; // hora tertia noctis
        if (n.value <= 24)
            phrases.push_back(Spanning(PhraseKind::Hour, at, end));
    }
}

void ComputusRule(const Words &words, std::size_t at, Phrases &phrases) {
    // epacta XXII, concurrente V, luna XIV, cyclo lunari XV; luna ipsius diei XXX
    if (!words.is(at, Kind::Computus))
        return;
    const std::string_view next = at + 1 < words.size() ? words[at + 1].key : "";
    const std::size_t last = next == "ipsius" || next == "eiusdem" ? at + 3 : at + 2;
    for (std::size_t from = at + 1; from <= last && !words.parted(from); ++from)
        for (const NumberRead &n : CountsFrom(words, from)) {
            phrases.push_back(Spanning(PhraseKind::Computus, at, n.end));
            // (a number right before a named day may count its days instead: "cyclo lunari vii
            // kal. maii" is read both ways, the words before the number the computus's alone)
            if (from > at + 1 && words.is(n.end, Kind::Reference) && !words.parted(n.end))
                phrases.push_back(Spanning(PhraseKind::Computus, at, from));
        }
}

void InitialsRule(const Words &words, std::size_t at, Phrases &phrases) {
    // d. n., domini nostri: "pontificatus S. mi d. n. Sixti pape IIII"
    if (words.is(at, Kind::D) && words[at].dotted && !words[at].capital && at + 1 < words.size() &&
        words[at + 1].text == "n" && words[at + 1].dotted && !words.parted(at + 1))
        phrases.push_back(Spanning(PhraseKind::Initials, at, at + 2));
    // "teste domino P. dapifero", "presente domino Io. episcopo": a man's name cut to its first
    // letters after his title ("domini", of "anno domini M. CC. L.", is none). A numeral so
    // written may also be a number ("domino V. kal. Iunii"): both are read.
    if (at >= 1 && !words.parted(at) && words[at].capital && words[at].dotted &&
        words[at].text.size() <= 2 && words.monthOf(at) == 0 && !words.is(at, Kind::Reference) &&
        IsOneOf(words[at - 1].key, {"domino", "domno", "dompno", "dominus", "domnus", "dominum",
                                    "dominis", "fratre", "frater", "magistro", "magister"}))
        phrases.push_back(Spanning(PhraseKind::Initials, at, at + 1));
    if (!IsLetterAlone(words, at) || (at >= 1 && IsLetterAlone(words, at - 1) && !words.parted(at)))
        return;
    // S. R. E., B. V. M., D. N.: letters alone, some of them no numeral.
    std::size_t end = at;
    bool noNumeral = false;
    while (IsLetterAlone(words, end) && (end == at || !words.parted(end))) {
        noNumeral = noNumeral || words.numeralOf(end) == 0;
        ++end;
    }
    // (A. D. is an era, not initials: its own rule reads it.) Numeral letters that make no
    // numeral together are initials too: D. M., Dis Manibus, at the head of an epitaph.
    const auto noNumeralTogether = [&] {
        std::string letters;
        for (std::size_t i = at; i < end; ++i)
            letters += words[i].text;
        return RomanValue(letters) == 0;
    };
    // (but not right after a numeral: "M CC L L" is a year's letters, one of them twice)
    const bool afterNumeral = at >= 1 && !words.parted(at) && words.numeralOf(at - 1) > 0;
    if (end - at >= 2 && (noNumeral || (!afterNumeral && noNumeralTogether())) &&
        !EraFrom(words, at))
        phrases.push_back(Spanning(PhraseKind::Initials, at, end));
    // The last of them, or the number after a letter alone, may count the days before a named
    // day: "D. M. V K. Mai.", "M. XV K. Mai." (Marcus); as a year, MV and MXV, they are read
    // too, and the line is refused where the two differ.
    // (the named day may be a letter alone too: K.)
    std::size_t day = at;
    while (day < end && !words.is(day, Kind::Reference))
        ++day;
    const bool countsADay = day < words.size() && !words.parted(day) &&
                            words.is(day, Kind::Reference) && words.numeralOf(day - 1) > 0;
    if (countsADay && day - at >= 2 && !afterNumeral && !EraFrom(words, at))
        phrases.push_back(Spanning(PhraseKind::Initials, at, day - 1));
    // (but after a word of years the letter is a number: "annorum L.III. Non. Octobris" may be
    // 53 years and the Nones)
    const bool years = at >= 1 && !words.parted(at) && words[at - 1].key.starts_with("ann");
    if (end - at == 1 && words[at].dotted && !afterNumeral && !years && !words.parted(end) &&
        words.numeralOf(end) > 0 && words.numeralOf(end) <= 19 && !words.parted(end + 1) &&
        words.is(end + 1, Kind::Reference))
        phrases.push_back(Spanning(PhraseKind::Initials, at, end));
    // L. Pisone, C. Iulio, M. Tullius: a letter before a name.
    const std::size_t next = at + 1;
    if (next < words.size() && !words.parted(next) && words[next].capital &&
        words[next].text.size() > 1 && words.classOf(next).kinds == 0 && words.monthOf(next) == 0 &&
        !words.isNumber(next) && words.numeralOf(next) == 0)
        phrases.push_back(Spanning(PhraseKind::Initials, at, next));
}

void PopeRule(const Words &words, std::size_t at, Phrases &phrases) {
    // Honorii papae III, Gregorii pape noni: the number in the pope's name; but in "domini pape
    // xviii kalendas decembris" the number counts the days. After his name it may be either:
    // "Stephani pape V idus Februarii" is Stephen V on the Ides, or the fifth day before them.
    const bool named = at >= 1 && !words.parted(at) && words.nameLike(at - 1);
    if (words.is(at, Kind::Pope) && !words.parted(at + 1))
        for (const NumberRead &n : CountsFrom(words, at + 1))
            if (named || !words.is(n.end, Kind::Reference) || words.parted(n.end))
                phrases.push_back(Spanning(PhraseKind::Initials, at, n.end));
}

void RulersNumberRule(const Words &words, std::size_t at, Phrases &phrases) {
    // A name no table knows, written as names are: Otto, Heinricus, Victor; no month.
    const auto name = [&words](std::size_t i) { return words.nameLike(i) && !words[i].capitals; };
    const auto title = [&words](std::size_t i) {
        return !words.parted(i) &&
               (words.is(i, Kind::Reign) || words.is(i, Kind::Reigning) || words.is(i, Kind::Pope));
    };
    // Ottonis III. Imper., Victoris II pape: the numeral between a ruler's name and his title;
    // no ruler was counted past thirty
    const bool between = at >= 1 && name(at - 1) && !words.parted(at) && words[at].capitals &&
                         words.numeralOf(at) > 0 && words.numeralOf(at) <= 30 && title(at + 1);
    // secundi Ottonis, Heinrici secundi regnantis: an ordinal in the genitive of his name
    const bool genitive =
        words.ordinalOf(at) > 0 && words.numeralOf(at) == 0 && words[at].text.ends_with('i') &&
        ((at >= 1 && name(at - 1) && !words.parted(at)) || (name(at + 1) && !words.parted(at + 1)));
    // imperante domino Federico secundo: his ordinal in the ablative, after the reign's verb
    const auto reigning = [&words](std::size_t i) {
        return words.is(i, Kind::Reigning) ||
               (i >= 1 && IsOneOf(words[i].key, {"domino", "domno"}) &&
                words.is(i - 1, Kind::Reigning));
    };
    // (Heinrico, Ottone; his numeral too: regnante Heinrico iiij.; never a count before a
    // named day, which it may be: regnante Karolo XV kal. Maii)
    const bool ablativeNumber =
        (words.ordinalOf(at) > 0 && words.numeralOf(at) == 0 && words[at].text.ends_with('o')) ||
        (words.numeralOf(at) > 0 && words.numeralOf(at) <= 30);
    const bool ablative =
        ablativeNumber && at >= 2 && name(at - 1) &&
        (words[at - 1].text.ends_with('o') || words[at - 1].text.ends_with('e')) &&
        !words.parted(at) && !words.parted(at - 1) && reigning(at - 2) &&
        !(words.is(at + 1, Kind::Reference) && !words.parted(at + 1));
    if (between || genitive || ablative)
        phrases.push_back(Spanning(PhraseKind::Initials, at, at + 1));
}

void VerbRule(const Words &words, std::size_t at, Phrases &phrases) {
    DateRole role = DateRole::Given;
    if (words.is(at, Kind::Given) && (words[at].text != "d" || at == 0)) // D. for data
        role = DateRole::Given;
    else if (words.is(at, Kind::Received))
        role = DateRole::Received;
    else if (words.is(at, Kind::Posted))
        role = DateRole::Posted;
    else
        return;
    Phrase p = Spanning(PhraseKind::Verb, at, at + 1);
    p.role = role;
    phrases.push_back(p);
}

void IdEstRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (at + 1 < words.size() && words[at].text == "id" && words[at + 1].text == "est")
        phrases.push_back(Spanning(PhraseKind::Skip, at, at + 2));
}

void CountOfThingsRule(const Words &words, std::size_t at, Phrases &phrases) {
    // "MCCCCL. VI modios frumenti", "MDXX. IIII testes": a numeral in capitals after the full
    // stop that ends a year, written whole or its last part in words, before a word no table
    // knows, may count that word's things as well as end the year; both are read, and where
    // they differ the line is refused. (In "M. CC. L. VI. presentibus" every part has its stop.)
    const bool yearEnds = at >= 1 && words[at - 1].dotted && !words.parted(at) &&
                          (words.numeralOf(at - 1) >= 1000 ||
                           (words.ordinalOf(at - 1) > 0 && words.numeralOf(at - 1) == 0));
    if (yearEnds && words[at].capitals && words.numeralOf(at) > 0 && words.numeralOf(at) < 1000 &&
        !words.parted(at + 1) && words.plain(at + 1) && !words[at + 1].capital) {
        phrases.push_back(Spanning(PhraseKind::Skip, at, at + 1));
        return;
    }
    // "pro pretio librarum XXV", "pro XL solidis", "presentibus XV testibus", "MCC florenos":
    // a sum, a measure, a number of witnesses, the word of the things beside the number. The
    // reader tries this way beside the others: where the number may run on from the year
    // ("MCCCX VI uncias") or be one ("MCC florenos", "mille florenos", "testes DCCCXX"), the
    // readings disagree, and the line is refused.
    int value = words.numeralOf(at) > 0 ? words.numeralOf(at) : words.digitsOf(at);
    if (words[at].key == "mille")
        value = 1000;
    if (value <= 0 || value >= 10000 || words[at].gloss)
        return;
    const auto things = [&words](std::size_t i) {
        // (and cut short with a stop: 1200 lb., MCC fl., D duc.)
        return i < words.size() && !words[i].gloss && !words[i].capital &&
               (words.countsThings(i) ||
                (words[i].dotted && IsOneOf(words[i].key, {"den", "duc", "fl", "flor", "lb", "lbr",
                                                           "lib", "libr", "sol"})));
    };
    // "§ 1520", "¶ 12", "# 3": the number of a paragraph or an item, read beside the others
    if (at >= 1) {
        const std::string_view marks = words.marksAfter(at - 1);
        if (marks.find("\u00A7") != std::string_view::npos ||
            marks.find("\u00B6") != std::string_view::npos ||
            marks.find('#') != std::string_view::npos)
            phrases.push_back(Spanning(PhraseKind::Skip, at, at + 1));
    }
    // "n. 1234", "no. 1234", "folio MCCCXLIII", "fol. 12": the number of a document, a page or
    // a leaf before it, never a year or a count of days; read beside the others too
    if (at >= 1 && !words.parted(at) && words.digitsOf(at) + words.numeralOf(at) > 0 &&
        ((words[at - 1].dotted && IsOneOf(words[at - 1].key, {"n", "no", "fol", "p", "pag"})) ||
         IsOneOf(words[at - 1].key, {"folio", "foliis", "pagina", "paginae"})))
        phrases.push_back(Spanning(PhraseKind::Skip, at - 1, at + 1));
    // (with the things' word, which may be read as a misspelt ordinal: "testium"; not across a
    // stop, "kalendas iunii xvº. testibus consiliariis nostris" begins the witnesses' sentence;
    // and after "et" and a number, "MCCC et X libras", the number may be the year's units, as in
    // millesimo trecentesimo et decimo, a year no rule reads: no sum is read there)
    const auto numberAt = [&words](std::size_t i) {
        return i < words.size() && (words.mayBeNumber(i) || words.numeralOf(i) > 0);
    };
    const auto stop = [&words](std::size_t i) {
        return words[i].dotted || words.marksAfter(i).find('.') != std::string_view::npos;
    };
    const bool afterEt = at >= 2 && words[at - 1].key == "et" && !words.parted(at) &&
                         !words.parted(at - 1) && numberAt(at - 2);
    if (things(at + 1) && !words.parted(at + 1) && !stop(at) && !afterEt)
        phrases.push_back(Spanning(PhraseKind::Skip, at, at + 2));
    // (a sum after its word only below a hundred, or of a thousand and more, which may be the
    // year: "pro pretio florenorum MD, die XXI maii")
    else if (at >= 1 && things(at - 1) && !words.parted(at) && !stop(at - 1) &&
             (value < 100 || value >= 1000))
        phrases.push_back(Spanning(PhraseKind::Skip, at - 1, at + 1));
}

void NumberedRule(const Words &words, std::size_t at, Phrases &phrases) {
    // "Nr. 5. Idibus Martiis": the number an edition gives the document, in digits after it,
    // never a count of days
    if (words.is(at, Kind::Numbered) && words.digitsOf(at + 1) > 0 && !words[at + 1].gloss)
        phrases.push_back(Spanning(PhraseKind::Skip, at, at + 2));
}

// vixit annos XV menses VI dies XX, qui vixit annis plus minus LXX: the years, months, days
// and hours an epitaph's dead lived, each a number with its word before or after it, as
// inscriptions abbreviate them (ann., an., m., d., h.).
void AgeRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Lived))
        return;
    const auto unit = [&words](std::size_t i) {
        const std::string_view k = i < words.size() ? words[i].key : "";
        return k.starts_with("ann") || k == "an" || k == "a" || k.starts_with("mens") ||
               k == "mesis" || k == "meses" || k == "m" || k == "dies" || k == "diebus" ||
               k == "d" || k.starts_with("hor") || k == "h";
    };
    const auto number = [&words](std::size_t i) {
        return i < words.size() && !words[i].gloss &&
               (words.numeralOf(i) > 0 || words.digitsOf(i) > 0 || words.ordinalOf(i) > 0);
    };
    // (plus minus, p. m.: about)
    const auto about = [&words](std::size_t i) {
        const bool two =
            i + 1 < words.size() && ((words[i].key == "plus" && words[i + 1].key == "minus") ||
                                     (words[i].key == "p" && words[i + 1].key == "m"));
        return two ? i + 2 : i;
    };
    for (std::size_t i = at + 1, end = 0; i < at + 16;) {
        const bool before = unit(i); // annos XV, or XV annos
        const std::size_t n = about(before ? i + 1 : i);
        // (a number right before a named day counts its days: in "vixit annos XXX d. VIII kal.
        // Oct." the d. is die, or depositus, as epitaphs go on)
        // (and both ways where the unit is written out: "vixit annos XXV dies XIII K OCT" may
        // be thirteen days of the life or the 19th of September, and is refused)
        if (!number(n) || (!before && !unit(n + 1)))
            break;
        const bool countsADay = before && words.is(n + 1, Kind::Reference) && !words.parted(n + 1);
        if (countsADay && words[i].key.size() <= 2)
            break;
        end = i = before ? n + 1 : n + 2;
        phrases.push_back(Spanning(PhraseKind::Skip, at, end));
        if (countsADay)
            break;
    }
}

} // namespace tempidex
