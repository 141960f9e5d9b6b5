#pragma once
// How windows show a stamp: its characters are copied, not checked as
// digits, and a stamp that is not 16 characters long shows as nothing.
#include <string>

namespace quorvel {

std::string StampHourMinute(const std::string& stamp);          // "09:30"
std::string StampMonthDayHourMinute(const std::string& stamp);  // "06/15 09:30"

}  // namespace quorvel
