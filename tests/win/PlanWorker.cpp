// A second process working on a plan file, for the tests of concurrent use:
//   plan_worker append PATH COUNT   appends COUNT reminder plans, then ends
//   plan_worker spin PATH           appends until it is killed
// The plan with ID k carries the message "plan k". Errors go to standard output, exit code 1.
#include <windows.h>

#include <cstdio>
#include <string>

#include "AnsiWidth.h"
#include "PlanTable.h"
#include "Unicode.h"

int wmain(int argc, wchar_t** argv) {
    using namespace vorlen;
    if (argc < 3) return 2;
    const std::wstring mode = argv[1];
    const long count = mode == L"append" && argc > 3 ? std::wcstol(argv[3], nullptr, 10) : -1;
    try {
        PlanTable table(win::AnsiCharWidth);
        table.Open(win::Narrow(argv[2]));
        // The only writer: plan k gets ID k, continuing after the rows already there.
        long first = 1;
        for (table.First(); !table.Eof(); table.Next()) first = table.Integer("ID") + 1;
        for (long k = first; count < 0 || k < first + count; ++k) {
            Plan plan;
            plan.texts = {"提醒", "五", "2010-4-30", "9:05:00", "C:\\铃声.wav", "plan " + std::to_string(k), "一次"};
            table.Append(plan);
        }
    } catch (const std::exception& e) {
        std::printf("plan_worker: %s\n", e.what());
        return 1;
    }
    return 0;
}
