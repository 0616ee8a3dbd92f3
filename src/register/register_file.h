#pragma once
// The personal register kojinfl2.txt: fixed 42-byte records of six code page
// 932 fields, numbered from 1. Opening it closes whatever data file the program
// had open; it then stays open until the next open or the end of the program.
//
// Failures (a file that cannot be created, opened, read or written; a record
// number outside 1..32767; a register past 500 records) leave the file
// unchanged and come back as the result's error, for the caller to tell.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "register/storage_error.h"
#include "state/cp932.h"
#include "state/diagnosis_state.h"

namespace bio {

class Program;

inline constexpr const char* kRegisterFileName = "kojinfl2.txt";
inline constexpr int kRecordBytes = 42;
inline constexpr int kMaxRecords = 500;  // the search and browse table's room
inline constexpr int kMaxRecordNumber = INT16_MAX;
// A scan counts in recno up to N + 2, which must stay a 16-bit value.
inline constexpr int kMaxScanRecords = kMaxRecordNumber - 2;

// Closes every open file, then opens the register for reading and writing,
// creating it empty when missing.
Status openRegister(Program& p);
// Whole records in the open register; a partial record at the end does not count.
Result<int> recordCount(Program& p);
// Record k (k >= 1) of the open register; six empty fields beyond the end.
Result<RegisterRecord> readRecord(Program& p, int k);
// Writes record k (k >= 1) of the open register, extending it when needed (a
// gap reads as empty records). Refused when it would make the register longer
// than kMaxRecords records.
Status writeRecord(Program& p, int k, const RegisterRecord& record);
// Appends `records` after the last whole record of the open register (over a
// partial one) in one write, flushed to disk. Refused when the register would
// pass kMaxRecords. When the write or the flush fails, the register is cut back
// to what it was before.
Status appendRecords(Program& p, const std::vector<RegisterRecord>& records);
// Opens the register and visits records 1..N in order, counting in recno, which
// ends at N + 2. A register of more than `limit` records is refused before
// anything is visited, and recno is then left alone.
Status scanRegister(Program& p, const std::function<void(int k, const RegisterRecord&)>& visit,
                    int limit = kMaxScanRecords);

// Every whole record, for a look at the register that changes nothing of its
// state: the open data file is closed, the register is read without being
// created (a missing one has no records) and closed again; recno is untouched.
// Refused, like search and browse, past kMaxRecords records.
Result<std::vector<RegisterRecord>> readAllRecords(Program& p);
// The same for a look from outside the running program, such as the login
// notice, which has no program and no open file.
Result<std::vector<RegisterRecord>> readAllRecords(const std::filesystem::path& dataDir,
                                                   const Cp932& codec);

// A record number typed into a box: its numeric value rounded half to even,
// when that lies in 1..32767.
Result<int16_t> recordNumberFromText(const std::string& text);

}  // namespace bio
