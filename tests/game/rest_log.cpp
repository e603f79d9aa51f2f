#include "rest_log.h"

#include <chrono>
#include <thread>

namespace {

RestLog *Current = nullptr;
void (*DriversRest)(unsigned int, void (*)()) = nullptr;

}  // namespace

RestLog::RestLog()
{
    // rest() hands every rest to the timer driver: the log stands in
    // between. A driver without a rest of its own leaves rest() to wait in
    // a loop of its own, which the log could not see.
    if (timer_driver == nullptr || timer_driver->rest == nullptr) return;
    driversRest_ = timer_driver->rest;
    DriversRest = driversRest_;
    Current = this;
    timer_driver->rest = logged;
}

RestLog::~RestLog()
{
    if (driversRest_ == nullptr) return;
    timer_driver->rest = driversRest_;
    Current = nullptr;
}

void RestLog::logged(unsigned int ms, void (*callback)())
{
    if (Current != nullptr) {
        Current->lengths_.push_back(ms);
        if (Current->onRest) Current->onRest();
        ++Current->count_;
        if (!Current->sleeps) return;
    }
    DriversRest(ms, callback);
}

bool RestLog::waitForRests(int rests) const
{
    using Clock = std::chrono::steady_clock;
    int seen = count_;
    auto lastNew = Clock::now();
    while (seen < rests) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (count_ != seen) {
            seen = count_;
            lastNew = Clock::now();
        } else if (Clock::now() - lastNew > std::chrono::seconds(30)) {
            return false;
        }
    }
    return true;
}
