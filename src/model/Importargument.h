#pragma once

// The import request of the command line and of a second start: "/I:" (in any letter case)
// followed by the file to import.

#include <optional>
#include <string>

// The file name after the import prefix (possibly empty); nothing when AArgument does not start
// with the prefix.
std::optional<std::string> Importdatei(const std::string& AArgument);
