#include "base/records/RecordDate.h"

#include <cmath>
#include <ctime>

namespace zarle {

namespace {

using namespace std::chrono;

constexpr local_days DayZero = local_days{year{1899} / December / 30};
constexpr double SecondsPerDay = 86400;
// 1 January 100 and the day after 31 December 9999.
constexpr double FirstDate = -657434;
constexpr double EndDate = 2958466;

} // namespace

double ToRecordDate(local_seconds time) {
    const auto sinceDayZero = time - DayZero;
    const auto day = floor<days>(sinceDayZero);
    const double timeOfDay = double((sinceDayZero - day).count()) / SecondsPerDay;
    const double wholeDays = double(day.count());
    return wholeDays >= 0 ? wholeDays + timeOfDay : wholeDays - timeOfDay;
}

std::optional<local_seconds> FromRecordDate(double date) {
    if (!std::isfinite(date) || date < FirstDate || date >= EndDate) return std::nullopt;
    const double wholeDays = std::trunc(date);
    const auto timeOfDay = seconds{std::llround(std::fabs(date - wholeDays) * SecondsPerDay)};
    return DayZero + days{static_cast<long long>(wholeDays)} + timeOfDay;
}

local_seconds LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const auto day = local_days{year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday};
    return day + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec};
}

} // namespace zarle
