#include "register/search_browse.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "register/record_layout.h"
#include "register/register_file.h"
#include "register/storage_warnings.h"
#include "shell/program.h"
#include "shell/register_controls.h"

namespace bio {

namespace {

constexpr int kRows = hyouji::kRows;

// The sixty record boxes of hyouji, looked up once per command rather than by
// name for every field shown.
class RecordRows {
  public:
    explicit RecordRows(Program& p) {
        Screen& hyouji = p.screen(ScreenId::hyouji);
        for (int row = 0; row < kRows; ++row)
            for (std::size_t field = 0; field < kRecordFields.size(); ++field)
                boxes_[row][field] = &hyouji.control(fieldTextBox(field), row);
    }

    void clear() {
        for (auto& row : boxes_)
            for (Control* box : row) box->setText({});
    }

    // Each field exactly as read, padding blanks included.
    void show(int row, const RegisterRecord& record) {
        for (std::size_t field = 0; field < kRecordFields.size(); ++field)
            boxes_[row][field]->setText(record.*kRecordFields[field].member);
    }

  private:
    std::array<std::array<Control*, kRecordFields.size()>, kRows> boxes_{};
};

// Pauses between pages; either button goes on.
void nextPage(Program& p) { p.dialogs().messageBox("次へ", ""); }

// Scans the register into regtable (entry k = record k); the number of records,
// or nullopt when the register could not be read or is too long for the table
// (the user has been told).
std::optional<int> fillRegtable(Program& p) {
    auto& table = p.state().regtable;
    int count = 0;
    const Status scanned = scanRegister(
        p,
        [&](int k, const RegisterRecord& record) {
            table[k] = record;
            count = k;
        },
        kMaxRecords);
    if (!succeeded(p, scanned)) return std::nullopt;
    return count;
}

}  // namespace

void hcls(Program& p) { RecordRows(p).clear(); }

void search(Program& p) {
    const std::string wanted =
        p.dialogs().inputBox("検索する氏名", "検索氏名入力", "0").value_or(std::string{});

    const auto count = fillRegtable(p);
    if (!count) return;
    const auto& table = p.state().regtable;

    // Record numbers of the hits, in record order. A plain substring test on the
    // name as stored: an empty text is in every name.
    std::vector<int> hits;
    for (int k = 1; k <= *count; ++k)
        if (table[k].name.find(wanted) != std::string::npos) hits.push_back(k);

    RecordRows rows(p);
    rows.clear();
    p.show(ScreenId::hyouji);

    const int hitCount = static_cast<int>(hits.size());
    auto showHit = [&](int i) { rows.show(i % kRows, table[hits[i]]); };

    for (int i = 0; i < std::min(hitCount, kRows); ++i) showHit(i);
    // A page of fewer than ten hits is the last one and needs no pause.
    if (hitCount == 0 || hitCount >= kRows) {
        nextPage(p);
        rows.clear();
    }
    for (int i = kRows; i < hitCount; ++i) {
        showHit(i);
        if (i % kRows == kRows - 1) {
            nextPage(p);
            rows.clear();
        }
    }
    if (hitCount == 0) warn(p, "ありません");
    p.show(ScreenId::hyouji);
}

void browse(Program& p) {
    const auto count = fillRegtable(p);
    if (!count) return;

    const auto& table = p.state().regtable;
    RecordRows rows(p);
    p.show(ScreenId::hyouji);
    rows.clear();

    // The first page stays on screen after its pause when nothing follows.
    for (int k = 1; k <= std::min(*count, kRows); ++k) rows.show(k - 1, table[k]);
    nextPage(p);
    if (*count <= kRows) return;

    // Later pages: records 11-20, 21-30, ... each on a cleared screen, so that no
    // record is shown twice and none of an earlier page lingers.
    rows.clear();
    for (int k = kRows + 1; k <= *count; ++k) {
        const int row = (k - 1) % kRows;
        rows.show(row, table[k]);
        if (row == kRows - 1) {
            nextPage(p);
            rows.clear();
        }
    }
}

}  // namespace bio
