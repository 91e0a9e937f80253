#pragma once

// The test programs that drive wx controls in a desktop session share their main(): it starts wx
// and collects GLib's warnings and failed checks (a wrong model, a freed store, text that is not
// UTF-8) while the tests run, so that a test can require that there were none.

#include <string>
#include <vector>

std::vector<std::string>& GlibMeldungen();
