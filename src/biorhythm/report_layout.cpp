#include "biorhythm/report_layout.h"

#include <algorithm>
#include <array>
#include <optional>

#include "state/numbers.h"

namespace bio {

namespace {

constexpr double kLineSpacing = 1.45;  // ems from one line's top to the next
constexpr double kFrameWidth = 0.3;

// Consecutive positions that share a key.
struct Run {
    std::size_t first = 0, count = 0;
    int key = 0;
};

std::vector<Run> runsOf(std::size_t count, const std::function<int(std::size_t)>& keyOf) {
    std::vector<Run> runs;
    for (std::size_t i = 0; i < count; ++i) {
        const int key = keyOf(i);
        if (!runs.empty() && runs.back().key == key) {
            ++runs.back().count;
        } else {
            runs.push_back({i, 1, key});
        }
    }
    return runs;
}

struct Mark {
    const char* letter;
    Rgb fill;
};

// By Verdict: caution, good, low.
constexpr std::array<Mark, 3> kMarks{{
    {"注", {255, 176, 176}},
    {"好", {204, 226, 255}},
    {"低", {222, 222, 222}},
}};
constexpr int kNoVerdict = -1;

constexpr Rgb kWeekendShade{255, 230, 230};
constexpr Rgb kWeekendInk{204, 0, 0};
constexpr Rgb kGrid{150, 150, 150};

}  // namespace

double lineHeight(double points) { return points * kMmPerPoint * kLineSpacing; }

double fittingPoints(const std::vector<std::string>& texts, double points, double width) {
    double widest = 0;  // ems
    for (const std::string& text : texts) widest = std::max(widest, emWidth(text));
    return widest > 0 ? std::min(points, width / (widest * kMmPerPoint)) : points;
}

void ReportWriter::title(const std::string& text) {
    lines({text}, {kGothic, 22, true}, kNavy);
    top_ += 1;
}

void ReportWriter::heading(const std::string& text) {
    line(text, {kGothic, 12, true}, kNavy);
    top_ += 1;
}

void ReportWriter::line(const std::string& text, const Font& font, Rgb color, double indent) {
    this->text(kMargin + inset_ + indent, top_, text, font, color);
    top_ += lineHeight(font.points);
}

void ReportWriter::lines(const std::vector<std::string>& texts, Font font, Rgb color,
                         double indent) {
    font.points = fittingPoints(texts, font.points, kWidth - 2 * inset_ - indent);
    for (const std::string& text : texts) line(text, font, color, indent);
}

void ReportWriter::reading(const std::vector<std::string>& texts, Font font, double indent) {
    constexpr double kMessageIndent = 6;
    font.points = fittingPoints(texts, font.points, kWidth - 2 * inset_ - indent - kMessageIndent);
    bool underHeading = false;
    for (const std::string& text : texts) {
        const bool heading = std::any_of(kRhythms.begin(), kRhythms.end(),
                                         [&](Rhythm r) { return rhythmHeading(r) == text; });
        line(text, font, kInk, indent + (underHeading && !heading ? kMessageIndent : 0));
        underHeading = underHeading || heading;
    }
}

void ReportWriter::row(const std::string& left, const std::string& right, const Font& font) {
    text(kMargin, top_, left, font, kInk);
    text(kMargin + kWidth - textWidth(right, font.points), top_, right, font, kInk);
    top_ += lineHeight(font.points);
}

void ReportWriter::rule(Rgb color, double width) {
    stroke(kMargin, top_, kMargin + kWidth, top_, color, width);
}

void ReportWriter::framed(const std::function<void()>& write) {
    constexpr double kPadding = 5;
    const double frameTop = top_;
    top_ += 2.5;
    inset_ = kPadding;
    write();
    inset_ = 0;
    frame(kMargin, frameTop, kWidth, top_ + 0.5 - frameTop, kNavy, kFrameWidth);
    top_ += 0.5;
}

void ReportWriter::picture(const PictureSource& source) {
    const double height = kWidth * source.heightTwips / source.widthTwips;
    page_.ops.push_back(PagePicture{source, kMargin, top_, kWidth, height});
    frame(kMargin, top_, kWidth, height, kNavy, kFrameWidth);
    top_ += height;
}

void ReportWriter::text(double x, double y, const std::string& text, const Font& font, Rgb color) {
    page_.ops.push_back(PageText{x, y, font, color, text});
}

void ReportWriter::fill(double x, double y, double width, double height, Rgb color) {
    page_.ops.push_back(PageRect{x, y, width, height, color, true, 0});
}

void ReportWriter::frame(double x, double y, double width, double height, Rgb color,
                         double lineWidth) {
    page_.ops.push_back(PageRect{x, y, width, height, color, false, lineWidth});
}

void ReportWriter::stroke(double x1, double y1, double x2, double y2, Rgb color, double width) {
    page_.ops.push_back(PageLine{x1, y1, x2, y2, width, color});
}

void writeDayTable(ReportWriter& w, const std::vector<Reading>& month, int firstWeekday) {
    constexpr double kLabelWidth = 14;
    constexpr double kRowHeight = 8.5;
    constexpr double kInset = 0.7;  // white between neighbouring marks
    constexpr int kRows = 1 + static_cast<int>(kRhythms.size());
    const Font small{kGothic, 8, false};
    const Font heading{kGothic, 9, true};
    const double left = ReportWriter::kMargin;
    const double top = w.top();
    const double cellWidth = (ReportWriter::kWidth - kLabelWidth) / double(month.size());
    const auto cellLeft = [&](std::size_t i) { return left + kLabelWidth + double(i) * cellWidth; };
    const auto centred = [&](const std::string& text, double x, double width, int row,
                             const Font& font, Rgb color) {
        w.text(x + (width - textWidth(text, font.points)) / 2,
               top + row * kRowHeight + (kRowHeight - font.points * kMmPerPoint) / 2, text, font,
               color);
    };
    const auto weekday = [&](std::size_t i) { return (firstWeekday + static_cast<int>(i)) % 7; };
    const auto weekend = [&](std::size_t i) { return weekday(i) == 0 || weekday(i) == 6; };

    for (const Run& run : runsOf(month.size(), weekend)) {
        if (run.key) {
            w.fill(cellLeft(run.first), top, double(run.count) * cellWidth, kRowHeight,
                   kWeekendShade);
        }
    }
    for (std::size_t i = 0; i < month.size(); ++i)
        centred(numberText(double(i) + 1), cellLeft(i), cellWidth, 0, small,
                weekend(i) ? kWeekendInk : kInk);

    centred("日付", left, kLabelWidth, 0, heading, kNavy);
    for (std::size_t r = 0; r < kRhythms.size(); ++r) {
        const Rhythm rhythm = kRhythms[r];
        const int row = 1 + static_cast<int>(r);
        centred(std::string(rhythmName(rhythm)), left, kLabelWidth, row, heading, kNavy);
        const auto verdictKey = [&](std::size_t i) {
            const std::optional<Verdict> verdict = month[i].verdict(rhythm);
            return verdict ? static_cast<int>(*verdict) : kNoVerdict;
        };
        for (const Run& run : runsOf(month.size(), verdictKey)) {
            if (run.key == kNoVerdict) continue;
            const Mark& mark = kMarks[static_cast<std::size_t>(run.key)];
            const double width = double(run.count) * cellWidth;
            w.fill(cellLeft(run.first) + kInset / 2, top + row * kRowHeight + kInset,
                   width - kInset, kRowHeight - 2 * kInset, mark.fill);
            centred(mark.letter, cellLeft(run.first), width, row, small, kInk);
        }
    }

    for (int row = 1; row < kRows; ++row) {
        w.stroke(left, top + row * kRowHeight, left + ReportWriter::kWidth, top + row * kRowHeight,
                 kGrid, 0.15);
    }
    w.stroke(left + kLabelWidth, top, left + kLabelWidth, top + kRows * kRowHeight, kGrid, 0.15);
    w.frame(left, top, ReportWriter::kWidth, kRows * kRowHeight, kNavy, kFrameWidth);
    w.skip(kRows * kRowHeight + 1.5);
    w.line("注：要注意日　　好：好調　　低：低調　　赤い日付：土曜日・日曜日", small);
}

}  // namespace bio
