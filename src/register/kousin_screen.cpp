#include "register/kousin_screen.h"

#include "register/record_layout.h"
#include "register/register_file.h"
#include "register/storage_warnings.h"
#include "shell/program.h"

namespace bio {

void updateRecord(Program& p) {
    Screen& kousin = p.screen(ScreenId::kousin);
    // The texts exactly as typed: the number field keeps "2.5" or "12ab", not
    // the record number it rounds to.
    RegisterRecord record;
    for (std::size_t field = 0; field < kRecordFields.size(); ++field)
        record.*kRecordFields[field].member = kousin.control(fieldTextBox(field), 0).text();
    // Number and texts are checked before the register is opened, so a
    // refused update does not even create a missing register.
    const std::optional<int16_t> number =
        orWarn(p, recordNumberFromText(kousin.control(fieldTextBox(0), 0).text()));
    if (!number || !succeeded(p, storable(p.cp932(), record)) || !succeeded(p, openRegister(p)))
        return;
    if (!succeeded(p, writeRecord(p, *number, record))) return;

    p.state().recno = *number;
    // The texts stay in the boxes for the next correction.
    p.dialogs().messageBox("更新しました。", "");
}

}  // namespace bio
