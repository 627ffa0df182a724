#include "engine/random.h"

#include <chrono>
#include <string>

namespace pelloric {

namespace {
uint64_t SplitMix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

uint64_t SteadyNanos() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
}  // namespace

ClockRandom::ClockRandom(Clock clock) : clock_(clock ? std::move(clock) : Clock(SteadyNanos)) {
    Randomize();
}

void ClockRandom::Randomize() {
    ++reseeds_;
    state_ = SplitMix(state_ ^ SplitMix(clock_() + reseeds_ * 0xD1B54A32D192ED03ull));
}

uint64_t ClockRandom::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double ClockRandom::Rnd() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

double ScriptedRandom::Rnd() {
    if (pos_ < values_.size()) return values_[pos_++];
    throw ScriptExhausted("ScriptedRandom: value " + std::to_string(pos_ + 1) + " asked for, but the script holds " +
                          std::to_string(values_.size()));
}

}  // namespace pelloric
