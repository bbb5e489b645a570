#include "word_memo.h"

#include "feast_names.h"

#include <algorithm>

namespace tempidex {

const Words::Word &WordMemo::classOf(const Token &t) {
    // A word with capitals and small letters mixed inside (XlI, MCCXlII, 1I) is classified by
    // where its capitals stand: rare enough to be worked out each time.
    if (t.written.size() > Longest || (t.innerCapital && !t.capitals))
        return m_long = Words::Classify(t);
    const auto marks =
        static_cast<std::uint8_t>((t.capital ? 1 : 0) | (t.capitals ? 2 : 0) | (t.marked ? 4 : 0));
    if (m_slots.empty()) // made when first used: a run of one line never needs it
        m_slots.resize(Slots);
    // FNV-1a over the word as written and the marks; each word has one slot, and a word that
    // meets another there takes its place. (As written, not as folded: a j, an accent or a
    // capital that folding loses may tell a number run on to a word: Venerisijo, XXIISACRĘ.)
    std::uint32_t hash = 2166136261u ^ marks;
    for (const char c : t.written)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    Slot &slot = m_slots[hash & (Slots - 1)];
    if (slot.size == t.written.size() && slot.marks == marks &&
        std::equal(t.written.begin(), t.written.end(), slot.written.begin()))
        return slot.word;
    slot.word = Words::Classify(t);
    slot.word.feast = MayBeginFeast(t.key);
    const Words::Word &w = slot.word; // a word no table knows, as readOrdinalNoTableKnows reads
    if (w.word.kinds == 0 && w.word.month == 0 && w.digits == 0 && t.key.size() >= 4)
        slot.word.unknown = Words::UnknownOf(t.key);
    std::copy(t.written.begin(), t.written.end(), slot.written.begin());
    slot.size = static_cast<std::uint8_t>(t.written.size());
    slot.marks = marks;
    return slot.word;
}

} // namespace tempidex
