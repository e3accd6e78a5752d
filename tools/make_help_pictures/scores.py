#!/usr/bin/env python3
"""Writes the best scores and names the manual's pictures show into a data folder.

Record files: 128-byte records, each a tagged value (2-byte type: 2 a 16-bit
integer, 8 a text with a 2-byte length), texts in windows-1253.
"""
import struct
import sys
from pathlib import Path


def record(value):
    if isinstance(value, int):
        data = struct.pack("<hh", 2, value)
    else:
        text = value.encode("cp1253")
        data = struct.pack("<hh", 8, len(text)) + text
    return data.ljust(128, b"\0")


def table(path, places):
    scores = [record(score) for score, _ in places]
    names = [record(name) for _, name in places]
    path.write_bytes(b"".join(scores + names))


folder = Path(sys.argv[1])
table(folder / "skor.qdx", [(142, "Ada"), (120, "Νίκος"), (96, "Grace"), (64, "Μαρία"), (30, "Alan")])
table(folder / "skorP.qdx", [(1480, "Ελένη"), (1210, "Ada"), (860, "Νίκος"), (540, "Grace"), (300, "Alan")])
(folder / "names.QDX").write_bytes(b"".join(record(n) for n in ["Ada", "Νίκος", "Grace", "Μαρία", "Alan", "Ελένη"]))
