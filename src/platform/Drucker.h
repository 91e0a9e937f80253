#pragma once

// Whether the system has a printer to print to (defined in linux/ or windows/). Printing to a
// file, which the print dialog always offers, does not count.
bool DruckerInstalliert();
