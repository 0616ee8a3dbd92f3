#!/usr/bin/python3
"""Uses the desktop program with the keyboard alone, keys sent by xdotool as
from a real keyboard, watching the screens through the accessibility bus:
Japanese typed through fcitx5 with Mozc, a reading, 翌月 by Page Down, the
menu bar by F10, the report printed to PDF by Ctrl+P, Esc back to the input
screen and to the menu, and a register search.

Usage: keyboard_drive.py HOME DATA"""

import os
import subprocess
import sys
import time

import pyatspi

from desktop_session import (application, fail, find, focused, nodes, screen,
                             text_of, wait_for, wait_focus, windows)

home, data = sys.argv[1], sys.argv[2]


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def input_method(state):
    """fcitx5-remote: 1 with the program's input context focused, 2 composing in Mozc."""
    return subprocess.run(["fcitx5-remote"], capture_output=True, text=True).stdout.strip() == state


def where(node):
    return (node.getRoleName(), node.name, node.getIndexInParent()) if node else None


def tab_to(app, role, name):
    """Tab by Tab, each waited for, until the focus is on the control."""
    for _ in range(30):
        node = wait_for("the focus", lambda: focused(app))
        if node.getRoleName() == role and node.name == name:
            return
        keys("Tab")
        wait_for("the focus to move", lambda: where(focused(app)) != where(node))
    fail("Tab never reached the %s %s" % (role, name))


def value(app, name):
    node = wait_for("the box " + name, lambda: next(
        (n for w in windows(app) for n in nodes(w) if n.getRoleName() == "text" and n.name == name),
        None))
    return text_of(node)


def on_screen(app, caption, holding, since):
    """Still on a screen after a key that must not have left it."""
    time.sleep(since)
    screen(app, caption, holding)


app = application()
window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^バイオリズム診断$"],
                        capture_output=True, text=True, timeout=20).stdout.split()[0]
for _ in range(5):  # the window manager may not manage the new window yet
    subprocess.run(["xdotool", "windowactivate", "--sync", window], timeout=5)
    if wait_focus(app, "text", "氏名", timeout=2, required=False):
        break

# "yamada", space, Enter through Mozc gives 山田 without running the reading;
# Esc during the next composition cancels it and stays on baio.
wait_for("fcitx5 to see the name box", lambda: input_method("1"))
subprocess.run(["fcitx5-remote", "-o"], check=True)
wait_for("Mozc to be on", lambda: input_method("2"))
type_text("yamada")
keys("space", "Return")
wait_for("山田 in the name box", lambda: value(app, "氏名") == "山田")
type_text("tanaka")
keys("Escape")
on_screen(app, "バイオリズム診断", "氏名の入力", 0.5)
if value(app, "氏名") != "山田" or os.path.exists(os.path.join(data, "kojinfl.txt")):
    fail("the input method's Enter or Esc reached the screen")
subprocess.run(["fcitx5-remote", "-c"], check=True)
print("PASS 山田 typed through Mozc; its Enter and Esc stayed in the input method")

# The era by the arrow keys and Space, the dates typed, Enter reads.
keys("Tab")
wait_focus(app, "radio button", "明治")
keys("Down", "Down", "space")
昭和 = wait_focus(app, "radio button", "昭和")
wait_for("昭和 selected", lambda: 昭和.getState().contains(pyatspi.STATE_CHECKED))
for box, text in (("生年月日 年", "38"), ("生年月日 月", "5"), ("生年月日 日", "10"),
                  ("現在の西暦年月日 年", "2026"), ("現在の西暦年月日 月", "12"),
                  ("現在の西暦年月日 日", "7")):
    tab_to(app, "text", box)
    type_text(text)
keys("Return")
sindan = screen(app, "バイオリズム診断", "バイオリズム計算")
wait_focus(app, "list", "診断メッセージ")
if value(app, "生まれてから今日までの日数") != "23222":
    fail("the reading: %s days" % value(app, "生まれてから今日までの日数"))
print("PASS a reading by keyboard; the result opens on its diagnosis")

keys("Next")
wait_for("翌月's graph", lambda: find(sindan, "chart", "1月のバイオリズムグラフ"))
keys("F10", *["Right"] * 6, "Return")  # 前月, the seventh command
wait_for("前月's graph", lambda: find(sindan, "chart", "12月のバイオリズムグラフ"))
print("PASS Page Down stepped to January; 前月 from the menu bar by F10 back to December")

keys("ctrl+p")
wait_for("the printer dialog", lambda: any(w.name == "印刷" for w in windows(app)))
keys("Return")
report = os.path.join(home, "バイオリズム診断.pdf")
wait_for("the report in " + report, lambda: os.path.exists(report) and "山田さんのバイオリズム" in
         subprocess.run(["pdftotext", report, "-"], capture_output=True, text=True).stdout)
print("PASS Ctrl+P printed the report")

keys("Escape")
screen(app, "バイオリズム診断", "氏名の入力")
keys("Escape")
screen(app, "バイオリズム相性診断 Ver.2.0", "相性診断")
print("PASS Esc went back to baio, then to the menu")

tab_to(app, "push button", "検索")
keys("Return")
wait_for("the search's input box", lambda: any(w.name == "検索氏名入力" for w in windows(app)))
keys("ctrl+a")
type_text("Taro")
keys("Return")
hyouji = screen(app, "表示画面", "1行目 氏名")
found = [value(app, "%d行目 氏名" % row).strip() for row in (1, 2, 3)]
if found != ["Taro Yamada", "Taro Suzuki", ""]:
    fail("the search found %s" % found)
keys("Escape")
wait_for("hyouji to close", lambda: not any(w.name == "表示画面" for w in windows(app)))
print("PASS the register searched for Taro; Esc closed the result")
