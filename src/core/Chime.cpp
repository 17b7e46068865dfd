#include "Chime.h"

#include <array>

#include "SettingsKeys.h"

namespace vorlen {

std::string_view HourPhraseOf(int hour) {
    static constexpr std::array<std::string_view, 24> kPhrases = {
        "凌晨0点整", "凌晨1点整",  "凌晨2点整",  "凌晨3点整",  "凌晨4点整",  "凌晨5点整",
        "上午6点整", "上午7点整",  "上午8点整",  "上午9点整",  "上午10点整", "上午11点整",
        "中午12点整", "下午1点整", "下午2点整",  "下午3点整",  "下午4点整",  "下午5点整",
        "晚上6点整", "晚上7点整",  "晚上8点整",  "晚上9点整",  "晚上10点整", "晚上11点整"};
    return kPhrases.at(hour);
}

std::string ChimeBalloonText(int hour) { return "现在是北京时间" + std::string(HourPhraseOf(hour)); }

ChimeAction ChimeFor(std::string_view mode, const TimeOfDay& time) {
    if (time.minute != 0 || time.second != 0) return {};
    if (mode == chime::kSoundAndBalloon) return {true, true};
    if (mode == chime::kSoundOnly) return {true, false};
    if (mode == chime::kBalloonOnly) return {false, true};
    return {};
}

}  // namespace vorlen
