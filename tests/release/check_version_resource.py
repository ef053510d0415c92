#!/usr/bin/env python3
"""Check that Windows files carry the project version in their version resource.

usage: check_version_resource.py VERSION FILE...
Both the fixed numbers (VS_FIXEDFILEINFO) and the FileVersion / ProductVersion
strings must equal VERSION (x.y.z); each file must hold exactly one resource."""
import struct
import sys

FIXED_SIGNATURE = struct.pack("<I", 0xFEEF04BD)


def string_value(data, key):
    """The UTF-16 value stored after the key, or None."""
    marker = (key + "\0").encode("utf-16-le")
    at = data.find(marker)
    if at < 0:
        return None
    at += len(marker)
    while at + 1 < len(data) and data[at:at + 2] == b"\0\0":  # padding to 32 bits
        at += 2
    end = at
    while end + 1 < len(data) and data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le")


def problems(path, version):
    major, minor, patch = (int(p) for p in version.split("."))
    with open(path, "rb") as f:
        data = f.read()
    found = []
    if data.count(FIXED_SIGNATURE) != 1:
        return ["%d fixed version blocks, expected 1" % data.count(FIXED_SIGNATURE)]
    at = data.find(FIXED_SIGNATURE)
    _, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", data, at)
    want = ((major << 16) | minor, patch << 16)
    if (file_ms, file_ls) != want:
        found.append("file version %d.%d.%d.%d" % (file_ms >> 16, file_ms & 0xFFFF, file_ls >> 16, file_ls & 0xFFFF))
    if (product_ms, product_ls) != want:
        found.append("product version numbers differ")
    for key in ("FileVersion", "ProductVersion"):
        text = string_value(data, key)
        if text != version:
            found.append("%s is %r" % (key, text))
    return found


def main():
    version, files = sys.argv[1], sys.argv[2:]
    failed = 0
    for path in files:
        found = problems(path, version)
        print("%s: %s" % (path, "; ".join(found) if found else "version " + version))
        failed += bool(found)
    return 1 if failed or not files else 0


if __name__ == "__main__":
    sys.exit(main())
