// The command line, run in-process on temporary files standing for its standard streams.
#include "command_line.h"
#include "roman_date.h"
#include "vocabulary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

// The command line's standard streams are temporary files.
Outcome Tempidex(const QStringList &arguments, const std::string &input = {}) {
    std::FILE *in = std::tmpfile(), *out = std::tmpfile(), *err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    const int status = tempidex::RunCommandLine(QStringList{"tempidex"} + arguments, in, out, err);
    const auto read = [](std::FILE *file) {
        std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
        std::rewind(file);
        text.resize(std::fread(text.data(), 1, text.size(), file));
        std::fclose(file);
        return text;
    };
    std::fclose(in);
    return {status, read(out), read(err)};
}

TEST(Convert, PrintsWhatTheWindowShowsForEveryListCombination) {
    std::string input, expected;
    for (std::string_view designation : tempidex::Designations)
        for (std::string_view reference : tempidex::ReferenceDays)
            for (std::string_view month : tempidex::MonthEntries) {
                input.append(designation).append(" ").append(reference).append(" ");
                input.append(month).append("\n");
                expected.append(tempidex::ConvertRomanDate(designation, reference, month).text);
                expected.append("\n");
            }
    const Outcome run = Tempidex({"--convert", "-"}, input);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.status, 1); // many combinations name no day
}

TEST(Convert, AnswersLineForLineWhateverTheInputHolds) {
    const std::string input = "a. d. XIX Kal. Ian.\n\n\xff\xfe Kal. \xc3\n" +
                              std::string(1 << 20, 'X') +
                              "\nad bis VI Kal. Mar. (a. i.)\r\nKal. Ian.";
    const Outcome run = Tempidex({"-c", "-", "Idibus Martiis"}, input);
    EXPECT_EQ(run.out, "14 Dicembre\n"
                       "ERRORE - Data non corretta\n"
                       "ERRORE - Data non corretta\n"
                       "ERRORE - Data non corretta\n"
                       "25 Febbraio (anno bisestile)\n"
                       "01 Gennaio\n"
                       "15 Marzo\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Tempidex({"--convert", "Kal. Ian.", "pridie Kal. Mai."}).status, 0);
}

TEST(ToLatin, WritesEachDayAsTheListsHoldIt) {
    const Outcome run =
        Tempidex({"--to-latin", "14/12", " 1.1 ", "-", "29-2", "31/4", "1/2/3"}, "24/2\n");
    EXPECT_EQ(run.out, "a. d. XIX Kal. Ian.\n"
                       "Kal. Ian.\n"
                       "a. d. VI Kal. Mar.\n"
                       "ERRORE - Data Inesistente\n"
                       "ERRORE - Data Inesistente\n"
                       "ERRORE - Data non corretta\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Tempidex({"--to-latin", "--leap", "25/2"}).out, "a. d. bis VI Kal. Mar. (a. i.)\n");
}

TEST(Usage, WrongOptionsGetOneLineAndStatusTwo) {
    for (const QString wrong : {"--bogus", "--convert", "--convert --to-latin 1/1",
                                "--leap -c Kal.", "Kal.", "--leap=1 -l 1/1"}) {
        const Outcome run = Tempidex(wrong.split(' '));
        EXPECT_EQ(run.status, 2) << wrong.toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("tempidex: ") && run.err.find('\n') == run.err.size() - 1)
            << run.err;
    }
    EXPECT_EQ(Tempidex({"--version"}).out, "Tempidex 02 1.00 (1.0.0.0)\n");
    const Outcome help = Tempidex({"--help"});
    EXPECT_TRUE(help.out.starts_with("Uso: tempidex") &&
                help.out.find("a. d. XIX Kal. Ian.") != std::string::npos);
    EXPECT_EQ(help.status, 0);
}

} // namespace
