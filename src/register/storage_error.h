#pragma once
// What a storage operation failed on, as a value. The file functions return
// it instead of talking to the user; the screens decide what to say, and say
// it with describe(), in the words the user reads in "誤り警告".

#include <filesystem>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace bio {

// What was being done to a file when it failed.
enum class FileStep { Create, Open, Read, Write, Remove };

// A system call on a data file failed with `error` (an errno).
struct FileFailure {
    std::string file;  // "kojinfl2.txt"
    FileStep step = FileStep::Open;
    int error = 0;
    // A write that failed half-way and whose old bytes could not be put back:
    // the file may now hold a torn record.
    bool undone = true;
};

// The folder a data file goes in could not be made, or cannot be written.
struct FolderFailure {
    std::string file;
    std::filesystem::path folder;
    bool existed = false;
    int error = 0;
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

using StorageError = std::variant<FileFailure, FolderFailure, BadRecordNumber, TooManyRecords,
                                  RegisterFull, RegisterBusy>;

// The message for the user: "ファイル kojinfl2.txt を開けません：許可がありません。"
std::string describe(const StorageError& error);

// A short Japanese reason for a failed system call, from its errno.
std::string failureReason(int errorNumber);

// The outcome of a storage operation: its value, or what it failed on.
template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : outcome_(std::in_place_index<0>, std::move(value)) {}
    template <typename Error>
    requires std::is_constructible_v<StorageError, Error> &&
        (!std::is_convertible_v<Error, T>)Result(Error error)
        : outcome_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return outcome_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(outcome_); }
    const T& value() const { return std::get<0>(outcome_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const StorageError& error() const { return std::get<1>(outcome_); }

    friend bool operator==(const Result& result, const T& value) {
        return result.ok() && result.value() == value;
    }

  private:
    std::variant<T, StorageError> outcome_;
};

// The value of an operation that gives none.
struct Done {
    bool operator==(const Done&) const = default;
};
using Status = Result<Done>;

}  // namespace bio
