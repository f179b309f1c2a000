#include "platform/runtime/date_time.h"

#include <cstdio>
#include <ctime>

CivilTime LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return CivilTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string DateText(const CivilTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.month, t.day, t.year);
  return buf;
}

std::string TimeText(const CivilTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return buf;
}

float SecondsSinceMidnight(const CivilTime& t) {
  return static_cast<float>(t.hour * 3600 + t.minute * 60 + t.second);
}
