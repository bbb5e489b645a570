#include "tei_edition.h"

#include "text_lines.h"

#include "writing/explanation.h"
#include "writing/iso_dates.h"

#include <expat.h>

#include <cstring>
#include <memory>
#include <vector>

namespace tempidex {
namespace {

// A <date> met in the document: where its start tag stands, what it holds, what it has.
struct DateElement {
    std::size_t tagBegin = 0, tagLength = 0;
    unsigned long line = 0;
    std::string text;
    std::string when; // the attribute already there
    bool hasWhen = false, hasCustom = false;
};

struct Walk {
    XML_Parser parser = nullptr;
    int depth = 0; // inside a <date>: its depth, counting it
    DateElement current;
    std::vector<DateElement> dates;
};

// "lb", "tei:lb": the element's name without its prefix.
std::string_view LocalName(const XML_Char *name) {
    const std::string_view whole(name);
    const std::size_t colon = whole.rfind(':');
    return colon == std::string_view::npos ? whole : whole.substr(colon + 1);
}

void XMLCALL Start(void *data, const XML_Char *name, const XML_Char **attributes) {
    auto &walk = *static_cast<Walk *>(data);
    if (walk.depth > 0) {
        ++walk.depth;
        // a line, page or column breaking within the date breaks its words, unless the edition
        // says the word goes on (break="no"): "a. d. X<lb/>IV Kal." is X and IV
        const std::string_view element = LocalName(name);
        if (element == "lb" || element == "pb" || element == "cb") {
            bool goesOn = false;
            for (const XML_Char **a = attributes; *a; a += 2)
                goesOn =
                    goesOn || (std::string_view(a[0]) == "break" && std::string_view(a[1]) == "no");
            if (!goesOn)
                walk.current.text.push_back(' ');
        }
        return;
    }
    // (TEI's own, with no prefix or its usual one: an element of another vocabulary named
    // "date", x:date, is left as it is)
    if (const std::string_view whole(name); whole != "date" && whole != "tei:date")
        return;
    walk.depth = 1;
    walk.current = DateElement{};
    walk.current.tagBegin = static_cast<std::size_t>(XML_GetCurrentByteIndex(walk.parser));
    walk.current.tagLength = static_cast<std::size_t>(XML_GetCurrentByteCount(walk.parser));
    walk.current.line = XML_GetCurrentLineNumber(walk.parser);
    for (const XML_Char **a = attributes; *a; a += 2) {
        const std::string_view attribute(a[0]);
        if (attribute == "when") {
            walk.current.hasWhen = true;
            walk.current.when = a[1];
        }
        walk.current.hasCustom =
            walk.current.hasCustom || attribute == "when-custom" || attribute == "datingMethod";
    }
}

void XMLCALL End(void *data, const XML_Char *) {
    auto &walk = *static_cast<Walk *>(data);
    if (walk.depth > 0 && --walk.depth == 0)
        walk.dates.push_back(std::move(walk.current));
}

void XMLCALL Text(void *data, const XML_Char *text, int length) {
    auto &walk = *static_cast<Walk *>(data);
    if (walk.depth > 0)
        walk.current.text.append(text, static_cast<std::size_t>(length));
}

// The words of a date's text with single spaces: an edition breaks and indents its lines.
std::string SpacedWords(std::string_view text) {
    std::string words;
    for (const char c : text) {
        const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!space)
            words.push_back(c);
        else if (!words.empty() && words.back() != ' ')
            words.push_back(' ');
    }
    if (!words.empty() && words.back() == ' ')
        words.pop_back();
    return words;
}

bool InUtf16(std::string_view document) {
    return document.starts_with("\xFF\xFE") || document.starts_with("\xFE\xFF") ||
           (document.size() > 1 && (document[0] == '\0' || document[1] == '\0'));
}

} // namespace

EditionRun DateTeiEdition(std::string_view document, const LineOptions &options) {
    EditionRun run;
    if (InUtf16(document)) {
        run.error = "il file è in UTF-16: si legge un'edizione TEI in UTF-8";
        return run;
    }
    Walk walk;
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
        XML_ParserCreate(nullptr), XML_ParserFree);
    walk.parser = parser.get();
    XML_SetUserData(walk.parser, &walk);
    XML_SetElementHandler(walk.parser, Start, End);
    XML_SetCharacterDataHandler(walk.parser, Text);
    if (XML_Parse(walk.parser, document.data(), static_cast<int>(document.size()), XML_TRUE) ==
        XML_STATUS_ERROR) {
        run.error = "XML non valido alla riga " +
                    std::to_string(XML_GetCurrentLineNumber(walk.parser)) + ": " +
                    XML_ErrorString(XML_GetErrorCode(walk.parser));
        return run;
    }
    LineOptions explained = options;
    explained.explain = true;
    const auto warn = [&run](const DateElement &date, std::string_view words,
                             std::string_view text) {
        run.warnings.append("riga ")
            .append(std::to_string(date.line))
            .append(": avviso: ")
            .append(Quoted(words))
            .append(": ")
            .append(text)
            .append("\n");
    };
    std::size_t copied = 0;
    for (const DateElement &date : walk.dates) {
        const std::string words = SpacedWords(date.text);
        if (words.empty())
            continue;
        const DatedAnswer answer = LatinToModernDated(words, explained);
        ForEachLineOf(answer.warnings,
                      [&](std::string_view warning) { warn(date, words, warning); });
        if (answer.failed) {
            run.someFailed = true;
            warn(date, words, "non letta, lasciata com'è: " + answer.explanation);
            continue;
        }
        const IsoDates iso = IsoDatesOf(answer.dating);
        if (iso.gregorian.empty()) {
            warn(date, words,
                 answer.text + ", senza un anno che dia il giorno del calendario: lasciata com'è");
            continue;
        }
        if (date.hasWhen) {
            // An editor's when may give the year or the month alone: 1524, 1524-12.
            const bool agrees = date.when == iso.gregorian ||
                                std::string_view(iso.gregorian).starts_with(date.when + "-");
            if (!agrees)
                warn(date, words,
                     "when=\"" + date.when + "\", ma la data è il " + answer.text + ", when=\"" +
                         iso.gregorian + "\"");
            continue;
        }
        std::string attributes = " when=\"" + iso.gregorian + "\"";
        if (!iso.julian.empty() && !date.hasCustom)
            attributes += " when-custom=\"" + iso.julian + "\" datingMethod=\"#julian\"";
        // Into the start tag, before its closing ">".
        const std::size_t close = date.tagBegin + date.tagLength - 1;
        run.out.append(document.substr(copied, close - copied)).append(attributes);
        copied = close;
    }
    run.out.append(document.substr(copied));
    return run;
}

} // namespace tempidex
