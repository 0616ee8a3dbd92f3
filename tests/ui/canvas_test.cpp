#include "ui/canvas.h"

#include <gtest/gtest.h>

namespace bio {
namespace {

TEST(Canvas, RecordsOperationsWithThePenOfTheirMoment) {
    Canvas canvas;
    canvas.setScale(0, 30, 31, -30);
    canvas.line(0, 0, 31, 0);
    canvas.setAutoRedraw();
    canvas.setColor(12);
    canvas.setWidth(2);
    canvas.setTextPosition(1, 26);
    canvas.print(" 12 ");
    canvas.line(1, 2, 3, 4);

    const auto& ops = canvas.ops();
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[0].kind, CanvasOp::Kind::Scale);
    EXPECT_EQ(ops[0].y2, -30);
    EXPECT_EQ(ops[1].kind, CanvasOp::Kind::Line);
    EXPECT_EQ(ops[1].color, 0);  // a new canvas draws black
    EXPECT_EQ(ops[1].width, 1);
    EXPECT_EQ(ops[2].kind, CanvasOp::Kind::AutoRedraw);
    EXPECT_EQ(ops[3].kind, CanvasOp::Kind::Text);
    EXPECT_EQ(ops[3].x1, 1);
    EXPECT_EQ(ops[3].y1, 26);
    EXPECT_EQ(ops[3].text, " 12 ");
    EXPECT_EQ(ops[3].color, 12);
    EXPECT_EQ(ops[4].width, 2);
}

TEST(Canvas, ClearingBlanksThePictureButKeepsThePen) {
    Canvas canvas;
    canvas.setColor(12);
    canvas.setWidth(2);
    canvas.setAutoRedraw();
    canvas.line(0, 0, 1, 1);
    canvas.clear();

    EXPECT_TRUE(canvas.ops().empty());
    canvas.line(0, 0, 1, 1);
    EXPECT_EQ(canvas.ops().at(0).color, 12);
    EXPECT_EQ(canvas.ops().at(0).width, 2);
}

}  // namespace
}  // namespace bio
