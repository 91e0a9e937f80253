#pragma once

// Starting other programs: handing a file or link to the desktop, running a program and waiting
// for it, and showing a text file in the desktop's text viewer.

#include <cstdint>
#include <memory>
#include <string>

class TProgrammStart {
public:
    virtual ~TProgrammStart() = default;

    // Hands the request to the desktop; errors are not reported. AOperation "open" (or "") opens
    // the file, link or program with what the desktop associates with it.
    virtual void ShellRun(const std::string& AFile, const std::string& AParameters,
                          const std::string& AOperation, const std::string& AFolder) = 0;
    // Runs AProgram (or, when empty, what the file is opened with) with the file and the
    // parameters, and waits, checking every 25 ms, up to ATimeoutMs milliseconds (compared
    // unsigned: -1 waits without limit). True only when it ended in time with exit code 0. The
    // exit code, or the system's error code when the program could not start, goes to AExitCode.
    virtual bool RunAndWait(const std::string& AFile, std::int64_t& AExitCode, const std::string& AProgram,
                            std::int32_t ATimeoutMs, bool AHidden, const std::string& AFolder,
                            const std::string& AParameters) = 0;
    // Shows a text file in the system's text viewer; false when the file does not exist.
    virtual bool OpenTextInEditor(const std::string& AFileName, bool AWait) = 0;
};

// The desktop's way of starting programs (defined in linux/ or windows/).
std::unique_ptr<TProgrammStart> SystemProgrammStart();
