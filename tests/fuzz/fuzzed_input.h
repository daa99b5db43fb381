#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pruhomat::fuzzing {

// The fuzzer's bytes read front to back, so a corpus file reads as its events in order. Past
// the end every read gives zero.
class FuzzedInput {
public:
    explicit FuzzedInput(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool exhausted() const { return next_ == bytes_.size(); }

    std::uint8_t byte() { return exhausted() ? 0 : bytes_[next_++]; }

    // One of count choices.
    std::size_t choice(std::size_t count) { return byte() % count; }

    // A coordinate from two bytes, high first, in [lowest, lowest + span).
    int coordinate(int lowest, int span) {
        const int high = byte();
        const int low = byte();
        return lowest + (high << 8 | low) % span;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};

}  // namespace pruhomat::fuzzing
