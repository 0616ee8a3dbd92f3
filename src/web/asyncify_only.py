#!/usr/bin/env python3
"""The functions that may be on the stack while a page dialog is open.

Asyncify must rebuild every such function so that it can unwind and rewind;
every other function is better left alone, as each rebuilt one grows by half.
This reads the program linked once without instrumentation (its names kept,
disassembled by binaryen's wasm-dis) and writes, one per line, each function
that reaches a waiting import:

- through a direct call;
- through an exception wrapper (invoke_*), whose first argument is the
  table slot it calls: a constant at nearly every call, else any function of
  the wrapper's signature;
- through call_indirect: any function in the table with that signature.

Only functions matching the candidate patterns are followed (the program's
own, std::function's and the wrappers' dynCall_*): the standard library and
libraries below it never call back into a dialog. The waiting imports are
those emscripten's glue names `__asyncjs__NAME` (EM_ASYNC_JS).

usage: asyncify_only.py WAT GLUE_JS OUT PATTERN...
"""

import fnmatch
import re
import sys
from collections import defaultdict

FUNC = re.compile(r' \(func \$(\S+)(.*)$')
IMPORT = re.compile(r' \(import "[^"]*" "[^"]*" \(func \$(\S+)(.*)\)\)$')
TYPE = re.compile(r' \(type \$(\S+) \(func(.*)\)\)$')
ELEM = re.compile(r' \(elem \(i32\.const (\d+)\) (.*)\)$')
CALL = re.compile(r'\(call \$(\S+)')
CALL_INDIRECT = re.compile(r'\(call_indirect \(type \$(\S+)\)')
CONSTANT = re.compile(r'\s*\(i32\.const (\d+)\)')


def unescaped(name):
    """A name as the names section holds it (wasm-dis escapes bytes as \\hh)."""
    return re.sub(r'\\([0-9a-f]{2})', lambda m: chr(int(m.group(1), 16)), name)


def signature(text, named_params):
    params = (re.findall(r'\(param \$\S+ ([^)\s]+)\)', text) if named_params
              else ' '.join(re.findall(r'\(param ([^)]*)\)', text)).split())
    results = ' '.join(re.findall(r'\(result ([^)]*)\)', text)).split()
    return tuple(params), tuple(results)


class Module:
    def __init__(self, lines):
        self.types = {}                      # type name -> signature
        self.imports = {}                    # import name -> signature
        self.functions = {}                  # function name -> signature
        self.table = {}                      # slot -> function name
        self.calls = defaultdict(set)        # caller -> callees
        self.indirect = defaultdict(set)     # caller -> signatures called
        current = None
        wrapper = None                       # an invoke_* whose slot comes next
        for line in lines:
            if match := TYPE.match(line):
                self.types[match[1]] = signature(match[2], False)
            elif match := IMPORT.match(line):
                self.imports[match[1]] = signature(match[2], False)
            elif match := ELEM.match(line):
                first = int(match[1])
                for offset, name in enumerate(match[2].split()):
                    self.table[first + offset] = name.lstrip('$')
            elif match := FUNC.match(line):
                current = match[1]
                self.functions[current] = signature(match[2], True)
            elif current:
                if wrapper:
                    slot = CONSTANT.match(line)
                    if slot:
                        self.calls[current].add(self.table[int(slot[1])])
                    else:
                        params, results = self.imports[wrapper]
                        self.indirect[current].add((params[1:], results))
                    wrapper = None
                for callee in CALL.findall(line):
                    if callee.startswith('invoke_'):
                        wrapper = callee
                    else:
                        self.calls[current].add(callee)
                for type_name in CALL_INDIRECT.findall(line):
                    self.indirect[current].add(self.types[type_name])

    def waiting(self, roots, candidates):
        """Every candidate that may call a root, directly or not."""
        by_signature = defaultdict(set)
        for name in self.table.values():
            if name in candidates:
                by_signature[self.functions[name]].add(name)
        found = set(roots)
        grown = True
        while grown:
            grown = False
            reached = {sig for sig, names in by_signature.items() if names & found}
            for name in candidates - found:
                if self.calls[name] & found or self.indirect[name] & reached:
                    found.add(name)
                    grown = True
        return found - set(roots)


def main(wat, glue, out, *patterns):
    with open(wat, encoding='utf-8') as text:
        module = Module(text)
    with open(glue, encoding='utf-8') as text:
        roots = set(re.findall(r'__asyncjs__(\w+)', text.read()))
    if not roots:
        sys.exit(f'{glue}: no EM_ASYNC_JS import found')
    candidates = {name for name in module.functions
                  if any(fnmatch.fnmatchcase(unescaped(name), p) for p in patterns)}
    # emcc reads a '.' in these lists as a blank, and has no way to write a
    # dot: a wildcard stands for it ("~File().1", a second "~File()").
    names = sorted(unescaped(name).replace('.', '*')
                   for name in module.waiting(roots, candidates))
    with open(out, 'w', encoding='utf-8') as listing:
        listing.writelines(f'{name}\n' for name in names)
        # The wrappers' own entries into the table are always waited under.
        listing.write('dynCall_*\n')


if __name__ == '__main__':
    main(*sys.argv[1:])
