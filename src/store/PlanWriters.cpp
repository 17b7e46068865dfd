#include "PlanWriters.h"

namespace vorlen {
namespace {

void AppendPlan(PlanTable& table, const TextFormats& formats, std::string_view kind, const PlanMoment& moment,
                const std::string& path, const std::string& content) {
    Plan plan;
    plan.texts = {std::string(kind),
                  moment.weekday,
                  DateText(moment.date, formats.date),
                  TimeText(moment.time, formats.time),
                  path,
                  content,
                  moment.period};
    table.Append(plan);
}

}  // namespace

void AppendReminderPlan(PlanTable& table, const TextFormats& formats, const PlanMoment& moment,
                        const std::string& soundPath, const std::string& message) {
    AppendPlan(table, formats, kind::kReminder, moment, soundPath, message);
}

void AppendProgramPlan(PlanTable& table, const TextFormats& formats, const PlanMoment& moment,
                       const std::string& programPath) {
    AppendPlan(table, formats, kind::kProgram, moment, programPath, std::string(kNone));
}

void AppendShutdownPlan(PlanTable& table, const TextFormats& formats, const PlanMoment& moment,
                        const std::string& countdown) {
    AppendPlan(table, formats, kind::kShutdown, moment, std::string(kNone), countdown);
}

}  // namespace vorlen
