#pragma once
// Printing without a toolkit: where pictures and composed pages land on a
// device, lines of text paged down a sheet, and the files of documents
// printed to a file.

#include <filesystem>
#include <vector>

#include "ui/page.h"
#include "ui/services.h"
#include "view/canvas_replay.h"

namespace bio {

inline constexpr double kMmPerInch = 25.4;

// Dots per inch across and down a device: a printer may have more one way
// than the other. Fonts and pen widths go by the dots down.
struct Resolution {
    double across = kScreenPixelsPerInch, down = kScreenPixelsPerInch;
};

// Where a page lies on the device.
struct PageMapping {
    Resolution resolution;
    PointF origin;  // the page point, in mm, at the device's (0, 0)
};

// The font the picture's control draws its texts in on screen (the catalogue's).
Font pictureFont(const PictureSource& picture);
// The picture's drawing; none when it has no canvas.
const std::vector<CanvasOp>& pictureOps(const PictureSource& picture);

// A picture printed at its natural size at (x, y) twips from the printable
// area's top-left.
CanvasTarget naturalSizeTarget(const PictureSource& picture, double x, double y,
                               Resolution resolution);

// A page's picture scaled from its size on the screen into its rectangle: the
// target (pens shrink or grow with it), and how much the picture's font does.
struct ScaledPicture {
    CanvasTarget target;
    double fontScale = 1;
};
ScaledPicture pagePictureTarget(const PagePicture& picture, const PageMapping& mapping);

// The device point of a page point, and the device length of a page length
// that runs no one way, a pen's width (mm).
PointF toDevice(const PageMapping& mapping, double xMm, double yMm);
double toDevice(const PageMapping& mapping, double mm);

// Lines of text down a page, in device units from the top of the printable
// area: where the next line goes, and when it needs a new page.
class LinePaging {
  public:
    explicit LinePaging(double pageHeight) : pageHeight_(pageHeight) {}

    // A line that no longer fits, unless the page is still empty.
    bool needsNewPage(double lineHeight) const {
        return top_ > 0 && top_ + lineHeight > pageHeight_;
    }
    void newPage() { top_ = 0; }
    // The top of the next line.
    double top() const { return top_; }
    void advance(double lineSpacing) { top_ += lineSpacing; }

  private:
    double pageHeight_;
    double top_ = 0;
};

// One printer dialog may cover several documents printed to a file: the first
// goes to `chosen`, the 2nd and later beside it as NAME-2.pdf, NAME-3.pdf …,
// skipping files that exist, instead of overwriting it.
std::filesystem::path outputForDocument(const std::filesystem::path& chosen,
                                        int documentsSinceDialog);

}  // namespace bio
