#pragma once
// What a storage operation failed on, as a value. The file functions return
// it instead of talking to the user; the screens decide what to say, and say
// it with describe(), in the words the user reads in "誤り警告".

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "platform/file_failure.h"
#include "platform/outcome.h"

namespace bio {

// The folder a data file goes in could not be made, or cannot be written.
struct FolderFailure {
    std::string file;
    std::filesystem::path folder;
    bool existed = false;
    int code = 0;  // the system's own
};

// A record number outside 1..32767.
struct BadRecordNumber {};

// A register of more records than the operation can read at once.
struct TooManyRecords {
    std::string file;
    int limit = 0;
};

// A write that would take the register past its room.
struct RegisterFull {
    int limit = 0;
};

// Another program kept the register locked for longer than a change waits.
struct RegisterBusy {};

// Characters the register's code page lacks, which it would keep as "?".
struct UnstorableCharacters {
    std::vector<std::string> characters;
};

using StorageError = std::variant<FileFailure, FolderFailure, BadRecordNumber, TooManyRecords,
                                  RegisterFull, RegisterBusy, UnstorableCharacters>;

// The message for the user: "ファイル kojinfl2.txt を開けません：許可がありません。"
std::string describe(const StorageError& error);

// 「𠮟」「頰」: characters as a message names them.
std::string quotedCharacters(const std::vector<std::string>& characters);

// The outcome of a storage operation: its value, or what it failed on.
template <typename T>
using Result = Outcome<T, StorageError>;
using Status = Result<Done>;

}  // namespace bio
