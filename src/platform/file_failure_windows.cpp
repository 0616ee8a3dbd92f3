#include <windows.h>

#include "platform/file_failure.h"
#include "platform/reason_table.h"

namespace bio {

namespace {

// Codes MinGW's winerror.h does not name.
constexpr int kDirectoryNotSupported = 336;  // ERROR_DIRECTORY_NOT_SUPPORTED
constexpr int kDiskQuotaExceeded = 1295;     // ERROR_DISK_QUOTA_EXCEEDED

// In the same words as on POSIX.
constexpr ReasonText kReasons[] = {
    {ERROR_ACCESS_DENIED, "許可がありません"},
    {ERROR_PRIVILEGE_NOT_HELD, "許可がありません"},
    {ERROR_WRITE_PROTECT, "読み取り専用の場所にあります"},
    {kDirectoryNotSupported, "同じ名前のフォルダーがあります"},
    {ERROR_FILE_NOT_FOUND, "フォルダーが見つかりません"},
    {ERROR_PATH_NOT_FOUND, "フォルダーが見つかりません"},
    {ERROR_DIRECTORY, "フォルダーが見つかりません"},
    {ERROR_DISK_FULL, "ディスクに空きがありません"},
    {ERROR_HANDLE_DISK_FULL, "ディスクに空きがありません"},
    {kDiskQuotaExceeded, "ディスクの使用量の上限を超えています"},
    {ERROR_FILE_TOO_LARGE, "ファイルが大きすぎます"},
    {ERROR_TOO_MANY_OPEN_FILES, "開いているファイルが多すぎます"},
    {ERROR_FILENAME_EXCED_RANGE, "ファイル名が長すぎます"},
    {ERROR_BUFFER_OVERFLOW, "ファイル名が長すぎます"},  // "The file name is too long."
    {ERROR_CANT_RESOLVE_FILENAME, "リンクが循環しています"},
    {ERROR_SHARING_VIOLATION, "ほかのプログラムが使用中です"},
    {ERROR_LOCK_VIOLATION, "ほかのプログラムが使用中です"},
    {ERROR_BUSY, "ほかのプログラムが使用中です"},
    {ERROR_CRC, "装置の読み書きに失敗しました"},
    {ERROR_IO_DEVICE, "装置の読み書きに失敗しました"},
    {ERROR_READ_FAULT, "装置の読み書きに失敗しました"},
    {ERROR_WRITE_FAULT, "装置の読み書きに失敗しました"},
};

}  // namespace

std::span<const ReasonText> reasonTable() { return kReasons; }

// ERROR_DIRECTORY is what a file standing where a folder should be gives,
// as ENOTDIR does on POSIX.
bool FileFailure::missing() const {
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_DIRECTORY;
}

int systemCode(SystemReason reason) {
    switch (reason) {
        // CreateFileW itself says only ERROR_ACCESS_DENIED for a folder.
        case SystemReason::IsFolder:
            return kDirectoryNotSupported;
        case SystemReason::TooLarge:
            return ERROR_FILE_TOO_LARGE;
        case SystemReason::NotFolder:
            return ERROR_DIRECTORY;
    }
    return ERROR_IO_DEVICE;
}

}  // namespace bio
