#!/usr/bin/env python3
"""Reads the macros stored in Macro.cfg for the macro page's end-to-end tests.

usage: macro_cfg.py FILE list           one line per stored macro:
                                        "id loop_count event_count event..." (hexadecimal)
       macro_cfg.py FILE events ID      its events, one a line: "press 41", "release 41"
                                        (key codes hexadecimal) or "delay 250" (ms)
       macro_cfg.py FILE name ID        its stored name
       macro_cfg.py FILE named NAME     the ids of the macros called NAME
A missing file holds no macros.
"""
import struct
import sys

RECORD = 4104
MAGIC = 0xE8E80010
NAME_AT, NAME_BYTES = 4024, 80


def macros(path):
    try:
        with open(path, "rb") as f:
            data = f.read()
    except FileNotFoundError:
        return
    for at in range(0, len(data) - RECORD + 1, RECORD):
        words = struct.unpack_from("<6I", data, at)
        if words[1] != MAGIC:
            continue
        count = words[5]
        events = struct.unpack_from("<%dI" % min(count, (NAME_AT - 24) // 4), data, at + 24)
        raw = data[at + NAME_AT:at + NAME_AT + NAME_BYTES].decode("utf-16-le", "replace")
        yield "%08x" % words[2], words[4], count, events, raw.split("\0", 1)[0]


def event_text(event):
    kind, value = event >> 24, event & 0xFFFFFF
    if kind == 0xC0:
        return "press %x" % value
    if kind == 0xE0:
        return "release %x" % value
    if kind == 0xA0:
        return "delay %d" % value
    return "unknown %08x" % event


def main(path, command, *args):
    for ident, loops, count, events, name in macros(path):
        if command == "list":
            print(" ".join(["%s %08x %08x" % (ident, loops, count)] + ["%08x" % e for e in events]))
        elif command == "events" and ident == args[0]:
            for event in events:
                print(event_text(event))
        elif command == "name" and ident == args[0]:
            print(name)
        elif command == "named" and name == args[0]:
            print(ident)


main(*sys.argv[1:])
