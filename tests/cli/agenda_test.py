#!/usr/bin/python3
"""agenda end to end: data files made here byte by byte, its output read back by icalendar and csv."""
import atexit, csv, datetime, io, os, shlex, shutil, struct, subprocess, tempfile, unittest
import icalendar

AGENDA = shlex.split(os.environ["AGENDA"])  # the program, after Wine for a Windows build


def note(day, month, year, text):  # one agenda.dat record
    raw = text.encode("cp1252")
    return struct.pack("<HHHB", day, month, year, len(raw)) + raw.ljust(255, b"\0")


def record(year, month, text):  # one lonyrs.dat record
    raw = text.encode("cp1252")
    return struct.pack("<HHB", year, month, len(raw)) + raw.ljust(255, b"\0")


def folder(notes=(), records=()):
    path = tempfile.mkdtemp()
    atexit.register(shutil.rmtree, path, True)
    for name, rows, pack in (("agenda.dat", notes, note), ("lonyrs.dat", records, record)):
        with open(os.path.join(path, name), "wb") as f:
            f.write(b"".join(pack(*row) for row in rows))
    return path


def run(path, *args):
    return subprocess.run([*AGENDA, *args, "--dir", path], capture_output=True)


FILLER = [(1, 6, 2030, f"relleno {i}") for i in range(250)]  # pushes what follows past the 255th
LONG = ("Ñandú, á; " * 26)[:255]
NOTES = FILLER + [(31, 12, 2026, "Cena: uvas, cava; brindis"), (1, 1, 2027, "Año nuevo\r\nsegunda línea \\ fin"),
                  (1, 1, 2027, "Año nuevo\r\nsegunda línea \\ fin"), (31, 2, 2027, "imposible"),
                  (29, 2, 2100, "no bisiesto"), (1, 13, 2027, "mes 13"), (5, 5, 0, "año 0"),
                  (15, 6, 2027, LONG), (29, 2, 2028, "bisiesto \"sí\"")]
RECORDS = [(2027, 3, "Pasaporte, DNI; €"), (2027, 0, "mes cero"), (2031, 12, "Último\r\nplazo")]


class Export(unittest.TestCase):
    def test_icalendar_read_back(self):
        path = folder(NOTES, RECORDS)
        first, second = run(path, "export", "--ics"), run(path, "export", "--ics")
        self.assertEqual(first.returncode, 0)
        self.assertIn(b"5 records left out", first.stderr)
        raw = first.stdout
        self.assertTrue(raw.endswith(b"\r\n"))
        self.assertEqual((raw.count(b"\r"), raw.count(b"\n")), (raw.count(b"\r\n"),) * 2)  # no bare CR or LF
        for line in raw.split(b"\r\n"):
            self.assertLessEqual(len(line), 75, line.decode("utf-8"))  # decode fails on a split character
        calendar = icalendar.Calendar.from_ical(raw.decode("utf-8"))
        valid = [n for n in NOTES if n[:3] not in {(31, 2, 2027), (29, 2, 2100), (1, 13, 2027), (5, 5, 0)}]
        events = [(e.decoded("dtstart"), str(e["summary"]), str(e["description"])) for e in calendar.walk("VEVENT")]
        self.assertEqual(events, [(datetime.date(y, m, d), t.split("\r\n")[0], t.replace("\r\n", "\n"))
                                  for d, m, y, t in valid])
        journals = [(j.decoded("dtstart"), str(j["description"])) for j in calendar.walk("VJOURNAL")]
        self.assertEqual(journals, [(datetime.date(2027, 3, 1), RECORDS[0][2]),
                                    (datetime.date(2031, 12, 1), "Último\nplazo")])
        uids = [str(c["uid"]) for c in calendar.walk() if "uid" in c]
        self.assertEqual(len(set(uids)), len(valid) + 2)  # the two equal notes too
        self.assertEqual(uids, [str(c["uid"]) for c in icalendar.Calendar.from_ical(second.stdout).walk() if "uid" in c])

    def test_csv_read_back_and_out_file(self):
        path = folder(NOTES, RECORDS)
        shown = run(path, "export", "--csv")
        rows = list(csv.reader(io.StringIO(shown.stdout.decode("utf-8"), newline="")))
        self.assertEqual(rows, [["kind", "year", "month", "day", "text"]] +
                         [["note", str(y), str(m), str(d), t] for d, m, y, t in NOTES] +
                         [["longterm", str(y), str(m), "", t] for y, m, t in RECORDS])
        out = os.path.join(path, "out.csv")
        self.assertEqual(run(path, "export", "--csv", "--out", out).returncode, 0)
        with open(out, "rb") as f:
            self.assertEqual(f.read(), shown.stdout)
        os.mkdir(os.path.join(path, "taken"))  # a folder where the file should go: the rename fails
        failed = run(path, "export", "--csv", "--out", os.path.join(path, "taken"))
        self.assertEqual(failed.returncode, 2)
        self.assertIn(b"cannot write", failed.stderr)
        self.assertEqual(sorted(os.listdir(path)), ["agenda.dat", "lonyrs.dat", "out.csv", "taken"])


YEAR_END = [(1, 6, 2030, "relleno")] * 255 + [  # all but the first beyond the 255th
    (30, 12, 2026, "Martes"), (31, 12, 2026, "Nochevieja, ñ"), (1, 1, 2027, "Año\r\nnuevo"), (2, 1, 2027, "Sábado"),
    (4, 1, 2027, "Lunes"), (15, 1, 2027, "Quince"), (31, 1, 2027, "Fin de enero")]


class Commands(unittest.TestCase):
    def test_periods_around_the_year_end(self):
        path = folder(YEAR_END, [(2027, 1, "Boda")] * 1024 + [(2031, 7, "Retenido")])
        lines = {"30": "30/12/2026 Mi Martes", "31": "31/12/2026 Ju Nochevieja, ñ", "1": "01/01/2027 Vy Año / nuevo",
                 "2": "02/01/2027 Sa Sábado", "4": "04/01/2027 Lu Lunes", "15": "15/01/2027 Vy Quince",
                 "e": "31/01/2027 Do Fin de enero"}
        table = [  # today, command and operand, exit status, the lines by key
            ("31/12/2026", ["due"], 0, "31 1"), ("30/12/2026", ["due"], 0, "30 31"), ("20/12/2026", ["due"], 1, ""),
            ("31/12/2026", ["list", "today"], 0, "31 1"), ("31/12/2026", ["list", "week"], 0, "30 31 1 2"),
            ("31/12/2026", ["list", "next-week"], 0, "4"), ("31/12/2026", ["list", "month"], 0, "30 31"),
            ("31/12/2026", ["list", "next-month"], 0, "1 2 4 15 e"), ("31/12/2026", ["list", "01/2027"], 0, "1 2 4 15 e"),
            ("01/01/2027", ["list", "next-month"], 0, "")]
        for today, words, status, keys in table:
            with self.subTest(today=today, words=words):
                done = run(path, *words, "--today", today)
                self.assertEqual((done.returncode, done.stdout.decode("utf-8").splitlines()),
                                 (status, [lines[k] for k in keys.split()]))
        listed = run(path, "list").stdout.decode("utf-8").splitlines()
        self.assertEqual((len(listed), listed[-1]), (262, lines["e"]))
        self.assertEqual(run(path, "longterm", "2031").stdout.splitlines(), ["2031 07 Retenido".encode()])

    def test_errors(self):
        empty, broken = folder(), folder()
        os.remove(os.path.join(empty, "agenda.dat"))  # a missing agenda.dat is an empty one
        for name in ("agenda.dat", "lonyrs.dat"):
            os.remove(os.path.join(broken, name))
            os.mkdir(os.path.join(broken, name))  # there, but cannot be read
        table = [(empty, ["due"], 1, b""), (empty + "/none", ["due"], 2, b"agenda: no folder"),
                 (broken, ["list"], 2, b"agenda: cannot read"), (broken, ["longterm"], 2, b"agenda: cannot read"),
                 (empty, ["list", "02/13"], 2, b"agenda: bad operand"), (empty, ["due", "--today", "31/02/2026"], 2,
                 b"agenda: bad date"), (empty, ["export"], 2, b"agenda: export needs --ics or --csv"),
                 (empty, ["export", "--csv", "--out", empty + "/Agenda.DAT"], 2, b"agenda: --out may not name a data")]
        for path, words, status, message in table:
            with self.subTest(words=words):
                done = run(path, *words)
                self.assertEqual((done.returncode, done.stderr[:len(message)], done.stderr.count(b"\n")),
                                 (status, message, 1 if message else 0))
        with open("/dev/full", "wb") as full:  # a failed write to standard output is no success
            done = subprocess.run([*AGENDA, "export", "--csv", "--dir", empty], stdout=full, stderr=subprocess.PIPE)
        self.assertEqual((done.returncode, done.stderr.rstrip()), (2, b"agenda: cannot write to standard output"))


if __name__ == "__main__":
    unittest.main()
