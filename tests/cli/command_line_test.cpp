// The command line, run in-process on temporary files standing for its standard streams.
#include "command_line.h"
#include "command_line_run.h"
#include "input_text.h"
#include "reading/latin_reading.h"
#include "window/roman_date.h"
#include "window/window_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

TEST(Convert, PrintsWhatTheWindowShowsForEveryListCombination) {
    std::string input, expected;
    for (std::string_view designation : tempidex::Designations)
        for (std::string_view reference : tempidex::ReferenceDays)
            for (std::string_view month : tempidex::MonthEntries) {
                input.append(designation).append(" ").append(reference).append(" ");
                input.append(month).append("\n");
                // The leap day before the March Calends is a leap year's, "(a. i.)" or not.
                if (designation == "a. d. bis VI" && reference == "Kal." && month == "Mar.")
                    month = "Mar. (a. i.)";
                // The window's "Genaio" is "Gennaio" on the command line.
                std::string shown = tempidex::ConvertRomanDate(designation, reference, month).text;
                if (const std::size_t at = shown.find("Genaio"); at != std::string::npos)
                    shown.replace(at, 6, "Gennaio");
                expected.append(shown).append("\n");
            }
    const Outcome run = Tempidex({"--convert", "-"}, input);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.status, 1); // many combinations name no day
}

TEST(Convert, AnswersLineForLineWhateverTheInputHolds) {
    const std::string input = "\xef\xbb\xbf"
                              "a. d. XIX Kal. Ian.\n \t\xc2\xa0\n\xff\xfe Kal. \xc3\n" +
                              std::string(1 << 20, 'X') +
                              "\nad bis VI Kal. Mar. (a. i.)\r\n\nKal. Ian.";
    const Outcome run = Tempidex({"-c", "-", "Idibus Martiis"}, input);
    EXPECT_EQ(run.out, "14 Dicembre\n"
                       "\n"
                       "ERRORE - Data non corretta\n"
                       "ERRORE - Data non corretta\n"
                       "25 Febbraio (anno bisestile)\n"
                       "\n"
                       "01 Gennaio\n"
                       "15 Marzo\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
}

// The same dates as Notepad, PowerShell and Linux editors save them, with Windows' line ends:
// each encoding answered line for line, in UTF-8.
TEST(Input, ReadsTheEncodingsWindowsAndLinuxWrite) {
    const std::u16string text =
        u"a. d. XIX Kal. Ian.\r\n\u00abIdibus Martiis\u00bb DCCX a.u.c.\r\n\r\nKal. M\u00e4rs.";
    const auto utf16 = [&text](bool bigEndian, bool marked = true) {
        std::string bytes;
        for (const char16_t unit : (marked ? u"\ufeff" : u"") + text) {
            const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        return bytes;
    };
    const std::string utf8 =
        "a. d. XIX Kal. Ian.\r\n\u00abIdibus Martiis\u00bb DCCX a.u.c.\r\n\r\nKal. M\u00e4rs.";
    const std::pair<const char *, std::string> files[] = {
        {"UTF-8", utf8},
        {"UTF-8 with a byte-order mark", "\xef\xbb\xbf" + utf8},
        {"UTF-16 LE", utf16(false)},
        {"UTF-16 BE", utf16(true)},
        {"UTF-16 LE without a byte-order mark", utf16(false, false)},
        {"UTF-16 BE without a byte-order mark", utf16(true, false)},
        {"Windows-1252",
         "a. d. XIX Kal. Ian.\r\n\xabIdibus Martiis\xbb DCCX a.u.c.\r\n\r\nKal. M\xe4rs."},
    };
    for (const auto &[encoding, bytes] : files) {
        const Outcome run = Tempidex({"--convert", "--explain", "-"}, bytes);
        const std::vector<std::string> answers = Split(run.out, '\n');
        ASSERT_EQ(answers.size(), 5) << encoding << ": " << run.out;
        EXPECT_TRUE(answers[0].starts_with("14 Dicembre\t")) << encoding;
        EXPECT_TRUE(answers[1].starts_with("15 Marzo 44 a.C.\t")) << encoding;
        EXPECT_EQ(answers[2], "") << encoding;
        EXPECT_EQ(answers[3],
                  "ERRORE - Data non correta\tmese non riconosciuto: \u00abM\u00e4rs\u00bb")
            << encoding;
        EXPECT_EQ(run.status, 1) << encoding;
    }
    // Windows-1252 is not Latin-1: 0x8A is a letter, Š, read as S (in Latin-1 it would be a
    // control, which only separates words: "Kal. ept." is no date).
    EXPECT_EQ(Tempidex({"-c", "-"}, "Kal. \x8a"
                                    "ept.\n")
                  .out,
              "01 Settembre\n");
    // A character beyond the Basic Multilingual Plane, as a surrogate pair, is quoted whole.
    EXPECT_EQ(Tempidex({"-c", "--explain", "-"},
                       std::string("\xff\xfeK\0a\0l\0.\0 \0\x35\xd8\x10\xdd\r\0\n\0", 20))
                  .out,
              "ERRORE - Data non correta\tmese non riconosciuto: \u00ab\U0001D510\u00bb\n");
    // Not even a byte that no encoding reads is copied into the answers.
    // (bytes no character starts with, an overlong "/", a lone surrogate, a code point past
    // U+10FFFF), each quoted back by --explain.
    const std::string strays = Tempidex({"-c", "--explain", "-"},
                                        "\x81\x8d\x8f\x90\x9d Kal. Ian.\nKal. \xe0\x80\xaf\nKal. "
                                        "\xed\xa0\x80\nKal. \xf4\x90\x80\x80\n")
                                   .out;
    EXPECT_TRUE(tempidex::IsValidUtf8(strays)) << strays;
}

// A line of the longest length is read whole, one byte more is too long, even where the line
// runs across two blocks of input.
TEST(Convert, ReadsTheLongestLineAcrossBlocks) {
    std::string longest = "Kal. Ian.";
    longest.resize(tempidex::LongestLine, ' ');
    const std::string before(65000,
                             '\n'); // the next line starts in the first block, ends in the second
    for (const auto &[line, answer] : {std::pair{longest, "01 Gennaio\n"},
                                       std::pair{longest + " ", "ERRORE - Data non corretta\n"}}) {
        const Outcome run = Tempidex({"-c", "-"}, before + line + "\n");
        EXPECT_TRUE(run.out.starts_with(before));
        EXPECT_EQ(run.out.substr(std::min(run.out.size(), before.size())), answer);
    }
}

// Any failed date makes the status 1, whatever part failed; blank lines are no failure.
TEST(Convert, ExitsOneForEveryKindOfFailure) {
    EXPECT_EQ(Tempidex({"--convert", "Kal. Ian.", "\t", "pridie Kal. Mai. 1524"}).status, 0);
    for (const char *wrong : {"a. d. XX Kal. Ian.", "Kal. Iab.", "Kal. Ianuarius Maius",
                              "a. d. XIX Kal. Mar.", "Kal. Ian. 1524 1525", "Non. Oct. 1582"}) {
        const Outcome run = Tempidex({"--convert", "Kal. Ian.", wrong});
        EXPECT_EQ(run.status, 1) << wrong << ": " << run.out;
    }
}

TEST(ToLatin, ReadsTheDatesPeopleWrite) {
    const Outcome run = Tempidex({"--to-latin", "14/12", " 5 / 3 ", "14/12/1524", "2024-02-29",
                                  "15 marzo", "15 Marzo 44 a.C.", "1.1", "-", "29-2", "31/4",
                                  "5/10/1582", "1/2/0", "14 dicembre 1524 a", "Marzo 15"},
                                 "24/2\n");
    EXPECT_EQ(run.out, "a. d. XIX Kal. Ian.\n"
                       "a. d. III Non. Mar.\n"
                       "a. d. XIX Kal. Ian. MDXXIV\n"
                       "pridie Kal. Mar. MMXXIV\n"
                       "Id. Mar.\n"
                       "Id. Mar. DCCX a.u.c.\n"
                       "Kal. Ian.\n"
                       "a. d. VI Kal. Mar.\n"
                       "ERRORE - Data Inesistente\n"
                       "ERRORE - Data Inesistente\n"
                       "ERRORE - Data Inesistente\n"
                       "ERRORE - Anno non corretto\n"
                       "ERRORE - Anno non corretto\n"
                       "ERRORE - Data non corretta\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Tempidex({"--to-latin", "--leap", "--long", "25/2", "1/3"}).out,
              "ante diem bis sextum Kalendas Martias (a. i.)\nKalendis Martiis\n");
    EXPECT_EQ(Tempidex({"-l", "--julian", "5/10/1582", "29/2/1700"}).out,
              "a. d. III Non. Oct. MDLXXXII\npridie Kal. Mar. MDCC\n");
    // As Italians write dates: an ordinal mark, an abbreviated month, the weekday (checked),
    // and the ISO year before AD 1 after "--".
    const Outcome italian =
        Tempidex({"-l", "1\u00b0 gennaio 2024", "1\u00ba maggio", "luned\u00ec 3 marzo 2025",
                  "marted\u00ec 3 marzo 2025", "domenica 3 marzo 2025", "3 sett.", "1 gen. 2000",
                  "--", "-0043-03-15"});
    EXPECT_EQ(italian.out, "Kal. Ian. MMXXIV\nKal. Mai.\na. d. V Non. Mar. MMXXV\n"
                           "ERRORE - Data non corretta\nERRORE - Data non corretta\n"
                           "a. d. III Non. Sep.\nKal. Ian. MM\nId. Mar. DCCX a.u.c.\n");
    const Outcome minus = Tempidex({"-l", "-0043-03-15"});
    EXPECT_EQ(minus.status, 2);
    EXPECT_NE(minus.err.find("-- -0043-03-15"), std::string::npos) << minus.err;
    // The months are twelve; a blank line is answered with a blank line, and is no failure.
    EXPECT_EQ(Tempidex({"-l", "1/13", "1/0"}).out,
              "ERRORE - Data Inesistente\nERRORE - Data Inesistente\n");
    // Windows' line ends leave a date without a year a date, and a minus year is no AD year.
    EXPECT_EQ(Tempidex({"--to-latin", "-"}, "14/12\r\n1/3\r\n").out,
              "a. d. XIX Kal. Ian.\nKal. Mar.\n");
    EXPECT_EQ(Tempidex({"-l", "1/1/-45"}).out, "ERRORE - Anno non corretto\n");
    const Outcome blank = Tempidex({"--to-latin", "-"}, "1/1\n\n \t\n");
    EXPECT_EQ(blank.out, "Kal. Ian.\n\n\n");
    EXPECT_EQ(blank.status, 0);
}

// --explain reaches both directions: the answer, a tab, and how the day was counted.
TEST(Explain, FollowsEachAnswerAfterATab) {
    EXPECT_EQ(Tempidex({"--convert", "--explain", "Kal. Ian."}).out,
              "01 Gennaio\tKal. Ian. sono le calende di Gennaio, il primo giorno del mese: "
              "1 Gennaio\n");
    EXPECT_EQ(Tempidex({"--to-latin", "--explain", "14/12"}).out,
              "a. d. XIX Kal. Ian.\ta. d. XIX Kal. Ian. è il 19° giorno prima delle calende di "
              "Gennaio (1 Gennaio), contando entrambi i giorni: 14 Dicembre\n");
}

TEST(Usage, WrongOptionsGetOneLineAndStatusTwo) {
    for (const std::string wrong :
         {"--bogus", "--convert", "--convert --to-latin 1/1", "--leap -c Kal.", "--long -c Kal.",
          "Kal.", "--leap=1 -l 1/1", "--style=gregorian -c Kal.", "--indiction=9 -c Kal.",
          "--calendar", "--calendar 0", "--calendar 1582 13", "--calendar MDLXXXII",
          "--calendar 1582 10 1"}) {
        const Outcome run = Tempidex(Split(wrong, ' '));
        EXPECT_EQ(run.status, 2) << wrong;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("tempidex: ") && run.err.find('\n') == run.err.size() - 1)
            << run.err;
    }
    EXPECT_EQ(Tempidex({"--version"}).out, "Tempidex 02 1.00 (1.0.0.0)\n");
    // The perpetual calendar of a year and of a month, in each reckoning around the reform
    const Outcome year = Tempidex({"--calendar", "1582"});
    EXPECT_EQ(year.status, 0);
    EXPECT_NE(year.out.find("lettera domenicale GC"), std::string::npos) << year.out; // reform
    EXPECT_NE(year.out.find("Pasqua"), std::string::npos);
    EXPECT_EQ(Tempidex({"--calendar", "1582", "10"}).out.find("\n 5 "), std::string::npos);
    EXPECT_NE(Tempidex({"--calendar", "--julian", "1582", "10"}).out.find("\n 5 venerd"),
              std::string::npos);
    const Outcome help = Tempidex({"--help"});
#ifdef _WIN32
    const std::string manual = "Manuale.txt";
#else
    const std::string manual = "man\u00a0tempidex";
#endif
    EXPECT_TRUE(help.out.starts_with("Uso: tempidex") &&
                help.out.find(manual) != std::string::npos);
    EXPECT_EQ(help.status, 0);
    // Windows' own console programs' switches answer at the prompt, never open the window.
    const std::string version = Tempidex({"--version"}).out;
    for (const std::string given : {"/?", "/h", "/HELP", "-?", "/v", "/Version"}) {
        const bool asksHelp = given.find_first_of("hH?") != std::string::npos;
        EXPECT_EQ(Tempidex({given}).out, asksHelp ? help.out : version) << given;
        EXPECT_TRUE(tempidex::SelectsTheCommandLine(std::vector<std::string>{"tempidex", given}));
    }
    const Outcome unknown = Tempidex({"/x", "Kal. Ian."});
    EXPECT_EQ(unknown.err, "tempidex: opzione sconosciuta: /x (tempidex --help)\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(tempidex::SelectsTheCommandLine(std::vector<std::string>{"tempidex", "/x"}));
    for (const std::string &line : Split(help.out, '\n')) // an 80-column console adds a blank
        EXPECT_LE(
            std::count_if(line.begin(), line.end(), // line after 80; a character a column
                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }),
            79)
            << line;
}

// A value follows its option after "=" or as the next argument, in English or Italian and in
// any case. The Nativity style begins the year on the 25 December before: that day of "1525"
// is the 25 December 1524 of a year from 1 January.
TEST(Usage, TakesAValueEitherWayInAnyCase) {
    const std::string christmas = "a. d. VIII Kal. Ian. MDXXV";
    for (const Arguments &given : {Arguments{"-c", "--style", "nativity", christmas},
                                   Arguments{christmas, "--style=NATIVITÀ", "-c"},
                                   Arguments{"--style=Natività", "--convert", christmas}})
        EXPECT_EQ(Tempidex(given).out, "25 Dicembre 1524\n") << given[1];
    EXPECT_EQ(Tempidex({"-c", christmas}).out, "25 Dicembre 1525\n");
    // Given twice, the last value counts: Florentine, not Pisan.
    EXPECT_EQ(Tempidex({"--style=pisan", "--style=florentine", "-c", "Kal. Feb. 1500"}).out,
              "01 Febbraio 1501\n");
    // Every option in the help under the one before, its description at one column.
    const std::string help = Tempidex({"--help"}).out;
    EXPECT_NE(help.find("\n  -c, --convert DATA\n"), std::string::npos) << help;
    EXPECT_NE(help.find("\n      --leap       Con --to-latin"), std::string::npos) << help;
}

// What the answer cannot say goes to standard error, with the number of the line it is about.
TEST(Convert, WarnsOnStandardErrorNamingTheLine) {
    const Outcome run = Tempidex({"-c", "-"}, "Kal. Ian.\na. d. VIII Kal. Ian. MDXXV\n");
    EXPECT_EQ(run.out, "01 Gennaio\n25 Dicembre 1525\n");
    EXPECT_TRUE(run.err.starts_with("tempidex: riga 2: avviso: \u00aba. d. VIII Kal. Ian. MDXXV"
                                    "\u00bb: anno 1525 secondo lo stile moderno"))
        << run.err;
    EXPECT_EQ(run.status, 0);
    // A line said again is answered again, its warning with its own line's number, and a
    // failure still counts.
    const Outcome again =
        Tempidex({"-c", "-"}, "Kal. Ian. MDXXV\nKal. Iab.\nKal. Ian. MDXXV\nKal. Iab.\n");
    EXPECT_EQ(again.out, "01 Gennaio 1525\nERRORE - Data non correta\n01 Gennaio 1525\n"
                         "ERRORE - Data non correta\n");
    EXPECT_NE(again.err.find("tempidex: riga 1: avviso:"), std::string::npos) << again.err;
    EXPECT_NE(again.err.find("tempidex: riga 3: avviso:"), std::string::npos) << again.err;
    EXPECT_EQ(again.status, 1);
}

// A long input is answered some thousands of lines at a time, by two threads: every answer
// stays on its line, every warning names its own line, and a failure anywhere still counts.
TEST(Convert, ALongInputKeepsEveryAnswerAndWarningOnItsLine) {
    std::string input, expected;
    // The lines of January, which the styles of the years before 1700 put in two years.
    std::vector<std::size_t> warned;
    for (std::size_t line = 1; line <= 10'000; ++line) {
        const std::string year = std::to_string(1000 + line % 700);
        if (line % 7 == 0) {
            input += "Kal. Iab.\n";
            expected += "ERRORE - Data non correta\n";
        } else if (line % 2 == 0) {
            input += "Kal. Ian. " + year + "\n";
            expected += "01 Gennaio " + year + "\n";
            warned.push_back(line);
        } else {
            input += "Kal. Mai. " + year + "\n";
            expected += "01 Maggio " + year + "\n";
        }
    }
    const Outcome run = Tempidex({"-c", "-"}, input);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.status, 1);
    std::vector<std::size_t> named;
    for (const std::string &warning : Split(run.err, '\n'))
        if (warning.starts_with("tempidex: riga "))
            named.push_back(std::stoul(warning.substr(15)));
    EXPECT_EQ(named, warned);
}

// A failure to read is status 2, whether a date failed before it or after it.
TEST(Input, AFailedReadIsStatusTwoWhateverElseFailed) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows' C library reads a write-only file as empty, not as an error";
#endif
    const std::string path = testing::TempDir() + "tempidex-write-only";
    std::FILE *writeOnly = std::fopen(path.c_str(), "w");
    ASSERT_TRUE(writeOnly);
    std::FILE *out = std::tmpfile(), *err = std::tmpfile();
    const int status = tempidex::RunCommandLine(
        Arguments{"tempidex", "-c", "Kal. Iab.", "-", "Kal. Iab."}, writeOnly, out, err);
    std::fclose(writeOnly);
    std::remove(path.c_str());
    EXPECT_EQ(status, 2);
    EXPECT_EQ(ReadAll(out), "ERRORE - Data non correta\nERRORE - Data non correta\n");
    EXPECT_EQ(ReadAll(err), "tempidex: lettura dello standard input non riuscita\n");
}

#ifndef _WIN32
// Somebody typing at a terminal gets each answer as soon as the line is typed.
TEST(Input, ATerminalIsAnsweredLineByLine) {
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(grantpt(terminal), 0);
    ASSERT_EQ(unlockpt(terminal), 0);
    std::FILE *in = std::fopen(ptsname(terminal), "r");
    ASSERT_TRUE(in);
    int answers[2];
    ASSERT_EQ(pipe(answers), 0);
    std::FILE *out = fdopen(answers[1], "w"), *err = std::tmpfile();
    int status = -1;
    std::thread run([&] {
        status = tempidex::RunCommandLine(Arguments{"tempidex", "-c", "-"}, in, out, err);
    });
    ASSERT_EQ(write(terminal, "Kal. Ian.\n", 10), 10);
    pollfd ready{answers[0], POLLIN, 0};
    const int answered = poll(&ready, 1, 10000);
    std::string answer(64, '\0');
    if (answered == 1)
        answer.resize(static_cast<std::size_t>(read(answers[0], answer.data(), answer.size())));
    EXPECT_EQ(write(terminal, "\x04", 1), 1); // Ctrl-D: the end of the input
    run.join();
    EXPECT_EQ(answered, 1) << "no answer before the end of the input";
    EXPECT_EQ(answer.substr(0, answered == 1 ? answer.size() : 0), "01 Gennaio\n");
    EXPECT_EQ(status, 0);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    close(answers[0]);
    close(terminal);
}

// A full disk: the answers are lost, and the status says so.
TEST(Output, AFailedWriteIsReported) {
    std::FILE *in = std::tmpfile(), *full = std::fopen("/dev/full", "w"), *err = std::tmpfile();
    ASSERT_TRUE(full);
    const int status =
        tempidex::RunCommandLine(Arguments{"tempidex", "-c", "Kal. Ian."}, in, full, err);
    std::fclose(in);
    std::fclose(full);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(ReadAll(err), "tempidex: scrittura dei risultati non riuscita\n");
}

// A line of 200 MB without a newline is answered without being held whole.
TEST(Input, AHugeLineIsNeverHeldWhole) {
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    std::thread writer([end = pipeEnds[1]] {
        const std::string block(1 << 20, 'X');
        for (int i = 0; i < 200; ++i)
            if (write(end, block.data(), block.size()) < 0)
                break;
        close(end);
    });
    std::FILE *in = fdopen(pipeEnds[0], "r"), *out = std::tmpfile(), *err = std::tmpfile();
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const int status = tempidex::RunCommandLine(Arguments{"tempidex", "-c", "-"}, in, out, err);
    getrusage(RUSAGE_SELF, &after);
    writer.join();
    std::fclose(in);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(ReadAll(out), "ERRORE - Data non corretta\n");
    std::fclose(err);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024); // kilobytes
}
#endif

} // namespace
