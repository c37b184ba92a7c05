#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the rows of the calendar tests' table of solar-term instants: the Sun
reaching an apparent longitude (true equinox and ecliptic of date), as TT Julian
Day, every 22 years of the almanac's range, computed with the IAU's SOFA
routines (Debian's python3-erfa; no dependency of Lumo): the Earth from epv00,
annual aberration, IAU 2006/2000A precession-nutation.

    apt-get install python3-erfa && /usr/bin/python3 tools/sun_instants.py
"""

import warnings

import erfa
import numpy as np

warnings.simplefilter('ignore')  # epv00 warns outside 1900-2100 but stays far finer than a second


def longitude(jd):
    d1, d2 = 2451545.0, jd - 2451545.0
    heliocentric, barycentric = erfa.epv00(d1, d2)
    sun = -heliocentric['p']
    distance = np.linalg.norm(sun)
    v = barycentric['v'] / erfa.DC  # AU a day -> units of c
    p = erfa.ab(sun / distance, v, distance, np.sqrt(1 - v @ v))
    q = erfa.pnm06a(d1, d2) @ p
    eps = erfa.obl06(d1, d2) + erfa.nut06a(d1, d2)[1]
    return np.degrees(np.arctan2(q[1] * np.cos(eps) + q[2] * np.sin(eps), q[0])) % 360


for i, year in enumerate(range(1874, 2201, 22)):
    degrees = 15 * (i * 7 % 24)
    # From the mean Sun of that year, then Newton steps at the mean rate.
    jd = 2451545.0 + (year - 2000) * 365.2422 + ((degrees - 280.46646) % 360) / 0.98564736
    for _ in range(6):
        jd += ((degrees - longitude(jd) + 180) % 360 - 180) / 0.98564736
    print(f'{{ {year}, {degrees}, {jd:.5f} }},')
