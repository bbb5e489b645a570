#include "editors_marks.h"

#include <algorithm>
#include <array>
#include <string>

namespace tempidex {

std::size_t GlossEnd(std::string_view line, std::size_t open) {
    const char closing = line[open] == '(' ? ')' : ']';
    bool digit = false;
    for (std::size_t at = open + 1; at < line.size(); ++at) {
        const char c = line[at];
        if (c == closing)
            return digit ? at + 1 : 0;
        if (c == '(' || c == '[')
            return 0;
        digit = digit || (c >= '0' && c <= '9');
    }
    return 0;
}

std::size_t EditorsNoteEnd(std::string_view line, std::size_t at) {
    // and the signs charter books print for what is drawn on the parchment: the monogram (M.),
    // the subscription's sign (SS.), the chrismon (C.), the seal's place (L. S.)
    for (const std::string_view note :
         {"[sic]", "(sic)", "[!]", "(!)", "[sic!]", "(sic!)", "(M)", "(M.)", "(SS)", "(SS.)",
          "(SR.)", "(C.)", "(L. S.)", "(L.S.)"})
        if (line.substr(at, note.size()) == note)
            return at + note.size();
    return at;
}

std::size_t PageMarkEnd(std::string_view line, std::size_t at) {
    if (line[at] != '[' && line[at] != '(')
        return at;
    const char closing = line[at] == '(' ? ')' : ']';
    std::size_t i = at + 1;
    const auto skipSpaces = [&] {
        while (i < line.size() && line[i] == ' ')
            ++i;
    };
    skipSpaces();
    // the word for a page, a leaf or a column, cut short with its stop or written whole
    std::size_t word = i;
    while (word < line.size() &&
           ((line[word] >= 'a' && line[word] <= 'z') || (line[word] >= 'A' && line[word] <= 'Z')))
        ++word;
    // (in either case at its start: [Fol. 12], [P. 4]; S., Seite, only as a capital)
    const std::string_view name = line.substr(i, word - i);
    const auto is = [name](std::string_view page) {
        const char first = name.empty() ? '\0' : name[0];
        return name.size() == page.size() && name.substr(1) == page.substr(1) &&
               (first == page[0] || (page[0] != 'S' && first == page[0] - 'a' + 'A'));
    };
    bool named = false;
    for (const std::string_view page : {"fol", "fo", "f", "p", "pag", "pp", "S", "col", "bl"})
        named = named || is(page);
    if (!named)
        return at;
    i = word;
    if (i < line.size() && line[i] == '.')
        ++i;
    skipSpaces();
    const std::size_t digits = i;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9')
        ++i;
    if (i == digits || i - digits > 4)
        return at;
    // the leaf's side or the column: 3v, 12r, 4a, 7rb, 12 v, 12v.
    const std::size_t afterDigits = i;
    skipSpaces();
    const std::size_t side = i;
    while (i < line.size() && i < side + 2 &&
           std::string_view("rvab").find(line[i]) != std::string_view::npos)
        ++i;
    if (i == side)
        i = afterDigits;
    else if (i < line.size() && line[i] == '.')
        ++i;
    skipSpaces();
    return i < line.size() && line[i] == closing ? i + 1 : at;
}

namespace {

// Where the epigraphers' mark of letters lost ends, when it begins at `at`: "[3]" (three
// letters, as the databases of inscriptions count them; "[c. 3]", "[+3]", "[1-2]" about so
// many), "[..]", "[-]"; `at` where none does.
std::size_t LacunaEnd(std::string_view line, std::size_t at) {
    // (and the editors' word for it, or a space left blank: "[lacuna]", "(lacuna)", "[ ]")
    const char closing = line[at] == '[' ? ']' : line[at] == '(' ? ')' : '\0';
    if (closing != '\0') {
        const std::size_t close = line.find(closing, at + 1);
        if (close != std::string_view::npos && close - at <= 24) {
            std::string inside;
            for (const char c : line.substr(at + 1, close - at - 1))
                inside += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            constexpr auto words =
                std::to_array<std::string_view>({"lacuna", "lac.", "spatium vacuum", "spatium",
                                                 "illeg.", "illegible", "illeggibile", "***", "*"});
            if (std::find(words.begin(), words.end(), inside) != words.end() ||
                (closing == ']' && !inside.empty() &&
                 inside.find_first_not_of(' ') == std::string::npos))
                return close + 1;
        }
    }
    if (line[at] != '[')
        return at;
    std::size_t end = at + 1;
    for (const std::string_view about : {"ca. ", "ca.", "c. ", "c.", "+"})
        if (line.substr(end, about.size()) == about) {
            end += about.size();
            break;
        }
    const char first = end < line.size() ? line[end] : '\0';
    const bool digits = first >= '0' && first <= '9';
    if (!digits && first != '.' && first != '-')
        return at;
    // (a range of digits too: [1-2])
    while (
        end < line.size() && end - at <= 8 &&
        (digits ? (line[end] >= '0' && line[end] <= '9') || line[end] == '-' : line[end] == first))
        ++end;
    return end < line.size() && line[end] == ']' ? end + 1 : at;
}

} // namespace

std::size_t GapEnd(std::string_view line, std::size_t at) {
    if (const std::size_t lacuna = LacunaEnd(line, at); lacuna > at)
        return lacuna;
    constexpr std::string_view Ellipsis = "\u2026";
    const char dash = at > 0 && line[at - 1] == '[' ? '-' : '.';
    std::size_t marks = 0, end = at;
    if (line[at] == '*') {
        while (end < line.size() && line[end] == '*')
            ++end;
        return end;
    }
    for (std::size_t i = at; i < line.size();) {
        if (line[i] == '.' || line[i] == dash) {
            end = ++i;
            ++marks;
        } else if (line.substr(i, Ellipsis.size()) == Ellipsis) {
            end = i += Ellipsis.size();
            marks += 3;
        } else if (line[i] == ' ' && marks > 0) {
            ++i;
        } else {
            break;
        }
    }
    return marks >= 3 ? end : at;
}

bool MayBeginAGap(std::string_view line, std::size_t at) {
    const auto byte = [line](std::size_t i) { return i < line.size() ? line[i] : '\0'; };
    switch (line[at]) {
    case '[':
    case '(':
        return LacunaEnd(line, at) > at;
    case '*': // "***", as some editions mark words they could not read
        return byte(at + 1) == '*' && byte(at + 2) == '*';
    case '.':
        return byte(at + 1) == '.' || byte(at + 1) == '\xE2' ||
               (byte(at + 1) == ' ' && (byte(at + 2) == '.' || byte(at + 2) == '\xE2'));
    case '-':
        return at > 0 && line[at - 1] == '[';
    case '\xE2':
        return true;
    default:
        return false;
    }
}

} // namespace tempidex
