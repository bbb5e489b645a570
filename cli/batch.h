// A run of the command line over its dates: each argument, and each line of the standard
// input for an argument "-", answered on a line of its own, so the answers stay line for line
// with what was read. Lines are read in blocks, or as they are typed at a terminal; a line
// longer than any date is answered without being held whole. Qt-free: the options are read
// in command_line.cpp.
#pragma once

#include "writing/answers.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tempidex {

// The exit statuses.
inline constexpr int AllConverted = 0, SomeFailed = 1, Trouble = 2;

class Batch {
public:
    // `json`: each answer as a JSON object (json_lines.h) instead of a line of text.
    Batch(std::FILE *in, std::FILE *out, std::FILE *err, bool toLatin, LineOptions options,
          bool json = false);

    // One argument: a date, or "-" for a date on each line of the input.
    void run(std::string_view argument);
    // Everything is written out; the exit status.
    int finish();

private:
    // `number`: the line's number in the standard input, or 0 for an argument.
    bool answer(std::string_view line, std::size_t number);
    bool answerInJson(std::string_view line);
    bool flush();
    void warn(std::size_t line);
    void fail(std::string_view message);

    std::FILE *m_in, *m_out, *m_err;
    bool m_toLatin;
    LineOptions m_options;
    bool m_json;
    bool m_interactive; // a person at a terminal: each answer goes out at once
    std::string m_buffer;
    std::string m_warnings;      // for the line being answered
    std::string m_warningBuffer; // what goes to standard error with the next flush
    bool m_writable = true;
    std::size_t m_lines = 0; // read from the standard input so far

    // The answers already given, by the line's text: a list of dates says the same few dates
    // again and again (the window's lists make 780), and a line's answer depends on nothing
    // else. Up to MostRemembered lines of LongestRemembered bytes at most, the first met.
    struct Remembered {
        std::string answer, warnings;
        bool failed;
    };
    static constexpr std::size_t MostRemembered = 4096, LongestRemembered = 48;
    std::unordered_map<std::string, Remembered> m_remembered;
    std::string m_key;
    int m_status = AllConverted;
};

} // namespace tempidex
