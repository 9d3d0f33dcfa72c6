#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Prints the target and the working directory of a Windows shortcut (.lnk), one a line.

The Shell Link format: a 76-byte header whose flags say which parts follow; the target's
local path is in the LinkInfo part, the working directory among the strings after it.
"""

import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x1, 0x2, 0x80
STRINGS = (("name", 0x4), ("relative path", 0x8), ("working directory", 0x10),
           ("arguments", 0x20), ("icon", 0x40))


def read_shortcut(data):
    if data[:4] != b"\x4c\x00\x00\x00":
        raise ValueError("not a shell link")
    flags = struct.unpack_from("<I", data, 20)[0]
    at = 76
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = ""
    if flags & HAS_LINK_INFO:
        size, header_size, _, _, base_path = struct.unpack_from("<5I", data, at)
        if header_size >= 0x24:  # the path in UTF-16 too
            start = end = at + struct.unpack_from("<I", data, at + 28)[0]
            while data[end:end + 2] != b"\x00\x00":
                end += 2
            target = data[start:end].decode("utf-16-le")
        else:
            start = at + base_path
            target = data[start:data.index(b"\x00", start)].decode("cp1252")
        at += size
    strings = {}
    for name, flag in STRINGS:
        if flags & flag:
            count = struct.unpack_from("<H", data, at)[0]
            width = 2 if flags & IS_UNICODE else 1
            raw = data[at + 2:at + 2 + count * width]
            strings[name] = raw.decode("utf-16-le" if width == 2 else "cp1252")
            at += 2 + count * width
    return target, strings.get("working directory", "")


if __name__ == "__main__":
    with open(sys.argv[1], "rb") as link:
        for line in read_shortcut(link.read()):
            print(line)
