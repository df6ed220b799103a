#!/usr/bin/env python3
"""Prints a Windows shortcut's (.lnk) target and working folder, one a line, as the shell
reads them (MS-SHLLINK: the link information's local path, the StringData's working folder)."""
import struct
import sys

data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 20)[0]
pos = 76
if flags & 0x01:  # HasLinkTargetIDList
    pos += 2 + struct.unpack_from("<H", data, pos)[0]
target = ""
if flags & 0x02:  # HasLinkInfo
    size, header = struct.unpack_from("<II", data, pos)
    if header >= 0x24:
        unicode_offset = struct.unpack_from("<I", data, pos + 28)[0]
        end = data.index(b"\0\0", pos + unicode_offset)
        end += (end - pos - unicode_offset) % 2
        target = data[pos + unicode_offset:end].decode("utf-16-le")
    else:
        base_offset = struct.unpack_from("<I", data, pos + 16)[0]
        target = data[pos + base_offset:data.index(b"\0", pos + base_offset)].decode("cp932", "replace")
    pos += size
strings = {}
for bit, name in ((0x04, "name"), (0x08, "relative"), (0x10, "workdir"), (0x20, "args"), (0x40, "icon")):
    if flags & bit:
        count = struct.unpack_from("<H", data, pos)[0]
        strings[name] = data[pos + 2:pos + 2 + 2 * count].decode("utf-16-le").rstrip("\0")
        pos += 2 + 2 * count
print(target)
print(strings.get("workdir", ""))
