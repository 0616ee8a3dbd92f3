#include "view/canvas_replay.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace bio {
namespace {

TEST(CanvasReplay, PaletteHasTheConsoleColours) {
    const struct {
        int index;
        Rgb colour;
    } cases[] = {
        {0, {0, 0, 0}},        {1, {0, 0, 128}},     {2, {0, 128, 0}},
        {5, {128, 0, 128}},    {7, {192, 192, 192}}, {12, {255, 0, 0}},
        {15, {255, 255, 255}}, {16, {0, 0, 0}},      {-1, {0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(paletteColor(c.index), c.colour) << c.index;
}

class RecordingSink : public CanvasSink {
  public:
    void line(PointF from, PointF to, Rgb, double) override { lines.push_back({from, to}); }
    void text(PointF, Rgb, const std::string&) override {}

    std::vector<std::pair<PointF, PointF>> lines;
};

// A 310 x 600 picture scaled like the month graph, x 0..31 across, y 30 at
// the top to -30 at the bottom; then one line.
TEST(CanvasReplay, LinesGoWhereTheScaleInForceSays) {
    const struct {
        const char* what;
        bool degenerateScale;  // set after the graph's
        double x1, y1, x2, y2;
        PointF from, to;  // on the picture
    } cases[] = {
        {"the upper half of the centre column", false, 15.5, 30, 15.5, 0, {155, 0}, {155, 300}},
        {"a degenerate scale keeps the previous one", true, 0, 0, 31, 0, {0, 300}, {310, 300}},
    };
    for (const auto& c : cases) {
        Canvas canvas;
        canvas.setScale(0, 30, 31, -30);
        if (c.degenerateScale) canvas.setScale(0, 0, 0, 0);
        canvas.line(c.x1, c.y1, c.x2, c.y2);
        RecordingSink sink;
        replayCanvas(canvas.ops(), {{0, 0, 310, 600}, {0, 0, 310, 600}, 1}, sink);
        ASSERT_EQ(sink.lines.size(), 1u) << c.what;
        const auto [from, to] = sink.lines[0];
        EXPECT_DOUBLE_EQ(from.x, c.from.x) << c.what;
        EXPECT_DOUBLE_EQ(from.y, c.from.y) << c.what;
        EXPECT_DOUBLE_EQ(to.x, c.to.x) << c.what;
        EXPECT_DOUBLE_EQ(to.y, c.to.y) << c.what;
    }
}

}  // namespace
}  // namespace bio
