#include <gtest/gtest.h>

#include "Chime.h"
#include "CivilTime.h"

namespace vorlen {
namespace {

TEST(HourPhrase, EveryHourOfTheDay) {
    const char* expected[24] = {"凌晨0点整", "凌晨1点整",  "凌晨2点整",  "凌晨3点整",  "凌晨4点整",  "凌晨5点整",
                                "上午6点整", "上午7点整",  "上午8点整",  "上午9点整",  "上午10点整", "上午11点整",
                                "中午12点整", "下午1点整", "下午2点整",  "下午3点整",  "下午4点整",  "下午5点整",
                                "晚上6点整", "晚上7点整",  "晚上8点整",  "晚上9点整",  "晚上10点整", "晚上11点整"};
    for (int hour = 0; hour < 24; ++hour) EXPECT_EQ(HourPhraseOf(hour), expected[hour]) << hour;
    EXPECT_EQ(ChimeBalloonText(9), "现在是北京时间上午9点整");
}

TEST(ChimeFor, EachModeOnlyAtTheFullHour) {
    const struct {
        const char* mode;
        TimeOfDay time;
        bool sound, balloon;
    } cases[] = {
        {"1", {9, 0, 0}, true, true},    {"2", {12, 0, 0}, true, false}, {"3", {0, 0, 0}, false, true},
        {"4", {9, 0, 0}, false, false},  {"7", {9, 0, 0}, false, false}, {"01", {9, 0, 0}, false, false},
        {"", {9, 0, 0}, false, false},   {"1", {9, 0, 1}, false, false}, {"1", {9, 1, 0}, false, false},
        {"3", {23, 59, 59}, false, false},
    };
    for (const auto& c : cases) {
        const ChimeAction a = ChimeFor(c.mode, c.time);
        EXPECT_EQ(a.sound, c.sound) << c.mode << " " << c.time.hour << ":" << c.time.minute << ":" << c.time.second;
        EXPECT_EQ(a.balloon, c.balloon) << c.mode << " " << c.time.hour << ":" << c.time.minute << ":" << c.time.second;
    }
}

TEST(Moment, SecondsRoundTripAcrossMonthsAndLeapDays) {
    for (const Moment m : {Moment{{1970, 1, 1}, {0, 0, 0}}, Moment{{2000, 2, 29}, {23, 59, 59}},
                           Moment{{2026, 12, 11}, {9, 5, 0}}, Moment{{2100, 3, 1}, {12, 0, 0}}}) {
        const Moment back = MomentFromSeconds(SecondsSinceEpoch(m));
        EXPECT_EQ(back.date.year, m.date.year);
        EXPECT_EQ(back.date.month, m.date.month);
        EXPECT_EQ(back.date.day, m.date.day);
        EXPECT_EQ(back.time.hour, m.time.hour);
        EXPECT_EQ(back.time.second, m.time.second);
    }
    EXPECT_EQ(SecondsSinceEpoch({{1970, 1, 2}, {0, 0, 1}}), 86401);
}

}  // namespace
}  // namespace vorlen
