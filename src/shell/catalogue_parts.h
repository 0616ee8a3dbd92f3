#pragma once
// Building blocks of the screen catalogues: one short call per control, so a
// catalogue reads like the screen's control table.

#include <array>
#include <string>
#include <vector>

#include "ui/screen.h"

namespace bio::catalogue {

ControlDesign label(std::string name, std::string caption, Rect rect, std::string frame = {});
ControlDesign textBox(std::string name, Rect rect, std::string frame = {});
// A text box for a number (a record number, a year, month or day).
ControlDesign numberBox(std::string name, Rect rect, std::string frame = {});
ControlDesign button(std::string name, std::string caption, Rect rect);
ControlDesign option(std::string name, std::string caption, Rect rect, std::string frame);
ControlDesign checkBox(std::string name, std::string caption, Rect rect);
ControlDesign frame(std::string name, std::string caption, Rect rect);
ControlDesign listBox(std::string name, Rect rect);
ControlDesign pictureBox(std::string name, Rect rect);
ControlDesign menuCommand(std::string name, std::string caption);
ControlDesign printerDialog(std::string name);

// The same control as a member of an indexed group.
ControlDesign indexed(ControlDesign design, int index);
ControlDesign withFont(ControlDesign design, Font font);
// A text box the program writes and the user only reads.
ControlDesign readOnly(ControlDesign design);
// The name a screen reader says for a control that its neighbours would
// name wrongly: a list named after what it holds, a box that shares a label.
ControlDesign spoken(ControlDesign design, std::string name);
// Every text box of the screen is one.
void readOnlyBoxes(ScreenDesign& design);

// A date box followed by its unit label ("年", "月" or "日").
struct DateBox {
    std::string box;
    Rect rect;
    std::string unitLabel;
    int unitLeft;
};

// Three date boxes with their labels "年", "月", "日", in that order.
void addDateBoxes(std::vector<ControlDesign>& controls, const std::string& frame,
                  const std::array<DateBox, 3>& boxes);

// The frame "現在の西暦年月日入力" with the year, month and day boxes of the
// target date; baio and aisyou share its inner layout and differ only in
// where it sits.
void addTargetDateFrame(std::vector<ControlDesign>& controls, const std::string& frameName,
                        Rect frameRect, const std::array<const char*, 3>& boxes,
                        const std::array<std::string, 3>& unitLabels);

// The header labels Label1..Label6 ("番号" .. "日") over the record columns
// shared by hyouji and kousin.
void addRegisterHeadings(std::vector<ControlDesign>& controls, int top);
// One record row: Text1(row)..Text6(row) in those columns, appended to the
// tab order as well.
void addRegisterRow(ScreenDesign& design, int row, int top);

}  // namespace bio::catalogue
