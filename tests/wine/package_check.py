#!/usr/bin/env python3
"""Usage: package_check.py EXE ZIP VERSION
The desktop program's icon, manifest and version information (its Japanese
read back as Japanese), and the portable zip: exactly its stripped programs,
the empty marker and a note for Notepad, named in UTF-8 for Explorer."""

import struct
import subprocess
import sys
import zipfile

exe, archive_path, version = sys.argv[1:]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def resource(kind, *options):
    return subprocess.run(["wrestool", "-x", *options, f"--type={kind}", "--name=1", exe],
                          check=True, capture_output=True).stdout


def symbols(program):  # the COFF header's symbol count, nought once stripped
    return struct.unpack_from("<I", program, struct.unpack_from("<I", program, 0x3C)[0] + 16)[0]


icon = resource(14)  # an .ico file: a count, then 16 bytes an image, a width of 0 for 256
widths = [icon[6 + 16 * image] or 256 for image in range(struct.unpack_from("<H", icon, 4)[0])]
check(sorted(widths) == [16, 20, 24, 32, 40, 48, 64, 256], f"icon sizes {widths}")
manifest = resource(24, "--raw").decode()
for setting in (">PerMonitorV2<", ">true/pm<", "Microsoft.Windows.Common-Controls", '"asInvoker"'):
    check(setting in manifest, f"the manifest lacks {setting}")
check("activeCodePage" not in manifest, "the manifest sets an active code page")
strings = resource(16, "--raw").decode("utf-16-le", "replace")
for text, times in (("バイオリズム相性診断", 2), ("バイオリズム診断", 1), (version, 4),
                    ("041104B0", 1), ("040904B0", 1)):
    check(strings.count(text) == times, f"the version information has {text} not {times} times")

with zipfile.ZipFile(archive_path) as archive:
    names = sorted(archive.namelist())
    folder = ["", "biorhythm-script.exe", "biorhythm.exe", "portable", "説明.txt"]
    whole = names == ["biorhythm/" + name for name in folder]
    check(whole, f"the zip holds {names}")
    read = {name: archive.read(name) for name in names}
if whole:
    check(read["biorhythm/portable"] == b"", "the portable marker is not empty")
    for program in ("biorhythm.exe", "biorhythm-script.exe"):
        check(symbols(read["biorhythm/" + program]) == 0, f"{program} not stripped")
    note = read["biorhythm/説明.txt"]
    check(note.startswith(b"\xef\xbb\xbf"), "説明.txt has no byte order mark")
    check(b"\r\n" in note and b"\n" not in note.replace(b"\r\n", b""), "説明.txt has a bare LF")
    check(version in note.decode("utf-8", "replace"), "説明.txt does not name the version")
with open(exe, "rb") as built:
    check(symbols(built.read()) > 0, "the build's own program lost its symbols")

for failure in failures:
    print(f"package_check: {failure}", file=sys.stderr)
sys.exit(1 if failures else 0)
