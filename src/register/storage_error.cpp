#include "register/storage_error.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iterator>

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
constexpr std::array<const char*, 5> kFailedSteps{
    " を作成できません：",  // Create
    " を開けません：",      // Open
    " を読めません：",      // Read
    " に書き込めません：",  // Write
    " を削除できません：",  // Remove
};

struct Description {
    std::string operator()(const FileFailure& f) const {
        std::string text = "ファイル " + f.file + kFailedSteps[static_cast<std::size_t>(f.step)] +
                           failureReason(f.error) + "。";
        if (!f.undone)
            text += "書きかけの記録を元に戻せなかったため、ファイルが壊れているおそれがあります。";
        return text;
    }
    std::string operator()(const FolderFailure& f) const {
        return "ファイル " + f.file + " を保存するフォルダー " + f.folder.string() +
               (f.existed ? " に書き込めません：" : " を作成できません：") +
               failureReason(f.error) + "。";
    }
    std::string operator()(const BadRecordNumber&) const {
        return "番号は1から32767までの数字で入力してください。";
    }
    std::string operator()(const TooManyRecords& t) const {
        return "ファイル " + t.file + " の記録が" + std::to_string(t.limit) +
               "件を超えているため、読み込めません。";
    }
    std::string operator()(const RegisterFull& r) const {
        return "登録できるのは" + std::to_string(r.limit) + "件までです。";
    }
    std::string operator()(const RegisterBusy&) const {
        return "登録簿がほかのプログラムで使用中です。しばらくしてからもう一度お試しください。";
    }
};

}  // namespace

std::string describe(const StorageError& error) { return std::visit(Description{}, error); }

std::string failureReason(int errorNumber) {
    const auto* found = std::find_if(std::begin(kReasons), std::end(kReasons),
                                     [&](const Reason& r) { return r.errorNumber == errorNumber; });
    if (found != std::end(kReasons)) return found->text;
    return "予期しないエラーが起きました（エラー番号 " + std::to_string(errorNumber) + "）";
}

}  // namespace bio
