#pragma once
// The journal of a write over an existing record, kojinfl2.txt-journal beside
// the register: where the record stands, its old bytes and a checksum. It is on
// disk before the record is overwritten and emptied once the new record is, so
// a journal found later with bytes in it belongs to a write that never
// finished, and putting its old bytes back leaves the record whole. A journal
// whose checksum does not match was itself cut short, before the record was
// touched; an empty one belongs to a write that finished.
//
// Every function here expects the caller to hold the register's exclusive lock.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/file_writer.h"
#include "register/storage_error.h"

namespace bio {

inline constexpr const char* kJournalFileName = "kojinfl2.txt-journal";

// Writes and flushes the journal for replacing the bytes `old` at `offset` of
// the register in `dir`; on failure no journal is left.
Status writeJournal(FileWriter& writer, const std::filesystem::path& dir, std::uint64_t offset,
                    std::string_view old);
// Commits a write that is on disk, for good: the journal is emptied and
// flushed (an empty journal puts nothing back), then removed.
Status removeJournal(FileWriter& writer, const std::filesystem::path& dir);

bool journalPresent(const std::filesystem::path& dir);
// Puts the old bytes of a finished journal back into the register and flushes
// them, then removes the journal; a journal cut short is only removed. A
// failure leaves the journal for the next try.
Status playBackJournal(FileWriter& writer, const std::filesystem::path& dir);

}  // namespace bio
