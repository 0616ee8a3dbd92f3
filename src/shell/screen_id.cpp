#include "shell/screen_id.h"

namespace bio {

std::string_view screenName(ScreenId id) {
    switch (id) {
        case ScreenId::baio: return "baio";
        case ScreenId::sindan: return "sindan";
        case ScreenId::menyu: return "menyu";
        case ScreenId::hyouji: return "hyouji";
        case ScreenId::aisyou: return "aisyou";
        case ScreenId::aisyousin: return "aisyousin";
        case ScreenId::kousin: return "kousin";
        case ScreenId::itiran: return "itiran";
    }
    return "";
}

std::optional<ScreenId> screenFromName(std::string_view name) {
    for (ScreenId id : kAllScreens)
        if (screenName(id) == name) return id;
    return std::nullopt;
}

}  // namespace bio
