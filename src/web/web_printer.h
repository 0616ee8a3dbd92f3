#pragma once
// The printer: each document the program prints is handed to the page, in
// millimetres; once the command is done the page prints them through the
// browser's own printing, a composed page as one A4 sheet.

#include "ui/services.h"

namespace bio {

class WebPrinter : public Printer {
  public:
    void setFont(const std::string& family, double points) override;
    void printLine(const std::string& text) override;
    void printPicture(const PictureSource& picture, double x, double y) override;
    void printPage(const Page& page) override;
    std::optional<std::string> endDocument() override;
};

}  // namespace bio
