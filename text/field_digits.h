// Writing the numbers of date and time fields, shared by the general
// renderer and the compiled format's writers.
#pragma once

namespace kalvori {

// "00" to "99" back to back: two digits written with one copy.
inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes at least `minDigits` digits of a field (never negative) at `at`,
// which has room for 10 digits at least; returns where they end.
inline char* PutNumber(char* at, int value, int minDigits) {
  const auto magnitude = static_cast<unsigned>(value < 0 ? 0 : value);
  if (magnitude < 100 && minDigits <= 2) {  // nearly every field
    const char* pair = kDigitPairs + 2 * magnitude;
    if (magnitude >= 10 || minDigits == 2) {
      at[0] = pair[0];
      at[1] = pair[1];
      return at + 2;
    }
    at[0] = pair[1];
    return at + 1;
  }
  int digits = 1;
  for (unsigned rest = magnitude / 10; rest != 0; rest /= 10) ++digits;
  if (digits < minDigits) digits = minDigits;
  unsigned rest = magnitude;
  for (int i = digits - 1; i >= 0; --i) {
    at[i] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  return at + digits;
}

// The hour on a 12-hour clock: 12, 1 to 11, 12, 1 to 11.
inline int TwelveHour(int hour) {
  if (hour == 0) return 12;
  return hour > 12 ? hour - 12 : hour;
}

}  // namespace kalvori
