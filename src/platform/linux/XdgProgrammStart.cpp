#include "platform/linux/XdgProgrammStart.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// Starts the command; 0 and the process id, or the system's error code.
int Starten(const std::vector<std::string>& ABefehl, const std::string& AOrdner, pid_t& APid) {
    std::vector<char*> Argumente;
    for (const std::string& a : ABefehl)
        Argumente.push_back(const_cast<char*>(a.c_str()));
    Argumente.push_back(nullptr);
    posix_spawn_file_actions_t Aktionen;
    posix_spawn_file_actions_init(&Aktionen);
    if (!AOrdner.empty())
        posix_spawn_file_actions_addchdir_np(&Aktionen, AOrdner.c_str());
    const int Fehler = posix_spawnp(&APid, Argumente[0], &Aktionen, nullptr, Argumente.data(), environ);
    posix_spawn_file_actions_destroy(&Aktionen);
    return Fehler;
}

// A process nobody waits for is collected when it ends, so that none is left behind.
void ImHintergrundAbwarten(pid_t APid) {
    std::thread([APid] { waitpid(APid, nullptr, 0); }).detach();
}

bool IstProgramm(const std::string& AFile) {
    std::error_code f;
    return std::filesystem::is_regular_file(AFile, f) && access(AFile.c_str(), X_OK) == 0;
}

} // namespace

TXdgProgrammStart::TXdgProgrammStart(std::string AOeffner) : FOeffner(std::move(AOeffner)) {}

std::vector<std::string> TXdgProgrammStart::ParameterTeilen(const std::string& AParameters) {
    std::vector<std::string> Teile;
    std::string Teil;
    bool InAnfuehrung = false;
    bool Begonnen = false;
    for (char c : AParameters) {
        if (c == '"') {
            InAnfuehrung = !InAnfuehrung;
            Begonnen = true;
        } else if ((c == ' ' || c == '\t') && !InAnfuehrung) {
            if (Begonnen)
                Teile.push_back(Teil);
            Teil.clear();
            Begonnen = false;
        } else {
            Teil += c;
            Begonnen = true;
        }
    }
    if (Begonnen)
        Teile.push_back(Teil);
    return Teile;
}

// The program, else the file itself when it is a program, else the opener with the file.
std::vector<std::string> TXdgProgrammStart::Befehl(const std::string& AProgram, const std::string& AFile,
                                                   const std::string& AParameters) const {
    std::vector<std::string> Befehl;
    if (!AProgram.empty())
        Befehl = {AProgram};
    else if (!IstProgramm(AFile))
        Befehl = {FOeffner};
    if (!AFile.empty())
        Befehl.push_back(AFile);
    for (std::string& p : ParameterTeilen(AParameters))
        Befehl.push_back(std::move(p));
    return Befehl;
}

void TXdgProgrammStart::ShellRun(const std::string& AFile, const std::string& AParameters,
                                 const std::string& AOperation, const std::string& AFolder) {
    // Only opening exists on this desktop; other operations open as well.
    (void)AOperation;
    if (AFile.empty())
        return;
    pid_t Pid;
    if (Starten(Befehl("", AFile, AParameters), AFolder, Pid) == 0)
        ImHintergrundAbwarten(Pid);
}

bool TXdgProgrammStart::RunAndWait(const std::string& AFile, std::int64_t& AExitCode,
                                   const std::string& AProgram, std::int32_t ATimeoutMs, bool AHidden,
                                   const std::string& AFolder, const std::string& AParameters) {
    (void)AHidden;
    const std::vector<std::string> Kommando = Befehl(AProgram, AFile, AParameters);
    if (Kommando.empty()) {
        AExitCode = ENOENT;
        return false;
    }
    pid_t Pid;
    if (const int Fehler = Starten(Kommando, AFolder, Pid); Fehler != 0) {
        AExitCode = Fehler;
        return false;
    }
    const auto Anfang = std::chrono::steady_clock::now();
    const auto Grenze = static_cast<std::uint32_t>(ATimeoutMs);
    while (true) {
        int Status = 0;
        if (waitpid(Pid, &Status, WNOHANG) == Pid) {
            AExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
            return WIFEXITED(Status) && AExitCode == 0;
        }
        const auto Vergangen =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - Anfang)
                .count();
        if (static_cast<std::uint64_t>(Vergangen) > Grenze) {
            // Still running: it goes on without us; its exit code is not known.
            AExitCode = -1;
            ImHintergrundAbwarten(Pid);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

bool TXdgProgrammStart::OpenTextInEditor(const std::string& AFileName, bool AWait) {
    std::error_code f;
    if (!std::filesystem::exists(AFileName, f))
        return false;
    if (!AWait) {
        pid_t Pid;
        if (Starten({FOeffner, AFileName}, "", Pid) == 0)
            ImHintergrundAbwarten(Pid);
        return true;
    }
    std::int64_t ExitCode = 0;
    return RunAndWait(AFileName, ExitCode, FOeffner, -1, false, "", "");
}

std::unique_ptr<TProgrammStart> SystemProgrammStart() {
    return std::make_unique<TXdgProgrammStart>();
}
