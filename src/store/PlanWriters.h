// The three plan writers: one row each for a reminder, a program run and a shutdown.
#pragma once
#include <string>

#include "CivilTime.h"
#include "DateTimeText.h"
#include "PlanTable.h"

namespace vorlen {

// The renderings the writers store dates and times with.
struct TextFormats {
    DateFormat date;
    TimeFormat time;
};

// The editor values every plan carries.
struct PlanMoment {
    std::string weekday;  // the weekday box's text, as typed
    Date date;
    TimeOfDay time;
    std::string period;
};

void AppendReminderPlan(PlanTable& table, const TextFormats& formats, const PlanMoment& moment,
                        const std::string& soundPath, const std::string& message);
void AppendProgramPlan(PlanTable& table, const TextFormats& formats, const PlanMoment& moment,
                       const std::string& programPath);
void AppendShutdownPlan(PlanTable& table, const TextFormats& formats, const PlanMoment& moment,
                        const std::string& countdown);

}  // namespace vorlen
