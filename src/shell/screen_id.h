#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace bio {

// The screens, in the order the script driver lists them.
enum class ScreenId { baio, sindan, menyu, hyouji, aisyou, aisyousin, kousin, itiran };

inline constexpr std::array<ScreenId, 8> kAllScreens{
    ScreenId::baio,   ScreenId::sindan,    ScreenId::menyu,  ScreenId::hyouji,
    ScreenId::aisyou, ScreenId::aisyousin, ScreenId::kousin, ScreenId::itiran,
};

std::string_view screenName(ScreenId id);
std::optional<ScreenId> screenFromName(std::string_view name);

}  // namespace bio
