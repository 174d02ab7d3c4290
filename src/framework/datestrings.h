// Short date texts for the date and day controls: weekday abbreviation, weekday with
// AM or PM, and month with day. The weekday is computed from the date, not asked for.
#pragma once
#include <ctime>
#include <functional>
#include <string>

std::string GetDay();
std::string weekday3(int day, int month, int year);
int leapyear(int year);
std::string Get24Day();
std::string GetDate();

// Today's date as "%d %b %Y" and the time as "%H:%M:%S", with English month names.
std::string CurrentDateText();
std::string CurrentTimeText();

// Tests replace the local calendar time; an empty function restores the system clock.
void SetTestDateTime(std::function<std::tm()> source);
