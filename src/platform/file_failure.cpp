#include "platform/file_failure.h"

#include <algorithm>
#include <array>

#include "platform/reason_table.h"

namespace bio {

namespace {

// By FileStep.
constexpr std::array<const char*, 5> kFailedSteps{
    " を作成できません：",  // Create
    " を開けません：",      // Open
    " を読めません：",      // Read
    " に書き込めません：",  // Write
    " を削除できません：",  // Remove
};

}  // namespace

// Anything the table does not know is named by number.
std::string failureReason(int code) {
    const std::span<const ReasonText> table = reasonTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const ReasonText& r) { return r.code == code; });
    if (found != table.end()) return found->text;
    return "予期しないエラーが起きました（エラー番号 " + std::to_string(code) + "）";
}

std::string describe(const FileFailure& f) {
    std::string text = "ファイル " + f.file + kFailedSteps[static_cast<std::size_t>(f.step)] +
                       failureReason(f.code) + "。";
    if (!f.undone)
        text += "書きかけの記録を元に戻せなかったため、ファイルが壊れているおそれがあります。";
    return text;
}

}  // namespace bio
