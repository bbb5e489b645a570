#include "month_words.h"

#include "feast_phrases.h"

#include "reading/words/letters_apart.h"
#include "reading/words/month_names.h"

namespace tempidex {

bool IsAlsoAWord(std::string_view key) {
    return IsOneOf(key, {"augusta", "augustae", "augustam", "augusto", "augustum", "augustus",
                         "decem", "genua", "maiorum", "nouem", "octo", "qui", "quin", "quinti",
                         "septem", "sex", "sexti"});
}

MonthRead MonthAt(const Words &words, std::size_t i, bool mustBeMonth) {
    if (i >= words.size() || words[i].gloss || words[i].pause)
        return {};
    // (but a month's name cut short that is also a word, before another month: "IX Kal. decem
    // Feb.", "mensis decem maii" are ten, not December)
    // (nor a saint's name with his epithet: "xxvii Marci ewangeliste" is St Mark's day, no 27
    // March)
    if (const int month = words.monthOf(i)) {
        if (IsAlsoAWord(words[i].key) && words.monthOf(i + 1) != 0 && !words.parted(i + 1))
            return {};
        // (the months' names that are saints' too: St Mark's, St Januarius's)
        if (i + 1 < words.size() && !words.parted(i + 1) && words.monthOf(i + 1) == 0 &&
            IsOneOf(words[i].key, {"marci", "ianuarii"}))
            if (const std::optional<FeastNamed> saint = FeastFrom(words, i);
                saint && saint->end > i + 1)
                return {};
        return {month, false};
    }
    if (!mustBeMonth || words.classOf(i).kinds != 0 || words.isNumber(i))
        return {};
    // (not where the month itself follows: "Kal. Martinus Feb." has a name before its month;
    // nor St Martin's name, a letter from Martius; nor a word a letter from "martis", which is
    // also Tuesday's name: "die marbis" may be "die martis", and "marcis" are marks of silver)
    if (words.monthOf(i + 1) != 0 || words[i].key.starts_with("martin") ||
        OneLetterApart(words[i].key, "martis"))
        return {};
    const int near = MonthNear(words[i].key);
    return {near, near != 0};
}

Phrase DatePhrase(std::size_t begin, std::size_t end, const LatinDate &date, std::size_t month,
                  const MonthRead &read) {
    Phrase p;
    p.kind = PhraseKind::Date;
    p.begin = static_cast<std::uint8_t>(begin);
    p.end = static_cast<std::uint8_t>(end);
    p.date = date;
    p.misspeltMonth = read.misspelt ? static_cast<std::uint8_t>(month + 1) : 0;
    return p;
}

std::size_t DieBefore(const Words &words, std::size_t end) {
    if (end == 0 || words.parted(end) || !words.is(end - 1, Kind::Die))
        return end;
    return end >= 2 && !words[end - 1].pause && words.is(end - 2, Kind::Sub) ? end - 2 : end - 1;
}

} // namespace tempidex
