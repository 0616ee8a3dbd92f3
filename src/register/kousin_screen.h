#pragma once
// The update screen's command: writes the six typed texts as one record.

namespace bio {

class Program;

// kousin.Command2: record number from Text1(0), fields from Text1(0)..Text6(0).
void updateRecord(Program& p);

}  // namespace bio
