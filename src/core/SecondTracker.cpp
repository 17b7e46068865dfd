#include "SecondTracker.h"

namespace vorlen {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

std::vector<std::int64_t> SecondTracker::Tick(std::int64_t nowMs) {
    const std::int64_t current = FloorDiv(nowMs, 1000);
    std::vector<std::int64_t> due;
    if (!started_ || current < last_ || current - last_ > kMaxCatchUp) {
        due.push_back(current);
    } else {
        for (std::int64_t s = last_ + 1; s <= current; ++s) due.push_back(s);
    }
    started_ = true;
    last_ = current;
    return due;
}

unsigned SecondTracker::DelayToNextSecond(std::int64_t nowMs, unsigned marginMs) {
    const std::int64_t intoSecond = nowMs - FloorDiv(nowMs, 1000) * 1000;
    return static_cast<unsigned>(1000 - intoSecond + marginMs);
}

}  // namespace vorlen
