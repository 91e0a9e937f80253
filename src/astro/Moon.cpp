#include "astro/Moon.h"

#include "astro/E_OutOfAlgorithmRange.h"

#include <cmath>
#include <numbers>
#include <span>

namespace {

using Real = long double; // all arithmetic in extended precision; only the result becomes a double

constexpr TDateTime J2000Tag = EncodeDate(2000, 1, 1);
constexpr Real JulianDayOffset = 2451544.5L - J2000Tag; // Julian Day of TDateTime 0
constexpr Real LunationenJeJahrhundert = 1236.85L;

// Instants the calendar types can hold: 1.1.0001 0:00 up to the end of 31.12.9999. Keeping the
// search inside this range also keeps every angle small enough to reduce exactly.
constexpr TDateTime ErsterZeitpunkt = EncodeDate(1, 1, 1);
constexpr TDateTime ZeitpunktNachLetztem = EncodeDate(9999, 12, 31) + 1;

const char* const KeinZeitpunkt = "No TDateTime possible";

bool ImBereich(Real AZeitpunkt) {
    return AZeitpunkt >= ErsterZeitpunkt && AZeitpunkt < ZeitpunktNachLetztem; // false for NaN
}

// Rounds to the nearest integer, a half to the even neighbour (the default rounding mode).
Real RundeGerade(Real x) {
    return std::nearbyint(x);
}

// Sine of an angle in degrees, reduced to 0 <= x < 360 first.
Real SinGrad(Real x) {
    x -= 360 * RundeGerade(x / 360);
    while (x < 0) {
        x += 360;
    }
    return std::sin(x * std::numbers::pi_v<Real> / 180);
}

// One periodic term: Koeffizient * E^EPotenz * sin(nMs M' + nM M + nF F + nOmega Omega).
struct TPeriodischerTerm {
    Real Koeffizient;
    int EPotenz;
    int nMs, nM, nF, nOmega;
};

// The published periodic terms; they differ between new and full moon only in the first seven
// coefficients. The terms in sin(M' + 2M) and sin 3M carry no E factor in the published table.
constexpr TPeriodischerTerm NeumondTerme[25] = {
    {-0.40720L, 0, 1, 0, 0, 0}, {0.17241L, 1, 0, 1, 0, 0},    {0.01608L, 0, 2, 0, 0, 0},
    {0.01039L, 0, 0, 0, 2, 0},  {0.00739L, 1, 1, -1, 0, 0},   {-0.00514L, 1, 1, 1, 0, 0},
    {0.00208L, 2, 0, 2, 0, 0},  {-0.00111L, 0, 1, 0, -2, 0},  {-0.00057L, 0, 1, 0, 2, 0},
    {0.00056L, 1, 2, 1, 0, 0},  {-0.00042L, 0, 3, 0, 0, 0},   {0.00042L, 1, 0, 1, 2, 0},
    {0.00038L, 1, 0, 1, -2, 0}, {-0.00024L, 1, 2, -1, 0, 0},  {-0.00017L, 0, 0, 0, 0, 1},
    {-0.00007L, 0, 1, 2, 0, 0}, {0.00004L, 0, 2, 0, -2, 0},   {0.00004L, 0, 0, 3, 0, 0},
    {0.00003L, 0, 1, 1, -2, 0}, {0.00003L, 0, 2, 0, 2, 0},    {-0.00003L, 0, 1, 1, 2, 0},
    {0.00003L, 0, 1, -1, 2, 0}, {-0.00002L, 0, 1, -1, -2, 0}, {-0.00002L, 0, 3, 1, 0, 0},
    {0.00002L, 0, 4, 0, 0, 0},
};

constexpr TPeriodischerTerm VollmondTerme[25] = {
    {-0.40614L, 0, 1, 0, 0, 0}, {0.17302L, 1, 0, 1, 0, 0},    {0.01614L, 0, 2, 0, 0, 0},
    {0.01043L, 0, 0, 0, 2, 0},  {0.00734L, 1, 1, -1, 0, 0},   {-0.00515L, 1, 1, 1, 0, 0},
    {0.00209L, 2, 0, 2, 0, 0},  {-0.00111L, 0, 1, 0, -2, 0},  {-0.00057L, 0, 1, 0, 2, 0},
    {0.00056L, 1, 2, 1, 0, 0},  {-0.00042L, 0, 3, 0, 0, 0},   {0.00042L, 1, 0, 1, 2, 0},
    {0.00038L, 1, 0, 1, -2, 0}, {-0.00024L, 1, 2, -1, 0, 0},  {-0.00017L, 0, 0, 0, 0, 1},
    {-0.00007L, 0, 1, 2, 0, 0}, {0.00004L, 0, 2, 0, -2, 0},   {0.00004L, 0, 0, 3, 0, 0},
    {0.00003L, 0, 1, 1, -2, 0}, {0.00003L, 0, 2, 0, 2, 0},    {-0.00003L, 0, 1, 1, 2, 0},
    {0.00003L, 0, 1, -1, 2, 0}, {-0.00002L, 0, 1, -1, -2, 0}, {-0.00002L, 0, 3, 1, 0, 0},
    {0.00002L, 0, 4, 0, 0, 0},
};

// One planetary term: Koeffizient * sin(Basis + JeLunation k + JeTk2 Tk^2).
struct TPlanetenTerm {
    Real Koeffizient;
    Real Basis;
    Real JeLunation;
    Real JeTk2;
};

constexpr TPlanetenTerm PlanetenTerme[14] = {
    {0.000325L, 299.77L, 0.107408L, -0.009173L}, {0.000165L, 251.88L, 0.016321L, 0},
    {0.000164L, 251.83L, 26.651886L, 0},         {0.000126L, 349.42L, 36.412478L, 0},
    {0.000110L, 84.66L, 18.206239L, 0},          {0.000062L, 141.74L, 53.303771L, 0},
    {0.000060L, 207.14L, 2.453732L, 0},          {0.000056L, 154.84L, 7.306860L, 0},
    {0.000047L, 34.52L, 27.261239L, 0},          {0.000042L, 207.19L, 0.121824L, 0},
    {0.000040L, 291.34L, 1.844379L, 0},          {0.000037L, 161.72L, 24.198154L, 0},
    {0.000035L, 239.56L, 25.513099L, 0},         {0.000023L, 331.55L, 3.592518L, 0},
};

struct TArgumente {
    Real M;     // Sun's mean anomaly
    Real Ms;    // Moon's mean anomaly M'
    Real F;     // Moon's argument of latitude
    Real Omega; // longitude of the Moon's ascending node
    Real E;     // eccentricity factor of the Earth's orbit
};

TArgumente ArgumenteVon(Real k, Real Tk, Real T) {
    const Real Tk2 = Tk * Tk, Tk3 = Tk2 * Tk, Tk4 = Tk3 * Tk;
    TArgumente a;
    a.M = 2.5534L + 29.1053567L * k - 0.0000014L * Tk2 - 0.00000011L * Tk3;
    a.Ms = 201.5643L + 385.81693528L * k + 0.0107582L * Tk2 + 0.00001238L * Tk3 - 0.000000058L * Tk4;
    a.F = 160.7108L + 390.67050284L * k - 0.0016118L * Tk2 - 0.00000227L * Tk3 + 0.000000011L * Tk4;
    a.Omega = 124.7746L - 1.56375588L * k + 0.0020672L * Tk2 + 0.00000215L * Tk3;
    a.E = 1 - 0.002516L * T - 0.0000074L * T * T;
    return a;
}

// The periodic terms of a phase; none for a phase without published terms.
std::span<const TPeriodischerTerm> TermeVon(TMoonPhase APhase) {
    switch (APhase) {
    case TMoonPhase::mpNewMoon:
        return NeumondTerme;
    case TMoonPhase::mpFullMoon:
        return VollmondTerme;
    }
    return {};
}

Real PeriodischeKorrektur(std::span<const TPeriodischerTerm> ATerme, const TArgumente& a) {
    Real Summe = 0;
    for (const TPeriodischerTerm& t : ATerme) {
        const Real Winkel = t.nMs * a.Ms + t.nM * a.M + t.nF * a.F + t.nOmega * a.Omega;
        Summe += t.Koeffizient * std::pow(a.E, t.EPotenz) * SinGrad(Winkel);
    }
    return Summe;
}

Real PlanetenKorrektur(Real k, Real Tk) {
    Real Summe = 0;
    for (const TPlanetenTerm& t : PlanetenTerme) {
        Summe += t.Koeffizient * SinGrad(t.Basis + t.JeLunation * k + t.JeTk2 * Tk * Tk);
    }
    return Summe;
}

} // namespace

TDateTime PhaseInstant(TMoonPhase APhase, TDateTime AZeitpunkt) {
    const std::span<const TPeriodischerTerm> Terme = TermeVon(APhase);
    if (Terme.empty() || !ImBereich(AZeitpunkt)) {
        return 0;
    }
    const Real T = (AZeitpunkt - J2000Tag - 0.5L) / 36525;
    const Real p = static_cast<int>(APhase) / 8.0L;
    const Real k = RundeGerade(LunationenJeJahrhundert * T - p) + p; // k = 0: new moon of 6.1.2000
    const Real Tk = k / LunationenJeJahrhundert;
    const Real Tk2 = Tk * Tk;
    const Real MittlerePhase = 2451550.09766L + 29.530588861L * k + 0.00015437L * Tk2 -
                               0.000000150L * Tk2 * Tk + 0.00000000073L * Tk2 * Tk2;
    const TArgumente a = ArgumenteVon(k, Tk, T);
    const Real Ergebnis =
        MittlerePhase + PeriodischeKorrektur(Terme, a) + PlanetenKorrektur(k, Tk) - JulianDayOffset;
    return ImBereich(Ergebnis) ? static_cast<TDateTime>(Ergebnis) : 0;
}

TDateTime FollowingPhase(TMoonPhase APhase, TDateTime AZeitpunkt) {
    // Outside the calendar types' range the search could not step (t - 28 == t for huge t).
    if (!ImBereich(AZeitpunkt)) {
        throw E_OutOfAlgorithmRange(KeinZeitpunkt);
    }
    // Each step takes the lunation nearest to c; stepping by less than a lunation visits every
    // lunation in turn, so the first instant not before the target is the one wanted.
    TDateTime c = AZeitpunkt - 28;
    TDateTime d = c;
    while (d < AZeitpunkt) {
        d = PhaseInstant(APhase, c);
        if (d == 0) {
            throw E_OutOfAlgorithmRange(KeinZeitpunkt);
        }
        c += 28;
    }
    return d;
}
