// The longest chain calculation there is: a hundred ЛИВ on segments of 0 m take 2401 passes, each asking for
// the resistance and every row's length and kind again.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/core.h"
#include "platform/number_text.h"

namespace {

using zelta::ChainSource;
using zelta::TSensorKind;

constexpr int kRows = zelta::MaxChainRows;
constexpr int kPasses = 2401;

// Inputs already converted.
class StoredSource : public ChainSource {
public:
    long double Resistance() override {
        ++passes;
        return 10.0L;
    }
    long double Length(int) override { return 0.0L; }
    TSensorKind Kind(int) override { return TSensorKind::skLiv; }

    long passes = 0;
};

// Inputs as the chain page holds them, converted on every request.
class TextSource : public ChainSource {
public:
    TextSource() : lengths_(kRows, "0"), kinds_(kRows, std::string(zelta::ListName(TSensorKind::skLiv))) {}

    long double Resistance() override {
        ++passes;
        return zelta::TextToFloat(resistance_, ",");
    }
    long double Length(int row) override { return zelta::TextToFloat(lengths_[Index(row)], ","); }
    TSensorKind Kind(int row) override { return zelta::SensorKindByListName(kinds_[Index(row)]).value(); }

    long passes = 0;

private:
    static std::size_t Index(int row) { return static_cast<std::size_t>(row - 1); }

    std::string resistance_ = "10";
    std::vector<std::string> lengths_;
    std::vector<std::string> kinds_;
};

template <class Source>
void BM_LongestChain(benchmark::State& state) {
    Source source;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelta::CalculateChain(kRows, source));
    }
    const long passesPerRun = source.passes / static_cast<long>(state.iterations());
    if (passesPerRun != kPasses) {
        state.SkipWithError("the chain no longer takes 2401 passes");
    }
    state.counters["passes"] = static_cast<double>(passesPerRun);
}

BENCHMARK(BM_LongestChain<StoredSource>)->Name("LongestChain/StoredInputs")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongestChain<TextSource>)->Name("LongestChain/TextInputs")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
