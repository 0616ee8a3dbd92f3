#pragma once
// A whole program on a temporary register, with dialogs that remember what
// hyouji showed at each message box, so that every page of a search or browse
// can be checked, not only the last.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/program.h"
#include "testing/program_fixture.h"
#include "ui/doubles.h"

namespace bio::testing {

// The record numbers hyouji shows in rows 0..9 (padding dropped), "" for an
// empty row.
using Page = std::vector<std::string>;

struct ShownMessage {
    std::string text;
    std::string title;
    Page page;  // hyouji at that moment; empty when hyouji did not exist yet
};

class PageDialogs : public Dialogs {
  public:
    Answer messageBox(const std::string& text, const std::string& title) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    bool printerDialog() override { return true; }
    std::optional<std::filesystem::path> fileDialog(const FileRequest&) override {
        return std::nullopt;
    }

    Program* program = nullptr;
    std::vector<ShownMessage> messages;
    std::vector<std::string> inputPrompts;  // "prompt|title|default"
    // Answers for the next input boxes; the default text is accepted when none is left.
    std::deque<std::optional<std::string>> inputs;
};

class RegisterTest : public ::testing::Test {
  protected:
    RegisterTest();

    Program& p() { return *program_; }
    std::filesystem::path registerPath() const { return dir.path() / "kojinfl2.txt"; }
    std::string registerBytes() const { return readBytes(registerPath()); }

    // Writes records 1..count: number "k", a name from a fixed list, an era
    // date; record k's name is seedName(k).
    void seedRegister(int count);
    static std::string seedName(int k);

    Page hyoujiPage();
    std::vector<std::string> messageTexts() const;

    TempDir dir;
    PageDialogs dialogs;
    EventLog ignoredEvents;
    RecordingPrinter printer{ignoredEvents.sink()};
    FixedClock clock{{2026, 12, 7}};

  private:
    std::unique_ptr<Program> program_;
};

// Rows 0..9 showing records first..last in order, then empty rows.
Page pageOf(int first, int last);
inline const Page kEmptyPage = pageOf(1, 0);

}  // namespace bio::testing
