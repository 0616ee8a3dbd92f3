#include "register/storage_error.h"

#include "platform/path.h"

namespace bio {

namespace {

struct Description {
    std::string operator()(const FileFailure& f) const { return bio::describe(f); }
    std::string operator()(const FolderFailure& f) const {
        return "ファイル " + f.file + " を保存するフォルダー " + utf8Text(f.folder) +
               (f.existed ? " に書き込めません：" : " を作成できません：") + failureReason(f.code) +
               "。";
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
    std::string operator()(const UnstorableCharacters& u) const {
        return quotedCharacters(u.characters) + "は保存できない文字です。";
    }
};

}  // namespace

std::string quotedCharacters(const std::vector<std::string>& characters) {
    std::string text;
    for (const std::string& character : characters) text += "「" + character + "」";
    return text;
}

std::string describe(const StorageError& error) { return std::visit(Description{}, error); }

}  // namespace bio
