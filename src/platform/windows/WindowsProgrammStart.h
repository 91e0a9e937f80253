#pragma once

// Starting programs on Windows: the shell's "open" for files and links, CreateProcess for
// running a program and waiting for it, and WordPad or Notepad for text files, reusing an editor
// window that already shows the file.

#include <string>

#include "platform/ProgrammStart.h"

class TWindowsProgrammStart : public TProgrammStart {
public:
    void ShellRun(const std::string& AFile, const std::string& AParameters, const std::string& AOperation,
                  const std::string& AFolder) override;
    bool RunAndWait(const std::string& AFile, std::int64_t& AExitCode, const std::string& AProgram,
                    std::int32_t ATimeoutMs, bool AHidden, const std::string& AFolder,
                    const std::string& AParameters) override;
    bool OpenTextInEditor(const std::string& AFileName, bool AWait) override;

    // Notepad: in the system folder of ASystemRoot, else in a folder of APath (";"-separated);
    // "" when there is none.
    static std::string Notepad(const std::string& ASystemRoot, const std::string& APath);
    // WordPad: under AProgramFiles, else in the 32-bit Program Files folder, a folder of APath or
    // the accessories folders under AProgramFilesDir (the registry's Program Files folder, "" for
    // none); "" when there is none.
    static std::string WordPad(const std::string& AProgramFiles, const std::string& APath,
                               const std::string& AProgramFilesDir);
    // The program, the file and the parameters separated by blanks; the program and the file in
    // double quotes when they contain a blank.
    static std::string Befehlszeile(const std::string& AProgram, const std::string& AFile,
                                    const std::string& AParameters);
};
