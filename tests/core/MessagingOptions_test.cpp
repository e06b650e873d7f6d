#include "core/MessagingOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(acceptInterval, StoresAPositiveInterval) {
  // Typed, unit, text stored, seconds. A fraction left in the box is kept as typed and its whole
  // part counts; beyond the 32-bit range the seconds stop at its end.
  const std::tuple<const char*, std::int64_t, const char*, std::int64_t> rows[] = {
      {"", 1, "1", 1},
      {"0", 60, "1", 60},
      {"-5", 1, "5", 5},
      {"3", 60, "3", 180},
      {"-3.5", 1, "4", 4},
      {"2.5", 60, "2.5", 120},
      {"40000000", 60, "40000000", 2147483647},
      {"9e99", 1, "9e99", 2147483647},
      {"-9e99", 1, "9223372036854775807", 2147483647}};
  for (const auto& [typed, unit, text, seconds] : rows) {
    const rcon::AcceptedInterval a = rcon::acceptInterval(typed, unit);
    EXPECT_EQ(std::pair(a.text, a.seconds), std::pair(std::string(text), seconds)) << typed;
  }
}

TEST(tidyInterval, LeavesTheWholePart) {
  const std::pair<const char*, const char*> rows[] = {
      {"2.9", "2"}, {"-3.5", "-4"}, {" 1 2 ", "12"}, {"x", "0"}};
  for (const auto& [typed, tidy] : rows) EXPECT_EQ(rcon::tidyInterval(typed), tidy);
}

}  // namespace
