#pragma once

// The command line and the splash picture of a program start.

#include <string>
#include <vector>

// The arguments after the program path, each trimmed, joined with "|" and split again there, with
// empty pieces dropped: the form in which a start's arguments are kept and handed on.
std::vector<std::string> ParameterAufbereiten(const std::vector<std::string>& AArgumente);

// The splash picture is shown when the setting asks for it and the program was not started by
// the autostart entry; ARohArgumente are the arguments as given (the first one untrimmed).
bool SplashErlaubtS(bool AShowSplashScreenS, const std::vector<std::string>& ARohArgumente);

// The picture's file: the program file with its extension replaced by (or, without one, followed
// by) ".ss".
std::string SplashDateiname(const std::string& AProgrammdatei);

// Told when no single-instance lock could be had; the program runs anyway.
constexpr const char* OhneSperreMeldung =
    "Die Sperre gegen einen zweiten Programmstart konnte weder im Laufzeitordner noch im "
    "Cache-Ordner angelegt werden. Orvanto läuft trotzdem; ein weiterer Start öffnet ein "
    "zweites Fenster.";
