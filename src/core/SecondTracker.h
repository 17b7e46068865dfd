// Which wall-clock seconds a one-second timer tick must handle.
//
// A plain 1000 ms timer fires a little late each time, so its ticks drift across second
// boundaries and now and then a whole second passes unseen; a handler that blocks the
// thread (a synchronous sound) hides the seconds it spans. The tracker hands every second
// since the last one handled to the next tick, exactly once. A jump larger than
// kMaxCatchUp seconds (sleep, the clock set forward) or any jump back handles only the
// current second.
#pragma once
#include <cstdint>
#include <vector>

namespace vorlen {

class SecondTracker {
public:
    static constexpr std::int64_t kMaxCatchUp = 5;

    // `nowMs` is the local wall clock in milliseconds. Answers the seconds (local clock,
    // whole seconds) to handle now, oldest first; the tracker counts them as handled
    // before the caller runs any handler, so a nested tick never handles one twice.
    std::vector<std::int64_t> Tick(std::int64_t nowMs);

    // Milliseconds from `nowMs` until `marginMs` after the next second begins: the delay
    // that re-arms a timer so its ticks fall just after each second starts.
    static unsigned DelayToNextSecond(std::int64_t nowMs, unsigned marginMs);

private:
    bool started_ = false;
    std::int64_t last_ = 0;
};

}  // namespace vorlen
