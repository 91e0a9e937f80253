// Linux has no registry, so there are no old settings to take over or remove.

#include "platform/TRegistryMigration.h"

namespace {

class TKeineRegistryMigration : public TRegistryMigration {
public:
    void Migrieren(TMemIniFile&) override {}
    void Bereinigen(const TMemIniFile&) override {}
};

} // namespace

std::unique_ptr<TRegistryMigration> SystemRegistryMigration() {
    return std::make_unique<TKeineRegistryMigration>();
}
