#include "register/warnings.h"

#include <cerrno>

#include "shell/program.h"

namespace bio {

void warn(Program& p, const std::string& text) {
    p.dialogs().messageBox(text, std::string(kWarningTitle));
}

std::string failureReason(int errorNumber) {
    switch (errorNumber) {
        case EACCES:
        case EPERM: return "許可がありません";
        case EROFS: return "読み取り専用の場所にあります";
        case EISDIR: return "同じ名前のフォルダーがあります";
        case ENOENT:
        case ENOTDIR: return "フォルダーが見つかりません";
        case ENOSPC: return "ディスクに空きがありません";
        case EDQUOT: return "ディスクの使用量の上限を超えています";
        case EFBIG: return "ファイルが大きすぎます";
        case EMFILE:
        case ENFILE: return "開いているファイルが多すぎます";
        case ENAMETOOLONG: return "ファイル名が長すぎます";
        case ELOOP: return "リンクが循環しています";
        case EBUSY:
        case ETXTBSY: return "ほかのプログラムが使用中です";
        case EIO: return "装置の読み書きに失敗しました";
        default: return "予期しないエラーが起きました（エラー番号 " + std::to_string(errorNumber) + "）";
    }
}

std::string fileFailureText(std::string_view fileName, FileStep step, int errorNumber) {
    std::string_view verb;
    switch (step) {
        case FileStep::Create: verb = " を作成できません："; break;
        case FileStep::Open: verb = " を開けません："; break;
        case FileStep::Read: verb = " を読めません："; break;
        case FileStep::Write: verb = " に書き込めません："; break;
    }
    std::string text = "ファイル ";
    text += fileName;
    text += verb;
    text += failureReason(errorNumber);
    text += "。";
    return text;
}

}  // namespace bio
