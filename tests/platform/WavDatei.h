#pragma once

#include <string>

// Writes a WAV file of silence (16-bit mono, 8000 Hz) lasting AMillisekunden.
void WavSchreiben(const std::string& APfad, int AMillisekunden);
