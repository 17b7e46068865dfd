// Resource identifiers of the scheduler.
#pragma once

#define IDI_SCHEDULER 1
#define IDB_ABOUT 101
