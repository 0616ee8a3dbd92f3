#pragma once
// hyouji's way in and out of spreadsheets: the whole register written to a
// CSV file, and the persons of a CSV file added to the register.

namespace bio {

class Program;

// hyouji.Command2 "CSVへ書き出し": every record, blank ones included, into a
// CSV file the user names.
void exportRegister(Program& p);
// hyouji.Command3 "CSVから読み込み": the persons of a CSV file the user
// chooses, once confirmed, appended to the register in one write.
void importRegister(Program& p);

}  // namespace bio
