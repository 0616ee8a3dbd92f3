#pragma once
// A failed step on a file, as one value on every platform: the file, what was
// being done to it and the system's own code (an errno on POSIX, a
// GetLastError() value on Windows). Its Japanese reason comes from one table
// per platform, so no caller ever reads a system's code itself.

#include <string>

#include "platform/outcome.h"

namespace bio {

// What was being done to a file when it failed.
enum class FileStep { Create, Open, Read, Write, Remove };

struct FileFailure {
    std::string file;  // as the user reads it: "kojinfl2.txt"
    FileStep step = FileStep::Open;
    int code = 0;  // the system's own
    // A write that failed half-way and whose old bytes could not be put back:
    // the file may now hold a torn record.
    bool undone = true;

    // The file or a folder on its way is not there.
    bool missing() const;
    // The same failure told of another file or step.
    FileFailure as(std::string name, FileStep otherStep) const {
        return {std::move(name), otherStep, code, undone};
    }
};

// "ファイル kojinfl2.txt を開けません：許可がありません。"
std::string describe(const FileFailure& failure);
// A short Japanese reason for a failed system call, from the system's code.
std::string failureReason(int code);

// The codes the program itself reports in the system's own terms.
enum class SystemReason { IsFolder, TooLarge, NotFolder };
int systemCode(SystemReason reason);

template <typename T>
using FileResult = Outcome<T, FileFailure>;
using FileStatus = FileResult<Done>;

}  // namespace bio
