#!/usr/bin/env python3
"""asyncify_only.py on a small module: which functions it lists as waited
under, through each kind of call. usage: asyncify_only_check.py SCRIPT"""

import os
import subprocess
import sys
import tempfile

MODULE = r'''
(module
  (type $takes_i32 (func (param i32)))
  (type $takes_f64 (func (param f64)))
  (import "a" "page_message_box" (func $page_message_box (param i32 i32) (result i32)))
  (import "a" "invoke_vi" (func $invoke_vi (param i32 i32)))
  (table 3 funcref)
  (elem (i32.const 1) $bio::asks $bio::quiet)
  (func $bio::asks (param $0 i32) (drop (call $page_message_box (local.get $0) (i32.const 0))))
  (func $bio::quiet (param $0 i32) (nop))
  (func $bio::wrapsAsking (param $0 i32) (call $invoke_vi (i32.const 1) (local.get $0)))
  (func $bio::wrapsQuiet (param $0 i32) (call $invoke_vi (i32.const 2) (local.get $0)))
  (func $bio::wrapsPointer (param $0 i32) (call $invoke_vi (local.get $0) (local.get $0)))
  (func $bio::callsPointer (param $0 i32) (call_indirect (type $takes_i32) (local.get $0) (local.get $0)))
  (func $bio::callsOtherKind (param $0 i32)
    (call_indirect (type $takes_f64) (f64.const 1) (local.get $0)))
  (func $std::library (param $0 i32) (call $bio::asks (local.get $0)))
  (func $bio::callsLibrary (param $0 i32) (call $std::library (local.get $0)))
  (func $bio::second.1 (param $0 i32) (call $bio::wrapsAsking (local.get $0)))
  (func $bio::quietCaller (param $0 i32) (call $bio::wrapsQuiet (local.get $0)))
)
'''

# A wrapper whose slot is known reaches what that slot holds, and only that;
# one whose slot is not, and call_indirect, reach every candidate of their
# signature; the standard library is not followed; emcc's lists read a dot
# as a blank, so a dot is written as a wildcard.
EXPECTED = [
    'bio::asks', 'bio::callsPointer', 'bio::second*1', 'bio::wrapsAsking', 'bio::wrapsPointer',
    'dynCall_*',
]


def main(script):
    with tempfile.TemporaryDirectory() as work:
        def path(name):
            return os.path.join(work, name)
        with open(path('module.wat'), 'w', encoding='utf-8') as text:
            text.write(MODULE)
        with open(path('glue.js'), 'w', encoding='utf-8') as glue:
            glue.write('function __asyncjs__page_message_box(text, title) {}\n')
        subprocess.run(['wasm-as', '-g', path('module.wat'), '-o', path('module.wasm')], check=True)
        subprocess.run(['wasm-dis', path('module.wasm'), '-o', path('plain.wat')], check=True)
        subprocess.run([sys.executable, script, path('plain.wat'), path('glue.js'), path('only.txt'),
                        'bio::*', 'dynCall_*'], check=True)
        with open(path('only.txt'), encoding='utf-8') as listing:
            listed = listing.read().split('\n')[:-1]
    if listed != EXPECTED:
        sys.exit(f'listed {listed}, expected {EXPECTED}')
    print('OK')


if __name__ == '__main__':
    main(*sys.argv[1:])
