#include <cerrno>

#include "platform/file_failure.h"
#include "platform/reason_table.h"

namespace bio {

namespace {

constexpr ReasonText kReasons[] = {
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

}  // namespace

std::span<const ReasonText> reasonTable() { return kReasons; }

bool FileFailure::missing() const { return code == ENOENT || code == ENOTDIR; }

int systemCode(SystemReason reason) {
    switch (reason) {
        case SystemReason::IsFolder:
            return EISDIR;
        case SystemReason::TooLarge:
            return EFBIG;
        case SystemReason::NotFolder:
            return ENOTDIR;
    }
    return EIO;
}

}  // namespace bio
