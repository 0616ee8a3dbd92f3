#include "shell/accessible_names.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>

#include "state/utf8.h"

namespace bio {

namespace {

// A label this far from a box (twips) still stands beside it; one that
// overlaps a box further lies over it rather than beside it.
constexpr int kBesideGap = 360;
constexpr int kBesideOverlap = 240;

int rightOf(const Rect& r) { return r.left + r.width; }
int bottomOf(const Rect& r) { return r.top + r.height; }
bool sameRow(const Rect& a, const Rect& b) { return a.top < bottomOf(b) && b.top < bottomOf(a); }
bool sameColumn(const Rect& a, const Rect& b) { return a.left < rightOf(b) && b.left < rightOf(a); }

bool isBox(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::ListBox ||
           kind == ControlKind::PictureBox;
}

// A caption as it is said: the blanks that space it out dropped ("検　　　索"
// is "検索"), a blank between two Latin words kept as one.
std::string spokenCaption(std::string_view caption) {
    std::string spoken;
    char32_t previous = 0;  // the last character kept; 0 before the first
    bool blanksBefore = false;
    for (std::size_t pos = 0; pos < caption.size();) {
        const Utf8Char c = utf8CharAt(caption, pos);
        if (isBlank(c.code)) {
            blanksBefore = previous != 0;
        } else {
            if (blanksBefore && previous < 0x80 && c.code < 0x80) spoken += ' ';
            blanksBefore = false;
            spoken.append(caption.substr(pos, c.length));
            previous = c.code;
        }
        pos += c.length;
    }
    return spoken;
}

std::string withoutEnding(std::string text, std::string_view ending) {
    if (text.ends_with(ending)) text.resize(text.size() - ending.size());
    return text;
}

// A label's words inside a box's name: "歳です。" says "歳", "月1日：" "月1日".
std::string labelWords(const ControlDesign& label) {
    std::string words = spokenCaption(label.caption);
    for (std::string_view ending : {"です。", "：", ":"}) words = withoutEnding(words, ending);
    return words;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

// What a frame holds, from its caption: without the words that say what to do
// ("生年月日入力" holds "生年月日", "年齢計算" "年齢", "氏名の入力" "氏名"); of
// a caption that lists its parts ("氏名-生年月日入力"), the parts that no label
// inside names.
std::string frameSubject(const ControlDesign& frame, const std::vector<std::string>& labelsInside) {
    std::string subject = spokenCaption(frame.caption);
    for (std::string_view task : {"入力", "出力", "計算"}) subject = withoutEnding(subject, task);
    subject = withoutEnding(subject, "の");
    std::vector<std::string> parts;
    for (std::size_t from = 0; from <= subject.size();) {
        const std::size_t dash = std::min(subject.find('-', from), subject.size());
        std::string part = subject.substr(from, dash - from);
        if (std::find(labelsInside.begin(), labelsInside.end(), part) == labelsInside.end())
            parts.push_back(std::move(part));
        from = dash + 1;
    }
    return joined(parts, "-");
}

// Which labels name which boxes on one screen.
class Namer {
  public:
    explicit Namer(const ScreenDesign& design)
        : design_(design),
          controls_(design.controls),
          leading_(controls_.size()),
          unit_(controls_.size()),
          spare_(controls_.size()),
          labelFor_(controls_.size()),
          claimed_(controls_.size(), false) {
        placeBesideLabels();
        placeHeadings();
        numberRepeatedFrames();
    }

    std::vector<DesignName> names() const {
        std::vector<DesignName> names;
        for (std::size_t i = 0; i < controls_.size(); ++i)
            names.push_back({nameOf(i), labelFor(i)});
        return names;
    }

  private:
    std::vector<std::size_t> boxesBeside(std::size_t label) const {
        std::vector<std::size_t> boxes;
        for (std::size_t j = 0; j < controls_.size(); ++j) {
            if (isBox(controls_[j].kind) && controls_[j].container == controls_[label].container &&
                sameRow(controls_[j].rect, controls_[label].rect))
                boxes.push_back(j);
        }
        return boxes;
    }

    // A label between two boxes on a row names the box after it when it is
    // nearer to that one; otherwise it is the unit of the box before it
    // ("38 年", "63 歳です。").
    void placeBesideLabels() {
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            if (controls_[i].kind != ControlKind::Label) continue;
            const Rect& label = controls_[i].rect;
            std::optional<std::size_t> before, after;
            int gapBefore = 0, gapAfter = 0;
            for (std::size_t j : boxesBeside(i)) {
                const Rect& box = controls_[j].rect;
                const int gap =
                    box.left < label.left ? label.left - rightOf(box) : box.left - rightOf(label);
                if (gap < -kBesideOverlap || gap > kBesideGap) continue;
                auto& nearest = box.left < label.left ? before : after;
                int& nearestGap = box.left < label.left ? gapBefore : gapAfter;
                if (!nearest || gap < nearestGap) {
                    nearest = j;
                    nearestGap = gap;
                }
            }
            if (after && (!before || gapAfter < gapBefore)) {
                if (!leading_[*after]) leading_[*after] = i;
                if (before) spare_[*before] = i;
                labelFor_[i] = *after;
            } else if (before) {
                if (!unit_[*before]) unit_[*before] = i;
                labelFor_[i] = *before;
            } else {
                continue;
            }
            claimed_[i] = true;
        }
    }

    // A box with no label beside it is named by the nearest free label above
    // it: a column's heading, "番号" over its box.
    void placeHeadings() {
        for (std::size_t j = 0; j < controls_.size(); ++j) {
            if (!isBox(controls_[j].kind) || leading_[j]) continue;
            const Rect& box = controls_[j].rect;
            for (std::size_t i = 0; i < controls_.size(); ++i) {
                const ControlDesign& label = controls_[i];
                if (label.kind != ControlKind::Label || claimed_[i] ||
                    label.container != controls_[j].container || !sameColumn(label.rect, box) ||
                    label.rect.top + label.rect.height / 2 >= box.top)
                    continue;
                if (!leading_[j] || label.rect.top > controls_[*leading_[j]].rect.top)
                    leading_[j] = i;
            }
            if (leading_[j] && !labelFor_[*leading_[j]]) labelFor_[*leading_[j]] = j;
        }
    }

    // The screens repeat a frame only for the two persons of a pair: such
    // frames, and the boxes and options inside or beside them, say whose
    // they are ("1人目 明治", not a second "明治").
    void numberRepeatedFrames() {
        std::map<std::string, int> count;
        for (const ControlDesign& c : controls_)
            if (c.kind == ControlKind::Frame) ++count[spokenCaption(c.caption)];
        std::map<std::string, int> seen;
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            const ControlDesign& c = controls_[i];
            if (c.kind != ControlKind::Frame) continue;
            const std::string caption = spokenCaption(c.caption);
            if (count[caption] > 1)
                framePerson_[keyOf(i)] = std::to_string(++seen[caption]) + "人目";
        }
    }

    std::string keyOf(std::size_t i) const {
        return controlKey(controls_[i].name, controls_[i].index);
    }

    const ControlDesign* frameNamed(const std::string& key) const {
        for (std::size_t i = 0; i < controls_.size(); ++i)
            if (controls_[i].kind == ControlKind::Frame && keyOf(i) == key) return &controls_[i];
        return nullptr;
    }

    // "1人目" for a box or option in or beside a person's frame, "3行目" for
    // row 3 of a table of boxes.
    std::vector<std::string> prefixes(std::size_t j) const {
        const ControlDesign& box = controls_[j];
        std::vector<std::string> prefixes;
        if (auto person = framePerson_.find(box.container); person != framePerson_.end()) {
            prefixes.push_back(person->second);
        } else if (box.container.empty()) {
            const int middle = box.rect.top + box.rect.height / 2;
            for (const auto& [frameKey, person] : framePerson_) {
                const Rect& frame = frameNamed(frameKey)->rect;
                if (frame.top <= middle && middle < bottomOf(frame)) prefixes.push_back(person);
            }
        }
        if (box.index) {
            const auto members = std::count_if(controls_.begin(), controls_.end(), [&](auto& c) {
                return c.name == box.name && c.index;
            });
            if (members > 1) prefixes.push_back(std::to_string(*box.index + 1) + "行目");
        }
        return prefixes;
    }

    // The words a box's row starts with: its own leading label, or that of a
    // box before it on the row ("基準日 [2026]年 [12]月").
    std::optional<std::size_t> rowLabel(std::size_t j) const {
        for (std::size_t steps = 0; steps < controls_.size(); ++steps) {
            if (leading_[j]) return leading_[j];
            std::optional<std::size_t> previous;
            for (std::size_t k = 0; k < controls_.size(); ++k) {
                const ControlDesign& other = controls_[k];
                if (isBox(other.kind) && other.container == controls_[j].container &&
                    sameRow(other.rect, controls_[j].rect) &&
                    other.rect.left < controls_[j].rect.left &&
                    (!previous || other.rect.left > controls_[*previous].rect.left))
                    previous = k;
            }
            if (!previous) return std::nullopt;
            j = *previous;
        }
        return std::nullopt;
    }

    std::string boxName(std::size_t j) const {
        const ControlDesign& box = controls_[j];
        std::string words;
        if (std::optional<std::size_t> label = rowLabel(j)) {
            words = labelWords(controls_[*label]);
        } else if (const ControlDesign* frame = frameNamed(box.container)) {
            std::vector<std::string> labelsInside;
            for (const ControlDesign& c : controls_)
                if (c.kind == ControlKind::Label && c.container == box.container)
                    labelsInside.push_back(labelWords(c));
            words = frameSubject(*frame, labelsInside);
        }
        std::optional<std::size_t> unit = unit_[j];
        if (!unit && words.empty()) unit = spare_[j];
        // Never nameless: a box that nothing names is the screen's own.
        if (!unit && words.empty()) words = spokenCaption(design_.caption);
        std::vector<std::string> parts = prefixes(j);
        parts.push_back(words);
        if (unit) parts.push_back(labelWords(controls_[*unit]));
        return joined(parts, " ");
    }

    std::string nameOf(std::size_t i) const {
        const ControlDesign& c = controls_[i];
        if (!c.spokenName.empty()) return c.spokenName;
        if (isBox(c.kind)) return boxName(i);
        if (c.kind == ControlKind::Frame) {
            auto person = framePerson_.find(keyOf(i));
            return joined(
                {person == framePerson_.end() ? "" : person->second, spokenCaption(c.caption)},
                " ");
        }
        if (c.kind == ControlKind::OptionButton) {
            std::vector<std::string> parts = prefixes(i);
            parts.push_back(spokenCaption(c.caption));
            return joined(parts, " ");
        }
        return spokenCaption(c.caption);
    }

    std::string labelFor(std::size_t i) const { return labelFor_[i] ? keyOf(*labelFor_[i]) : ""; }

    const ScreenDesign& design_;
    const std::vector<ControlDesign>& controls_;
    // By box: the label that names it, the unit label after it, and a label
    // right after it that names the next box instead.
    std::vector<std::optional<std::size_t>> leading_, unit_, spare_;
    std::vector<std::optional<std::size_t>> labelFor_;  // by label
    std::vector<bool> claimed_;                         // by label: beside a box
    std::map<std::string, std::string> framePerson_;    // frame key -> "1人目"
};

}  // namespace

std::vector<DesignName> designNames(const ScreenDesign& design) { return Namer(design).names(); }

AccessibleText accessibleText(const Control& control, const DesignName& designName) {
    if (control.kind() == ControlKind::PictureBox) {
        const TextAlternative& words = control.canvas().textAlternative();
        if (!words.title.empty()) return {words.title, joined(words.lines, "\n")};
    }
    return {designName.name, {}};
}

}  // namespace bio
