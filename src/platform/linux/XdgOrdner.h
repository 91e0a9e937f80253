#pragma once

// The freedesktop folders of the user, from the environment (HOME, XDG_CONFIG_HOME) and the
// user-dirs file that xdg-user-dir reads.

#include "platform/SpezialOrdner.h"

class TXdgOrdner : public TSpezialOrdner {
public:
    std::string GetSpecialFolder(TOrdnerArt AOrdner) const override;
};
