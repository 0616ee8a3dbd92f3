#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace bio {

// The seven screens, in the order the script driver lists them.
enum class ScreenId { baio, sindan, menyu, hyouji, aisyou, aisyousin, kousin };

inline constexpr std::array<ScreenId, 7> kAllScreens{
    ScreenId::baio,   ScreenId::sindan,    ScreenId::menyu,  ScreenId::hyouji,
    ScreenId::aisyou, ScreenId::aisyousin, ScreenId::kousin,
};

std::string_view screenName(ScreenId id);
std::optional<ScreenId> screenFromName(std::string_view name);

}  // namespace bio
