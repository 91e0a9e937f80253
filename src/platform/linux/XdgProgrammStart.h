#pragma once

// Starting programs on a freedesktop desktop. Files and links are opened with xdg-open (or the
// opener given, for tests), programs are run directly.
//
// A text file is shown in the desktop's default viewer for text. Linux offers no way to find a
// viewer window that already shows the file (window titles belong to each program and the
// window system may not tell them), so every call opens the file anew; most viewers bring their
// existing window forward themselves. Waiting waits for the opener, which may return as soon as
// the viewer is started.

#include <vector>

#include "platform/ProgrammStart.h"

class TXdgProgrammStart : public TProgrammStart {
public:
    explicit TXdgProgrammStart(std::string AOeffner = "xdg-open");

    void ShellRun(const std::string& AFile, const std::string& AParameters, const std::string& AOperation,
                  const std::string& AFolder) override;
    // AHidden has no meaning here: a program decides itself whether it shows a window.
    bool RunAndWait(const std::string& AFile, std::int64_t& AExitCode, const std::string& AProgram,
                    std::int32_t ATimeoutMs, bool AHidden, const std::string& AFolder,
                    const std::string& AParameters) override;
    bool OpenTextInEditor(const std::string& AFileName, bool AWait) override;

    // Splits parameters at blanks; double quotes keep blanks inside one parameter.
    static std::vector<std::string> ParameterTeilen(const std::string& AParameters);

private:
    std::vector<std::string> Befehl(const std::string& AProgram, const std::string& AFile,
                                    const std::string& AParameters) const;

    std::string FOeffner;
};
