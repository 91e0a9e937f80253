#pragma once

// The settings older versions kept in the Windows registry (HKEY_CURRENT_USER "\Software\Orvanto"
// and the history left under a key literally named "\HKEY_CURRENT_USER\Software\Orvanto"). They
// are copied once into a new settings file and removed once the file on disk holds them. Systems
// without that registry have nothing to migrate.

#include <memory>

#include "platform/TMemIniFile.h"

class TRegistryMigration {
public:
    virtual ~TRegistryMigration() = default;
    // Copies the old values into AIni (section "MainForm"); values of an unexpected type are
    // skipped.
    virtual void Migrieren(TMemIniFile& AIni) = 0;
    // Deletes every old value that both AIni and the file AIni.FileName() on disk hold with the
    // same text. Raises EFehler with the German reason when a value or key cannot be removed.
    virtual void Bereinigen(const TMemIniFile& AIni) = 0;
};

// The migration of the system the program runs on (defined in linux/ or windows/).
std::unique_ptr<TRegistryMigration> SystemRegistryMigration();
