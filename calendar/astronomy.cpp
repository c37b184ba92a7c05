// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/astronomy.h"

#include <array>
#include <cmath>

namespace calendar::astronomy
{

namespace
{

    constexpr double pi = 3.14159265358979323846;
    constexpr double degree = pi / 180.0;
    constexpr double j2000 = 2451545.0;
    constexpr double synodicMonth = 29.530588861;

    double wrap360(double degrees)
    {
        const double r = std::fmod(degrees, 360.0);
        return r < 0.0 ? r + 360.0 : r;
    }

    // Maps an angle in degrees to [-180, 180).
    double wrap180(double degrees)
    {
        return wrap360(degrees + 180.0) - 180.0;
    }

    // One term A cos(B + C tau) of a VSOP87 series.
    struct VsopTerm {
        double a;
        double b;
        double c;
    };

    // The Earth's heliocentric longitude and radius vector from VSOP87D, truncated
    // as in Meeus, Astronomical Algorithms (2nd ed.), Appendix III; the same terms
    // are Reda and Andreas's Solar Position Algorithm (NREL, 2004), Table A4.2.
    // Units: 1e-8 radian and 1e-8 AU.
    constexpr VsopTerm l0[] = {
        { 175347046, 0, 0 },
        { 3341656, 4.6692568, 6283.07585 },
        { 34894, 4.6261, 12566.1517 },
        { 3497, 2.7441, 5753.3849 },
        { 3418, 2.8289, 3.5231 },
        { 3136, 3.6277, 77713.7715 },
        { 2676, 4.4181, 7860.4194 },
        { 2343, 6.1352, 3930.2097 },
        { 1324, 0.7425, 11506.7698 },
        { 1273, 2.0371, 529.691 },
        { 1199, 1.1096, 1577.3435 },
        { 990, 5.233, 5884.927 },
        { 902, 2.045, 26.298 },
        { 857, 3.508, 398.149 },
        { 780, 1.179, 5223.694 },
        { 753, 2.533, 5507.553 },
        { 505, 4.583, 18849.228 },
        { 492, 4.205, 775.523 },
        { 357, 2.92, 0.067 },
        { 317, 5.849, 11790.629 },
        { 284, 1.899, 796.298 },
        { 271, 0.315, 10977.079 },
        { 243, 0.345, 5486.778 },
        { 206, 4.806, 2544.314 },
        { 205, 1.869, 5573.143 },
        { 202, 2.458, 6069.777 },
        { 156, 0.833, 213.299 },
        { 132, 3.411, 2942.463 },
        { 126, 1.083, 20.775 },
        { 115, 0.645, 0.98 },
        { 103, 0.636, 4694.003 },
        { 102, 0.976, 15720.839 },
        { 102, 4.267, 7.114 },
        { 99, 6.21, 2146.17 },
        { 98, 0.68, 155.42 },
        { 86, 5.98, 161000.69 },
        { 85, 1.3, 6275.96 },
        { 85, 3.67, 71430.7 },
        { 80, 1.81, 17260.15 },
        { 79, 3.04, 12036.46 },
        { 75, 1.76, 5088.63 },
        { 74, 3.5, 3154.69 },
        { 74, 4.68, 801.82 },
        { 70, 0.83, 9437.76 },
        { 62, 3.98, 8827.39 },
        { 61, 1.82, 7084.9 },
        { 57, 2.78, 6286.6 },
        { 56, 4.39, 14143.5 },
        { 56, 3.47, 6279.55 },
        { 52, 0.19, 12139.55 },
        { 52, 1.33, 1748.02 },
        { 51, 0.28, 5856.48 },
        { 49, 0.49, 1194.45 },
        { 41, 5.37, 8429.24 },
        { 41, 2.4, 19651.05 },
        { 39, 6.17, 10447.39 },
        { 37, 6.04, 10213.29 },
        { 37, 2.57, 1059.38 },
        { 36, 1.71, 2352.87 },
        { 36, 1.78, 6812.77 },
        { 33, 0.59, 17789.85 },
        { 30, 0.44, 83996.85 },
        { 30, 2.74, 1349.87 },
        { 25, 3.16, 4690.48 },
    };
    constexpr VsopTerm l1[] = {
        { 628331966747, 0, 0 },
        { 206059, 2.678235, 6283.07585 },
        { 4303, 2.6351, 12566.1517 },
        { 425, 1.59, 3.523 },
        { 119, 5.796, 26.298 },
        { 109, 2.966, 1577.344 },
        { 93, 2.59, 18849.23 },
        { 72, 1.14, 529.69 },
        { 68, 1.87, 398.15 },
        { 67, 4.41, 5507.55 },
        { 59, 2.89, 5223.69 },
        { 56, 2.17, 155.42 },
        { 45, 0.4, 796.3 },
        { 36, 0.47, 775.52 },
        { 29, 2.65, 7.11 },
        { 21, 5.34, 0.98 },
        { 19, 1.85, 5486.78 },
        { 19, 4.97, 213.3 },
        { 17, 2.99, 6275.96 },
        { 16, 0.03, 2544.31 },
        { 16, 1.43, 2146.17 },
        { 15, 1.21, 10977.08 },
        { 12, 2.83, 1748.02 },
        { 12, 3.26, 5088.63 },
        { 12, 5.27, 1194.45 },
        { 12, 2.08, 4694 },
        { 11, 0.77, 553.57 },
        { 10, 1.3, 6286.6 },
        { 10, 4.24, 1349.87 },
        { 9, 2.7, 242.73 },
        { 9, 5.64, 951.72 },
        { 8, 5.3, 2352.87 },
        { 6, 2.65, 9437.76 },
        { 6, 4.67, 4690.48 },
    };
    constexpr VsopTerm l2[] = {
        { 52919, 0, 0 },
        { 8720, 1.0721, 6283.0758 },
        { 309, 0.867, 12566.152 },
        { 27, 0.05, 3.52 },
        { 16, 5.19, 26.3 },
        { 16, 3.68, 155.42 },
        { 10, 0.76, 18849.23 },
        { 9, 2.06, 77713.77 },
        { 7, 0.83, 775.52 },
        { 5, 4.66, 1577.34 },
        { 4, 1.03, 7.11 },
        { 4, 3.44, 5573.14 },
        { 3, 5.14, 796.3 },
        { 3, 6.05, 5507.55 },
        { 3, 1.19, 242.73 },
        { 3, 6.12, 529.69 },
        { 3, 0.31, 398.15 },
        { 3, 2.28, 553.57 },
        { 2, 4.38, 5223.69 },
        { 2, 3.75, 0.98 },
    };
    constexpr VsopTerm l3[] = {
        { 289, 5.844, 6283.076 },
        { 35, 0, 0 },
        { 17, 5.49, 12566.15 },
        { 3, 5.2, 155.42 },
        { 1, 4.72, 3.52 },
        { 1, 5.3, 18849.23 },
        { 1, 5.97, 242.73 },
    };
    constexpr VsopTerm l4[] = { { 114, 3.142, 0 }, { 8, 4.13, 6283.08 }, { 1, 3.84, 12566.15 } };
    constexpr VsopTerm l5[] = { { 1, 3.14, 0 } };

    // The radius vector only scales the aberration (20.5"/R), so its leading terms
    // are enough: the rest move the longitude by less than 0.001".
    constexpr VsopTerm r0[] = {
        { 100013989, 0, 0 },
        { 1670700, 3.0984635, 6283.07585 },
        { 13956, 3.05525, 12566.1517 },
        { 3084, 5.1985, 77713.7715 },
        { 1628, 1.1739, 5753.3849 },
        { 1576, 2.8469, 7860.4194 },
    };
    constexpr VsopTerm r1[] = { { 103019, 1.10749, 6283.07585 }, { 1721, 1.0644, 12566.1517 } };
    constexpr VsopTerm r2[] = { { 4359, 5.7846, 6283.0758 } };

    template <std::size_t n> double series(const VsopTerm (&terms)[n], double tau)
    {
        double sum = 0.0;
        for (const VsopTerm &t : terms)
            sum += t.a * std::cos(t.b + t.c * tau);
        return sum;
    }

    // One term of the nutation in longitude: multiples of D, M, M', F and Omega,
    // and the coefficient in 0.0001" (s0 + s1 T).
    struct NutationTerm {
        int d;
        int m;
        int mm;
        int f;
        int om;
        double s0;
        double s1;
    };

    // The largest terms of the IAU 1980 nutation series (Meeus, Table 22.A); the
    // others sum to under 0.05".
    constexpr NutationTerm nutation[] = {
        { 0, 0, 0, 0, 1, -171996, -174.2 },
        { -2, 0, 0, 2, 2, -13187, -1.6 },
        { 0, 0, 0, 2, 2, -2274, -0.2 },
        { 0, 0, 0, 0, 2, 2062, 0.2 },
        { 0, 1, 0, 0, 0, 1426, -3.4 },
        { 0, 0, 1, 0, 0, 712, 0.1 },
        { -2, 1, 0, 2, 2, -517, 1.2 },
        { 0, 0, 0, 2, 1, -386, -0.4 },
        { 0, 0, 1, 2, 2, -301, 0 },
        { -2, -1, 0, 2, 2, 217, -0.5 },
        { -2, 0, 1, 0, 0, -158, 0 },
        { -2, 0, 0, 2, 1, 129, 0.1 },
        { 0, 0, -1, 2, 2, 123, 0 },
    };

    // Returns the nutation in longitude in degrees; T in Julian centuries from J2000.
    double nutationInLongitude(double T)
    {
        const double d = (297.85036 + 445267.111480 * T - 0.0019142 * T * T + T * T * T / 189474) * degree;
        const double m = (357.52772 + 35999.050340 * T - 0.0001603 * T * T - T * T * T / 300000) * degree;
        const double mm = (134.96298 + 477198.867398 * T + 0.0086972 * T * T + T * T * T / 56250) * degree;
        const double f = (93.27191 + 483202.017538 * T - 0.0036825 * T * T + T * T * T / 327270) * degree;
        const double om = (125.04452 - 1934.136261 * T + 0.0020708 * T * T + T * T * T / 450000) * degree;
        double sum = 0.0;
        for (const NutationTerm &n : nutation)
            sum += (n.s0 + n.s1 * T) * std::sin(n.d * d + n.m * m + n.mm * mm + n.f * f + n.om * om);
        return sum / 1e4 / 3600.0;
    }

    // The periodic terms of the true new moon in days, for the arguments of Meeus,
    // Astronomical Algorithms (2nd ed.), chapter 49: E, M, M', F, Omega.
    double newMoonCorrection(double e, double m, double mm, double f, double om)
    {
        return -0.40720 * std::sin(mm) + 0.17241 * e * std::sin(m) + 0.01608 * std::sin(2 * mm)
            + 0.01039 * std::sin(2 * f) + 0.00739 * e * std::sin(mm - m) - 0.00514 * e * std::sin(mm + m)
            + 0.00208 * e * e * std::sin(2 * m) - 0.00111 * std::sin(mm - 2 * f) - 0.00057 * std::sin(mm + 2 * f)
            + 0.00056 * e * std::sin(2 * mm + m) - 0.00042 * std::sin(3 * mm) + 0.00042 * e * std::sin(m + 2 * f)
            + 0.00038 * e * std::sin(m - 2 * f) - 0.00024 * e * std::sin(2 * mm - m) - 0.00017 * std::sin(om)
            - 0.00007 * std::sin(mm + 2 * m) + 0.00004 * std::sin(2 * mm - 2 * f) + 0.00004 * std::sin(3 * m)
            + 0.00003 * std::sin(mm + m - 2 * f) + 0.00003 * std::sin(2 * mm + 2 * f)
            - 0.00003 * std::sin(mm + m + 2 * f) + 0.00003 * std::sin(mm - m + 2 * f)
            - 0.00002 * std::sin(mm - m - 2 * f) - 0.00002 * std::sin(3 * mm + m) + 0.00002 * std::sin(4 * mm);
    }

    // The planetary arguments A1..A14 of the new moon (Meeus, chapter 49): degrees
    // at k = 0, degrees per lunation, and the amplitude in days. A1 also has a
    // -0.009173 T^2 term, added in newMoon.
    struct PlanetaryTerm {
        double a0;
        double perK;
        double amplitude;
    };

    constexpr PlanetaryTerm planetary[] = {
        { 299.77, 0.107408, 0.000325 },
        { 251.88, 0.016321, 0.000165 },
        { 251.83, 26.651866, 0.000164 },
        { 349.42, 36.412478, 0.000126 },
        { 84.66, 18.206239, 0.000110 },
        { 141.74, 53.303771, 0.000062 },
        { 207.14, 2.453732, 0.000060 },
        { 154.84, 7.306860, 0.000056 },
        { 34.52, 27.261239, 0.000047 },
        { 207.19, 0.121824, 0.000042 },
        { 291.34, 1.844379, 0.000040 },
        { 161.72, 24.198154, 0.000037 },
        { 239.56, 25.513099, 0.000035 },
        { 331.55, 3.592518, 0.000023 },
    };

} // namespace

double deltaT(double year)
{
    // Espenak and Meeus, "Polynomial expressions for Delta T", NASA Eclipse
    // Web Site (Five Millennium Canon of Solar Eclipses, 2006).
    const double y = year;
    if (y < 1800 || y >= 2150) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * t * t * t - 0.00037436 * std::pow(t, 4)
            + 0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * std::pow(t, 4)
            + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4)
            + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double newMoon(long k)
{
    // Meeus, Astronomical Algorithms (2nd ed.), chapter 49.
    const double kd = static_cast<double>(k);
    const double T = kd / 1236.85;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    double jde = 2451550.09766 + synodicMonth * kd + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
    const double e = 1 - 0.002516 * T - 0.0000074 * T2;
    const double m = (2.5534 + 29.10535670 * kd - 0.0000014 * T2 - 0.00000011 * T3) * degree;
    const double mm = (201.5643 + 385.81693528 * kd + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4) * degree;
    const double f = (160.7108 + 390.67050284 * kd - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4) * degree;
    const double om = (124.7746 - 1.56375588 * kd + 0.0020672 * T2 + 0.00000215 * T3) * degree;
    jde += newMoonCorrection(e, m, mm, f, om);
    for (std::size_t i = 0; i < std::size(planetary); ++i) {
        const double quadratic = i == 0 ? -0.009173 * T2 : 0.0;
        jde += planetary[i].amplitude
            * std::sin(wrap360(planetary[i].a0 + planetary[i].perK * kd + quadratic) * degree);
    }
    return jde;
}

long nearestLunation(double jde)
{
    return std::lround((jde - 2451550.09766) / synodicMonth);
}

double sunLongitude(double jde)
{
    const double tau = (jde - j2000) / 365250.0;
    const double l = (series(l0, tau)
                         + tau
                             * (series(l1, tau)
                                 + tau
                                     * (series(l2, tau)
                                         + tau * (series(l3, tau) + tau * (series(l4, tau) + tau * series(l5, tau))))))
        / 1e8;
    const double r = (series(r0, tau) + tau * (series(r1, tau) + tau * series(r2, tau))) / 1e8;
    // Geocentric: the Earth seen from the Sun, turned round.
    double lambda = l / degree + 180.0;
    // FK5 frame correction (Meeus, eq. 32.3), nutation and aberration.
    lambda += -0.09033 / 3600.0;
    lambda += nutationInLongitude(tau * 10.0);
    lambda += -20.4898 / 3600.0 / r;
    return wrap360(lambda);
}

double solarLongitudeInstant(int year, double degrees)
{
    // Start from the mean Sun (280.46646 deg at J2000, 0.98564736 deg a day)
    // plus the equation of centre, about a quarter of an hour from the answer,
    // then follow the true Sun by secant steps.
    const double jan1 = static_cast<double>(julianDayNumber(year, 1, 1)) - 0.5;
    const double meanAtJan1 = 280.46646 + 0.98564736 * (jan1 - j2000);
    double t = jan1 + wrap360(degrees - meanAtJan1) / 0.98564736;
    const double anomaly = (357.52911 + 0.98560028 * (t - j2000)) * degree;
    t -= (1.9146 * std::sin(anomaly) + 0.019993 * std::sin(2 * anomaly)) / 0.98564736;
    double rate = 0.98564736;
    double miss = wrap180(degrees - sunLongitude(t));
    // 1e-7 degrees is 0.01 s of the Sun's motion.
    for (int i = 0; i < 8 && std::abs(miss) > 1e-7; ++i) {
        const double step = miss / rate;
        t += step;
        const double next = wrap180(degrees - sunLongitude(t));
        if (next != miss)
            rate = (miss - next) / step;
        miss = next;
    }
    return t;
}

long julianDayNumber(long y, long m, long d)
{
    // Fliegel and Van Flandern's formula.
    const long a = (m - 14) / 12;
    return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 - (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
}

long jstDay(double jde)
{
    const double year = 2000.0 + (jde - j2000) / 365.25;
    const double ut = jde - deltaT(year) / 86400.0;
    return static_cast<long>(std::floor(ut + 0.5 + 9.0 / 24.0));
}

} // namespace calendar::astronomy
