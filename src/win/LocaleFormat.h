// The user's date and time settings, as the system reports them, for the plan texts.
#pragma once
#include "PlanWriters.h"

namespace vorlen::win {

// Reads the user's current settings (12/24-hour clock, designator place and texts,
// leading zero, time separator, short date picture, date separator, day and month names).
TextFormats ReadUserTextFormats();

}  // namespace vorlen::win
