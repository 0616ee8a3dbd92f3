#!/usr/bin/python3
"""Usage: screen_reading_check.py DRIVER_OUTPUT PROBE_DIR DPI SCREEN...

Holds what screen_probe.exe read of each SCREEN of the Windows program, laid
out at DPI dots to the inch (PROBE_DIR/SCREEN.txt), against what the script driver says for the same
moment of the same session (its `names S` and `describe S.C` lines in
DRIVER_OUTPUT): every control's name as MSAA gives it, each graph's role and
description, each era option inside a group box a reader can tell from the
other person's, and no text clipped or control overlapping another.

Controls are numbered from 100 in catalogue order (win32/screen_window.cpp),
the order in which `names S` prints them."""

import json
import re
import sys

FIRST_CONTROL_ID = 100
ROLE_SYSTEM_GRAPHIC = 0x28
QUOTED = r'("(?:[^"\\]|\\.)*")'
MODEL_LINE = re.compile(r"^(\w+)\.(\S+) (name|description) " + QUOTED + r"$")
CONTROL_LINE = re.compile(
    r"^control (\d+) (\w+) " + QUOTED + r" (-?\d+) " + QUOTED + r" (\d+)$")
CLIPPED_LINE = re.compile(r"^clipped (\d+) " + QUOTED + r" (\d+) (\d+)$")
OVERLAP_LINE = re.compile(r"^overlap (\d+) (\d+)$")
DPI_LINE = re.compile(r"^dpi (\d+)$")


def model_words(path):
    """Per screen: the names in catalogue order, and the described controls."""
    names, described = {}, {}
    lines = [MODEL_LINE.match(line.rstrip("\r\n")) for line in open(path, encoding="utf-8")]
    lines = [m.groups() for m in lines if m]
    for i, (screen, key, what, text) in enumerate(lines):
        if what == "description":
            described.setdefault(screen, {})[key] = (json.loads(lines[i - 1][3]),
                                                     json.loads(text))
        elif not (i + 1 < len(lines) and lines[i + 1][:2] == (screen, key)
                  and lines[i + 1][2] == "description"):
            names.setdefault(screen, {}).setdefault(key, json.loads(text))
    return ({screen: list(keys.items()) for screen, keys in names.items()}, described)


def check(screen, probe, dpi, names, described, problems):
    controls, faults = {}, []
    for line in open(probe, encoding="utf-8"):
        line = line.rstrip("\r\n")
        if m := CONTROL_LINE.match(line):
            ident, kind, name, role, description, group = m.groups()
            controls[int(ident)] = dict(kind=kind, name=json.loads(name), role=int(role),
                                        description=json.loads(description), group=int(group))
        elif m := CLIPPED_LINE.match(line):
            faults.append(("clipped", int(m.group(1)), json.loads(m.group(2)),
                           int(m.group(3)), int(m.group(4))))
        elif m := OVERLAP_LINE.match(line):
            faults.append(("overlap", int(m.group(1)), int(m.group(2))))
        elif m := DPI_LINE.match(line):
            if m.group(1) != dpi:
                problems.append("%s: laid out at %s dots to the inch" % (screen, m.group(1)))
        else:
            problems.append("%s: the probe said %r" % (screen, line))

    def key(ident):
        index = ident - FIRST_CONTROL_ID
        return names[index][0] if 0 <= index < len(names) else "#%d" % ident

    if not controls:
        problems.append("%s: no control read" % screen)
    for ident, control in controls.items():
        index = ident - FIRST_CONTROL_ID
        expected = names[index][1] if 0 <= index < len(names) else None
        if control["name"] != expected:
            problems.append("%s.%s: a reader hears %r, the model names it %r" % (
                screen, key(ident), control["name"], expected))
        if control["kind"] == "picture" and control["role"] != ROLE_SYSTEM_GRAPHIC:
            problems.append("%s.%s: a graph with the role %d" % (screen, key(ident),
                                                                  control["role"]))
    for ident, control in controls.items():
        words = described.get(screen, {}).get(key(ident))
        if words and (control["name"], control["description"]) != words:
            problems.append("%s.%s: a reader hears %r, the model describes %r" % (
                screen, key(ident), (control["name"], control["description"]), words))
    options = [c for c in controls.values() if c["kind"] == "option"]
    groups = {c["group"] for c in options}
    if 0 in groups:
        problems.append("%s: an option outside any group a reader finds" % screen)
    group_names = [controls[g]["name"] for g in groups if g in controls]
    if len(set(group_names)) != len(group_names):
        problems.append("%s: option groups a reader cannot tell apart: %s" % (
            screen, group_names))
    for fault in faults:
        if fault[0] == "clipped":
            problems.append("%s.%s: %r clipped, %d pixels needed, %d there" % (
                screen, key(fault[1]), fault[2], fault[3], fault[4]))
        else:
            problems.append("%s: %s and %s overlap" % (screen, key(fault[1]), key(fault[2])))
    print("%-9s %2d controls read, %d described, %2d options in %d groups, %d faults" % (
        screen, len(controls), sum(1 for c in controls.values() if c["description"]),
        len(options), len(groups), len(faults)))


def main():
    names, described = model_words(sys.argv[1])
    problems = []
    for screen in sys.argv[4:]:
        if screen not in names:
            problems.append("%s: the driver did not name it" % screen)
            continue
        check(screen, "%s/%s.txt" % (sys.argv[2], screen), sys.argv[3], names[screen],
              described, problems)
    for problem in problems:
        print("FAIL: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
