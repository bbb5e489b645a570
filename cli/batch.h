// A run of the command line over its dates: each argument, and each line of the standard
// input for an argument "-", answered on a line of its own, so the answers stay line for line
// with what was read. Lines are read in blocks, or as they are typed at a terminal; a line
// longer than any date is answered without being held whole. A file or a pipe is answered a
// few thousand lines at a time, in parts that two threads take in turn, and the answers are
// written in the lines' order. Qt-free: the options are read in command_line.cpp.
#pragma once

#include "reading/words/word_memo.h"
#include "writing/answers.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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
    // The answers already given, by the line's text: a list of dates says the same few dates
    // again and again (the window's lists make 780), and a line's answer depends on nothing
    // else. Up to MostRemembered lines of LongestRemembered bytes at most, the first met.
    struct Remembered {
        std::string answer, warnings;
        bool failed;
    };
    static constexpr std::size_t MostRemembered = 4096, LongestRemembered = 48;

    // What answering a run of lines leaves: their answers, one line each, and their warnings,
    // each beginning with its line's number. On cache lines of its own: two threads write two
    // parts side by side.
    struct alignas(64) Output {
        std::string text, warnings;
        bool failed = false;
    };
    // What each thread keeps for itself: the answers it gave, its counts, the words it read;
    // and the answers of a batch it answers alone.
    struct alignas(64) Answers : Output { // a cache line of its own: each thread writes its counts
        std::unordered_map<std::string, Remembered> remembered;
        // A file of different dates never comes back to one: once the table is full and few
        // lines were found in it, lines are no longer looked up (a tenth of their time).
        std::size_t lookedUp = 0, found = 0;
        bool worthLookingUp() const {
            return remembered.size() < MostRemembered || found * 4 >= lookedUp;
        }
        std::string key, lineWarnings; // for the line being answered
        WordMemo words;                // the words of the lines this thread has read
    };

    // `number`: the line's number in the standard input, or 0 for an argument; `by`, the
    // answering thread's own, and `into`, where the answer goes.
    void answer(std::string_view line, std::size_t number, Answers &by, Output &into) const;
    bool answerInJson(std::string_view line, std::string &text, std::string &warnings) const;
    // Takes a line of the standard input; false once writing has failed (a full disk, a
    // closed pipe): the rest of the input is not read, and finish() says why.
    bool take(std::string_view line);
    // Answers the lines taken and not yet answered, and hands their answers on: at once, or
    // with the next batch where two threads answered them (m_kept).
    bool answerWaiting();
    void handOn(Output &answers);
    // Hands on the last batch's answers, kept until the next batch is under way (m_kept).
    bool handOnKept();
    // Writes out what was handed on once it fills a block; false once writing has failed.
    bool flushWhenFull();
    bool flush();
    void fail(std::string_view message);

    std::FILE *m_in, *m_out, *m_err;
    bool m_toLatin;
    LineOptions m_options;
    bool m_json;
    bool m_interactive; // a person at a terminal: each answer goes out at once
    std::string m_buffer;
    std::string m_warningBuffer; // what goes to standard error with the next flush
    bool m_writable = true;
    std::size_t m_lines = 0; // read from the standard input so far

    // The lines read and not yet answered, one after another, and where each ends.
    std::string m_waiting;
    std::vector<std::size_t> m_waitingEnds;
    std::array<Answers, 2> m_answers; // each thread's own: this one's, and the second's
    // A batch answered on two threads is answered in parts (m_parts), and its answers are kept
    // to be written while the next batch is answered: the second thread would otherwise wait
    // for this one to write them.
    std::vector<Output> m_parts, m_kept;
    std::size_t m_keptParts = 0;
    bool m_mostlyRemembered = false; // the last batch was found among the answers given
    int m_status = AllConverted;
};

} // namespace tempidex
