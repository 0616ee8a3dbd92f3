#!/usr/bin/env python3
"""Prints what an exported .ics holds, as Python's icalendar reads it.

Usage: ics_events.py FILE

First the calendar's properties and how its lines are written (CR LF, at
most 75 octets, each a whole UTF-8 text); then what the events share (stamp,
category, transparency, date values, UID form), a line per distinct
combination; then each summary in order of appearance with its
descriptions, and its runs as first..last day.
"""

import datetime
import re
import sys

import icalendar

UID = re.compile(r"^[0-9a-f]{8}-[0-9a-f]{4}-5[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}"
                 r"@jp\.biorhythm$")
PRODID = re.compile(r"^-//jp\.biorhythm//Biorhythm \d+\.\d+\.\d+//JA$")


def line_form(raw):
    lines = raw.split(b"\r\n")
    if lines[-1] != b"":
        return "not ending in CR LF"
    for line in lines[:-1]:
        if b"\n" in line or b"\r" in line or len(line) > 75:
            return "bad line: %r" % line
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            return "a character split: %r" % line
    return "CR LF, at most 75 octets, whole UTF-8"


def run_text(first, end_inclusive):
    last = end_inclusive.isoformat()
    if end_inclusive.year == first.year:
        last = last[5:] if end_inclusive.month != first.month else last[8:]
    return first.isoformat() if first == end_inclusive else first.isoformat() + ".." + last


def main(path):
    raw = open(path, "rb").read()
    calendar = icalendar.Calendar.from_ical(raw)
    prodid = str(calendar["PRODID"])
    if PRODID.match(prodid):
        prodid = "-//jp.biorhythm//Biorhythm VERSION//JA"
    properties = ["PRODID " + prodid] + ["%s %s" % (name, calendar.get(name)) for name in
                                         ("VERSION", "CALSCALE", "METHOD", "X-WR-CALNAME")]
    print("  " + ", ".join(properties))
    print("  lines:", line_form(raw))

    shared, runs, descriptions, uids = {}, {}, {}, set()
    for event in calendar.walk("VEVENT"):
        first, end = event.decoded("DTSTART"), event.decoded("DTEND")
        dates = all(type(d) is datetime.date for d in (first, end))
        uid = str(event["UID"])
        form = (
            "DTSTAMP " + event.decoded("DTSTAMP").isoformat(),
            "CATEGORIES " + ",".join(str(c) for c in event["CATEGORIES"].cats),
            "TRANSP " + str(event["TRANSP"]),
            "dates" if dates else "not dates",
            "UID name-based" if UID.match(uid) else "UID " + uid,
        )
        shared[form] = shared.get(form, 0) + 1
        if uid in uids:
            print("  UID repeated:", uid)
        uids.add(uid)
        summary = str(event["SUMMARY"])
        descriptions.setdefault(summary, set()).add(str(event["DESCRIPTION"]))
        runs.setdefault(summary, []).append(run_text(first, end - datetime.timedelta(days=1)))
    for form, count in shared.items():
        print("  %d events: %s" % (count, ", ".join(form)))
    for summary, texts in runs.items():
        print("  %s: %s" % (summary, " / ".join(sorted(descriptions[summary]))))
        print("    " + " ".join(texts))


if __name__ == "__main__":
    main(sys.argv[1])
