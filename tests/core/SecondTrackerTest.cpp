#include <gtest/gtest.h>

#include <map>

#include "SecondTracker.h"

namespace vorlen {
namespace {

using Seconds = std::vector<std::int64_t>;

// Feeds tick times (ms) to a tracker; answers how often each second was handled.
std::map<std::int64_t, int> HandledCounts(const std::vector<std::int64_t>& tickTimesMs) {
    SecondTracker tracker;
    std::map<std::int64_t, int> counts;
    for (auto t : tickTimesMs)
        for (auto s : tracker.Tick(t)) ++counts[s];
    return counts;
}

Seconds Handled(SecondTracker& tracker, std::int64_t ms) { return tracker.Tick(ms); }

TEST(SecondTracker, DriftingTimerStillHandlesEverySecondOnce) {
    // A 1000 ms timer that fires 15 ms late each time skips whole seconds now and then.
    std::vector<std::int64_t> ticks;
    for (int k = 0; k < 400; ++k) ticks.push_back(1'000'000 + 980 + k * 1015LL);
    const auto counts = HandledCounts(ticks);
    const std::int64_t first = counts.begin()->first, last = counts.rbegin()->first;
    EXPECT_EQ(last - first + 1, static_cast<std::int64_t>(counts.size())) << "a second went unseen";
    for (const auto& [second, n] : counts) EXPECT_EQ(n, 1) << second;
    EXPECT_GT(static_cast<int>(counts.size()), 400);  // more seconds passed than ticks came
}

TEST(SecondTracker, BlockedThreadCatchesUpAtOnce) {
    const struct {
        const char* what;
        std::vector<std::int64_t> ticksMs;
        std::vector<Seconds> expected;
    } cases[] = {
        {"1.6 s sound started late in a second", {1'020, 1'980, 3'580, 4'020}, {{1}, {}, {2, 3}, {4}}},
        {"3 s block", {1'020, 4'020, 5'020}, {{1}, {2, 3, 4}, {5}}},
        {"five seconds are still caught up", {10'020, 15'020}, {{10}, {11, 12, 13, 14, 15}}},
        {"an hour of sleep handles only now", {10'020, 3'610'020, 3'611'020}, {{10}, {3610}, {3611}}},
        {"six seconds count as a jump", {10'020, 16'020}, {{10}, {16}}},
        {"clock set back", {100'020, 50'020, 51'020}, {{100}, {50}, {51}}},
        {"clock set back within the catch-up range", {100'020, 98'020, 99'020}, {{100}, {98}, {99}}},
    };
    for (const auto& c : cases) {
        SecondTracker tracker;
        for (std::size_t i = 0; i < c.ticksMs.size(); ++i)
            EXPECT_EQ(Handled(tracker, c.ticksMs[i]), c.expected[i]) << c.what << ", tick " << i;
    }
}

TEST(SecondTracker, NestedTickNeverHandlesASecondTwice) {
    SecondTracker tracker;
    EXPECT_EQ(Handled(tracker, 1'020), Seconds{1});
    // A modal window opened by the handler of second 1 runs the timer again.
    EXPECT_EQ(Handled(tracker, 1'500), Seconds{});
    EXPECT_EQ(Handled(tracker, 2'030), Seconds{2});
}

TEST(SecondTracker, ReArmingPutsEachTickJustAfterTheSecondBegins) {
    EXPECT_EQ(SecondTracker::DelayToNextSecond(1'000, 20), 1'020u);
    EXPECT_EQ(SecondTracker::DelayToNextSecond(1'999, 20), 21u);
    EXPECT_EQ(SecondTracker::DelayToNextSecond(1'400, 20), 620u);
    // A timer that arrives 0..40 ms late after each re-arm sees every second once.
    std::vector<std::int64_t> ticks;
    std::int64_t t = 5'123;
    for (int k = 0; k < 300; ++k) {
        ticks.push_back(t);
        t += SecondTracker::DelayToNextSecond(t, 20) + (k * 7) % 41;
    }
    for (const auto& [second, n] : HandledCounts(ticks)) EXPECT_EQ(n, 1) << second;
}

}  // namespace
}  // namespace vorlen
