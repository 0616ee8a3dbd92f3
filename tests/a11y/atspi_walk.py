#!/usr/bin/python3
"""Goes through every screen of the desktop program as a screen reader's user
does (buttons and menu commands pressed through the accessibility bus) and
reads each one's accessible tree. Fails on a focusable or informative control
without a name, an era option that is not a radio button, two era options of
a screen that say the same, a graph without its description, and a red line
of the overview that does not say why it is red. Prints what it counted on
each screen."""

import re
import sys
from collections import Counter

import pyatspi

from desktop_session import (answer_message, application, fail, nodes, press, screen,
                             text_of)

INFORMATIVE = {"label", "text", "push button", "radio button", "check box", "list", "panel",
               "menu item", "chart", "image"}
ERAS = {"明治", "大正", "昭和", "平成", "令和"}
problems = []


def era_of(name):
    """The era an option names, also one of a person's ("1人目 明治")."""
    era = name.split(" ")[-1]
    return era if era in ERAS else None


def read(name, window, graphs=0):
    counts = Counter()
    eras = Counter()
    for node in nodes(window):
        role = node.getRoleName()
        # A list's lines are its text, blank lines included, not controls.
        if role == "list item":
            counts["lines"] += 1
        elif role in INFORMATIVE or node.getState().contains(pyatspi.STATE_FOCUSABLE):
            counts["controls"] += 1
            if not node.name.strip():
                problems.append("%s: a %s without a name" % (name, role))
        if era_of(node.name):
            counts["era options"] += 1
            eras[node.name] += 1
            if role != "radio button":
                problems.append("%s: era option %s is a %s" % (name, node.name, role))
        if role == "chart":
            counts["graphs"] += 1
            if not node.description:
                problems.append("%s: graph %s without a description" % (name, node.name))
        if node.description:
            counts["described"] += 1
    for option, times in eras.items():
        if times > 1:
            problems.append("%s: %d era options say %s" % (name, times, option))
    if counts["graphs"] != graphs:
        problems.append("%s: %d graphs where %d are drawn" % (name, counts["graphs"], graphs))
    print("%-9s %2d controls, %2d era options, %d graphs, %2d lines, %2d described" % (
        name, counts["controls"], counts["era options"], counts["graphs"], counts["lines"],
        counts["described"]))
    return window


def overview_says_why_lines_are_red(window):
    items = [n for n in nodes(window) if n.getRoleName() == "list item"]
    match = re.search(r"要注意日の人は(\d+)人です。", items[0].name) if items else None
    if not match:
        fail("itiran: no summary line")
    red = [n.name for n in items if n.description == "要注意日あり"]
    if len(red) != int(match.group(1)):
        problems.append("itiran: %s persons on a caution day, %d lines say so" % (
            match.group(1), len(red)))


app = application()
read("baio", screen(app, "バイオリズム診断", "氏名の入力"))
press(app, "push button", "バイオリズム実行")
read("sindan", screen(app, "バイオリズム診断", "バイオリズム計算"), graphs=1)
press(app, "menu item", "メニューへ")
read("menyu", screen(app, "バイオリズム相性診断 Ver.2.0", "相性診断"))

press(app, "push button", "読出")
answer_message(app)
hyouji = read("hyouji", screen(app, "表示画面", "1行目 氏名"))
if text_of(next(n for n in nodes(hyouji) if n.name == "1行目 氏名")).strip() != "Taro Yamada":
    fail("hyouji does not show the register")
press(app, "push button", "メニューへ")

press(app, "push button", "一覧表")
overview_says_why_lines_are_red(read("itiran", screen(app, "今日のバイオリズム一覧", "基準日 年")))
press(app, "push button", "メニューへ")
press(app, "push button", "更新")
read("kousin", screen(app, "更新", "氏名"))
press(app, "push button", "メニューへ")

press(app, "push button", "相性診断")
read("aisyou", screen(app, "相性診断", "1人目 氏名"))
press(app, "push button", "相性診断実行")
answer_message(app)
read("aisyousin", screen(app, "相性診断メッセージ", "相性診断メッセージ"), graphs=1)

for problem in problems:
    print("FAIL: " + problem)
sys.exit(1 if problems else 0)
