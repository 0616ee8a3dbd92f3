#!/usr/bin/env python3
"""The files of the CSV export and import, checked with Python's own csv module
and code page 932 codec: the export read back field for field, an export
imported again byte for byte, a file as Excel writes it in code page 932, the
register's limit of 500 records, and a disk that fills up half-way.

Usage: csv_files_check.py BIORHYTHM_SCRIPT [--any-write-failure-reason]

Under Wine the file size limit that fills the disk reaches the program as no
particular error: --any-write-failure-reason then takes any reason it gives.
"""

import csv
import datetime
import io
import pathlib
import re
import resource
import signal
import subprocess
import sys
import tempfile

WIDTHS = (5, 20, 5, 4, 4, 4)
ERA_BASES = {"明治": 1868, "大正": 1912, "昭和": 1926, "平成": 1989, "令和": 2019}
OPEN_HYOUJI = "click baio.Command2\nclick menyu.Command5\n"

# Every era, 元 as the year, a comma, quotes and a name of exactly 20 bytes;
# numbered by position, as the import numbers them.
PERSONS = [
    ("1", "明治花子", "明治", "45", "7", "29"),
    ("2", "大正一郎", "大正", "元", "7", "30"),
    ("3", "ＡＢＣＤ", "昭和", "38", "5", "10"),
    ("4", "山田,太郎", "平成", "元", "1", "8"),
    ("5", '佐藤 "さっちゃん"', "令和", "2", "3", "15"),
    ("6", "長い名前の人長い名前", "昭和", "64", "1", "7"),
]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def record(fields):
    data = b""
    for text, width in zip(fields, WIDTHS):
        encoded = text.encode("cp932")
        assert len(encoded) <= width, text
        data += encoded.ljust(width, b" ")
    return data


def register(records):
    return b"".join(r if isinstance(r, bytes) else record(r) for r in records)


def fields_of(data):
    """The records of a register file, each field decoded without its padding."""
    records = []
    for start in range(0, len(data), 42):
        offsets = [sum(WIDTHS[:i]) for i in range(len(WIDTHS) + 1)]
        records.append(tuple(data[start + a:start + b].decode("cp932").rstrip(" ")
                             for a, b in zip(offsets, offsets[1:])))
    return records


def western(fields):
    """The YYYY-MM-DD the export should give for a record's fields, or ''."""
    _, _, era, year, month, day = fields
    if era not in ERA_BASES:
        return ""
    year = 1 if year == "元" else int(year)
    try:
        return datetime.date(ERA_BASES[era] + year - 1, int(month), int(day)).isoformat()
    except ValueError:
        return ""


def run(driver, directory, script, file_limit=None):
    def limited():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)  # a failed write, not a killed process
        resource.setrlimit(resource.RLIMIT_FSIZE, (file_limit, file_limit))

    result = subprocess.run(
        [driver, "--dir", str(directory), "--today", "2026-12-07"], input=script, text=True,
        cwd=directory, capture_output=True, preexec_fn=limited if file_limit else None)
    check(result.returncode == 0, f"biorhythm-script failed: {result.stderr}")
    return result.stdout


def import_file(driver, directory, csv_path, file_limit=None):
    return run(driver, directory, f'{OPEN_HYOUJI}file "{csv_path}"\nclick hyouji.Command3\n',
               file_limit)


def check_export(driver, work):
    """Every record in record order, blank ones too, read back by csv."""
    directory = work / "export"
    directory.mkdir()
    gap = b"\0" * 42  # a record inside a gap reads as empty fields
    blank = ("", "", "", "", "", "")
    unreal = ("7", "二月三十日", "昭和", "38", "2", "30")
    records = PERSONS + [unreal, blank, gap, ("10", "　全角空白", "", "", "", "")]
    (directory / "kojinfl2.txt").write_bytes(register(records))
    out = run(driver, directory, f'{OPEN_HYOUJI}file "out.csv"\nclick hyouji.Command2\n')
    check('msgbox "10件を書き出しました。\\nout.csv" title "" -> ok' in out, f"export message: {out}")
    data = (directory / "out.csv").read_bytes()
    check(data.startswith(b"\xef\xbb\xbf"), "no byte order mark")
    check(b"\n" not in data.replace(b"\r\n", b""), "a line that does not end in CR LF")
    rows = list(csv.reader(io.StringIO(data.decode("utf-8-sig"), newline="")))
    expected = [["番号", "氏名", "元号", "年", "月", "日", "西暦生年月日"]]
    for r in records:
        fields = list(blank) if r == gap else list(r)
        expected.append(fields + [western(fields)])
    check(rows == expected, f"export rows:\n{rows}\nexpected:\n{expected}")
    check(expected[1][6] == "1912-07-29" and expected[7][6] == "", "the reference dates")


def check_round_trip(driver, work):
    """An export imported into an empty register gives the same bytes."""
    source, target = work / "source", work / "target"
    source.mkdir()
    target.mkdir()
    (source / "kojinfl2.txt").write_bytes(register(PERSONS))
    run(driver, source, f'{OPEN_HYOUJI}file "out.csv"\nclick hyouji.Command2\n')
    out = import_file(driver, target, source / "out.csv")
    check('msgbox "6件を読み込みました。" title "" -> ok' in out, f"round trip: {out}")
    check((target / "kojinfl2.txt").read_bytes() == register(PERSONS),
          "the records read back differ from those written")


def check_excel_code_page(driver, work):
    """A file as Excel's "CSV (コンマ区切り)" saves it: code page 932, CR LF."""
    directory = work / "excel"
    directory.mkdir()
    existing = ("1", "既存", "昭和", "40", "5", "10")
    (directory / "kojinfl2.txt").write_bytes(register([existing]))
    rows = [  # the row, then the fields the register should hold
        (["1", "昭和最後", "1989/1/7", "03-1234-5678"], ("昭和", "64", "1", "7")),
        (["2", "平成最初", "1989/1/8", ""], ("平成", "1", "1", "8")),
        (["3", "平成最後", "2019/4/30", ""], ("平成", "31", "4", "30")),
        (["4", "令和最初", "2019/5/1", ""], ("令和", "1", "5", "1")),
        (["5", "髙橋①", "昭和38年5月10日", ""], ("昭和", "38", "5", "10")),
        (["6", "鈴木, 一郎", "平成元年1月8日", "元年"], ("平成", "1", "1", "8")),
        (["7", "寿限無寿限無五劫の擦り切れ", "1912/7/30", ""], ("大正", "1", "7", "30")),
    ]
    with open(directory / "excel.csv", "w", encoding="cp932", newline="") as f:
        writer = csv.writer(f)  # the excel dialect: CR LF, quotes where needed
        writer.writerow(["番号", "氏名", "生年月日", "電話"])
        writer.writerows(row for row, _ in rows)
    out = import_file(driver, directory, "excel.csv")
    check("7人を追加します（番号2～8）" in out and "1人の氏名は長すぎる" in out,
          f"confirmation: {out}")
    expected = [existing] + [
        (str(k + 2), row[1].encode("cp932")[:20].decode("cp932"), *fields)
        for k, (row, fields) in enumerate(rows)
    ]
    # By character: code page 932 has two codes for 髙, and Python picks the other.
    stored = fields_of((directory / "kojinfl2.txt").read_bytes())
    check(stored == expected, f"the code page 932 file was stored as\n{stored}")


def persons_csv(path, count):
    lines = ["氏名,生年月日"] + [f"人{k},1970/1/{k % 28 + 1}" for k in range(count)]
    path.write_text("\r\n".join(lines) + "\r\n", encoding="utf-8")


def check_limit(driver, work):
    """498 records take two more persons, not three."""
    directory = work / "limit"
    directory.mkdir()
    before = register([(str(k), f"人{k}", "昭和", "45", "1", "1") for k in range(1, 499)])
    (directory / "kojinfl2.txt").write_bytes(before)
    persons_csv(directory / "three.csv", 3)
    persons_csv(directory / "two.csv", 2)
    out = import_file(driver, directory, "three.csv")
    check("登録できるのは500件までです。登録簿の498件に3人を加えると超えるため、読み込みません。"
          in out, f"limit message: {out}")
    check((directory / "kojinfl2.txt").read_bytes() == before, "refused, yet written")
    import_file(driver, directory, "two.csv")
    after = (directory / "kojinfl2.txt").read_bytes()
    check(len(after) == 500 * 42 and after[-42:-37] == b"500  ", "two persons did not reach 500")


def check_failed_write(driver, work, reason):
    """A write that fails half-way leaves the register as it was, and the user
    is told why (`reason`, a regular expression)."""
    directory = work / "full"
    directory.mkdir()
    before = register(PERSONS)
    (directory / "kojinfl2.txt").write_bytes(before)
    persons_csv(directory / "many.csv", 40)  # 1680 bytes more, past the 1024 allowed
    out = import_file(driver, directory, "many.csv", file_limit=1024)
    check(re.search(f"ファイル kojinfl2.txt に書き込めません：{reason}。登録簿は読み込む前のままです。",
                    out), f"failure message: {out}")
    check((directory / "kojinfl2.txt").read_bytes() == before, "a failed import left records")


def main():
    driver = sys.argv[1]
    any_reason = sys.argv[2:] == ["--any-write-failure-reason"]
    reason = "[^。]+" if any_reason else re.escape("ファイルが大きすぎます")
    with tempfile.TemporaryDirectory() as temporary:
        work = pathlib.Path(temporary)
        for step in (check_export, check_round_trip, check_excel_code_page, check_limit):
            step(driver, work)
        check_failed_write(driver, work, reason)
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
