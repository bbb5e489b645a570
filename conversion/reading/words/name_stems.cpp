// The stems feast names are compared by: a word folded as scribes spell it, its case ending
// taken off, and the declensions that ending may belong to.
#include "name_stems.h"

#include <algorithm>
#include <array>

namespace tempidex {
namespace {

// The case endings taken off a word, the longest first: what is left is compared.
constexpr auto Endings =
    std::to_array<std::string_view>({"orum", "arum", "ibus", "is", "em", "en", "es", "um", "us",
                                     "am", "as", "os", "e", "i", "o", "a"});

} // namespace

std::string NameStem(std::string_view key) {
    std::string folded;
    for (std::size_t i = 0; i < key.size(); ++i) {
        char c = key[i];
        if (c == 'p' && i + 1 < key.size() && key[i + 1] == 'h') {
            folded.push_back('f');
            ++i;
            continue;
        }
        if (c == 'h')
            continue;
        // (w as the u it doubles: ewangeliste, Edwardi)
        c = c == 'y' ? 'i' : c == 'k' ? 'c' : c == 'w' ? 'u' : c;
        if (c == 'e' && !folded.empty() && (folded.back() == 'a' || folded.back() == 'o')) {
            folded.back() = 'e';
            continue;
        }
        if ((c == 't' || c == 'c') && !folded.empty() && folded.back() == 'p' &&
            folded.size() >= 2 && folded[folded.size() - 2] == 'm')
            folded.back() = c; // assumptio, assumtio, assumpcio
        else
            folded.push_back(c);
    }
    for (std::size_t i = 0; i + 2 < folded.size(); ++i)
        if (folded[i] == 't' && folded[i + 1] == 'i' && IsVowel(folded[i + 2]) && i > 0)
            folded[i] = 'c';

    // Gorgonii and Gorgoni, Dionysii and Dionisij: the genitive of -ius written with one i.
    // Not -cii: Marcii, Martii are March's more often than St Mark's Marci.
    if (folded.ends_with("ii") && !folded.ends_with("cii"))
        folded.pop_back();
    for (const std::string_view ending : Endings)
        if (folded.size() >= ending.size() + 3 && folded.ends_with(ending)) {
            folded.resize(folded.size() - ending.size());
            break;
        }
    // c before e and i as s, once the ending is off: Ascencionis, Ascensionis; Vincencii,
    // Vincentii; dominice keeps its c
    for (std::size_t i = 0; i + 1 < folded.size(); ++i)
        if (folded[i] == 'c' && (folded[i + 1] == 'e' || folded[i + 1] == 'i'))
            folded[i] = 's';
    folded.erase(std::unique(folded.begin(), folded.end()), folded.end());
    return folded;
}

unsigned DeclensionsOf(std::string_view key) {
    // The longest ending first, as NameStem takes it off.
    struct Ending {
        std::string_view text;
        unsigned declensions;
    };
    constexpr auto endings = std::to_array<Ending>({{"orum", Second},
                                                    {"arum", First},
                                                    {"ibus", Third},
                                                    {"ae", First},
                                                    {"oe", First},
                                                    {"is", Third},
                                                    {"em", Third},
                                                    {"en", Third},
                                                    {"es", Third},
                                                    {"um", Second | Third},
                                                    {"us", Second},
                                                    {"am", First},
                                                    {"as", First},
                                                    {"os", Second},
                                                    {"e", First | Third},
                                                    {"i", Second},
                                                    {"o", Second},
                                                    {"a", First}});
    for (const Ending &ending : endings)
        if (key.size() >= ending.text.size() + 3 && key.ends_with(ending.text))
            return ending.declensions;
    return Any;
}

} // namespace tempidex
