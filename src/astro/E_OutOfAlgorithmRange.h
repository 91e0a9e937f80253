#pragma once

// The astronomy code's only error: an instant it cannot give as a TDateTime.

#include "model/Fehler.h"

class E_OutOfAlgorithmRange : public EFehler {
public:
    using EFehler::EFehler;
};
