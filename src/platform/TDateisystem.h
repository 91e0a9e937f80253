#pragma once

// The file operations a crash-safe save needs, one call per step, so that each step can fail on
// its own (the Linux and Windows implementations differ in how a replacing move is made durable,
// and tests inject a failure at every step).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TDateisystem {
public:
    virtual ~TDateisystem() = default;

    // The whole content of a file, read while other writers are kept out where the system allows.
    virtual std::string LiesDatei(const std::string& APfad) = 0;
    // Opens a regular file for reading piece by piece, other writers kept out as above; AGroesse
    // receives its size. The handle is closed with Schliesse.
    virtual int OeffneLesen(const std::string& APfad, std::uint64_t& AGroesse) = 0;
    // Reads up to AAnzahl bytes; fewer only at the end of the file.
    virtual std::size_t Lies(int AHandle, char* AZiel, std::size_t AAnzahl) = 0;
    virtual bool Existiert(const std::string& APfad) = 0;
    virtual std::string VollerPfad(const std::string& APfad) = 0;

    // The file that saving to APfad replaces: where the system has symbolic links, the file the
    // link names (which is created when it does not exist yet), so that the link stays a link.
    // Without opening anything (a pipe would block), a name that is no regular file (a folder,
    // pipe, socket or device, also behind a link) and a loop of links are refused with
    // EBetriebssystemFehler; a name that does not exist yet is a new file.
    virtual std::string Speicherziel(const std::string& APfad) = 0;
    // A new file that must not exist yet; returns a handle for the calls below.
    virtual int ErzeugeNeu(const std::string& APfad) = 0;
    virtual void Schreibe(int AHandle, const char* ADaten, std::size_t AAnzahl) = 0;
    // Forces the written data to the disk.
    virtual void Sichere(int AHandle) = 0;
    virtual void Schliesse(int AHandle) = 0;
    // Gives the existing file AVorhanden the second name ANeu (a hard link); false when there is
    // no such file or the file system cannot link.
    virtual bool Verknuepfe(const std::string& AVorhanden, const std::string& ANeu) noexcept = 0;
    // Renames AQuelle to AZiel, replacing AZiel in one step.
    virtual void Umbenennen(const std::string& AQuelle, const std::string& AZiel) = 0;
    // Makes the renames in the folder of APfad durable.
    virtual void OrdnerSichern(const std::string& APfad) = 0;
    // Removes a file if it exists; never fails.
    virtual void Entferne(const std::string& APfad) noexcept = 0;

    // A save holds its temporary file and the old file's second name while it runs, so that a
    // save of the same target in another process, which removes what killed saves left, leaves
    // them alone. Festhalten returns a handle for Loslassen, or -1 where the system needs no hold
    // (it cannot remove a file that is open) or the file cannot be held.
    virtual int Festhalten(const std::string& APfad) noexcept = 0;
    virtual void Loslassen(int AHandle) noexcept = 0;
    // Removes a file that a killed save left, unless a running save holds it; never fails.
    virtual void EntferneWennFrei(const std::string& APfad) noexcept = 0;
    // The names of the files in a folder (empty when it cannot be read).
    virtual std::vector<std::string> Ordnerinhalt(const std::string& AOrdner) noexcept = 0;
};
