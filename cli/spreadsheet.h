// A spreadsheet's dating clauses converted in place (--csv): a CSV file as spreadsheets write it
// (RFC 4180: fields in quotes, quotes doubled inside them, line breaks inside a quoted field),
// with one column read and five written after the last: the answer ("Data"), the day in ISO
// 8601 ("ISO", proleptic Gregorian), the same day in the Julian calendar where it was reckoned
// in it ("Giuliano"), the explanation with --explain ("Spiegazione") and the row's warnings
// ("Avvisi"). Every other byte of a row goes back as it came: its cells, its quotes, its line
// end. The separator is the header line's (a comma, or the semicolon of an Italian Excel, or a
// tab) unless one is given.
#pragma once

#include "writing/answers.h"

#include <string>
#include <string_view>

namespace tempidex {

struct SpreadsheetOptions {
    std::string column; // its header, or its number from 1
    char separator = 0; // 0: the header line's
    bool toLatin = false;
    LineOptions line;
};

struct SpreadsheetRun {
    std::string out;      // the whole file, its columns added
    std::string warnings; // "riga N: avviso: ...", a line each, N the row's first line
    std::string error;    // the file could not be converted: nothing else holds
    bool someFailed = false;
};

SpreadsheetRun ConvertSpreadsheet(std::string_view text, const SpreadsheetOptions &options);

// The separator a user names: ",", ";", "tab" or a tab; 0 for anything else.
char SeparatorNamed(std::string_view name);

} // namespace tempidex
