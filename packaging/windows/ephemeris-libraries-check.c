/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Prints what ERFA and the Swiss Ephemeris give at a few instants, every
 * digit of each double, so that tools/windows can check that the libraries
 * it cross-builds for Windows compute, under Wine, what Debian's liberfa
 * and libswe compute on Linux: Greenwich apparent sidereal time
 * (eraGst06a), and the apparent equatorial places of the Sun, the Moon and
 * the navigational planets from the Swiss Ephemeris in its analytic Moshier
 * mode (SEFLG_MOSEPH), which reads no data files.
 *
 *     ephemeris-libraries-check     (no arguments; exit status 1 on an error)
 */
#include <erfa.h>
#include <erfaextra.h>
#include <swephexp.h>

#include <stdio.h>

int main(void)
{
    /* UTC calendar instants; UT1 taken as UTC (DUT1 = 0), as the check
     * compares two builds, not the sky. */
    static const int instants[][6] = {
        {2000, 1, 1, 12, 0, 0},
        {2025, 3, 1, 8, 0, 0},
        {2026, 12, 8, 23, 59, 30},
        {1987, 4, 10, 19, 21, 0},
        {2049, 6, 30, 0, 0, 0},
    };
    static const int bodies[] = {SE_SUN, SE_MOON, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN};
    const int flags = SEFLG_MOSEPH | SEFLG_SPEED | SEFLG_EQUATORIAL;
    char version[256];
    int status = 0;

    printf("ERFA %s, Swiss Ephemeris %s\n", eraVersion(), swe_version(version));
    for (size_t i = 0; i < sizeof instants / sizeof instants[0]; ++i) {
        const int* t = instants[i];
        double utc1, utc2, tai1, tai2, tt1, tt2;
        /* A positive status says "dubious year" (past the leap seconds
         * ERFA knows), which both builds say alike. */
        if (eraDtf2d("UTC", t[0], t[1], t[2], t[3], t[4], t[5], &utc1, &utc2) < 0
            || eraUtctai(utc1, utc2, &tai1, &tai2) < 0 || eraTaitt(tai1, tai2, &tt1, &tt2) < 0) {
            printf("%04d-%02d-%02d: ERFA refused the instant\n", t[0], t[1], t[2]);
            status = 1;
            continue;
        }
        printf("%04d-%02d-%02d %02d:%02d:%02d UTC\n", t[0], t[1], t[2], t[3], t[4], t[5]);
        printf("  eraGst06a %.17g rad\n", eraGst06a(utc1, utc2, tt1, tt2));
        const double ut = utc1 + utc2;
        printf("  swe_deltat %.17g d\n", swe_deltat_ex(ut, SEFLG_MOSEPH, NULL));
        for (size_t b = 0; b < sizeof bodies / sizeof bodies[0]; ++b) {
            double x[6];
            char error[AS_MAXCH] = "";
            const int got = swe_calc_ut(ut, bodies[b], flags, x, error);
            if (got < 0 || (got & SEFLG_MOSEPH) == 0) {
                printf("  %d: swe_calc_ut failed (%d): %s\n", bodies[b], got, error);
                status = 1;
                continue;
            }
            printf("  body %d flags %d ra %.17g dec %.17g dist %.17g dra %.17g ddec %.17g\n", bodies[b],
                   got, x[0], x[1], x[2], x[3], x[4]);
        }
    }
    swe_close();
    return status;
}
