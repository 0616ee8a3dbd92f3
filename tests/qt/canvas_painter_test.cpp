// The canvas painter: colours, pen widths, upright text and clipping, and a
// real month graph on the result screen. The palette and the mapping of user
// units are tested in tests/view.

#include "desktop/canvas_painter.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>

#include "desktop/japanese_fonts.h"
#include "desktop/picture_widget.h"
#include "desktop/qt_convert.h"
#include "qt_test_support.h"

using namespace bio;
using namespace bio::testing;

namespace {

// A 310 x 600 picture at the origin of a larger white image, scaled like the
// month graph: x 0..31 across, y 30 at the top to -30 at the bottom.
constexpr int kWidth = 310, kHeight = 600;

QImage render(const Canvas& canvas, double penScale = 1.0) {
    QImage image(kWidth + 40, kHeight + 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintCanvas(painter, canvas.ops(), {{0, 0, kWidth, kHeight}, {0, 0, kWidth, kHeight}, penScale},
                qtFont({"ＭＳ ゴシック", 12, true}));
    return image;
}

Canvas graphScaled() {
    Canvas canvas;
    canvas.setScale(0, 30, 31, -30);
    return canvas;
}

// Pixels of exactly this colour in column x.
int runInColumn(const QImage& image, int x, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) count += image.pixelColor(x, y) == colour;
    return count;
}

bool isWhite(QColor c) { return c == QColor(Qt::white); }

// Antialiasing blends the edges of a line; somewhere among the pixels around
// a point on it one is covered fully and shows the pen's colour.
bool colourNear(const QImage& image, QPoint p, QColor colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor c = image.pixelColor(p + QPoint(dx, dy));
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                30)
                return true;
        }
    return false;
}

}  // namespace

class CanvasPainterTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installJapaneseFontSubstitutions(); }

    void linesArePaintedInExactlyThePaletteColour_data() {
        QTest::addColumn<int>("index");
        for (int index : {0, 1, 2, 5, 7, 12, 15, 16})
            QTest::newRow(std::to_string(index).c_str()) << index;
    }

    void linesArePaintedInExactlyThePaletteColour() {
        QFETCH(int, index);
        const QColor colour = qtColor(paletteColor(index));
        // A thick line in that colour is painted in exactly it.
        Canvas canvas = graphScaled();
        canvas.setColor(index);
        canvas.setWidth(5);
        canvas.line(1, 10, 30, 10);  // y 10 is a third down from the top: row 200
        QCOMPARE(render(canvas).pixelColor(155, 200), colour);
    }

    void penWidthsAreDevicePixels_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("penScale");
        QTest::addColumn<int>("expected");
        QTest::newRow("1 px") << 1 << 1.0 << 1;
        QTest::newRow("3 px") << 3 << 1.0 << 3;
        QTest::newRow("5 px") << 5 << 1.0 << 5;
        QTest::newRow("4 px at twice the density") << 4 << 0.5 << 2;
    }

    void penWidthsAreDevicePixels() {
        QFETCH(int, width);
        QFETCH(double, penScale);
        QFETCH(int, expected);
        Canvas canvas;
        canvas.setScale(0, 0, kWidth, kHeight);
        canvas.setColor(2);
        canvas.setWidth(width);
        // Centred on a pixel boundary or a pixel centre to match the width's parity.
        const double y = 300 + (expected % 2 ? 0.5 : 0.0);
        canvas.line(20, y, 290, y);
        QCOMPARE(runInColumn(render(canvas, penScale), 150, QColor(0, 128, 0)), expected);
    }

    void textStaysUprightBelowItsCorner() {
        Canvas canvas = graphScaled();
        canvas.setColor(1);
        canvas.setTextPosition(10, 0);  // left 100, top 300
        canvas.print("感情");
        const QImage image = render(canvas);
        int top = kHeight, bottom = -1, left = kWidth;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (!isWhite(image.pixelColor(x, y))) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    left = std::min(left, x);
                }
        // 12 pt glyphs hang below the corner, not above it as a flipped text would.
        QVERIFY2(top >= 300 && top <= 306, qPrintable(QString::number(top)));
        QVERIFY2(bottom > 310 && bottom < 325, qPrintable(QString::number(bottom)));
        QVERIFY2(left >= 100 && left <= 104, qPrintable(QString::number(left)));
    }

    void drawingIsClippedToThePicture() {
        Canvas canvas = graphScaled();
        canvas.setColor(12);
        canvas.setWidth(5);
        canvas.line(-5, 0, 40, 0);     // runs out to the right
        canvas.line(10, 40, 10, -40);  // out at the top and the bottom
        canvas.setTextPosition(30, 0);
        canvas.print("土曜日");
        const QImage image = render(canvas);
        for (int y = 0; y < image.height(); ++y)
            for (int x = kWidth; x < image.width(); ++x) QVERIFY(isWhite(image.pixelColor(x, y)));
        for (int x = 0; x < image.width(); ++x)
            for (int y = kHeight; y < image.height(); ++y) QVERIFY(isWhite(image.pixelColor(x, y)));
        QVERIFY(!isWhite(image.pixelColor(kWidth - 1, 300)));
    }

    // The month graph of the worked example, as the result screen shows it:
    // the curves' colours where the display list puts the curves, white where
    // nothing is drawn.
    void resultScreenShowsTheMonthGraph() {
        Desktop d;
        typeWorkedExample(d);
        auto* picture = d.widget<PictureWidget>(ScreenId::sindan, "Picture1");
        QVERIFY(picture);
        const auto& ops = d.screen(ScreenId::sindan).control("Picture1").canvas().ops();
        QCOMPARE(picture->drawing(), ops);
        const QImage image = picture->grab().toImage();
        const QRectF area = picture->contentsRect();

        UserScale scale{};
        for (const CanvasOp& op : ops)
            if (op.kind == CanvasOp::Kind::Scale) scale = {op.x1, op.y1, op.x2, op.y2};
        QCOMPARE(scale.left, 0.0);
        QCOMPARE(scale.top, 30.0);
        auto toPixel = [&](double x, double y) {
            return QPointF(
                area.left() + (x - scale.left) * area.width() / (scale.right - scale.left),
                area.top() + (y - scale.top) * area.height() / (scale.bottom - scale.top));
        };

        // The emotion curve is drawn first and widest, the others over it: check
        // each curve's colour at the middle of each of its segments that no later
        // segment comes near.
        struct Segment {
            QPointF a, b;
            int color, width;
        };
        std::vector<Segment> lines;
        for (const CanvasOp& op : ops)
            if (op.kind == CanvasOp::Kind::Line)
                lines.push_back({toPixel(op.x1, op.y1), toPixel(op.x2, op.y2), op.color, op.width});
        auto distance = [](QPointF p, const Segment& s) {
            const QPointF d = s.b - s.a;
            const double length2 = QPointF::dotProduct(d, d);
            double t = length2 > 0 ? QPointF::dotProduct(p - s.a, d) / length2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            const QPointF nearest = s.a + t * d;
            return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
        };
        std::map<int, int> checked;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const Segment& s = lines[i];
            if (s.width < 2) continue;  // the zero axis of a first drawing
            const QPointF middle = (s.a + s.b) / 2;
            bool covered = false;
            for (std::size_t j = i + 1; j < lines.size(); ++j)
                covered = covered || distance(middle, lines[j]) < lines[j].width / 2.0 + 2;
            if (covered || !area.contains(middle)) continue;
            QVERIFY2(colourNear(image, middle.toPoint(), qtColor(paletteColor(s.color))),
                     qPrintable(QString("segment %1 colour %2").arg(i).arg(s.color)));
            ++checked[s.color];
        }
        QVERIFY(checked[1] > 10);
        QVERIFY(checked[2] > 10);
        QVERIFY(checked[12] > 10);

        // Away from every line and every text, the picture is white.
        const QFontMetrics metrics(picture->font());
        std::vector<QRectF> texts;
        for (const CanvasOp& op : ops)
            if (op.kind == CanvasOp::Kind::Text)
                texts.push_back(QRectF(toPixel(op.x1, op.y1),
                                       metrics.boundingRect(QString::fromStdString(op.text)).size())
                                    .adjusted(-3, -3, 6, 6));
        int whiteChecked = 0;
        for (int y = int(area.top()) + 2; y < area.bottom() - 2; y += 3)
            for (int x = int(area.left()) + 2; x < area.right() - 2; x += 3) {
                const QPointF p(x, y);
                bool nearSomething = false;
                for (const Segment& s : lines)
                    nearSomething = nearSomething || distance(p, s) < s.width / 2.0 + 2;
                for (const QRectF& t : texts) nearSomething = nearSomething || t.contains(p);
                if (nearSomething) continue;
                QVERIFY2(isWhite(image.pixelColor(x, y)),
                         qPrintable(QString("%1,%2").arg(x).arg(y)));
                ++whiteChecked;
            }
        QVERIFY(whiteChecked > 1000);
    }
};

QTEST_MAIN(CanvasPainterTest)
#include "canvas_painter_test.moc"
