#pragma once

// The registry of additionally loaded calendar files (holiday file, special file, others), each
// known by the file id its entries carry in the collection.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TDaten;
class TDateisystem;

struct TGeladenRec {
    std::string Filename;
    std::int32_t IdDatei = 0;
};

using TGeladenListe = std::vector<TGeladenRec>;

class TGeladenClass {
public:
    TDaten* DatenRef;
    TGeladenListe GeladenListe;

    // Registers AFilename (not empty) under a new file id without loading it.
    TGeladenClass(TDaten* ADaten, const std::string& AFilename);

    std::int32_t Count() const { return static_cast<std::int32_t>(GeladenListe.size()); }
    void Clear() { GeladenListe.clear(); }
    void Add(const std::string& AFilename, std::int32_t AIdDatei);
    void Delete(std::int32_t AIdDatei);
    void DeleteNr(std::int32_t ANr);
    // File id of the file registered under AFilename ignoring letter case; -1 if none.
    std::int32_t Exists(const std::string& AFilename) const;
    // Smallest positive file id not registered.
    std::int32_t NewIdDatei() const;
    // Loads (or reloads) an additional file: its entries replace those of its file id at the end
    // of the collection. A file that cannot be loaded (its error shown) changes nothing.
    bool LadeFilename(const std::string& AFilename, TDateisystem& ADateisystem);
    // The same with a reader of another kind of file: ALesen fills its TDaten with the entries of
    // the file at the full path APfad under file id AId, or returns false (having told why).
    using TLeser = std::function<bool(const std::string& APfad, TDaten& ADaten, std::int32_t AId)>;
    bool LadeFilename(const std::string& AFilename, TDateisystem& ADateisystem, const TLeser& ALesen);
};
