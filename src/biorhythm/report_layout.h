#pragma once
// Laying out the one-page reports: runs of text down an A4 page between
// margins of 15 mm, pictures across its width, and the month's day table.

#include <functional>
#include <string>
#include <vector>

#include "reading/reading.h"
#include "ui/page.h"

namespace bio {

inline constexpr const char* kMincho = "ＭＳ 明朝";
inline constexpr const char* kGothic = "ＭＳ ゴシック";
inline constexpr Rgb kInk{0, 0, 0};
inline constexpr Rgb kNavy{0, 0, 128};

class ReportWriter {
  public:
    static constexpr double kMargin = 15;
    static constexpr double kWidth = Page::kWidth - 2 * kMargin;  // 180

    explicit ReportWriter(Page& page) : page_(page) {}

    double top() const { return top_; }
    void skip(double mm) { top_ += mm; }

    // The page's title, as large as fits.
    void title(const std::string& text);
    // A section's heading.
    void heading(const std::string& text);
    // One run at the left margin (inside a frame, its padding), `indent` mm in;
    // the next goes below it.
    void line(const std::string& text, const Font& font, Rgb color = kInk, double indent = 0);
    // Runs in one size: the largest up to `font.points` at which the longest fits.
    void lines(const std::vector<std::string>& texts, Font font, Rgb color = kInk,
               double indent = 0);
    // A written reading as `lines` sets it, each rhythm's message set in under
    // its heading.
    void reading(const std::vector<std::string>& texts, Font font, double indent = 0);
    // Two runs on one row, one from the left margin and one up to the right.
    void row(const std::string& left, const std::string& right, const Font& font);
    // A rule across the width.
    void rule(Rgb color, double width);
    // What `write` writes, in a frame across the width, its lines kept clear
    // of the frame on both sides.
    void framed(const std::function<void()>& write);
    // A picture box's drawing across the width in its own proportions, framed.
    void picture(const PictureSource& source);

    void text(double x, double y, const std::string& text, const Font& font, Rgb color);
    void fill(double x, double y, double width, double height, Rgb color);
    void frame(double x, double y, double width, double height, Rgb color, double lineWidth);
    void stroke(double x1, double y1, double x2, double y2, Rgb color, double width);

  private:
    Page& page_;
    double top_ = kMargin;
    double inset_ = 0;  // inside a frame
};

// Height of a line of text in mm, spacing included.
double lineHeight(double points);
// The largest size up to `points` at which the widest text fits `width` mm.
double fittingPoints(const std::vector<std::string>& texts, double points, double width);

// The month as a table: a column per day under its number (Saturdays and
// Sundays set apart; the graph above names every weekday), a row per rhythm
// marking each day caution, good or low. `firstWeekday` is the 1st's, 0 = Sunday.
void writeDayTable(ReportWriter& w, const std::vector<Reading>& month, int firstWeekday);

}  // namespace bio
