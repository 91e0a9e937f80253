#pragma once

// The command one start of the program hands to the running one, and the arguments' form on the
// way. Any other program may send the same three values.

#include <string>
#include <vector>

// An empty field is "not set". When several are set, only the first in this order is carried out.
struct TRegistrySettings {
    std::string Parameters; // the arguments, trimmed and joined with "|"
    std::string SetFocus;   // any text: the running window comes to the front (a start writes "1")
    std::string Close;      // any text: the running window closes as "&Beenden" does

    bool operator==(const TRegistrySettings&) const = default;
};

// The names of the three values in the channel, in the order of their priority.
constexpr const char* ProgramParameters = "ProgramParameters";
constexpr const char* ProgramSetFocus = "ProgramSetFocus";
constexpr const char* ProgramClose = "ProgramClose";

// The arguments after the program path, each trimmed; the non-empty ones are appended, each
// followed by "|" unless it was the last argument.
std::string JoinParameters(const std::vector<std::string>& AArgumente);
// The pieces of the trimmed text between "|", empty pieces dropped, in order.
std::vector<std::string> SplitParameters(const std::string& AText);

// What a second start hands over: its joined arguments, or without any the request to come to
// the front.
TRegistrySettings StartBefehl(const std::vector<std::string>& AArgumente);

// A bar separates the pieces, so a file whose name holds one would arrive cut at the bar (and the
// piece before it might name another file). Gives the first trimmed argument that names an
// existing file (alone or after the import prefix "/I:") and holds a "|"; "" when there is none.
std::string DateinameMitTrenner(const std::vector<std::string>& AArgumente);
