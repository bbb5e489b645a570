// What the command line answers for one line of text, in either direction: a Latin date as a
// modern one (LatinToModern, --convert), or a modern date in Latin (ModernToLatin, --to-latin),
// with the count explained on request. A Latin line is read (reading/), its day computed
// (result/), and the answer, its explanation and its warnings written from that, each by its own
// writer.
#pragma once

#include "calendar/roman_calendar.h"
#include "calendar/year_styles.h"
#include "result/dating.h"

#include <string>
#include <string_view>

namespace tempidex {

struct LineOptions {
    Reckoning reckoning = Reckoning::Historical;
    bool leapYear = false; // --leap: a modern date without a year is in a leap year
    bool longForm = false; // --long: Latin written as a sentence
    bool explain = false;  // --explain: a tab and an Italian sentence after the answer
    YearStyle style = YearStyle::Modern; // --style: how years of the Christian era are counted
    bool styleGiven = false;             // chosen, not assumed: no warning about the others
    IndictionStart indiction = IndictionStart::September1; // --indiction
};

// Each appends the answer to `out`, one line without its newline (nothing for a blank line), and
// says whether it is an error text. What the reader should know but the answer cannot say goes
// to `warnings`, a line each (warnings.h), where given. `memo`: where a caller that reads many
// lines keeps their words (reading/word_memo.h).
bool LatinToModern(std::string_view line, const LineOptions &options, std::string &out,
                   std::string *warnings = nullptr, WordMemo *memo = nullptr);
bool ModernToLatin(std::string_view line, const LineOptions &options, std::string &out);

// The same as a value of its own.
struct Answer {
    std::string text;
    bool failed = false;
    std::string warnings;
};
Answer LatinToModern(std::string_view line, const LineOptions &options);
Answer ModernToLatin(std::string_view line, const LineOptions &options);

// A Latin line's answer with the day behind it, each part apart, for the files the command line
// fills in (a spreadsheet's columns, a TEI date's attributes, a JSON object). The dating's
// words are views of `line`.
struct DatedAnswer {
    std::string text; // the answer, without the explanation
    bool failed = false;
    std::string explanation; // where options.explain
    std::string warnings;    // a line each, without the line quoted
    Dating dating;
};
DatedAnswer LatinToModernDated(std::string_view line, const LineOptions &options);

} // namespace tempidex
