#pragma once
// Dates in records: an 8-byte double counting days from 30 December 1899, the fraction being the
// time of day. Before that day the whole part counts back while the fraction still runs forward
// (-1.25 is 29 December 1899, 06:00). Times are local wall-clock times.

#include <chrono>
#include <optional>

namespace zarle {

double ToRecordDate(std::chrono::local_seconds time);
// The time to the nearest second; nothing for a value that is no date of the years 100..9999
// (a corrupt record).
std::optional<std::chrono::local_seconds> FromRecordDate(double date);
// The local time now, whole seconds.
std::chrono::local_seconds LocalNow();

} // namespace zarle
