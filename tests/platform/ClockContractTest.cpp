#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "tests/support/TestPlatform.h"

namespace quorvel {
namespace {

TEST(ClockContract, NowIsTheLocalTimeOfDay) {
  std::unique_ptr<Clock> clock = test::MakeRealClock();
  const LocalTime t = clock->Now();
  EXPECT_GE(t.year, 2024);
  EXPECT_LE(t.year, 2100);
  EXPECT_GE(t.month, 1);
  EXPECT_LE(t.month, 12);
  EXPECT_GE(t.day, 1);
  EXPECT_LE(t.day, 31);
  EXPECT_GE(t.hour, 0);
  EXPECT_LE(t.hour, 23);
  EXPECT_GE(t.minute, 0);
  EXPECT_LE(t.minute, 59);
  EXPECT_GE(t.second, 0);
  EXPECT_LE(t.second, 60);
  // The same moment as the C library's local time, to the second or two.
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  tm.tm_isdst = -1;
  const double apart = std::difftime(std::time(nullptr), std::mktime(&tm));
  EXPECT_GE(apart, -1.0);
  EXPECT_LE(apart, 3.0);
}

TEST(ClockContract, WaitWaits) {
  std::unique_ptr<Clock> clock = test::MakeRealClock();
  const auto start = std::chrono::steady_clock::now();
  clock->Wait(150);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, std::chrono::milliseconds(140));
  EXPECT_LT(took, std::chrono::milliseconds(3000));
  const auto start0 = std::chrono::steady_clock::now();
  clock->Wait(0);
  EXPECT_LT(std::chrono::steady_clock::now() - start0, std::chrono::milliseconds(500));
}

}  // namespace
}  // namespace quorvel
