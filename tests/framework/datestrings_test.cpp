// Date strings at fixed times, and the weekday formula against the C library's calendar.
#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <regex>
#include <string>

#include "framework/datestrings.h"

namespace {

const char* const kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::tm At(int day, int month, int year, int hour, int minute, int second) {
  std::tm t{};
  t.tm_mday = day;
  t.tm_mon = month - 1;
  t.tm_year = year - 1900;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

class DateStrings : public testing::Test {
 protected:
  void Fix(const std::tm& t) {
    SetTestDateTime([t] { return t; });
  }
  void TearDown() override { SetTestDateTime({}); }
};

}  // namespace

TEST_F(DateStrings, TextsForAFixedDay) {
  Fix(At(6, 12, 2026, 9, 5, 7));
  EXPECT_EQ(CurrentDateText(), "06 Dec 2026");
  EXPECT_EQ(CurrentTimeText(), "09:05:07");
  EXPECT_EQ(GetDate(), "Dec 6");
  EXPECT_EQ(GetDay(), "Sun");
  EXPECT_EQ(Get24Day(), "Sun AM");

  Fix(At(29, 2, 2024, 23, 0, 0));
  EXPECT_EQ(GetDate(), "Feb 29");
  EXPECT_EQ(Get24Day(), "Thu PM");

  Fix(At(31, 5, 1999, 0, 0, 0));
  EXPECT_EQ(GetDate(), "May 31");
  EXPECT_EQ(GetDay(), "Mon");
}

TEST_F(DateStrings, MorningEndsAtNoon) {
  const struct {
    int hour, minute, second;
    const char* suffix;
  } cases[] = {{11, 59, 59, " AM"}, {0, 30, 0, " AM"}, {12, 0, 0, " PM"}, {23, 0, 0, " PM"}};
  for (const auto& c : cases) {
    Fix(At(1, 1, 2000, c.hour, c.minute, c.second));
    EXPECT_EQ(Get24Day(), std::string("Sat") + c.suffix) << c.hour;
  }
}

TEST(Weekday3, AgreesWithTheCCalendar) {
  EXPECT_EQ(weekday3(1, 1, 2000), "Sat");
  EXPECT_EQ(weekday3(29, 2, 2024), "Thu");
  EXPECT_EQ(weekday3(6, 12, 2026), "Sun");
  // Every day from 1600 to 2400.
  std::tm start = At(1, 1, 1600, 12, 0, 0);
  const std::time_t first = timegm(&start);
  int checked = 0;
  for (std::time_t t = first; checked < 292200; t += 86400, ++checked) {
    std::tm day{};
    ASSERT_NE(gmtime_r(&t, &day), nullptr);
    ASSERT_EQ(weekday3(day.tm_mday, day.tm_mon + 1, day.tm_year + 1900), kDayNames[day.tm_wday])
        << day.tm_mday << "." << day.tm_mon + 1 << "." << day.tm_year + 1900;
  }
}

TEST(Weekday3, OddInputsGiveAWeekdayOrNothing) {
  // Month 0 falls through the formula as December of the year before.
  EXPECT_EQ(weekday3(15, 0, 2025), "Sun");  // 15 December 2024
  const int extremes[] = {INT_MIN, -1000, -1, 0, 1, 13, 1000, INT_MAX};
  for (int day : extremes) {
    for (int month : extremes) {
      for (int year : extremes) {
        const std::string w = weekday3(day, month, year);
        EXPECT_TRUE(w.empty() || w.size() == 3) << day << " " << month << " " << year;
      }
    }
  }
  EXPECT_EQ(weekday3(-100001, 1, 2000), "");  // a negative remainder names no day
}

TEST(LeapYear, AgreesWithTheCCalendar) {
  EXPECT_EQ(leapyear(2024), 1);
  EXPECT_EQ(leapyear(1900), 0);
  EXPECT_EQ(leapyear(2000), 1);
  EXPECT_EQ(leapyear(2023), 0);
  for (int year = 1; year <= 9999; ++year) {
    std::tm feb29 = At(29, 2, year, 12, 0, 0);
    const std::time_t t = timegm(&feb29);
    std::tm back{};
    ASSERT_NE(gmtime_r(&t, &back), nullptr);
    ASSERT_EQ(leapyear(year), back.tm_mon == 1 ? 1 : 0) << year;
  }
  EXPECT_EQ(leapyear(INT_MIN), 1);  // divisible by 4, not by 100
  EXPECT_EQ(leapyear(INT_MAX), 0);
}
