#pragma once
// The 42-byte record of the register file: six code page 932 fields at fixed
// offsets, each left-aligned and padded with blanks to its width.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "register/register_file.h"
#include "state/cp932.h"
#include "state/diagnosis_state.h"

namespace bio {

struct RecordField {
    std::string RegisterRecord::*member;
    std::size_t width;  // bytes on file
};

// In file order. The display and update screens show field f in their text box
// group Text(f + 1), so this order is also their column order.
inline constexpr std::array<RecordField, 6> kRecordFields{{
    {&RegisterRecord::number, 5},
    {&RegisterRecord::name, 20},
    {&RegisterRecord::era, 5},
    {&RegisterRecord::year, 4},
    {&RegisterRecord::month, 4},
    {&RegisterRecord::day, 4},
}};

// "Text1" .. "Text6": the text box group that shows field f on hyouji and kousin.
std::string fieldTextBox(std::size_t field);

// A field as read, without the blanks that pad it to its width (nothing of a
// field of blanks).
std::string_view withoutPadding(std::string_view field);

// Exactly kRecordBytes bytes; over-long texts are cut without splitting a
// double-byte character.
std::string encodeRecord(const Cp932& codec, const RegisterRecord& record);
// Refused with UnstorableCharacters when a field holds characters the code
// page lacks, which the file would keep as "?". Over-long texts are not
// refused: encodeRecord cuts them.
Status storable(const Cp932& codec, const RegisterRecord& record);
// `bytes` holds one whole record. Zero bytes are no text: a field of zero bytes
// (a record inside a gap) reads as empty; padding blanks are kept.
RegisterRecord decodeRecord(const Cp932& codec, std::string_view bytes);

}  // namespace bio
