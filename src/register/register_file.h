#pragma once
// The personal register kojinfl2.txt: fixed 42-byte records of six code page
// 932 fields, numbered from 1. Opening it closes whatever data file the program
// had open; it then stays open until the next open or the end of the program.
//
// Failures (a file that cannot be created, opened, read or written; a record
// number outside 1..32767; a register past 500 records) leave the file
// unchanged and come back as the result's error, for the caller to tell.
//
// Other programs may use the register at the same time: each read holds a
// shared lock while it reads, each write an exclusive one until its bytes are
// on disk, and no lock outlives the function that took it. A lock not had
// within the file writer's patience is a RegisterBusy failure. A write reports
// success only once it is flushed to disk, and a write over an existing record
// goes through a journal (register_journal.h), played back by whichever
// operation next finds it, should a crash interrupt the write.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_writer.h"
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
// creating it empty (and flushed into its folder) when missing.
Status openRegister(Program& p);
// Whole records in the open register; a partial record at the end does not count.
Result<int> recordCount(Program& p);
// Record k (k >= 1) of the open register; six empty fields beyond the end.
Result<RegisterRecord> readRecord(Program& p, int k);
// Writes record k (k >= 1) of the open register, extending it when needed (a
// gap reads as empty records). Refused when it would make the register longer
// than kMaxRecords records.
Status writeRecord(Program& p, int k, const RegisterRecord& record);
// Appends `records` after the whole records in the register at this moment
// (over a partial one), each with its position as its number field, in one
// write; all or none of them. Gives the position of the first, or RegisterFull
// when the register has no room for them all.
Result<int> appendRecords(Program& p, std::vector<RegisterRecord> records);
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
// notice, which has no program and no open file; `writer` puts back a record
// that a crashed write left in the journal.
Result<std::vector<RegisterRecord>> readAllRecords(const std::filesystem::path& dataDir,
                                                   const Cp932& codec, FileWriter& writer);

// Plays back the journal of a write that a crash interrupted, at start. A
// failure is left for the next operation on the register, which meets it again
// and tells the user.
void recoverRegister(Program& p);

// A record number typed into a box: its numeric value rounded half to even,
// when that lies in 1..32767.
Result<int16_t> recordNumberFromText(const std::string& text);

}  // namespace bio
