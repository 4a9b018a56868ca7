#include "game/platform/clock.h"

#include <chrono>
#include <ctime>

namespace platform {
namespace {

std::function<float()>& Source() {
    static std::function<float()> source;
    return source;
}

std::function<void(float)>& Observer() {
    static std::function<void(float)> observer;
    return observer;
}

float LocalSecondsSinceMidnight() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    auto sinceSecond = duration_cast<microseconds>(now - system_clock::from_time_t(t)).count();
    double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                     static_cast<double>(sinceSecond) / 1e6;
    return static_cast<float>(seconds);
}

}  // namespace

float TimeOfDay() {
    const float now = Source() ? Source()() : LocalSecondsSinceMidnight();
    if (Observer()) Observer()(now);
    return now;
}

void SetTimeOfDayObserver(std::function<void(float)> observer) {
    Observer() = std::move(observer);
}

void SetTimeOfDaySource(std::function<float()> source) {
    Source() = std::move(source);
}

float SecondsSince(float earlier, float now) {
    float d = now - earlier;
    if (d < 0.0f) d += 86400.0f;
    return d;
}

}  // namespace platform
