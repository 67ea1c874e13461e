#!/usr/bin/python3
"""agenda end to end: data files made here byte by byte, its output read back by icalendar and csv."""
import atexit, csv, datetime, io, os, shlex, shutil, stat, struct, subprocess, tempfile, threading, unittest
import icalendar

AGENDA = shlex.split(os.environ["AGENDA"])  # the program, after Wine for a Windows build
WINDOWS = AGENDA[-1].lower().endswith(".exe")
ENV = {**os.environ, "LC_ALL": "C.UTF-8"}  # Wine reads the command line as UTF-8 then


def note(day, month, year, text):  # one agenda.dat record
    raw = text.encode("cp1252") if isinstance(text, str) else text
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


def run(path, *args, **kwargs):
    done = subprocess.run([*AGENDA, *args, "--dir", path], capture_output=True, env=ENV, **kwargs)
    done.stderr = done.stderr.replace(b"\r\n", b"\n")  # a Windows console program's text lines
    return done


def lines(done):  # standard output's text lines (an export's stays as it is written)
    return done.stdout.decode("utf-8").splitlines()


def data_path(path, name):  # a data file's path as agenda names it
    return (path + ("\\" if WINDOWS else "/") + name).encode()


def read(path, name="agenda.dat"):
    with open(os.path.join(path, name), "rb") as f:
        return f.read()


FILLER = [(1, 6, 2030, f"relleno {i}") for i in range(250)]  # pushes what follows past the 255th
LONG = ("Ñandú, á; " * 26)[:255]
NOTES = FILLER + [(31, 12, 2026, "Cena: uvas, cava; brindis"), (1, 1, 2027, "Año nuevo\r\nsegunda línea \\ fin"),
                  (1, 1, 2027, "Año nuevo\r\nsegunda línea \\ fin"), (31, 2, 2027, "imposible"),
                  (29, 2, 2100, "no bisiesto"), (1, 13, 2027, "mes 13"), (5, 5, 0, "año 0"),
                  (15, 6, 2027, LONG), (29, 2, 2028, "bisiesto \"sí\"")]
RECORDS = [(2027, 3, "Pasaporte, DNI; €"), (2027, 0, "mes cero"), (2031, 12, "Último\r\nplazo")]
FORMULAS = [(2, 2, 2027, "=1+1"), (2, 2, 2027, "+34 600"), (2, 2, 2027, "-5 grados"), (2, 2, 2027, "@SUM(A1)"),
            (2, 2, 2027, "\tTab"), (2, 2, 2027, "\r\nCR")]  # each one a formula to a spreadsheet


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

    def test_csv_read_back_formulas_neutralised(self):
        path = folder(NOTES + FORMULAS, RECORDS)
        shown = run(path, "export", "--csv")
        rows = list(csv.reader(io.StringIO(shown.stdout.decode("utf-8"), newline="")))
        self.assertEqual(rows, [["kind", "year", "month", "day", "text"]] +
                         [["note", str(y), str(m), str(d), t] for d, m, y, t in NOTES] +
                         [["note", "2027", "2", "2", "'" + t] for _, _, _, t in FORMULAS] +
                         [["longterm", str(y), str(m), "", t] for y, m, t in RECORDS])


class Out(unittest.TestCase):
    """--out: "-" is standard output, what is not a regular file is written through, a link is followed,
    and no spelling of a data file or its backup gets past the guard."""

    def setUp(self):
        self.path = folder([(5, 12, 2026, "hola")])
        self.csv = run(self.path, "export", "--csv").stdout

    def export(self, out, **kwargs):
        return run(self.path, "export", "--csv", "--out", out, **kwargs)

    def test_dash_is_standard_output_and_a_regular_file_is_replaced(self):
        done = self.export("-")
        self.assertEqual((done.returncode, done.stdout), (0, self.csv))
        out = os.path.join(self.path, "out.csv")
        with open(out, "wb") as f:
            f.write(b"old")
        self.assertEqual(self.export(out).returncode, 0)
        self.assertEqual(read(self.path, "out.csv"), self.csv)
        os.mkdir(os.path.join(self.path, "taken"))  # a folder where the file should go: nothing is written
        failed = self.export(os.path.join(self.path, "taken"))
        self.assertEqual((failed.returncode, failed.stderr.count(b"\n")), (2, 1))
        self.assertIn(b"cannot write", failed.stderr)
        self.assertEqual(sorted(os.listdir(self.path)), ["agenda.dat", "lonyrs.dat", "out.csv", "taken"])

    def test_every_data_file_and_backup_is_refused_whatever_the_spelling(self):
        for name in ("agenda.dat", "lonyrs.dat", "Tools.rel"):
            for suffix in ("", ".bak"):
                with open(os.path.join(self.path, name + suffix), "ab"):
                    pass
        os.mkdir(os.path.join(self.path, "sub"))
        before = {n: read(self.path, n) for n in os.listdir(self.path) if n != "sub"}
        spellings = ["Agenda.DAT", "lonyrs.dat.bak", "TOOLS.REL", "tools.rel.BAK", "sub/../agenda.dat"]
        spellings += ["agenda.dat.", "agenda.dat ", "lonyrs.dat...", "Tools.rel. .", "agenda.dat.bak ."] if WINDOWS \
            else ["alias.csv"]  # a link to agenda.dat (and, below, a second name of lonyrs.dat)
        if not WINDOWS:
            os.symlink("agenda.dat", os.path.join(self.path, "alias.csv"))
            os.link(os.path.join(self.path, "lonyrs.dat"), os.path.join(self.path, "hard.csv"))
            spellings.append("hard.csv")
        for out in spellings:
            with self.subTest(out=out):
                done = self.export(os.path.join(self.path, out))
                refusal = done.stderr.startswith(b"agenda: --out may not name a data file")
                self.assertEqual((done.returncode, refusal, done.stderr.count(b"\n")), (2, True, 1))
        self.assertEqual({n: read(self.path, n) for n in before}, before)

    @unittest.skipIf(WINDOWS, "devices, pipes and links as POSIX makes them")
    def test_devices_pipes_links_and_standard_output_are_written_through(self):
        done = self.export("/dev/stdout")  # a pipe here: ours
        self.assertEqual((done.returncode, done.stdout), (0, self.csv))
        with tempfile.TemporaryFile() as log:  # standard output as a file opened for appending: kept
            log.write(b"before\n")
            log.flush()
            done = subprocess.run([*AGENDA, "export", "--csv", "--dir", self.path, "--out", "/dev/stdout"],
                                  stdout=log, stderr=subprocess.PIPE)
            log.seek(0)
            self.assertEqual((done.returncode, log.read()), (0, b"before\n" + self.csv))
        pipe = os.path.join(self.path, "pipe")
        os.mkfifo(pipe)
        got = []
        reader = threading.Thread(target=lambda: got.append(open(pipe, "rb").read()))
        reader.start()
        done = self.export(pipe, timeout=30)
        reader.join(30)
        self.assertEqual((done.returncode, got), (0, [self.csv]))
        self.assertTrue(stat.S_ISFIFO(os.lstat(pipe).st_mode))
        with open(os.path.join(self.path, "target.csv"), "wb") as f:
            f.write(b"old")
        os.symlink("target.csv", os.path.join(self.path, "link.csv"))
        self.assertEqual(self.export(os.path.join(self.path, "link.csv")).returncode, 0)
        self.assertEqual((os.readlink(os.path.join(self.path, "link.csv")), read(self.path, "target.csv")),
                         ("target.csv", self.csv))
        if os.geteuid() != 0:
            self.skipTest("mknod needs root")
        for name, minor, status in (("null", 3, 0), ("full", 7, 2)):  # stand-ins for /dev/null and /dev/full
            device = os.path.join(self.path, name)
            os.mknod(device, 0o666 | stat.S_IFCHR, os.makedev(1, minor))
            done = self.export(device)
            self.assertEqual((done.returncode, stat.S_ISCHR(os.lstat(device).st_mode)), (status, True))
        self.assertIn(b"No space left on device", done.stderr)

    @unittest.skipUnless(WINDOWS, "a Windows device name")
    def test_nul_is_written_through(self):
        done = self.export("NUL", cwd=self.path)
        self.assertEqual((done.returncode, done.stderr), (0, b""))
        self.assertNotIn("NUL", os.listdir(self.path))


YEAR_END = [(1, 6, 2030, "relleno")] * 255 + [  # all but the first beyond the 255th
    (30, 12, 2026, "Martes"), (31, 12, 2026, "Nochevieja, ñ"), (1, 1, 2027, "Año\r\nnuevo"), (2, 1, 2027, "Sábado"),
    (4, 1, 2027, "Lunes"), (15, 1, 2027, "Quince"), (31, 1, 2027, "Fin de enero")]


class Commands(unittest.TestCase):
    def test_periods_around_the_year_end(self):
        path = folder(YEAR_END, [(2027, 1, "Boda")] * 1024 + [(2031, 7, "Retenido")])
        line_of = {"30": "30/12/2026 Mi Martes", "31": "31/12/2026 Ju Nochevieja, ñ", "1": "01/01/2027 Vy Año / nuevo",
                 "2": "02/01/2027 Sa Sábado", "4": "04/01/2027 Lu Lunes", "15": "15/01/2027 Vy Quince",
                 "e": "31/01/2027 Do Fin de enero"}
        table = [  # today, command and operand, exit status, the lines by key
            ("31/12/2026", ["due"], 0, "31 1"), ("30/12/2026", ["due"], 0, "30 31"), ("20/12/2026", ["due"], 1, ""),
            ("31/12/2026", ["list", "today"], 0, "31 1"), ("31/12/2026", ["list", "week"], 0, "30 31 1 2"),
            ("31/12/2026", ["list", "next-week"], 0, "4"), ("31/12/2026", ["list", "month"], 0, "30 31"),
            ("31/12/2026", ["list", "next-month"], 0, "1 2 4 15 e"), ("31/12/2026", ["list", "01/2027"], 0, "1 2 4 15 e"),
            ("01/01/2027", ["list", "next-month"], 0, "")]
        held = b"agenda: %s holds 262 notes; Tarvela shows the first 255 and keeps the others unchanged\n"
        for today, words, status, keys in table:
            with self.subTest(today=today, words=words):
                done = run(path, *words, "--today", today)
                self.assertEqual((done.returncode, lines(done), done.stderr),
                                 (status, [line_of[k] for k in keys.split()],
                                  held % data_path(path, "agenda.dat")))
        listed = run(path, "list").stdout.decode("utf-8").splitlines()
        self.assertEqual((len(listed), listed[-1]), (262, line_of["e"]))
        self.assertEqual(run(path, "longterm", "2031").stdout.splitlines(), ["2031 07 Retenido".encode()])

    def test_control_characters_are_shown_not_sent(self):
        path = folder([(5, 12, 2026, b"\x1b[31mrojo\x1b[0m\x00\x7f \x9d1;t\x07\t\x90fin"),
                       (5, 12, 2026, "cafe\x1b]2;x\x07")], [(2027, 3, "nada\x1b[2J")])
        shown = ["05/12/2026 Sa ^[[31mrojo^[[0m^@^? M-^]1;t^G\tM-^Pfin", "05/12/2026 Sa cafe^[]2;x^G"]
        self.assertEqual(lines(run(path, "list")), shown)
        self.assertEqual(lines(run(path, "due", "--today", "05/12/2026")), shown)
        self.assertEqual(lines(run(path, "longterm")), ["2027 03 nada^[[2J"])
        self.assertEqual(lines(run(path, "search", "CAFÉ")), shown[1:])

    def test_damage_is_said_on_standard_error(self):
        path = folder()
        agenda = os.path.join(path, "agenda.dat")
        for content, status, message in (
                (None, 1, b"agenda: %s does not exist: no notes\n"),
                (b"x", 1, b"agenda: %s ends in 1 byte that is not a whole note: left out\n"),
                (note(1, 1, 2027, "uno") + b"abc", 0, b"agenda: %s ends in 3 bytes that are not a whole note: left out\n")):
            if os.path.exists(agenda):
                os.remove(agenda)
            if content is not None:
                with open(agenda, "wb") as f:
                    f.write(content)
            with self.subTest(content=content):
                done = run(path, "due", "--today", "01/01/2027")
                self.assertEqual((done.returncode, done.stderr), (status, message % data_path(path, "agenda.dat")))
        os.remove(os.path.join(path, "lonyrs.dat"))
        self.assertEqual(run(path, "longterm").stderr,
                         b"agenda: %s does not exist: no records\n" % data_path(path, "lonyrs.dat"))

    def test_options_and_errors(self):
        empty, broken = folder(), folder()
        for name in ("agenda.dat", "lonyrs.dat"):
            os.remove(os.path.join(broken, name))
            os.mkdir(os.path.join(broken, name))  # there, but cannot be read
        table = [(empty + "/none", ["due"], 2, b"agenda: no folder"),
                 (broken, ["list"], 2, b"agenda: cannot read"), (broken, ["longterm"], 2, b"agenda: cannot read"),
                 (empty, ["list", "02/13"], 2, b"agenda: bad operand"), (empty, ["due", "--today", "31/02/2026"], 2,
                 b"agenda: bad date"), (empty, ["export"], 2, b"agenda: export needs --ics or --csv"),
                 (empty, ["export", "--ics", "--csv"], 2, b"agenda: --ics and --csv exclude each other"),
                 (empty, ["export", "--csv", "--out", "a", "--out=b"], 2, b"agenda: --out given twice"),
                 (empty, ["list", "--dry-run"], 2, b"agenda: --dry-run is for import"),
                 (empty, ["list", "--dir=" + empty], 2, b"agenda: --dir given twice"),
                 (empty, ["due", "--today=32/1/2027"], 2, b"agenda: bad date '32/1/2027'")]
        for path, words, status, message in table:
            with self.subTest(words=words):
                done = run(path, *words)
                self.assertEqual((done.returncode, done.stderr[:len(message)], done.stderr.count(b"\n")),
                                 (status, message, 1))
        done = subprocess.run([*AGENDA, "list", "--dir=" + empty, "--today=1/1/2027"], capture_output=True, env=ENV)
        self.assertEqual((done.returncode, done.stdout), (0, b""))
        helps = [subprocess.run([*AGENDA, *words], capture_output=True, env=ENV) for words in (["-h"], ["--help"])]
        self.assertEqual(helps[0].stdout, helps[1].stdout)
        self.assertIn(b"today (today and tomorrow)", helps[0].stdout)
        version = subprocess.run([*AGENDA, "--version"], capture_output=True, env=ENV)
        self.assertEqual((version.returncode, lines(version)), (0, ["agenda 1.0"]))
        with open("/dev/full", "wb") as full:  # a failed write to standard output is no success
            done = subprocess.run([*AGENDA, "export", "--csv", "--dir", empty], stdout=full, stderr=subprocess.PIPE)
        self.assertEqual((done.returncode, done.stderr.rstrip()), (2, b"agenda: cannot write to standard output"))


def notes_in(path):  # agenda.dat's notes as (day, month, year, text)
    raw = read(path)
    return [(*struct.unpack_from("<HHH", raw, at), raw[at + 7:at + 7 + raw[at + 6]].decode("cp1252"))
            for at in range(0, len(raw) - 261, 262)]


class Writing(unittest.TestCase):
    def test_add_inserts_by_date_and_saves_as_tarvela_does(self):
        path = folder([(1, 1, 2027, "uno"), (3, 1, 2027, "tres")])
        with open(os.path.join(path, "agenda.dat"), "ab") as f:
            f.write(b"pieza")  # not a whole note: said, and dropped by the save as the programs drop it
        original = read(path)
        done = run(path, "add", "2/1/2027", "dos,", "ñ", "€")
        self.assertEqual((done.returncode, lines(done)),
                         (0, [f"added to {data_path(path, 'agenda.dat').decode()}: 02/01/2027 Sa dos, ñ €"]))
        self.assertIn(b"ends in 5 bytes", done.stderr)
        self.assertEqual(read(path, "agenda.dat.bak"), original)
        for words in (["1/1/27", "otro uno"], ["3/1", "antes"], ["7", "linea 1\nlinea 2"]):  # short forms: today's
            self.assertEqual(run(path, "add", *words, "--today", "20/12/2026").returncode, 0)
        self.assertEqual(notes_in(path), [(3, 1, 2026, "antes"), (7, 12, 2026, "linea 1\r\nlinea 2"),
                                          (1, 1, 2027, "uno"), (1, 1, 2027, "otro uno"), (2, 1, 2027, "dos, ñ €"),
                                          (3, 1, 2027, "tres")])
        self.assertEqual(sorted(os.listdir(path)), ["agenda.dat", "agenda.dat.bak", "lonyrs.dat"])

    def test_refusals_write_nothing(self):
        full = folder([(1, 1, 2027, "nota")] * 300, [(2027, 1, "registro")] * 1024)
        before = {name: read(full, name) for name in ("agenda.dat", "lonyrs.dat")}
        table = [(["add", "31/02/2027", "x"], b"agenda: bad date '31/02/2027'"),
                 (["add", "1/1/2027", "Łódź"], "agenda: 'Ł' (U+0141) has no Windows-1252 form".encode()),
                 (["add", "1/1/2027", "x" * 255], b"agenda: the text has 255 characters, more than 254"),
                 (["add", "1/1/2027", "x" * 254], b"agenda: %s already holds 255 notes" % data_path(full, "agenda.dat")),
                 (["longterm", "add", "2027", "13", "x"], b"agenda: bad operand '13' (a month from 1 to 12)"),
                 (["longterm", "add", "2027", "5", "x"],
                  b"agenda: %s already holds 1024 records" % data_path(full, "lonyrs.dat"))]
        for words, message in table:
            with self.subTest(words=words[:3]):
                done = run(full, *words)
                errors = [line for line in done.stderr.splitlines() if b"holds 300 notes" not in line]
                self.assertEqual((done.returncode, done.stdout, len(errors), errors[0][:len(message)]),
                                 (2, b"", 1, message))
        self.assertEqual({name: read(full, name) for name in before}, before)
        self.assertEqual(sorted(os.listdir(full)), ["agenda.dat", "lonyrs.dat"])

    def test_longterm_add_appends_and_search_finds_every_word(self):
        path = folder([(5, 12, 2026, "Café con Íñigo"), (6, 12, 2026, "cafe solo")], [(2026, 1, "Renovar DNI")])
        done = run(path, "longterm", "add", "2027", "3", "Pasaporte", "y", "CAFÉ")
        self.assertEqual((done.returncode, lines(done)),
                         (0, [f"added to {data_path(path, 'lonyrs.dat').decode()}: 2027 03 Pasaporte y CAFÉ"]))
        self.assertEqual(read(path, "lonyrs.dat"), record(2026, 1, "Renovar DNI") + record(2027, 3, "Pasaporte y CAFÉ"))
        for words, status, found in ((["cafe"], 0, ["05/12/2026 Sa Café con Íñigo", "06/12/2026 Do cafe solo",
                                                    "2027 03 Pasaporte y CAFÉ"]),
                                     (["ÍÑIGO", "café"], 0, ["05/12/2026 Sa Café con Íñigo"]),
                                     (["cafe", "leche"], 1, [])):
            with self.subTest(words=words):
                done = run(path, "search", *words)
                self.assertEqual((done.returncode, lines(done)), (status, found))


def calendar_file(path, name, calendar, line_end=b"\r\n"):
    out = os.path.join(path, name)
    with open(out, "wb") as f:
        f.write(calendar.to_ical().replace(b"\r\n", line_end))
    return out


class Import(unittest.TestCase):
    def test_round_trip_through_export(self):
        notes = sorted([n for n in NOTES[250:] if n[:3] not in {(31, 2, 2027), (29, 2, 2100), (1, 13, 2027),
                                                                 (5, 5, 0)}], key=lambda n: (n[2], n[1], n[0]))
        records = [(2027, 3, "Pasaporte, DNI; €"), (2031, 12, "Último\r\nplazo")]
        source, target = folder(notes, records), folder()
        exported = os.path.join(source, "todo.ics")
        self.assertEqual(run(source, "export", "--ics", "--out", exported).returncode, 0)
        done = run(target, "import", exported)
        self.assertEqual((done.returncode, done.stderr), (0, b""))
        self.assertEqual(lines(done),
                         [f"imported {len(notes)} notes and 2 long-term records from {exported} into {target}"])
        for name in ("agenda.dat", "lonyrs.dat"):
            self.assertEqual(read(target, name), read(source, name), name)
        again = run(target, "import", exported)  # all there already: nothing added
        self.assertEqual(lines(again), [f"imported 0 notes and 0 long-term records from {exported} "
                                        f"into {target} ({len(notes) + 2} already there)"])
        self.assertEqual(read(target), read(source))

    def test_a_calendar_written_by_icalendar(self):
        calendar = icalendar.Calendar()
        calendar.add("prodid", "-//prueba//")
        calendar.add("version", "2.0")
        def component(kind, summary, start=None, **properties):
            c = kind()
            c.add("summary", summary)
            if start:
                c.add("dtstart", start)
            for key, value in properties.items():
                c.add(key, value)
            calendar.add_component(c)
            return c
        long = "Orden del día: presupuesto, obras; \\ derrama. " * 4  # folded over several lines, escapes
        component(icalendar.Event, "Reunión, sala; 3\\4", datetime.date(2027, 1, 5), description=long[:150])
        alarm = icalendar.Alarm()
        alarm.add("action", "DISPLAY")
        alarm.add("description", "aviso")  # the alarm's, not the event's
        component(icalendar.Event, "Cena", datetime.datetime(2027, 1, 6, 18, 30, tzinfo=datetime.timezone.utc),
                  description="Cena\nen casa").add_component(alarm)
        component(icalendar.Event, "Yoga", datetime.date(2027, 1, 4), rrule={"freq": "weekly"})
        component(icalendar.Event, "Łódź y 東京", datetime.date(2027, 1, 7))
        component(icalendar.Event, "sin fecha")
        component(icalendar.Journal, "Pasaporte", datetime.date(2027, 3, 1))
        expected = [(4, 1, 2027, "Yoga"), (5, 1, 2027, ("Reunión, sala; 3\\4\n" + long[:150]).replace("\n", "\r\n")),
                    (6, 1, 2027, "Cena\r\nen casa"), (7, 1, 2027, "Lódz y ??")]
        for line_end in (b"\r\n", b"\n"):
            with self.subTest(line_end=line_end):
                path = folder()
                ics = calendar_file(path, "otra.ics", calendar, line_end)
                dry = run(path, "import", ics, "--dry-run")
                self.assertEqual((dry.returncode, lines(dry)[-1]),
                                 (0, f"would import 4 notes and 1 long-term record from {ics} into {path}; "
                                     "nothing written"))
                self.assertEqual((read(path), read(path, "lonyrs.dat")), (b"", b""))
                done = run(path, "import", ics)
                self.assertEqual((done.returncode, done.stderr.decode("utf-8").splitlines()),
                                 (0, ["agenda: 1 recurring entry taken once, on the day it starts",
                                      "agenda: 4 characters with no Windows-1252 form given the nearest letter or ?",
                                      "agenda: 1 entry left out: no calendar date"]))
                self.assertEqual(notes_in(path), expected)
                self.assertEqual(read(path, "lonyrs.dat"), record(2027, 3, "Pasaporte"))

    def test_what_does_not_fit_is_reported(self):
        path = folder([(1, 1, 2027, "nota")] * 254, [(2027, 1, "registro")] * 1023)
        calendar = icalendar.Calendar()
        for kind, day in ((icalendar.Event, 2), (icalendar.Event, 3), (icalendar.Journal, 1), (icalendar.Journal, 1)):
            entry = kind()
            entry.add("summary", f"nuevo {day}")
            entry.add("dtstart", datetime.date(2027, 2, day))
            calendar.add_component(entry)
        done = run(path, "import", calendar_file(path, "llena.ics", calendar))
        self.assertEqual((done.returncode, done.stderr.decode("utf-8").splitlines()), (0, [
            f"agenda: 1 event did not fit: {data_path(path, 'agenda.dat').decode()} holds 255 notes",
            f"agenda: 1 journal entry did not fit: {data_path(path, 'lonyrs.dat').decode()} holds 1024 records"]))
        self.assertEqual((len(notes_in(path)), notes_in(path)[-1]), (255, (2, 2, 2027, "nuevo 2")))
        self.assertEqual(len(read(path, "lonyrs.dat")), 1024 * 260)


if __name__ == "__main__":
    unittest.main()
