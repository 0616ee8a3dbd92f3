#pragma once
// What the C++ side asks of the page's ES module (site/page.js), one call per
// change: the screens built from their catalogues, the controls mirrored, the
// drawings as lines and texts in pixels, the printed sheets in millimetres.
// Each is a function of `Module.page`; strings go as UTF-8.

extern "C" {

// A screen's window: its size in CSS pixels, its background (-1: the
// system's), the font its controls take unless they name their own.
void page_screen(int screen, const char* name, const char* caption, int width, int height,
                 int background, const char* fontFamily, double fontPoints, int fontBold);
// One control, in the designed tab order (`tabPosition` -1 for one outside
// it), placed in pixels within its frame (or the screen), with the name a
// screen reader speaks; `numeric` marks a text box for a number.
void page_control(int screen, const char* key, int kind, const char* caption, const char* container,
                  int left, int top, int width, int height, const char* fontFamily,
                  double fontPoints, int fontBold, int readOnly, int numeric, int tabPosition,
                  const char* spokenName);
// A key that clicks a control ("Escape", "PageUp", "PageDown", "CtrlP").
void page_shortcut(int screen, const char* key, const char* control);
// The screen's window is complete: Enter clicks `defaultButton`, the focus
// first goes to `firstFocus`.
void page_screen_done(int screen, const char* defaultButton, const char* firstFocus);

void page_text(int screen, const char* key, const char* text);
void page_selected(int screen, const char* key, int selected);
void page_checked(int screen, const char* key, int checked);
// A list box's lines, in order: `lines` and `highlights` hold `count` strings,
// each ended by a NUL.
void page_items(int screen, const char* key, int count, const char* lines, const char* highlights);
// A picture's drawing, replaced whole: the name and description a screen
// reader gives it, then its lines and texts in the picture's pixels.
void page_picture(int screen, const char* key, const char* name, const char* description);
void page_picture_line(double x1, double y1, double x2, double y2, int rgb, double width);
void page_picture_text(double x, double y, int rgb, const char* text);

void page_open(int screen);
void page_hide(int screen);
void page_ended();
void page_internal_error(const char* text);

// Printing: a document is begun, filled and ended; the page prints what the
// command printed once the command is done. A composed page is one A4 sheet
// in millimetres; other documents are text lines and pictures on the
// browser's paper.
void page_print_sheet();
void page_print_text(double x, double y, const char* fontFamily, double points, int bold, int rgb,
                     const char* text);
void page_print_line(double x1, double y1, double x2, double y2, int rgb, double width);
void page_print_rect(double x, double y, double width, double height, int rgb, int filled,
                     double lineWidth);
// A picture's drawing: on a composed sheet within the rectangle, else as a
// block of its own that far from the printable area's corner; its lines and
// texts follow, in millimetres from the sheet's or block's corner, in the
// picture's font scaled as the picture is.
void page_print_picture(double x, double y, double width, double height, const char* fontFamily,
                        double points);
void page_print_picture_line(double x1, double y1, double x2, double y2, int rgb, double width);
void page_print_picture_text(double x, double y, int rgb, const char* text);
void page_print_font(const char* fontFamily, double points);
void page_print_lines_line(const char* text);
void page_print_end();
}
