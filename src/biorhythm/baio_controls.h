#pragma once
// baio's era option group, read by the run and written by the load action and
// the register command.

#include <array>

namespace bio {

// In era order: 明治, 大正, 昭和, 平成.
inline constexpr std::array<const char*, 4> kBaioEraOptions{"Option1", "Option2", "Option3",
                                                            "Option4"};

}  // namespace bio
