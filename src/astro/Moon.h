#pragma once

// Instants of new moon and full moon, computed in closed form (mean phase from the lunation number,
// periodic terms of the Moon's and Sun's anomalies and the Moon's argument of latitude, and
// fourteen planetary terms) without any table of dates. Instants are in Universal Time; the
// dynamical time of the method is taken as Universal Time (about a minute off around 2000).

#include "model/Kalenderdatum.h"

// The phase counted in eighths of a lunation after new moon. Only new and full moon have terms.
enum class TMoonPhase : int { mpNewMoon = 0, mpFullMoon = 4 };

// The instant of APhase in the lunation whose number is nearest to AZeitpunkt; 0 when there is no
// such TDateTime (a phase without terms, or a result outside 1.1.0001 .. 31.12.9999).
TDateTime PhaseInstant(TMoonPhase APhase, TDateTime AZeitpunkt);

// The first instant of APhase that is not before AZeitpunkt. Throws E_OutOfAlgorithmRange
// ("No TDateTime possible") when no such TDateTime exists.
TDateTime FollowingPhase(TMoonPhase APhase, TDateTime AZeitpunkt);
