#pragma once
// Service doubles that answer from a queue and report every event as one line
// of text: the script driver prints those lines, unit tests compare them.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/services.h"

namespace bio {

// A text in double quotes with \" \\ \t \n escaped.
std::string quoted(const std::string& text);

using EventSink = std::function<void(const std::string& line)>;

// Collects event lines; the sink of unit tests.
class EventLog {
  public:
    EventSink sink() {
        return [this](const std::string& line) { lines.push_back(line); };
    }
    std::vector<std::string> lines;
};

class ScriptedDialogs : public Dialogs {
  public:
    explicit ScriptedDialogs(EventSink sink) : sink_(std::move(sink)) {}

    void queueMessageAnswer(Answer answer) { messageAnswers_.push_back(answer); }
    void queueInput(std::optional<std::string> answer) {
        inputAnswers_.push_back(std::move(answer));
    }
    void queuePrinterAnswer(bool ok) { printerAnswers_.push_back(ok); }
    // The path the next file dialog answers with; nullopt cancels it.
    void queueFile(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }

    Answer messageBox(const std::string& text, const std::string& title) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    bool printerDialog() override;
    // Cancelled unless a path was queued.
    std::optional<std::filesystem::path> fileDialog(const FileRequest& request) override;

  private:
    EventSink sink_;
    std::deque<Answer> messageAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<bool> printerAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
};

class RecordingPrinter : public Printer {
  public:
    explicit RecordingPrinter(EventSink sink) : sink_(std::move(sink)) {}

    void setFont(const std::string& family, double points) override;
    void printLine(const std::string& text) override;
    void printPicture(const PictureSource& picture, double x, double y) override;
    void printPage(const Page& page) override;
    std::optional<std::string> endDocument() override;

    // Makes the next endDocument fail with this reason.
    void failNextDocument(std::string reason) { failure_ = std::move(reason); }

  private:
    EventSink sink_;
    std::optional<std::string> failure_;
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(Date date) : date_(date) {}
    Date today() override { return date_; }

  private:
    Date date_;
};

// Number formatting shared by the script output: fixed notation rounded to
// 4 decimals, no trailing zeros or point, "-0" as "0".
std::string fixed4(double value);

}  // namespace bio
