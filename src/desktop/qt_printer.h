#pragma once
// The printer: text lines, pictures and composed pages on a QPrinter, one
// print job per document. Where the machine has no printer, the jobs go to a
// PDF file.

#include <QFont>
#include <QPageLayout>
#include <QPrinter>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "ui/services.h"
#include "view/print_layout.h"

class QPainter;

namespace bio {

class QtPrinter : public Printer {
  public:
    QtPrinter();
    ~QtPrinter() override;

    QPrinter& device();

    // Before the printer dialog opens: without any printer, offer a PDF file
    // in the home folder.
    void prepareDialog();
    // The dialog was confirmed: the next documents go where it says.
    void dialogAccepted();

    void setFont(const std::string& family, double points) override;
    void printLine(const std::string& text) override;
    void printPicture(const PictureSource& picture, double x, double y) override;
    void printPage(const Page& page) override;
    std::optional<std::string> endDocument() override;

  private:
    // Starts the job on the first output of a document; false when it failed.
    bool ensureJob();
    QString outputNameForNextJob() const;
    std::string destination();

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    std::optional<LinePaging> lines_;  // while a document is open
    std::optional<std::string> failure_;
    QString chosenFile_;  // the file the dialog named, empty for a printer
    int documentsSinceDialog_ = 0;
    std::optional<QPageLayout> layoutToRestore_;  // while a composed page's document is open
};

}  // namespace bio
