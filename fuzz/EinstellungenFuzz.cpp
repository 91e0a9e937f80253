// The settings file on any content: reading must not crash, and what is written back must read
// back as the same file, each key with its value.

#include "platform/SystemDateisystem.h"
#include "platform/TMemIniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t AGroesse) {
    const std::string_view Text(reinterpret_cast<const char*>(AData), AGroesse);
    TMemIniFile Ini("unbenutzt.ini", SystemDateisystem());
    Ini.SetText(Text);
    // Changing a key and removing one keeps every other key findable.
    Ini.WriteString("MainForm", "FontSize", "12");
    Ini.DeleteKey("MainForm", "FontName");
    const std::string Geschrieben = Ini.GetText();
    TMemIniFile Wieder("unbenutzt.ini", SystemDateisystem());
    Wieder.SetText(Geschrieben);
    if (Wieder.GetText() != Geschrieben || Wieder.ReadString("mainform", "fontsize", "") != "12" ||
        Wieder.ValueExists("MainForm", "FontName"))
        std::abort();
    return 0;
}
