// Points in time as the image records them: seconds since 1970-01-01 UTC, written
// with a zero offset from Greenwich so readers show them in their own local time.
#pragma once

#include <cstdint>

namespace quillon::discimage {

struct Timestamp {
    std::int64_t unixSeconds = 0;
    friend bool operator==(const Timestamp&, const Timestamp&) = default;
};

struct CivilTime {
    int year = 1970; // full year
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Proleptic Gregorian calendar, UTC; no time-zone or locale state involved.
CivilTime ToCivil(Timestamp t);
Timestamp FromCivil(const CivilTime& c);
Timestamp Now();

} // namespace quillon::discimage
