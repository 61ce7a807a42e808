#!/usr/bin/env python3
"""Reads and writes question tables with dBASE tools written elsewhere, so the
tests can hold our table access against them.

  dbf_interop.py write PATH ROWS_JSON   python3-dbf writes a question table;
                                        ROWS_JSON is a list of
                                        [level or null, QQ, A1, A2, A3, A4, ZN, deleted]
  dbf_interop.py read PATH              python3-dbfread prints the header's record
                                        count and the active records as JSON, texts
                                        as Latin-1 so every byte comes through
"""
import json
import sys


def write(path, rows):
    import dbf
    table = dbf.Table(path, "NN N(2,0); QQ C(254); A1 C(100); A2 C(100); A3 C(100); "
                            "A4 C(100); ZN N(1,0)", codepage="cp866", dbf_type="db3")
    table.open(dbf.READ_WRITE)
    for row in rows:
        table.append(tuple(row[:7]))
        if row[7]:
            dbf.delete(table[-1])
    table.close()


def read(path):
    import dbfread
    table = dbfread.DBF(path, encoding="latin-1", char_decode_errors="strict")
    records = [{name: value for name, value in record.items()} for record in table]
    json.dump({"count": table.header.numrecords, "records": records}, sys.stdout)


if __name__ == "__main__":
    if sys.argv[1] == "write":
        write(sys.argv[2], json.loads(sys.argv[3]))
    else:
        read(sys.argv[2])
