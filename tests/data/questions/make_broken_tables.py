#!/usr/bin/env python3
"""Writes the broken question tables the tests open. Each is a small valid
question table with one fault put in by hand. Run from this folder."""
import struct

FIELDS = [(b"NN", b"N", 2, 0), (b"QQ", b"C", 254, 0)] + \
         [(b"A%d" % i, b"C", 100, 0) for i in range(1, 5)] + [(b"ZN", b"N", 1, 0)]


def table(fields=FIELDS, records=2, header_length=None, record_length=None, version=3,
          encrypted=0):
    hl = header_length if header_length is not None else 32 + 32 * len(fields) + 1
    rl = record_length if record_length is not None else 1 + sum(f[2] for f in fields)
    head = struct.pack("<B3BIHH3xB12x4x", version, 99, 1, 2, records, hl, rl, encrypted)
    desc = b"".join(struct.pack("<11sc4xBB14x", n, t, l & 0xFF, d) for n, t, l, d in fields)
    body = b"".join(b" " + b"x" * (rl - 1) for _ in range(records))
    return head + desc + b"\r" + body + b"\x1a"


def write(name, data):
    with open(name, "wb") as f:
        f.write(data)


write("empty.dbf", b"")
write("truncated_header.dbf", table()[:20])
write("truncated_descriptors.dbf", table()[:100])
write("bad_version.dbf", b"\x02" + table()[1:])
write("encrypted.dbf", table(encrypted=1))
write("lying_header_length.dbf", table(header_length=60000))
write("short_header_length.dbf", table(header_length=20))
write("record_length_zero.dbf", table(record_length=0))
write("lengths_not_adding_up.dbf", table(record_length=700))
write("field_past_record.dbf", table(record_length=300))
# Thousands of descriptors claimed, junk where most of them should be.
junk = table(header_length=65000)
write("thousands_of_descriptors.dbf", junk[:32 + 7 * 32] + b"J" * 65000 + junk[32 + 7 * 32:])
# A writer that keeps decimals in the high length byte of text fields: the
# lengths add up only without it, and the table must read.
decimals = [(n, t, l, 2 if t == b"C" else d) for n, t, l, d in FIELDS]
write("decimals_in_text_fields.dbf", table(fields=decimals))
