// Any chain the chain page can hand over: 1 to 100 rows with any length texts and kinds, and any resistance
// text, each converted as the page converts it. The calculation must end with a verdict or with one of the
// errors a user is shown (the conversion error of a text, a division by zero at a node at 0 V, an
// overflow), must ask for its inputs in the page's order in every pass, and must agree bit for bit with a
// second working of the chain written out here step by step.
//
// Input, one text per line (a full stop is the decimal separator):
//   line 1        the resistance field, ohm per km
//   lines 2 on    one row each, nearest the unit first: a kind digit (its value modulo 4: 0 ЛИР-С-11,
//                 1 ЛИФ-С-11, 2 ЛИВ, 3 ЛИЗ), then the length cell's text in metres
// Rows past the hundredth are ignored; an input without a row line is skipped.

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/core.h"
#include "core/errors.h"
#include "fuzz/fuzz_check.h"
#include "platform/number_text.h"

namespace {

using zelta::ChainResult;
using zelta::ChainSource;
using zelta::TChainVerdict;
using zelta::TSensorKind;
using zelta::fuzz::Check;
using zelta::fuzz::Fail;
using zelta::fuzz::Quote;

constexpr std::string_view kDecimal = ".";

// A text as the page converts it: its value, or the conversion error it raises (thrown again on every
// request, as a fresh conversion would).
struct Converted {
    long double value = 0.0L;
    std::exception_ptr error;

    explicit Converted(const std::string& text) {
        try {
            value = zelta::TextToFloat(text, kDecimal);
        } catch (const zelta::EConvertError&) {
            error = std::current_exception();
        }
    }
    long double Get() const {
        if (error) {
            std::rethrow_exception(error);
        }
        return value;
    }
};

struct Page {
    std::optional<Converted> resistance;
    std::vector<Converted> lengths;  // row k is lengths[k - 1]
    std::vector<TSensorKind> kinds;
    int RowCount() const { return static_cast<int>(lengths.size()); }
};

std::optional<Page> PageFrom(std::string_view input) {
    Page page;
    std::size_t lineEnd = input.find('\n');
    if (lineEnd == std::string_view::npos) {
        return std::nullopt;
    }
    page.resistance.emplace(std::string(input.substr(0, lineEnd)));
    while (lineEnd != std::string_view::npos && page.RowCount() < zelta::MaxChainRows) {
        const std::size_t begin = lineEnd + 1;
        lineEnd = input.find('\n', begin);
        const std::string_view line =
            input.substr(begin, lineEnd == std::string_view::npos ? lineEnd : lineEnd - begin);
        if (line.empty() && lineEnd == std::string_view::npos) {
            break;  // a final line break
        }
        const int kind = line.empty() ? 0 : static_cast<unsigned char>(line[0]) % 4;
        page.kinds.push_back(zelta::kAllSensorKinds[static_cast<std::size_t>(kind)]);
        page.lengths.emplace_back(std::string(line.empty() ? line : line.substr(1)));
    }
    if (page.RowCount() == 0) {
        return std::nullopt;
    }
    return page;
}

// The page's source, watched: every request must come in the page's order, pass after pass (the
// resistance, then for rows N down to 1 the length and then the kind).
class WatchedSource final : public ChainSource {
public:
    explicit WatchedSource(const Page& page) : page_(page) {}

    long double Resistance() override {
        Expect(kResistance, 0);
        ++passes_;
        next_ = {kLength, page_.RowCount()};
        return page_.resistance->Get();
    }
    long double Length(int row) override {
        Expect(kLength, row);
        next_ = {kKind, row};
        return page_.lengths.at(static_cast<std::size_t>(row - 1)).Get();
    }
    TSensorKind Kind(int row) override {
        Expect(kKind, row);
        next_ = row > 1 ? Request{kLength, row - 1} : Request{kResistance, 0};
        return page_.kinds.at(static_cast<std::size_t>(row - 1));
    }

    // A verdict comes only after a whole pass.
    bool PassCompleted() const { return next_.what == kResistance && passes_ > 0; }
    long Passes() const { return passes_; }

private:
    enum What { kResistance, kLength, kKind };
    struct Request {
        What what;
        int row;
    };
    void Expect(What what, int row) const {
        if (what != next_.what || row != next_.row) {
            static constexpr const char* kNames[] = {"resistance", "length", "kind"};
            Fail("the inputs are asked in the page's order",
                 std::string("asked for the ") + kNames[what] + " of row " + std::to_string(row) +
                     ", expected the " + kNames[next_.what] + " of row " + std::to_string(next_.row) +
                     " in pass " + std::to_string(passes_));
        }
    }

    const Page& page_;
    Request next_{kResistance, 0};
    long passes_ = 0;
};

// How a working of the chain ended.
struct Outcome {
    enum Kind { kVerdict, kOverflow, kZeroDivide, kConversion, kOther } kind = kOther;
    TChainVerdict verdict = TChainVerdict::crAcceptable;
    std::uint32_t supplyVoltageBits = 0;
    std::string message;
    long passes = 0;

    bool operator==(const Outcome&) const = default;
    std::string Describe() const {
        static constexpr const char* kKinds[] = {"verdict", "overflow", "division by zero",
                                                 "conversion error", "another error"};
        std::string text = kKinds[kind];
        if (kind == kVerdict) {
            char figure[64];
            std::snprintf(figure, sizeof figure, " %s, V0 %.9g (bits %08X)",
                          verdict == TChainVerdict::crAcceptable ? "acceptable" : "not acceptable",
                          static_cast<double>(std::bit_cast<float>(supplyVoltageBits)),
                          static_cast<unsigned>(supplyVoltageBits));
            text += figure;
        }
        if (!message.empty()) {
            text += " " + Quote(message);
        }
        return text + " after " + std::to_string(passes) + " passes";
    }
};

// ---- The second working: the chain worked out step by step, as the unit's supply is reckoned ----

struct Overflow {};
struct ZeroDivide {};

// A value stored as a float: rounded to nearest even, and an overflow from half an ulp past the largest
// float on (2^128 - 2^103 rounds to infinity, the largest float's last bit being odd).
float Store(long double value) {
    if (std::fabs(value) >= 0x1p128L - 0x1p103L) {
        throw Overflow{};
    }
    return static_cast<float>(value);
}

long double Quotient(long double power, long double voltage) {
    if (voltage == 0.0L) {
        throw ZeroDivide{};  // a sensor's power is never 0, so this is never 0 / 0
    }
    return power / voltage;
}

float Watts(TSensorKind kind) {
    switch (kind) {
        case TSensorKind::skLir:
        case TSensorKind::skLiz:
            return 3.0f;
        case TSensorKind::skLif:
            return 2.0f;
        case TSensorKind::skLiv:
            return 5.0f;
    }
    return 0.0f;
}

Outcome WorkOutByHand(const Page& page) {
    Outcome outcome;
    const int n = page.RowCount();
    float u = 10.0f;  // V at the farthest sensor
    try {
        for (;;) {
            ++outcome.passes;
            float v[101] = {};
            float len[101] = {};
            float i = 0.0f;
            float iNode = 0.0f;
            const float r = Store(page.resistance->Get() * 0.001L);
            for (int k = n; k >= 1; --k) {
                len[k] = Store(page.lengths[static_cast<std::size_t>(k - 1)].Get());
                const float p = Watts(page.kinds[static_cast<std::size_t>(k - 1)]);
                if (k == n) {
                    v[n] = u;
                    i = Store(Quotient(p, u));
                } else {
                    i = Store(static_cast<long double>(i) + iNode);
                    v[k] = Store(2.0L * r * len[k + 1] * i + v[k + 1]);
                    iNode = Store(Quotient(p, v[k]));
                }
                if (k == 1) {
                    i = Store(static_cast<long double>(i) + iNode);
                    v[0] = Store(2.0L * r * len[1] * i + v[1]);
                }
            }
            if (!(i > 2.0f)) {
                outcome.kind = Outcome::kVerdict;
                outcome.verdict = v[0] > 30.0f ? TChainVerdict::crNotAcceptable : TChainVerdict::crAcceptable;
                outcome.supplyVoltageBits = std::bit_cast<std::uint32_t>(v[0]);
                return outcome;
            }
            const float raised = Store(static_cast<long double>(u) + static_cast<long double>(0.1));
            if (raised == u) {
                // The 0.1 V step is lost in the far-end voltage's rounding and the line still draws too much.
                outcome.kind = Outcome::kVerdict;
                outcome.verdict = TChainVerdict::crNotAcceptable;
                outcome.supplyVoltageBits = std::bit_cast<std::uint32_t>(v[0]);
                return outcome;
            }
            u = raised;
        }
    } catch (const Overflow&) {
        outcome.kind = Outcome::kOverflow;
    } catch (const ZeroDivide&) {
        outcome.kind = Outcome::kZeroDivide;
    } catch (const zelta::EConvertError& error) {
        outcome.kind = Outcome::kConversion;
        outcome.message = error.Message();
    }
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<Page> page = PageFrom(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!page) {
        return 0;
    }

    WatchedSource source(*page);
    Outcome got;
    try {
        const ChainResult result = zelta::CalculateChain(page->RowCount(), source);
        Check(source.PassCompleted(), "a verdict rests on a whole pass",
              [&] { return std::to_string(source.Passes()) + " passes"; });
        got.kind = Outcome::kVerdict;
        got.verdict = result.verdict;
        got.supplyVoltageBits = std::bit_cast<std::uint32_t>(result.supplyVoltage);
    } catch (const zelta::EOverflow& error) {
        got.kind = Outcome::kOverflow;
        Check(error.what() == std::string("Floating point overflow"), "the overflow message",
              [&] { return error.what(); });
    } catch (const zelta::EZeroDivide& error) {
        got.kind = Outcome::kZeroDivide;
        Check(error.what() == std::string("Floating point division by zero"), "the division message",
              [&] { return error.what(); });
    } catch (const zelta::EConvertError& error) {
        got.kind = Outcome::kConversion;
        got.message = error.Message();
    } catch (const std::exception& error) {
        got.kind = Outcome::kOther;
        got.message = error.what();
    }
    got.passes = source.Passes();

    Check(got.kind != Outcome::kOther, "the chain ends with a verdict or an error a user is shown",
          [&] { return got.Describe(); });
    const Outcome expected = WorkOutByHand(*page);
    Check(got == expected, "the calculation agrees with the chain worked out step by step",
          [&] { return "got " + got.Describe() + ", expected " + expected.Describe(); });
    return 0;
}
