#pragma once
// The controls of hyouji and kousin, the register's two screens. Both show a
// record's fields in the text box groups Text1..Text6, one column a field.

namespace bio {

namespace hyouji {
inline constexpr int kRows = 10;
inline constexpr const char* kToMenu = "Command1";
inline constexpr const char* kExport = "Command2";  // "CSVへ書き出し"
inline constexpr const char* kImport = "Command3";  // "CSVから読み込み"
}  // namespace hyouji

namespace kousin {
inline constexpr const char* kUpdate = "Command2";  // "更　新"
inline constexpr const char* kToMenu = "Command1";
}  // namespace kousin

}  // namespace bio
