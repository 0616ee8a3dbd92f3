#include "view/print_layout.h"

#include <gtest/gtest.h>

namespace bio {
namespace {

// A printer with twice the dots down the page as across, whose printable
// area starts 5 mm in and 10 mm down the sheet.
constexpr Resolution kUnequal{300, 600};
const PageMapping kMapping{kUnequal, {5, 10}};

TEST(PrintLayout, EachAxisGoesByItsOwnDots) {
    const PointF inchIn = toDevice(kMapping, 5 + kMmPerInch, 10 + kMmPerInch);
    EXPECT_DOUBLE_EQ(inchIn.x, 300);
    EXPECT_DOUBLE_EQ(inchIn.y, 600);
    // A pen's width goes by the dots down, as fonts do.
    EXPECT_DOUBLE_EQ(toDevice(kMapping, kMmPerInch), 600);

    // Two inches wide and one high at the printable area's corner; on the
    // screen three inches wide, so pens and fonts shrink by a third.
    const PictureSource screen{"sindan", "Picture1", nullptr, 3 * 1440, 1440};
    const ScaledPicture page =
        pagePictureTarget({screen, 5, 10, 2 * kMmPerInch, kMmPerInch}, kMapping);
    EXPECT_DOUBLE_EQ(page.target.area.left, 0);
    EXPECT_DOUBLE_EQ(page.target.area.top, 0);
    EXPECT_DOUBLE_EQ(page.target.area.width, 600);
    EXPECT_DOUBLE_EQ(page.target.area.height, 600);
    EXPECT_DOUBLE_EQ(page.fontScale, 2.0 / 3);
    EXPECT_DOUBLE_EQ(page.target.penScale, 600 / kScreenPixelsPerInch * 2 / 3);

    // At its natural size, an inch in from the printable area's corner.
    const CanvasTarget natural = naturalSizeTarget(screen, 1440, 1440, kUnequal);
    EXPECT_DOUBLE_EQ(natural.area.left, 300);
    EXPECT_DOUBLE_EQ(natural.area.top, 600);
    EXPECT_DOUBLE_EQ(natural.area.width, 900);
    EXPECT_DOUBLE_EQ(natural.area.height, 600);
    EXPECT_DOUBLE_EQ(natural.penScale, 600 / kScreenPixelsPerInch);
}

}  // namespace
}  // namespace bio
