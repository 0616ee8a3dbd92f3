#include "shell/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace bio {
namespace {

const ControlDesign* findControl(const ScreenDesign& design, const std::string& key) {
    for (const ControlDesign& control : design.controls)
        if (controlKey(control.name, control.index) == key) return &control;
    return nullptr;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::OptionButton ||
           kind == ControlKind::CheckBox || kind == ControlKind::CommandButton ||
           kind == ControlKind::ListBox;
}

struct Expected {
    ScreenId screen;
    const char* key;
    ControlKind kind;
    const char* caption;
};

using K = ControlKind;
using S = ScreenId;

// Every captioned control of the design, with the exact caption it carries:
// half-width and full-width blanks, full-width commas and half-width katakana
// included.
const Expected kCaptions[] = {
    {S::menyu, "Label1", K::Label, "バイオリズム相性診断メニュー"},
    {S::menyu, "Command4", K::CommandButton, "相 性 診 断"},
    {S::menyu, "Command1", K::CommandButton, "バイオリズム診断"},
    {S::menyu, "Command3", K::CommandButton, "検      索"},
    {S::menyu, "Command5", K::CommandButton, "読      出"},
    {S::menyu, "Command2", K::CommandButton, "更　　　新"},
    {S::menyu, "Command7", K::CommandButton, "一　覧　表"},
    {S::menyu, "Command6", K::CommandButton, "終　　　了"},
    {S::itiran, "Label1", K::Label, "基準日"},
    {S::itiran, "Text3", K::TextBox, ""},
    {S::itiran, "Label4", K::Label, "日"},
    {S::itiran, "Command1", K::CommandButton, "表示"},
    {S::itiran, "List1", K::ListBox, ""},
    {S::itiran, "Check1", K::CheckBox, "ログイン時に今日の要注意日を知らせる"},
    {S::itiran, "Command2", K::CommandButton, "メニューへ"},

    {S::baio, "Frame3", K::Frame, "氏名の入力"},
    {S::baio, "Frame1", K::Frame, "生年月日入力"},
    {S::baio, "Option1", K::OptionButton, "明治"},
    {S::baio, "Option2", K::OptionButton, "大正"},
    {S::baio, "Option3", K::OptionButton, "昭和"},
    {S::baio, "Option4", K::OptionButton, "平成"},
    {S::baio, "Label8", K::Label, "番号"},
    {S::baio, "Command4", K::CommandButton, "セット"},
    {S::baio, "Label5", K::Label,
     "生年月日を入力してから[Enter]キーを押すか，     [バイオリズム実行]ボタンをクリックしてく"
     "ださい."},
    {S::baio, "Command1", K::CommandButton, " バイオリズム実行"},
    {S::baio, "Frame5", K::Frame, "年齢計算"},
    {S::baio, "Frame4", K::Frame, "生年の西暦年出力"},
    {S::baio, "Frame2", K::Frame, "現在の西暦年月日入力"},
    {S::baio, "Command2", K::CommandButton, "メニューへ"},

    {S::sindan, "Label2", K::Label, "誕生日は"},
    {S::sindan, "Frame1", K::Frame, "周期"},
    {S::sindan, "Label1(0)", K::Label, "感情:28日"},
    {S::sindan, "Label1(1)", K::Label, "知性:33日"},
    {S::sindan, "Label1(2)", K::Label, "身体:23日"},
    {S::sindan, "Frame5", K::Frame, "バイオリズム計算"},
    {S::sindan, "Label10", K::Label, "生まれてから今日までの日数"},
    {S::sindan, "Label4", K::Label, "感情"},
    {S::sindan, "Label8", K::Label, "知性"},
    {S::sindan, "Label9", K::Label, "身体"},
    {S::sindan, "Label3", K::Label, "月1日："},
    {S::sindan, "messeji", K::MenuCommand, "メッセージ印刷"},
    {S::sindan, "gurafu", K::MenuCommand, "グラフ印刷"},
    {S::sindan, "ryouinsatu", K::MenuCommand, "ﾒｯｾｰｼﾞとｸﾞﾗﾌ印刷"},
    {S::sindan, "menyuhe", K::MenuCommand, "メニューへ"},
    {S::sindan, "back", K::MenuCommand, "データセット画面へ"},
    {S::sindan, "zengetu", K::MenuCommand, "前月"},
    {S::sindan, "yokugetu", K::MenuCommand, "翌月"},

    {S::hyouji, "Label1", K::Label, "番号"},
    {S::hyouji, "Label2", K::Label, "氏名"},
    {S::hyouji, "Label3", K::Label, "元号"},
    {S::hyouji, "Label4", K::Label, "年"},
    {S::hyouji, "Label5", K::Label, "月"},
    {S::hyouji, "Label6", K::Label, "日"},
    {S::hyouji, "Command1", K::CommandButton, "メニューへ"},
    {S::hyouji, "Command2", K::CommandButton, "CSVへ書き出し"},
    {S::hyouji, "Command3", K::CommandButton, "CSVから読み込み"},

    {S::kousin, "Label7", K::Label, "更新データ入力後更新ボタンをクリックしてください"},
    {S::kousin, "Label1", K::Label, "番号"},
    {S::kousin, "Label2", K::Label, "氏名"},
    {S::kousin, "Label3", K::Label, "元号"},
    {S::kousin, "Label4", K::Label, "年"},
    {S::kousin, "Label5", K::Label, "月"},
    {S::kousin, "Label6", K::Label, "日"},
    {S::kousin, "Command2", K::CommandButton, "更　新"},
    {S::kousin, "Command1", K::CommandButton, "メニューへ"},

    {S::aisyou, "Label7", K::Label, "相 性 診 断"},
    {S::aisyou, "Frame1", K::Frame, "氏名-生年月日入力"},
    {S::aisyou, "Label4", K::Label, "氏名"},
    {S::aisyou, "Option1", K::OptionButton, "明治"},
    {S::aisyou, "Option2", K::OptionButton, "大正"},
    {S::aisyou, "Option3", K::OptionButton, "昭和"},
    {S::aisyou, "Option4", K::OptionButton, "平成"},
    {S::aisyou, "Frame5", K::Frame, "氏名-生年月日入力"},
    {S::aisyou, "Label6", K::Label, "氏名"},
    {S::aisyou, "Option5", K::OptionButton, "明治"},
    {S::aisyou, "Option6", K::OptionButton, "大正"},
    {S::aisyou, "Option7", K::OptionButton, "昭和"},
    {S::aisyou, "Option8", K::OptionButton, "平成"},
    {S::aisyou, "Frame2", K::Frame, "現在の西暦年月日入力"},
    {S::aisyou, "Label8", K::Label, "番 号"},
    {S::aisyou, "Command4", K::CommandButton, "セット１"},
    {S::aisyou, "Label9", K::Label, "番 号"},
    {S::aisyou, "Command5", K::CommandButton, "セット２"},
    {S::aisyou, "Command2", K::CommandButton, "登録"},
    {S::aisyou, "Command3", K::CommandButton, "メニューへ"},
    {S::aisyou, "Command1", K::CommandButton, " 相 性 診 断 実 行"},
    {S::aisyou, "Label5", K::Label,
     "２人の生年月日を入力してから [相性診断実行]ボタンをクリックしてください."},

    {S::aisyousin, "Label1", K::Label, "相性診断メッセージ"},
    {S::aisyousin, "back", K::MenuCommand, "back"},
    {S::aisyousin, "mnback", K::MenuCommand, "メニューへ"},
    {S::aisyousin, "syuuryou", K::MenuCommand, "終了"},
    {S::aisyousin, "zengetu", K::MenuCommand, "前月"},
    {S::aisyousin, "yokugetu", K::MenuCommand, "翌月"},
};

TEST(Catalogue, CarriesEveryCaptionExactly) {
    for (const Expected& e : kCaptions) {
        SCOPED_TRACE(std::string(screenName(e.screen)) + "." + e.key);
        const ControlDesign* control = findControl(screenDesign(e.screen), e.key);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, e.kind);
        EXPECT_EQ(control->caption, e.caption);
    }
}

TEST(Catalogue, ScreensHaveTheirNamesCaptionsAndSizes) {
    struct Figures {
        ScreenId id;
        const char* caption;
        int width, height;
    };
    const Figures screens[] = {
        {S::baio, "バイオリズム診断", 7860, 8565},
        {S::sindan, "バイオリズム診断", 10665, 8265},
        {S::menyu, "バイオリズム相性診断 Ver.2.0", 5625, 6240},
        {S::hyouji, "表示画面", 7335, 6345},
        {S::aisyou, "相性診断", 7935, 8595},
        {S::aisyousin, "相性診断メッセージ", 11100, 9255},
        {S::kousin, "更新", 7440, 2220},
        {S::itiran, "今日のバイオリズム一覧", 9600, 4140},
    };
    for (const Figures& s : screens) {
        const ScreenDesign& design = screenDesign(s.id);
        EXPECT_EQ(design.name, screenName(s.id));
        EXPECT_EQ(design.caption, s.caption);
        EXPECT_EQ(design.width, s.width) << design.name;
        EXPECT_EQ(design.height, s.height) << design.name;
    }
}

TEST(Catalogue, UnitLabelsStandBehindTheirBoxes) {
    // Unnamed in the design, so only their captions and frames are fixed.
    struct Unit {
        ScreenId screen;
        const char* frame;
        std::vector<std::string> captions;
    };
    const Unit units[] = {
        {S::baio, "Frame1", {"年", "月", "日"}},
        {S::baio, "Frame2", {"年", "月", "日"}},
        {S::baio, "Frame5", {"歳です。"}},
        {S::baio, "Frame4", {"西暦", "年です。"}},
        {S::aisyou, "Frame1", {"氏名", "年", "月", "日"}},
        {S::aisyou, "Frame5", {"氏名", "年", "月", "日"}},
        {S::aisyou, "Frame2", {"年", "月", "日"}},
    };
    for (const Unit& u : units) {
        SCOPED_TRACE(std::string(screenName(u.screen)) + "." + u.frame);
        std::vector<std::string> captions;
        for (const ControlDesign& c : screenDesign(u.screen).controls)
            if (c.kind == K::Label && c.container == u.frame) captions.push_back(c.caption);
        EXPECT_EQ(captions, u.captions);
    }
}

TEST(Catalogue, KeysAreUniqueWithinEachScreen) {
    for (ScreenId id : kAllScreens) {
        std::set<std::string> keys;
        for (const ControlDesign& c : screenDesign(id).controls)
            EXPECT_TRUE(keys.insert(controlKey(c.name, c.index)).second)
                << screenName(id) << " repeats " << controlKey(c.name, c.index);
    }
}

TEST(Catalogue, ContainersAreFramesOfTheSameScreen) {
    for (ScreenId id : kAllScreens) {
        const ScreenDesign& design = screenDesign(id);
        for (const ControlDesign& c : design.controls) {
            SCOPED_TRACE(design.name + "." + controlKey(c.name, c.index));
            // Option buttons are grouped by their frame; a loose one would
            // join a screen-wide group.
            if (c.kind == K::OptionButton) {
                EXPECT_FALSE(c.container.empty());
            }
            if (c.container.empty()) continue;
            const ControlDesign* frame = findControl(design, c.container);
            ASSERT_NE(frame, nullptr);
            EXPECT_EQ(frame->kind, K::Frame);
            EXPECT_TRUE(frame->container.empty()) << "frames are not nested";
        }
    }
}

TEST(Catalogue, EveryControlLiesInsideItsContainer) {
    for (ScreenId id : kAllScreens) {
        const ScreenDesign& design = screenDesign(id);
        for (const ControlDesign& c : design.controls) {
            SCOPED_TRACE(design.name + "." + controlKey(c.name, c.index));
            if (c.kind == K::MenuCommand || c.kind == K::PrinterDialog) {
                // No window of their own on the client area.
                EXPECT_EQ(c.rect.width, 0);
                EXPECT_EQ(c.rect.height, 0);
                EXPECT_TRUE(c.container.empty());
                continue;
            }
            int width = design.width, height = design.height;
            if (const ControlDesign* frame = findControl(design, c.container)) {
                width = frame->rect.width;
                height = frame->rect.height;
            }
            EXPECT_GT(c.rect.width, 0);
            EXPECT_GT(c.rect.height, 0);
            EXPECT_GE(c.rect.left, 0);
            EXPECT_GE(c.rect.top, 0);
            EXPECT_LE(c.rect.left + c.rect.width, width);
            EXPECT_LE(c.rect.top + c.rect.height, height);
        }
    }
}

// hyouji's buttons and record boxes never overlap; twips scale alike at
// 100 % and 200 %, so neither do their windows. (Other screens keep the
// overlaps their designs drew.)
TEST(Catalogue, HyoujiControlsDoNotOverlap) {
    const std::vector<ControlDesign>& controls = screenDesign(S::hyouji).controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Rect& a = controls[i].rect;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const Rect& b = controls[j].rect;
            EXPECT_FALSE(a.left < b.left + b.width && b.left < a.left + a.width &&
                         a.top < b.top + b.height && b.top < a.top + a.height)
                << controlKey(controls[i].name, controls[i].index) << " and "
                << controlKey(controls[j].name, controls[j].index);
        }
    }
}

TEST(Catalogue, DefaultButtonsAreTheRunAndShowButtons) {
    for (ScreenId id : kAllScreens) {
        const ScreenDesign& design = screenDesign(id);
        if (id == S::baio || id == S::aisyou || id == S::itiran) {
            EXPECT_EQ(design.defaultButton, "Command1");
            const ControlDesign* button = findControl(design, design.defaultButton);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->kind, K::CommandButton);
        } else {
            EXPECT_EQ(design.defaultButton, "") << design.name << ": Enter does nothing there";
        }
    }
}

TEST(Catalogue, TabOrderHoldsEachFocusableControlOnce) {
    for (ScreenId id : kAllScreens) {
        const ScreenDesign& design = screenDesign(id);
        SCOPED_TRACE(design.name);
        std::multiset<std::string> inOrder(design.tabOrder.begin(), design.tabOrder.end());
        std::multiset<std::string> focusable;
        for (const ControlDesign& c : design.controls)
            if (takesFocus(c.kind)) focusable.insert(controlKey(c.name, c.index));
        EXPECT_EQ(inOrder, focusable);
    }
}

TEST(Catalogue, AisyouTabOrderStartsOnRegisterButton) {
    const std::vector<std::string> expected{
        "Command2", "Text7",   "Text1",    "Text2",    "Text3",   "Text8",    "Text11",
        "Text10",   "Text9",   "Command3", "Command1", "Text6",   "Text5",    "Text4",
        "Option4",  "Option9", "Option3",  "Option2",  "Option1", "Option5",  "Option6",
        "Option7",  "Option8", "Option10", "Text12",   "Text13",  "Command4", "Command5",
    };
    EXPECT_EQ(screenDesign(S::aisyou).tabOrder, expected);
}

TEST(Catalogue, ButtonsAndMenusComeInDesignOrder) {
    auto keysOfKind = [](ScreenId id, ControlKind kind) {
        std::vector<std::string> keys;
        for (const ControlDesign& c : screenDesign(id).controls)
            if (c.kind == kind) keys.push_back(controlKey(c.name, c.index));
        return keys;
    };
    EXPECT_EQ(keysOfKind(S::menyu, K::CommandButton),
              (std::vector<std::string>{"Command4", "Command1", "Command3", "Command5", "Command2",
                                        "Command7", "Command6"}));
    EXPECT_EQ(keysOfKind(S::sindan, K::MenuCommand),
              (std::vector<std::string>{"messeji", "gurafu", "ryouinsatu", "repoto", "menyuhe",
                                        "back", "zengetu", "yokugetu", "karenda"}));
    EXPECT_EQ(
        keysOfKind(S::aisyousin, K::MenuCommand),
        (std::vector<std::string>{"back", "mnback", "syuuryou", "repoto", "zengetu", "yokugetu"}));
    EXPECT_EQ(keysOfKind(S::sindan, K::PrinterDialog), std::vector<std::string>{"CommonDialog2"});
    EXPECT_EQ(keysOfKind(S::sindan, K::PictureBox), std::vector<std::string>{"Picture1"});
    EXPECT_EQ(keysOfKind(S::aisyousin, K::PictureBox), std::vector<std::string>{"Picture1"});
}

TEST(Catalogue, RegisterScreensHoldTheirIndexedBoxes) {
    // hyouji: ten rows of six; row r at 960 + 480 r, columns at the record's
    // field widths. kousin: the single row 0 in the same columns.
    const int lefts[] = {120, 960, 3240, 4200, 5160, 6120};
    const int widths[] = {735, 2175, 855, 855, 855, 855};
    const ScreenDesign& hyouji = screenDesign(S::hyouji);
    const ScreenDesign& kousin = screenDesign(S::kousin);
    for (int column = 0; column < 6; ++column) {
        const std::string name = "Text" + std::to_string(column + 1);
        for (int row = 0; row < 10; ++row) {
            const ControlDesign* box = findControl(hyouji, controlKey(name, row));
            ASSERT_NE(box, nullptr) << name << "(" << row << ")";
            EXPECT_EQ(box->kind, K::TextBox);
            EXPECT_EQ(box->rect.left, lefts[column]);
            EXPECT_EQ(box->rect.width, widths[column]);
            EXPECT_EQ(box->rect.top, 960 + 480 * row);
            EXPECT_EQ(box->rect.height, 375);
        }
        EXPECT_EQ(findControl(hyouji, controlKey(name, 10)), nullptr);
        const ControlDesign* entry = findControl(kousin, controlKey(name, 0));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->rect.width, widths[column]);
        EXPECT_EQ(findControl(kousin, name), nullptr) << "a group member, not a plain box";
    }
}

TEST(Catalogue, LayoutFollowsTheDesignFigures) {
    struct Placed {
        ScreenId screen;
        const char* key;
        Rect rect;
    };
    const Placed placed[] = {
        {S::menyu, "Label1", {600, 360, 4455, 375}},
        {S::menyu, "Command7", {1680, 4680, 2295, 495}},
        {S::menyu, "Command6", {1680, 5400, 2295, 495}},
        {S::baio, "Text3", {4800, 1200, 615, 420}},
        {S::baio, "Text4", {1320, 555, 855, 420}},
        {S::baio, "Text6", {5040, 555, 495, 420}},
        {S::baio, "Text8", {3000, 360, 975, 375}},
        {S::sindan, "Text10", {3720, 360, 495, 390}},
        {S::sindan, "Label1(2)", {120, 720, 975, 255}},
        {S::sindan, "Picture1", {120, 4320, 10455, 3735}},
        {S::aisyou, "Text8", {3000, 360, 2655, 375}},
        {S::aisyou, "Text7", {2880, 360, 2655, 375}},
        {S::aisyou, "Text11", {1440, 960, 615, 420}},
        {S::aisyou, "Text9", {4680, 960, 615, 420}},
        {S::aisyou, "Text5", {3360, 555, 495, 420}},
        {S::aisyou, "Frame2", {1200, 5640, 6495, 1335}},
    };
    for (const Placed& p : placed) {
        SCOPED_TRACE(std::string(screenName(p.screen)) + "." + p.key);
        const ControlDesign* c = findControl(screenDesign(p.screen), p.key);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->rect.left, p.rect.left);
        EXPECT_EQ(c->rect.top, p.rect.top);
        EXPECT_EQ(c->rect.width, p.rect.width);
        EXPECT_EQ(c->rect.height, p.rect.height);
    }
}

// Every era group is a column in era order, inside its frame, with no two
// buttons overlapping: five eras have to fit where the frame was drawn for four.
TEST(Catalogue, EraColumnsFitTheirFrames) {
    const struct {
        ScreenId screen;
        std::vector<std::string> column;  // 明治 .. 令和
    } groups[] = {
        {S::baio, {"Option1", "Option2", "Option3", "Option4", "Option5"}},
        {S::aisyou, {"Option1", "Option2", "Option3", "Option4", "Option9"}},
        {S::aisyou, {"Option5", "Option6", "Option7", "Option8", "Option10"}},
    };
    const std::vector<std::string> eras{"明治", "大正", "昭和", "平成", "令和"};
    for (const auto& group : groups) {
        const ScreenDesign& design = screenDesign(group.screen);
        int previousBottom = 0;
        for (std::size_t i = 0; i < group.column.size(); ++i) {
            SCOPED_TRACE(design.name + "." + group.column[i]);
            const ControlDesign* option = findControl(design, group.column[i]);
            ASSERT_NE(option, nullptr);
            EXPECT_EQ(option->caption, eras[i]);
            const ControlDesign* frame = findControl(design, option->container);
            ASSERT_NE(frame, nullptr);
            EXPECT_GE(option->rect.top, previousBottom);
            EXPECT_LE(option->rect.top + option->rect.height, frame->rect.height);
            previousBottom = option->rect.top + option->rect.height;
        }
    }
}

TEST(Catalogue, FontsOfResultScreens) {
    const ScreenDesign& sindan = screenDesign(S::sindan);
    EXPECT_EQ(sindan.font.family, "ＭＳ ゴシック");
    EXPECT_EQ(sindan.font.points, 12);
    EXPECT_TRUE(sindan.font.bold);
    ASSERT_TRUE(sindan.background.has_value());
    EXPECT_EQ(sindan.background->r, 255);
    EXPECT_EQ(sindan.background->g, 224);
    EXPECT_EQ(sindan.background->b, 192);

    struct FontOf {
        ScreenId screen;
        const char* key;
        const char* family;  // nullptr: the screen's font
        double points;
    };
    const FontOf fonts[] = {
        {S::sindan, "Label10", "ＭＳ ゴシック", 9.75},
        {S::sindan, "Label2", "ＭＳ ゴシック", 9.75},
        {S::sindan, "Frame1", "ＭＳ ゴシック", 9.75},
        {S::sindan, "Text1", "ＭＳ ゴシック", 11.25},
        {S::sindan, "Label1(1)", "ＭＳ ゴシック", 9},
        {S::sindan, "List1", "ＭＳ ゴシック", 9},
        {S::sindan, "Text9", nullptr, 0},
        {S::sindan, "Frame5", nullptr, 0},
        {S::sindan, "Label3", nullptr, 0},
        {S::sindan, "Picture1", nullptr, 0},
        {S::aisyousin, "Label1", "富士ポップ", 11.25},
        {S::aisyousin, "List1", "ＭＳ ゴシック", 9},
    };
    for (const FontOf& f : fonts) {
        SCOPED_TRACE(std::string(screenName(f.screen)) + "." + f.key);
        const ControlDesign* c = findControl(screenDesign(f.screen), f.key);
        ASSERT_NE(c, nullptr);
        if (!f.family) {
            EXPECT_FALSE(c->font.has_value());
            continue;
        }
        ASSERT_TRUE(c->font.has_value());
        EXPECT_EQ(c->font->family, f.family);
        EXPECT_EQ(c->font->points, f.points);
        EXPECT_TRUE(c->font->bold);
    }
}

TEST(Catalogue, OptionGroupsOfAisyouAreIndependent) {
    Screen aisyou(screenDesign(S::aisyou));
    aisyou.select("Option3");
    aisyou.select("Option5");
    aisyou.select("Option1");
    EXPECT_TRUE(aisyou.control("Option1").selected());
    EXPECT_FALSE(aisyou.control("Option3").selected());
    EXPECT_TRUE(aisyou.control("Option5").selected());
}

// itiran was laid out afresh: no control covers part of another.
TEST(Catalogue, ItiranControlsLieApart) {
    const std::vector<ControlDesign>& controls = screenDesign(S::itiran).controls;
    for (const ControlDesign& a : controls) {
        for (const ControlDesign& b : controls) {
            if (&a >= &b) continue;
            SCOPED_TRACE(a.name + " and " + b.name);
            const Rect& r = a.rect;
            const Rect& q = b.rect;
            EXPECT_TRUE(r.left + r.width <= q.left || q.left + q.width <= r.left ||
                        r.top + r.height <= q.top || q.top + q.height <= r.top);
        }
    }
}

// The boxes a phone opens its digit keys for: each date's year, month and
// day, the record numbers, and the register's number and date columns in
// every row; never a name, an era or anything but a text box.
TEST(Catalogue, NumberBoxesAreTheBoxesForNumbers) {
    const std::map<ScreenId, std::set<std::string>> expected{
        {S::baio, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text12"}},
        {S::aisyou,
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text9", "Text10", "Text11",
          "Text12", "Text13"}},
        {S::itiran, {"Text1", "Text2", "Text3"}},
        {S::hyouji, {"Text1", "Text4", "Text5", "Text6"}},
        {S::kousin, {"Text1", "Text4", "Text5", "Text6"}},
    };
    for (ScreenId id : kAllScreens) {
        SCOPED_TRACE(screenName(id));
        const auto found = expected.find(id);
        const std::set<std::string> numbers =
            found == expected.end() ? std::set<std::string>{} : found->second;
        for (const ControlDesign& c : screenDesign(id).controls) {
            SCOPED_TRACE(controlKey(c.name, c.index));
            EXPECT_EQ(c.numeric, numbers.count(c.name) == 1);
            if (c.numeric) {
                EXPECT_EQ(c.kind, K::TextBox);
            }
        }
    }
}

}  // namespace
}  // namespace bio
