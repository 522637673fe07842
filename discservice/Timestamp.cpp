#include "Timestamp.h"

#include <chrono>

namespace quillon::discimage {

namespace {

// Days since 1970-01-01 from a civil date and back (H. Hinnant's algorithms).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

} // namespace

CivilTime ToCivil(Timestamp t) {
    std::int64_t days = t.unixSeconds / 86400;
    std::int64_t rest = t.unixSeconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    std::int64_t y;
    unsigned m, d;
    CivilFromDays(days, y, m, d);
    CivilTime c;
    c.year = static_cast<int>(y);
    c.month = static_cast<int>(m);
    c.day = static_cast<int>(d);
    c.hour = static_cast<int>(rest / 3600);
    c.minute = static_cast<int>(rest / 60 % 60);
    c.second = static_cast<int>(rest % 60);
    return c;
}

Timestamp FromCivil(const CivilTime& c) {
    const std::int64_t days =
        DaysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day));
    return Timestamp{days * 86400 + c.hour * 3600 + c.minute * 60 + c.second};
}

Timestamp Now() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return Timestamp{std::chrono::duration_cast<std::chrono::seconds>(now).count()};
}

} // namespace quillon::discimage
