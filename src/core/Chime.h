// The hourly chime: the hour in words and what each chime mode does at the full hour.
#pragma once
#include <string>
#include <string_view>

#include "CivilTime.h"

namespace vorlen {

// "凌晨0点整" .. "晚上11点整" for the hours 0..23.
std::string_view HourPhraseOf(int hour);

// "现在是北京时间" followed by the phrase of the hour.
std::string ChimeBalloonText(int hour);

inline constexpr std::string_view kChimeBalloonTitle = "整点报时";

struct ChimeAction {
    bool sound = false;
    bool balloon = false;
};

// What the chime does in `mode` ("1" sound and balloon, "2" sound, "3" balloon, any other
// text nothing) at the handled second `time`: something only at hh:00:00.
ChimeAction ChimeFor(std::string_view mode, const TimeOfDay& time);

}  // namespace vorlen
