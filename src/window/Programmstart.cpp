#include "window/Programmstart.h"
#include "instance/TRegistrySettings.h"

#include "files/Utf8.h"

std::vector<std::string> ParameterAufbereiten(const std::vector<std::string>& AArgumente) {
    return SplitParameters(JoinParameters(AArgumente));
}

bool SplashErlaubtS(bool AShowSplashScreenS, const std::vector<std::string>& ARohArgumente) {
    return AShowSplashScreenS && (ARohArgumente.empty() || ARohArgumente.front() != "/systemstartup");
}

std::string SplashDateiname(const std::string& AProgrammdatei) {
    return PfadAlsUtf8(PfadAusUtf8(AProgrammdatei).replace_extension(".ss"));
}
