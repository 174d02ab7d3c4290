// Date strings from the local clock, with fixed English month and weekday names.
#include "framework/datestrings.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "platform/textcase.h"

namespace {

constexpr std::array<const char*, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                 "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr std::array<const char*, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::function<std::tm()>& testDateTime() {
  static std::function<std::tm()> source;
  return source;
}

std::tm Now() {
  if (testDateTime()) return testDateTime()();
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return std::tm{};
  return local;
}

// Leading blanks, an optional sign and the digits that follow; anything else gives 0.
int TextToInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT32_MAX) return 0;
  }
  return static_cast<int>(negative ? -value : value);
}

std::string Slice(const std::string& text, size_t from, size_t count) {
  return from < text.size() ? text.substr(from, count) : std::string();
}

int MonthNumber(const std::string& text) {
  const std::string abbreviation = ToLower(text);
  for (size_t i = 0; i < kMonths.size(); ++i) {
    if (abbreviation == kMonths[i]) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace

void SetTestDateTime(std::function<std::tm()> source) { testDateTime() = std::move(source); }

std::string CurrentDateText() {
  const std::tm t = Now();
  std::string month = "???";
  if (t.tm_mon >= 0 && t.tm_mon < 12) {
    month = kMonths[t.tm_mon];
    month[0] = static_cast<char>(month[0] - 'a' + 'A');
  }
  char text[64];
  std::snprintf(text, sizeof text, "%02d %s %04lld", t.tm_mday, month.c_str(),
                static_cast<long long>(t.tm_year) + 1900);
  return text;
}

std::string CurrentTimeText() {
  const std::tm t = Now();
  char text[64];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

std::string weekday3(int day, int month, int year) {
  // 64-bit so that no input overflows; the divisions truncate toward zero as in C.
  const int64_t a = (14 - int64_t{month}) / 12;
  const int64_t y = year - a;
  const int64_t m = month + 12 * a - 2;
  const int64_t w = (day + y + y / 4 - y / 100 + y / 400 + (31 * m) / 12) % 7;
  return w >= 0 && w < 7 ? kWeekdays[w] : "";
}

int leapyear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) ? 1 : 0; }

std::string GetDay() {
  const std::string date = CurrentDateText();
  const int year = TextToInt(date.size() >= 4 ? date.substr(date.size() - 4) : date);
  const int day = TextToInt(Slice(date, 0, 2));
  const int month = MonthNumber(Slice(date, 3, 3));
  return weekday3(day, month, year);
}

std::string Get24Day() {
  const std::string suffix = Slice(CurrentTimeText(), 0, 2) < "12" ? " AM" : " PM";
  return GetDay() + suffix;
}

std::string GetDate() {
  const std::string date = CurrentDateText();
  return Slice(date, 3, 3) + " " + std::to_string(TextToInt(Slice(date, 0, 2)));
}
