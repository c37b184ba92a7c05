// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few astronomical instants the almanac needs: new moons and the Sun
// reaching a given apparent longitude. Instants are Julian Ephemeris Days
// (Terrestrial Time); jstDay turns one into the Japan-time calendar day.
namespace calendar::astronomy
{

// Returns TT - UT in seconds for a decimal year (Espenak and Meeus's
// polynomials, with their parabola beyond 2150).
double deltaT(double year);

// Returns the instant of new moon number k, k = 0 being that of 2000-01-06
// (negative k before it). Good to well under a minute from 1700 to 2300.
double newMoon(long k);

// Returns the new moon number whose mean instant lies nearest jde.
long nearestLunation(double jde);

// Returns the Sun's apparent geocentric ecliptic longitude in degrees
// [0, 360) at jde: truncated VSOP87 with FK5, nutation and aberration.
double sunLongitude(double jde);

// Returns the instant in the Gregorian year near which the Sun's apparent
// longitude equals degrees (0 <= degrees < 360); for 270 and 285 the one in
// that year's December and January respectively.
double solarLongitudeInstant(int year, double degrees);

// Returns the Julian Day Number of a Gregorian date (years -4800 to 10^6).
long julianDayNumber(long year, long month, long day);

// Returns the Julian Day Number of the Japan Standard Time (UTC+9) day holding
// the instant jde.
long jstDay(double jde);

} // namespace calendar::astronomy
