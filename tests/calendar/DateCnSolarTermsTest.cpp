// The solar-term table against the sun itself: each term is the moment the sun's
// apparent longitude reaches a multiple of 15 degrees (小寒 285, 大寒 300, …),
// dated in Beijing time. A mistyped nibble moves a term by a whole day.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calendar/DateCn.h"
#include "tests/calendar/DateText.h"

namespace {

using namespace std::chrono;

constexpr double kUnixEpochJulianDay = 2440587.5;  // 1 January 1970, 0h UT
constexpr double kDegree = std::numbers::pi / 180.0;

// Apparent longitude of the sun in degrees at Julian day `jd`, from the short
// solar theory of the astronomical almanacs (good to about 0.01 degree, a
// quarter of an hour of the sun's motion, over these years).
double SunLongitude(double jd) {
    const double t = (jd - 2451545.0) / 36525.0;  // centuries from J2000
    const double meanLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double anomaly = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * kDegree;
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(anomaly) +
                          (0.019993 - 0.000101 * t) * std::sin(2 * anomaly) +
                          0.000289 * std::sin(3 * anomaly);
    const double node = (125.04 - 1934.136 * t) * kDegree;
    return std::fmod(meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node), 360.0);
}

// The Julian day on which the sun reaches `longitude`, from a guess within days.
double SunReaches(double longitude, double guess) {
    double jd = guess;
    for (int i = 0; i < 6; ++i) {
        const double behind = std::remainder(longitude - SunLongitude(jd), 360.0);
        jd += behind / 0.98564736;  // mean degrees per day
    }
    return jd;
}

constexpr double kTolerance = 20.0;  // minutes either side of midnight left open

TEST(DateCnSolarTerms, FallOnTheDayTheSunReachesThem) {
    for (int y = 1901; y <= 2050; ++y) {
        for (int term = 1; term <= 24; ++term) {
            const int day = jx::SolarTermDay(y, term);
            const sys_days tableDay{year{y} / month{static_cast<unsigned>((term + 1) / 2)} /
                                    std::chrono::day{static_cast<unsigned>(day)}};
            const double longitude = std::fmod(285.0 + 15.0 * (term - 1), 360.0);
            const double guess = kUnixEpochJulianDay + tableDay.time_since_epoch().count() + 0.5;
            const double beijing = SunReaches(longitude, guess) + 8.0 / 24.0 - kUnixEpochJulianDay;
            const sys_days sunDay{days{static_cast<int>(std::floor(beijing))}};
            const double minutes = (beijing - std::floor(beijing)) * 1440.0;
            const bool nearMidnight = minutes < kTolerance || minutes > 1440.0 - kTolerance;
            const auto offBy = (tableDay - sunDay).count();
            EXPECT_TRUE(offBy == 0 || (nearMidnight && (offBy == 1 || offBy == -1)))
                << jx::SolarTermName(term) << " " << y << ": table " << DateText(tableDay)
                << ", sun " << DateText(sunDay) << " at minute " << minutes;
        }
    }
}

}  // namespace
