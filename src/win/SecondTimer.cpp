#include "SecondTimer.h"

namespace vorlen::win {
namespace {

constexpr unsigned kMarginMs = 20;

}  // namespace

long long LocalClockMs() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const Moment m{{now.wYear, now.wMonth, now.wDay}, {now.wHour, now.wMinute, now.wSecond}};
    return SecondsSinceEpoch(m) * 1000 + now.wMilliseconds;
}

SecondTimer::SecondTimer(HWND owner, UINT_PTR id, Handler handler)
    : owner_(owner), id_(id), handler_(std::move(handler)) {}

SecondTimer::~SecondTimer() { Stop(); }

void SecondTimer::Start() {
    enabled_ = true;
    Arm(LocalClockMs());
}

void SecondTimer::Stop() {
    if (enabled_) KillTimer(owner_, id_);
    enabled_ = false;
}

void SecondTimer::Arm(long long nowMs) {
    SetTimer(owner_, id_, SecondTracker::DelayToNextSecond(nowMs, kMarginMs), nullptr);
}

bool SecondTimer::OnTimer(UINT_PTR id) {
    if (id != id_) return false;
    if (!enabled_) return true;
    // Re-arm first: a handler may open a modal window, whose message loop must keep
    // delivering this timer.
    const long long now = LocalClockMs();
    Arm(now);
    for (long long second : tracker_.Tick(now)) handler_(MomentFromSeconds(second));
    return true;
}

}  // namespace vorlen::win
