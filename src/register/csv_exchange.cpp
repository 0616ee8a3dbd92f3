#include "register/csv_exchange.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_writer.h"
#include "platform/path.h"
#include "register/csv.h"
#include "register/csv_persons.h"
#include "register/register_file.h"
#include "register/storage_warnings.h"
#include "shell/program.h"
#include "state/numbers.h"

namespace bio {

namespace {

constexpr const char* kExportTitle = "登録簿をCSVに書き出す";
constexpr const char* kImportTitle = "CSVから登録簿に読み込む";
constexpr std::size_t kRefusalsShown = 10;
// Far beyond what 500 persons take, however many columns a spreadsheet adds.
constexpr std::size_t kMaxImportBytes = 16 << 20;

std::string fileName(const std::filesystem::path& path) { return utf8Text(path.filename()); }

// Whether writing to `path` would replace the register itself.
bool isRegisterFile(const Program& p, const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::equivalent(path, p.dataDir() / kRegisterFileName, error);
}

std::string refusalLines(const ImportPlan& plan) {
    if (plan.refused.empty()) return {};
    std::string text = "\n読み込まない行（" + numberText(double(plan.refused.size())) + "行）：";
    for (std::size_t i = 0; i < plan.refused.size() && i < kRefusalsShown; ++i)
        text += "\n　" + numberText(plan.refused[i].first) + "行目：" + plan.refused[i].second;
    if (plan.refused.size() > kRefusalsShown)
        text += "\n　ほか" + numberText(double(plan.refused.size() - kRefusalsShown)) + "行";
    return text;
}

std::string headerProblemText(const std::string& name, HeaderProblem problem) {
    const std::string start = "ファイル " + name + " の見出しの行に";
    if (problem == HeaderProblem::NoName) return start + "「氏名」の列がありません。";
    return start +
           "生年月日の列がありません。「元号」「年」「月」「日」の4列か、「生年月日」または"
           "「西暦生年月日」の列が必要です。";
}

std::string confirmation(std::size_t present, const ImportPlan& plan) {
    const std::size_t added = plan.records.size();
    std::string numbers = numberText(double(present + 1));
    if (added > 1) numbers += "～" + numberText(double(present + added));
    std::string text =
        "登録簿の末尾に" + numberText(double(added)) + "人を追加します（番号" + numbers + "）。";
    if (plan.namesCut > 0)
        text += "\n" + numberText(plan.namesCut) +
                "人の氏名は長すぎるため、全角10文字（半角20文字）までで切ります。";
    return text + refusalLines(plan) + "\nよろしいですか。";
}

// Appends the persons numbered by their places, as 登録 numbers them, and
// leaves the register as 登録 leaves it: closed, recno on the last record.
void appendPersons(Program& p, std::vector<RegisterRecord> records) {
    const int added = static_cast<int>(records.size());
    const Result<int> first = appendRecords(p, std::move(records));
    p.closeAllFiles();
    if (!first) {
        const auto* failure = std::get_if<FileFailure>(&first.error());
        warn(p, describe(first.error()) +
                    (failure && failure->undone ? "登録簿は読み込む前のままです。" : ""));
        return;
    }
    p.state().recno = static_cast<int16_t>(*first + added - 1);
    p.dialogs().messageBox(numberText(double(added)) + "件を読み込みました。", "");
}

}  // namespace

void exportRegister(Program& p) {
    const std::optional<std::vector<RegisterRecord>> records = orWarn(p, readAllRecords(p));
    if (!records) return;
    const std::optional<std::filesystem::path> path =
        p.dialogs().fileDialog({FileDialogMode::Save, kExportTitle, "CSV (*.csv)", "登録簿.csv"});
    if (!path) return;
    if (isRegisterFile(p, *path)) {
        warn(p, "登録簿のファイル " + std::string(kRegisterFileName) +
                    " には書き出せません。別のファイル名を指定してください。");
        return;
    }
    std::string bytes(kByteOrderMark);
    bytes += csvLine(exportHeader());
    for (const RegisterRecord& record : *records) bytes += csvLine(exportRow(record));
    if (FileStatus written = replaceFileAtomically(p.fileWriter(), *path, bytes); !written) {
        warn(p, written.error());
        return;
    }
    p.dialogs().messageBox(
        numberText(double(records->size())) + "件を書き出しました。\n" + utf8Text(*path), "");
}

void importRegister(Program& p) {
    const std::optional<std::filesystem::path> path =
        p.dialogs().fileDialog({FileDialogMode::Open, kImportTitle, "CSV (*.csv *.txt)", ""});
    if (!path) return;
    const std::string name = fileName(*path);
    // Told plainly: the reason of a failed open would speak of a folder.
    if (!std::filesystem::exists(*path)) {
        warn(p, "ファイル " + name + " が見つかりません。");
        return;
    }
    const std::optional<std::string> bytes =
        orWarn<std::string>(p, readWholeFile(*path, kMaxImportBytes));
    if (!bytes) return;
    const std::optional<std::string> text = csvText(p.cp932(), *bytes);
    if (!text) {
        warn(p, "ファイル " + name +
                    " はテキストのCSVファイルではないため、読み込めません。UTF-8またはシフトJIS"
                    "で保存したCSVファイルを選んでください。");
        return;
    }
    const std::variant<ImportPlan, HeaderProblem> planned = planImport(p.cp932(), parseCsv(*text));
    if (const auto* problem = std::get_if<HeaderProblem>(&planned)) {
        warn(p, headerProblemText(name, *problem));
        return;
    }
    const ImportPlan& plan = std::get<ImportPlan>(planned);
    if (plan.records.empty()) {
        warn(p, "ファイル " + name + " には登録できる行がありません。" + refusalLines(plan));
        return;
    }
    const std::optional<std::vector<RegisterRecord>> present = orWarn(p, readAllRecords(p));
    if (!present) return;
    if (present->size() + plan.records.size() > kMaxRecords) {
        warn(p, "登録できるのは" + numberText(kMaxRecords) + "件までです。登録簿の" +
                    numberText(double(present->size())) + "件に" +
                    numberText(double(plan.records.size())) +
                    "人を加えると超えるため、読み込みません。");
        return;
    }
    if (p.dialogs().messageBox(confirmation(present->size(), plan), kImportTitle) == Answer::Cancel)
        return;
    appendPersons(p, plan.records);
}

}  // namespace bio
