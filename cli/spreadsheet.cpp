#include "spreadsheet.h"

#include "text_lines.h"

#include "reading/modern_reading.h"
#include "writing/iso_dates.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tempidex {
namespace {

struct Field {
    std::string value; // without its quotes, a doubled quote single
};

struct Record {
    std::vector<Field> fields;
    std::string_view text;    // as it was written, without its line end
    std::string_view lineEnd; // "\r\n", "\n", "\r", or none at the end of the file
    std::size_t line = 1;     // the file's line it begins on
    std::size_t unclosed = 0; // the line where a quote opens that never closes; 0 for none
};

// The records of `text`, quoted fields spanning lines where they do.
std::vector<Record> Records(std::string_view text, char separator) {
    std::vector<Record> records;
    std::size_t at = 0, line = 1;
    while (at < text.size()) {
        Record record;
        record.line = line;
        const std::size_t begin = at;
        for (bool more = true; more;) {
            Field field;
            if (at < text.size() && text[at] == '"') {
                record.unclosed = line;
                for (++at; at < text.size(); ++at) {
                    if (text[at] == '"' && (at + 1 >= text.size() || text[at + 1] != '"')) {
                        ++at;
                        record.unclosed = 0;
                        break;
                    }
                    if (text[at] == '"')
                        ++at; // the first of two
                    if (text[at] == '\n')
                        ++line;
                    field.value.push_back(text[at]);
                }
            }
            // What stands after a closing quote, or the whole of an unquoted field, up to the
            // separator or the line's end.
            while (at < text.size() && text[at] != separator && text[at] != '\n' &&
                   text[at] != '\r')
                field.value.push_back(text[at++]);
            record.fields.push_back(std::move(field));
            more = at < text.size() && text[at] == separator;
            at += more ? 1 : 0;
        }
        record.text = text.substr(begin, at - begin);
        const std::size_t endLength = text.substr(at, 2) == "\r\n" ? 2 : at < text.size() ? 1 : 0;
        record.lineEnd = text.substr(at, endLength);
        at += endLength;
        ++line;
        records.push_back(std::move(record));
    }
    return records;
}

// The separator of the header line: the commonest of comma, semicolon and tab outside quotes;
// a comma where there is none.
char HeaderSeparator(std::string_view text) {
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> candidates{',', ';', '\t'};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted)
            for (std::size_t i = 0; i < candidates.size(); ++i)
                counts[i] += c == candidates[i] ? 1 : 0;
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? ',' : candidates[static_cast<std::size_t>(most - counts.begin())];
}

void AppendField(std::string &out, char separator, std::string_view value) {
    out.push_back(separator);
    if (value.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) {
        out.append(value);
        return;
    }
    out.push_back('"');
    for (const char c : value) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

// The index of the column `named` (a header, or a number from 1), or none.
std::optional<std::size_t> ColumnNamed(const Record &header, std::string_view named) {
    if (!named.empty() &&
        std::all_of(named.begin(), named.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const std::size_t number = named.size() > 6 ? 0 : std::stoul(std::string(named));
        return number >= 1 ? std::optional(number - 1) : std::nullopt;
    }
    for (std::size_t i = 0; i < header.fields.size(); ++i)
        if (header.fields[i].value == named)
            return i;
    return std::nullopt;
}

// A cell's text as one line for the reader: a clause broken across lines in its cell is one.
std::string OneLine(std::string_view cell) {
    std::string line(cell);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

// The five cells added to a row: the answer, the ISO dates, the explanation, the warnings.
std::array<std::string, 5> Answered(std::string_view cell, const SpreadsheetOptions &options,
                                    bool &failed) {
    const std::string line = OneLine(cell);
    std::array<std::string, 5> cells;
    if (options.toLatin) {
        const Answer answer = ModernToLatin(line, options.line);
        const std::size_t tab = answer.text.find('\t');
        cells[0] = answer.text.substr(0, tab);
        if (tab != std::string::npos)
            cells[3] = answer.text.substr(tab + 1);
        failed = answer.failed;
        // The day the modern date names, where it has a year and the answer is no error.
        if (const ModernDate modern = ReadModernDate(line);
            !failed && modern.reading == ModernReading::Read && modern.year) {
            const IsoDates iso =
                IsoDatesOfDay(*modern.year, modern.month, modern.day, options.line.reckoning);
            cells[1] = iso.gregorian;
            cells[2] = iso.julian;
        }
        return cells;
    }
    const DatedAnswer answer = LatinToModernDated(line, options.line);
    const IsoDates iso = IsoDatesOf(answer.dating);
    cells = {answer.text, iso.gregorian, iso.julian, answer.explanation, ""};
    ForEachLineOf(answer.warnings, [&warnings = cells[4]](std::string_view warning) {
        warnings.append(warnings.empty() ? "" : "; ").append(warning);
    });
    failed = answer.failed;
    return cells;
}

} // namespace

char SeparatorNamed(std::string_view name) {
    if (name == "," || name == ";" || name == "\t")
        return name[0];
    return name == "tab" || name == "TAB" ? '\t' : 0;
}

SpreadsheetRun ConvertSpreadsheet(std::string_view text, const SpreadsheetOptions &options) {
    SpreadsheetRun run;
    const char separator = options.separator ? options.separator : HeaderSeparator(text);
    const std::vector<Record> records = Records(text, separator);
    if (records.empty()) {
        run.error = "il file è vuoto: manca la riga d'intestazione";
        return run;
    }
    // A quote that never closes takes the rest of the file into one cell: its rows would be
    // lost, and the columns added written inside it.
    if (const auto open = std::find_if(records.begin(), records.end(),
                                       [](const Record &record) { return record.unclosed > 0; });
        open != records.end()) {
        run.error = "virgolette non chiuse: la cella che si apre alla riga " +
                    std::to_string(open->unclosed) + " non finisce prima della fine del file";
        return run;
    }
    std::optional<std::size_t> column = ColumnNamed(records.front(), options.column);
    // (a number past every row's last cell names no column: each answer would be empty, and
    // the run a success)
    if (column && std::none_of(records.begin(), records.end(), [&column](const Record &record) {
            return *column < record.fields.size();
        }))
        column.reset();
    if (!column) {
        run.error = "colonna non trovata: " + options.column + "; le intestazioni sono:";
        for (const Field &field : records.front().fields)
            run.error.append(" «").append(OneLine(field.value)).append("»");
        return run;
    }
    run.out.reserve(text.size() * 2);
    for (std::size_t r = 0; r < records.size(); ++r) {
        const Record &record = records[r];
        run.out.append(record.text);
        if (r == 0) {
            for (const char *header : {"Data", "ISO", "Giuliano", "Spiegazione", "Avvisi"})
                AppendField(run.out, separator, header);
        } else {
            const std::string_view cell = *column < record.fields.size()
                                              ? std::string_view(record.fields[*column].value)
                                              : std::string_view();
            // A row written without its last empty cells, as some programs write them, gets
            // them back, so that its answers stand under their headers; a row with more cells
            // than the header is said, since its answers cannot.
            const std::size_t width = records.front().fields.size();
            for (std::size_t missing = record.fields.size(); missing < width; ++missing)
                run.out.push_back(separator);
            if (record.fields.size() > width)
                run.warnings.append("riga ")
                    .append(std::to_string(record.line))
                    .append(": avviso: la riga ha ")
                    .append(std::to_string(record.fields.size()))
                    .append(" celle e l'intestazione ")
                    .append(std::to_string(width))
                    .append(": le colonne aggiunte seguono l'ultima cella\n");
            bool failed = false;
            const std::array<std::string, 5> cells = Answered(cell, options, failed);
            run.someFailed = run.someFailed || failed;
            for (const std::string &added : cells)
                AppendField(run.out, separator, added);
            if (!cells[4].empty())
                run.warnings.append("riga ")
                    .append(std::to_string(record.line))
                    .append(": avviso: ")
                    .append(cells[4])
                    .append("\n");
        }
        run.out.append(record.lineEnd);
    }
    return run;
}

} // namespace tempidex
