// A window timer that ticks just after each wall-clock second begins and hands every
// second since the last tick to its handler once, catching up after a busy thread.
#pragma once
#include <windows.h>

#include <functional>

#include "CivilTime.h"
#include "SecondTracker.h"

namespace vorlen::win {

class SecondTimer {
public:
    using Handler = std::function<void(const Moment& second)>;

    // The owner window routes WM_TIMER with `id` to OnTimer.
    SecondTimer(HWND owner, UINT_PTR id, Handler handler);
    ~SecondTimer();
    SecondTimer(const SecondTimer&) = delete;
    SecondTimer& operator=(const SecondTimer&) = delete;

    void Start();
    void Stop();
    bool Enabled() const { return enabled_; }

    // Answers whether the timer message was this timer's.
    bool OnTimer(UINT_PTR id);

private:
    void Arm(long long nowMs);

    HWND owner_;
    UINT_PTR id_;
    Handler handler_;
    SecondTracker tracker_;
    bool enabled_ = false;
};

// The local wall clock in milliseconds since 1970 of the same clock.
long long LocalClockMs();

}  // namespace vorlen::win
