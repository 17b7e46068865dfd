// Files, sections, keys and defaults of the two settings files.
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace vorlen {

namespace config_ini {
inline constexpr std::string_view kFile = "config.ini";
inline constexpr std::string_view kSection = "config";
inline constexpr std::string_view kStrike = "strike";
inline constexpr std::string_view kStrikeDefault = "1";
}  // namespace config_ini

// Chime modes as stored under `strike`.
namespace chime {
inline constexpr std::string_view kSoundAndBalloon = "1";
inline constexpr std::string_view kSoundOnly = "2";
inline constexpr std::string_view kBalloonOnly = "3";
inline constexpr std::string_view kOff = "4";
}  // namespace chime

namespace status_ini {
inline constexpr std::string_view kFile = "Status.ini";
inline constexpr std::string_view kSection = "Status";
}  // namespace status_ini

// One of the three status links: its keys and the defaults a missing key gives.
struct StatusLinkKeys {
    std::string_view titleKey, linkKey, colourKey;
    std::string_view defaultTitle;
    std::string_view defaultLinkPath;  // a path on the maker's site
    int defaultColour;                 // Windows colour, red in the lowest byte
};

inline constexpr std::array<StatusLinkKeys, 3> kStatusLinks = {{
    {"title1", "link1", "colour1", "我唱歌好听吗？让软件来评评", "/soft/changge/", 255},
    {"title2", "link2", "colour2", "官方网站", "/", 0},
    {"title3", "link3", "colour3", "问题反馈", "/soft/fankui/?6_25z", 0},
}};

}  // namespace vorlen
