#include "register/warnings.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iterator>

#include "shell/program.h"

namespace bio {

namespace {

struct Reason {
    int errorNumber;
    const char* text;
};

// The failures a user can meet and act on; anything else is named by number.
constexpr Reason kReasons[] = {
    {EACCES, "許可がありません"},
    {EPERM, "許可がありません"},
    {EROFS, "読み取り専用の場所にあります"},
    {EISDIR, "同じ名前のフォルダーがあります"},
    {ENOENT, "フォルダーが見つかりません"},
    {ENOTDIR, "フォルダーが見つかりません"},
    {ENOSPC, "ディスクに空きがありません"},
    {EDQUOT, "ディスクの使用量の上限を超えています"},
    {EFBIG, "ファイルが大きすぎます"},
    {EMFILE, "開いているファイルが多すぎます"},
    {ENFILE, "開いているファイルが多すぎます"},
    {ENAMETOOLONG, "ファイル名が長すぎます"},
    {ELOOP, "リンクが循環しています"},
    {EBUSY, "ほかのプログラムが使用中です"},
    {ETXTBSY, "ほかのプログラムが使用中です"},
    {EIO, "装置の読み書きに失敗しました"},
};

// By FileStep.
constexpr std::array<const char*, 4> kFailedSteps{
    " を作成できません：",
    " を開けません：",
    " を読めません：",
    " に書き込めません：",
};

}  // namespace

void warn(Program& p, const std::string& text) {
    p.dialogs().messageBox(text, std::string(kWarningTitle));
}

std::string failureReason(int errorNumber) {
    const auto* found = std::find_if(std::begin(kReasons), std::end(kReasons),
                                     [&](const Reason& r) { return r.errorNumber == errorNumber; });
    if (found != std::end(kReasons)) return found->text;
    return "予期しないエラーが起きました（エラー番号 " + std::to_string(errorNumber) + "）";
}

std::string fileFailureText(std::string_view fileName, FileStep step, int errorNumber) {
    std::string text = "ファイル ";
    text += fileName;
    text += kFailedSteps[static_cast<std::size_t>(step)];
    text += failureReason(errorNumber);
    text += "。";
    return text;
}

}  // namespace bio
