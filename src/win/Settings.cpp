#include "Settings.h"

#include "ModulePath.h"
#include "SettingsKeys.h"
#include "Site.h"
#include "Unicode.h"

namespace vorlen::win {

IniFile ConfigIniBesideExecutable() { return IniFile(PathBesideExecutable(Widen(config_ini::kFile))); }
IniFile StatusIniBesideExecutable() { return IniFile(PathBesideExecutable(Widen(status_ini::kFile))); }

std::wstring ReadChimeMode(const IniFile& config) {
    return config.ReadString(Widen(config_ini::kSection), Widen(config_ini::kStrike),
                             Widen(config_ini::kStrikeDefault));
}

void WriteChimeMode(IniFile& config, std::string_view mode) {
    config.WriteString(Widen(config_ini::kSection), Widen(config_ini::kStrike), Widen(mode));
}

StatusLink ReadStatusLink(const IniFile& status, std::size_t index) {
    const StatusLinkKeys& keys = kStatusLinks.at(index);
    const std::wstring section = Widen(status_ini::kSection);
    return {status.ReadString(section, Widen(keys.titleKey), Widen(keys.defaultTitle)),
            status.ReadString(section, Widen(keys.linkKey), Widen(SiteAddress(keys.defaultLinkPath)))};
}

COLORREF ReadStatusColour(const IniFile& status, std::size_t index) {
    const StatusLinkKeys& keys = kStatusLinks.at(index);
    return static_cast<COLORREF>(
        status.ReadInteger(Widen(status_ini::kSection), Widen(keys.colourKey), keys.defaultColour));
}

}  // namespace vorlen::win
