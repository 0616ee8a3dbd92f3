#pragma once
// The platform services the procedures use: modal dialogs, a printer and the
// clock. The Qt view and the script driver each provide their own.

#include <filesystem>
#include <optional>
#include <string>

#include "state/date.h"

namespace bio {

class Canvas;
struct Page;

enum class Answer { Ok, Cancel };

enum class FileDialogMode { Save, Open };

// What a file dialog asks for.
struct FileRequest {
    FileDialogMode mode = FileDialogMode::Save;
    std::string title;
    std::string filter;       // "iCalendar (*.ics)"
    std::string defaultName;  // a save dialog's proposal, in the user's documents folder
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal message box with OK and Cancel; an empty title shows none.
    virtual Answer messageBox(const std::string& text, const std::string& title) = 0;
    // A one-line input box; nullopt when cancelled (callers use the empty text).
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
    // The printer-selection dialog; true when the user confirmed it.
    virtual bool printerDialog() = 0;
    // A file dialog to save or open a file; nullopt when cancelled.
    virtual std::optional<std::filesystem::path> fileDialog(const FileRequest& request) = 0;
};

// A picture to print: which control it comes from, its drawing and its size on
// the screen in twips.
struct PictureSource {
    std::string screen;
    std::string control;
    const Canvas* canvas = nullptr;
    int widthTwips = 0, heightTwips = 0;
};

class Printer {
  public:
    virtual ~Printer() = default;
    virtual void setFont(const std::string& family, double points) = 0;
    virtual void printLine(const std::string& text) = 0;
    // Draws the picture at its natural size; x and y in twips from the top-left
    // of the printable area.
    virtual void printPicture(const PictureSource& picture, double x, double y) = 0;
    // Prints a composed page as the only sheet of a document.
    virtual void printPage(const Page& page) = 0;
    // Sends the document; the reason when it failed.
    virtual std::optional<std::string> endDocument() = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date today() = 0;
};

}  // namespace bio
