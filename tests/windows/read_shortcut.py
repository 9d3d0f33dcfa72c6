#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Prints the target and the working directory of a Windows shortcut (.lnk), one a line.

Shell Link format: a 76-byte header whose flags say which parts follow; the target's local
path is in the LinkInfo part (in UTF-16 where its header is long enough), the working
directory the third of the strings after it."""

import struct
import sys

data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 20)[0]
at = 76 + (2 + struct.unpack_from("<H", data, 76)[0] if flags & 0x1 else 0)  # the ID list
target = ""
if flags & 0x2:  # LinkInfo
    size, header_size, _, _, ansi_path = struct.unpack_from("<5I", data, at)
    if header_size >= 0x24:
        start = end = at + struct.unpack_from("<I", data, at + 28)[0]
        while data[end:end + 2] != b"\0\0":
            end += 2
        target = data[start:end].decode("utf-16-le")
    else:
        target = data[at + ansi_path:data.index(b"\0", at + ansi_path)].decode("cp1252")
    at += size
strings, width = {}, 2 if flags & 0x80 else 1
for name, flag in (("name", 0x4), ("relative path", 0x8), ("working directory", 0x10)):
    if flags & flag:
        count = struct.unpack_from("<H", data, at)[0]
        strings[name] = data[at + 2:at + 2 + count * width].decode(
            "utf-16-le" if width == 2 else "cp1252")
        at += 2 + count * width
print(target)
print(strings.get("working directory", ""))
