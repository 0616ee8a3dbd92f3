#!/usr/bin/env python3
"""Usage: concurrent_register_check.py BIORHYTHM_SCRIPT

Six programs on one register at once: four register 25 pairs each through
aisyou's "登録", two update records 1..10 over and over through kousin's
"更新". Afterwards the register holds every one of the 200 persons exactly
once, each numbered by its position, every updated record is one of the
versions written to it, whole, and each program was told of every write
succeeding and of nothing failing.
"""

import subprocess
import sys
import tempfile
from pathlib import Path

REGISTRARS, PAIRS = 4, 25
UPDATERS, ROUNDS, UPDATED = 2, 5, 10
SAVED = 'msgbox "保存しました。" title "" -> ok'
UPDATED_MESSAGE = 'msgbox "更新しました。" title "" -> ok'
WIDTHS = (5, 20, 5, 4, 4, 4)


def record(*fields):
    return b"".join(f.encode("cp932").ljust(w, b" ") for f, w in zip(fields, WIDTHS))


def seeded(k):
    return record(str(k), f"Seed{k}", "昭和", "40", "5", str(k))


def updated(updater, round_, k):
    return record(str(k), f"Update{updater}-{round_}-{k}", "平成", "3", str(round_ + 1), str(k))


def registrar_script(registrar):
    lines = ["click baio.Command2", "click menyu.Command4"]
    for pair in range(PAIRS):
        lines += [f'set aisyou.Text7 "R{registrar}-{pair}a"',
                  f'set aisyou.Text8 "R{registrar}-{pair}b"', "click aisyou.Command2"]
    return lines


def updater_script(updater):
    lines = ["click baio.Command2", "click menyu.Command2"]
    for round_ in range(ROUNDS):
        for k in range(1, UPDATED + 1):
            fields = updated(updater, round_, k)
            texts = [fields[sum(WIDTHS[:i]):sum(WIDTHS[:i + 1])].decode("cp932").rstrip()
                     for i in range(len(WIDTHS))]
            lines += [f'set kousin.Text{i + 1}(0) "{text}"' for i, text in enumerate(texts)]
            lines.append("click kousin.Command2")
    return lines


def main():
    driver = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as work:
        data = Path(work, "data")
        data.mkdir()
        register = data / "kojinfl2.txt"
        register.write_bytes(b"".join(seeded(k) for k in range(1, UPDATED + 1)))
        scripts = ([(f"registrar {r}", registrar_script(r), SAVED, PAIRS) for r in range(REGISTRARS)]
                   + [(f"updater {u}", updater_script(u), UPDATED_MESSAGE, ROUNDS * UPDATED)
                      for u in range(UPDATERS)])
        programs = []
        for name, lines, _, _ in scripts:
            path = Path(work, name.replace(" ", "_") + ".script")
            path.write_text("\n".join(lines) + "\n", encoding="utf-8")
            programs.append(subprocess.Popen(
                [driver, "--dir", str(data), "--today", "2026-12-07", str(path)],
                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True))
        for (name, _, success, expected), program in zip(scripts, programs):
            output = program.communicate(timeout=120)[0].splitlines()
            if program.returncode != 0:
                failures.append(f"{name} exited {program.returncode}: {output[-3:]}")
            if output.count(success) != expected or len(output) != expected:
                failures.append(f"{name} was told {len(output) - output.count(success)} "
                                f"other things: {[l for l in output if l != success][:3]}")

        data_bytes = register.read_bytes()
        width = sum(WIDTHS)
        count = REGISTRARS * PAIRS * 2 + UPDATED
        if len(data_bytes) != count * width:
            failures.append(f"the register is {len(data_bytes)} bytes, not {count} records")
        records = [data_bytes[i:i + width] for i in range(0, len(data_bytes), width)]
        for k, bytes_ in enumerate(records[:UPDATED], start=1):
            versions = {seeded(k)} | {updated(u, r, k) for u in range(UPDATERS)
                                      for r in range(ROUNDS)}
            if bytes_ not in versions:
                failures.append(f"record {k} is no version written to it: {bytes_!r}")
        persons = [r[5:25].decode("cp932").rstrip() for r in records[UPDATED:]]
        expected = sorted(f"R{r}-{p}{s}" for r in range(REGISTRARS) for p in range(PAIRS)
                          for s in "ab")
        if sorted(persons) != expected:
            failures.append(f"persons missing or twice: {sorted(set(expected) ^ set(persons))[:5]}")
        for k, bytes_ in enumerate(records[UPDATED:], start=UPDATED + 1):
            if bytes_[:5].decode("ascii").rstrip() != str(k):
                failures.append(f"record {k} is numbered {bytes_[:5]!r}")
    for failure in failures:
        print(failure, file=sys.stderr)
    if failures:
        return 1
    print(f"{REGISTRARS * PAIRS * 2} persons registered and {UPDATERS * ROUNDS * UPDATED} "
          f"updates by {len(scripts)} programs at once, none lost")
    return 0


if __name__ == "__main__":
    sys.exit(main())
