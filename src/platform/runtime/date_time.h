#pragma once

#include <string>

// A local calendar time, as the clock gives it.
struct CivilTime {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The machine's local time now.
CivilTime LocalTimeNow();

// The date as the report shows it: "mm-dd-yyyy".
std::string DateText(const CivilTime& t);

// The time of day: "hh:mm:ss", 24-hour clock.
std::string TimeText(const CivilTime& t);

// Seconds since midnight, as a Single.
float SecondsSinceMidnight(const CivilTime& t);
