#include "editors_marks.h"

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

std::size_t GapEnd(std::string_view line, std::size_t at) {
    constexpr std::string_view Ellipsis = "\u2026";
    const char dash = at > 0 && line[at - 1] == '[' ? '-' : '.';
    std::size_t marks = 0, end = at;
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
