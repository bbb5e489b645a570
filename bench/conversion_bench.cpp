// Time of one ConvertRomanDate call over every combination of the three lists, mixed with
// the kinds of malformed text a user can type, and of the same answered from one line of text.
#include "window/roman_date.h"
#include "window/window_lists.h"
#include "writing/answers.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

struct Input {
    std::string designation, reference, month;
};

std::vector<Input> MixedInputs() {
    std::vector<Input> inputs;
    for (auto designation : tempidex::Designations)
        for (auto reference : tempidex::ReferenceDays)
            for (auto month : tempidex::MonthEntries)
                inputs.push_back(
                    {std::string(designation), std::string(reference), std::string(month)});
    // One malformed input for every ten valid ones, failing at each of the three checks.
    const Input malformed[] = {{"a. d. xix", "Kal.", "Ian."},
                               {"pridie", "kal.", "Ian."},
                               {"pridie", "Kal.", "Mar"},
                               {"", "", ""},
                               {std::string(200, 'X'), "Id.", "Dec."},
                               {"pridie", "Kal.", "Mar. (a. i.) "}};
    const std::size_t valid = inputs.size();
    for (std::size_t i = 0; i < valid / 10; ++i)
        inputs.push_back(malformed[i % std::size(malformed)]);
    return inputs;
}

void BM_ConvertRomanDate(benchmark::State &state) {
    const std::vector<Input> inputs = MixedInputs();
    std::size_t next = 0;
    for (auto _ : state) {
        const Input &in = inputs[next];
        next = next + 1 == inputs.size() ? 0 : next + 1;
        auto result = tempidex::ConvertRomanDate(in.designation, in.reference, in.month);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertRomanDate);

// One line of a batch, read and answered as the command line answers it: the list texts as
// typed (0), the same dates with a year (1), and the same among the words of a dating clause,
// as bench/cli_batch.sh writes them (2).
void BM_LatinToModern(benchmark::State &state) {
    constexpr std::string_view before[] = {"Datum Romae apud S. Petrum, ", "Actum Florentie, ",
                                           "Scr. Thessalonicae in domo Planci, ", "Dat. Later. "};
    constexpr std::string_view after[] = {", pontificatus nostri anno quarto.",
                                          ", indictione VIII.", " (a. 696)",
                                          " Honorio VIII et Theodosio III AA. conss."};
    std::vector<std::string> lines;
    for (const Input &in : MixedInputs()) {
        std::string date = in.designation + " " + in.reference + " " + in.month +
                           (state.range(0) > 0 ? " MDXXIV" : "");
        const std::size_t kind = lines.size() % std::size(before);
        lines.push_back(state.range(0) < 2
                            ? date
                            : std::string(before[kind]) + date + std::string(after[kind]));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        auto answer = tempidex::LatinToModern(lines[next], {});
        next = next + 1 == lines.size() ? 0 : next + 1;
        benchmark::DoNotOptimize(answer);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LatinToModern)->Arg(0)->Arg(1)->Arg(2);

} // namespace

BENCHMARK_MAIN();
