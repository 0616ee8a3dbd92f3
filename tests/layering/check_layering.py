#!/usr/bin/env python3
"""Holds every file under src/ to the layers the build declares.

A file may include a header of the program ("folder/name.h") only when the
target that owns the header is the file's own target or one it links, directly
or through others. Targets and their links are read from the CMakeLists.txt
files (bio_add_library, add_library, add_executable, target_link_libraries);
a header belongs to the target whose sources hold the .cpp of the same name,
otherwise to the first library of its folder.

Usage: check_layering.py SRC_DIR
Prints one line per violation, naming the file and the include; exits 1 when
there is any, 0 otherwise.
"""

import pathlib
import re
import sys

COMMAND = re.compile(r"\b(bio_add_library|add_library|add_executable|target_link_libraries)\s*\(([^)]*)\)", re.S)
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "STATIC", "SHARED", "SOURCES", "LINKS"}


def words(arguments):
    text = re.sub(r"#[^\n]*", "", arguments)
    return text.split()


def read_targets(src):
    """target -> (folder, sources, links) from every CMakeLists.txt under src."""
    targets = {}
    for cmake in sorted(src.glob("*/CMakeLists.txt")):
        folder = cmake.parent.name
        for command, arguments in COMMAND.findall(cmake.read_text(encoding="utf-8")):
            args = words(arguments)
            if not args:
                continue
            name = args[0]
            # Each platform's desktop program is called biorhythm; only one is
            # ever built, so the other is kept apart by its folder.
            if name in targets and targets[name][0] != folder:
                name = f"{name}@{folder}"
            if command == "target_link_libraries":
                targets.setdefault(name, (folder, [], []))[2].extend(
                    a for a in args[1:] if a not in KEYWORDS)
                continue
            sources, links = [], []
            section = "SOURCES"
            for a in args[1:]:
                if a in ("SOURCES", "LINKS"):
                    section = a
                elif a not in KEYWORDS:
                    (sources if section == "SOURCES" else links).append(a)
            entry = targets.setdefault(name, (folder, [], []))
            entry[1].extend(s for s in sources if s.endswith(".cpp"))
            entry[2].extend(links)
    return targets


def closure(targets, name):
    seen, todo = set(), [name]
    while todo:
        current = todo.pop()
        if current in seen or current not in targets:
            continue
        seen.add(current)
        todo.extend(targets[current][2])
    return seen


def owners(targets, src):
    """file path relative to src -> owning target."""
    owner = {}
    first_library = {}
    for name, (folder, sources, _) in targets.items():
        for source in sources:
            owner[f"{folder}/{source}"] = name
        if sources and folder not in first_library:
            first_library[folder] = name
    for header in src.glob("*/*.h"):
        relative = f"{header.parent.name}/{header.name}"
        twin = relative[:-2] + ".cpp"
        owner[relative] = owner.get(twin, first_library.get(header.parent.name))
    # Generated from app/version.h.in into the build tree.
    owner["app/version.h"] = first_library.get("app")
    return owner


def main():
    src = pathlib.Path(sys.argv[1])
    targets = read_targets(src)
    owner = owners(targets, src)
    folders = {p.name for p in src.iterdir() if p.is_dir()}
    problems = []
    for path in sorted(list(src.glob("*/*.cpp")) + list(src.glob("*/*.h"))):
        relative = f"{path.parent.name}/{path.name}"
        target = owner.get(relative)
        if target is None:
            problems.append(f"src/{relative}: belongs to no target of the build")
            continue
        allowed = closure(targets, target)
        for include in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if include.split("/")[0] not in folders:
                continue
            header_owner = owner.get(include)
            if header_owner is None:
                problems.append(f'src/{relative}: #include "{include}" names no header of src/')
            elif header_owner not in allowed:
                problems.append(f'src/{relative}: #include "{include}" is a header of '
                                f"{header_owner}, which {target} does not link")
    for line in problems:
        print(line)
    counted = len(list(src.glob("*/*.cpp"))) + len(list(src.glob("*/*.h")))
    print(f"layering: {counted} files of {len(targets)} targets checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
