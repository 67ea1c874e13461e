"""Writes the start-up benchmarks' data folders into FOLDER (scripts/bench-startup.sh,
scripts/bench-launcher.sh): full/agenda.dat, 255 notes from ten days ago, four a day (some
due today or tomorrow); none-due/agenda.dat, 255 notes from the day after tomorrow;
longterm/lonyrs.dat, 1024 records; empty/, nothing."""
import datetime
import os
import struct
import sys

folder = sys.argv[1]
for name in ("full", "none-due", "longterm", "empty"):
    os.makedirs(f"{folder}/{name}", exist_ok=True)


def note(day, text):  # 262 bytes: day, month, year (16 bits each), length, 255 text bytes
    raw = text.encode("cp1252")
    return struct.pack("<HHHB", day.day, day.month, day.year, len(raw)) + raw.ljust(255, b"\0")


today = datetime.date.today()


def agenda(first):
    return b"".join(note(today + datetime.timedelta(days=first + i // 4), f"Nota número {i}: revisar el plan")
                    for i in range(255))


open(f"{folder}/full/agenda.dat", "wb").write(agenda(-10))
open(f"{folder}/none-due/agenda.dat", "wb").write(agenda(2))


def record(i):  # 260 bytes: year, month (16 bits each), length, 255 text bytes
    raw = f"Registro a largo plazo número {i}".encode("cp1252")
    return struct.pack("<HHB", 2014 + i // 12, 1 + i % 12, len(raw)) + raw.ljust(255, b"\0")


open(f"{folder}/longterm/lonyrs.dat", "wb").write(b"".join(record(i) for i in range(1024)))
