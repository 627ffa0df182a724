// Pseudo-random numbers: re-seeding from the clock and a uniform value in [0, 1).
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

namespace pelloric {

class Random {
public:
    virtual ~Random() = default;
    virtual void Randomize() = 0;   // re-seed from the clock
    virtual double Rnd() = 0;       // uniform in [0, 1)
};

// Integer part by truncation toward minus infinity.
inline int32_t Int(double x) { return static_cast<int32_t>(std::floor(x)); }

// One of the count whole numbers from lo on, for a uniform r in [0, 1). The
// offset is added after the integer part is taken: r * count + lo rounds up to
// lo + count when r is the largest double below 1 and lo is large enough.
inline int32_t Pick(double r, int32_t lo, int32_t count) { return lo + Int(r * count); }

// The game's generator. Each re-seed folds the clock and a running count into
// the state instead of replacing it, so re-seeding many times within one tick
// of the clock still gives fresh values.
class ClockRandom final : public Random {
public:
    using Clock = std::function<uint64_t()>;
    explicit ClockRandom(Clock clock = {});
    void Randomize() override;
    double Rnd() override;

private:
    uint64_t Next();
    Clock clock_;
    uint64_t state_ = 0x9E3779B97F4A7C15ull;
    uint64_t reseeds_ = 0;
};

// A scripted sequence of values for tests; re-seeds are counted and change
// nothing. Asking for a value past the end of the script throws
// ScriptExhausted, so a deal or draw that redraws more often than its script
// allows stops at once with a message instead of looping on a repeated value.
class ScriptExhausted : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<double> values = {}) : values_(std::move(values)) {}
    void Randomize() override { ++reseeds; }
    double Rnd() override;
    void Push(double v) { values_.push_back(v); }
    void Set(std::vector<double> v) { values_ = std::move(v); pos_ = 0; }
    std::size_t Used() const { return pos_; }
    std::size_t Remaining() const { return values_.size() - pos_; }
    int reseeds = 0;

private:
    std::vector<double> values_;
    std::size_t pos_ = 0;
};

// The uniform value that makes Int(r * span + 0) land on index, the middle of its slot.
inline double PickValue(int index, int span) { return (index + 0.5) / span; }

}  // namespace pelloric
