// Tarvela end to end: the real program in a fresh folder, driven like a user would.
#include <windows.h>
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include "tests/win32/driver.h"

using namespace std::chrono;
using driver::Answer;
using driver::Click;
using driver::ClickAsync;
using driver::ControlText;
using driver::ListLines;

namespace {

// Control ids of the main dialog
constexpr int LeaveSaving = 1, Leave = 2, Commit = 3, Delete = 4, NewNote = 5;
constexpr int AllNotes = 50, TodayAndTomorrow = 51, ThisWeek = 52, NextWeek = 53, ThisMonth = 55,
              NextMonth = 56, ChosenMonth = 57, MonthCombo = 60, YearCombo = 61;
constexpr int WeekdayLabel = 10, NoteList = 100, NoteText = 110, NoteDate = 112;
constexpr size_t RecordSize = 262;

const char *const DayNames[] = {"domingo", "lunes", "martes", "mi\xE9rcoles", "jueves", "viernes", "s\xE1" "bado"};
const char *const DayAbbreviations[] = {"Do", "Lu", "Ma", "Mi", "Ju", "Vy", "Sa"};

struct Note {
    unsigned day, month, year;
    std::string text;
};

sys_days Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return sys_days{year{now.wYear} / month{now.wMonth} / day{now.wDay}};
}

Note NoteOn(sys_days when, const std::string &text) {
    const year_month_day date{when};
    return {unsigned(date.day()), unsigned(date.month()), static_cast<unsigned>(int(date.year())), text};
}

bool IsValid(const Note &note) {
    return year_month_day{year(static_cast<int>(note.year)) / month(note.month) / day(note.day)}.ok();
}

sys_days DayOf(const Note &note) {
    return sys_days{year(static_cast<int>(note.year)) / month(note.month) / day(note.day)};
}

std::string DateText(const Note &note) {
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%u", note.day, note.month, note.year);
    return text;
}

std::string WeekdayName(sys_days when) { return DayNames[weekday{when}.c_encoding()]; }

std::string Line(const Note &note) {
    return DateText(note) + " " + DayAbbreviations[weekday{DayOf(note)}.c_encoding()] + " " + note.text;
}

std::vector<uint8_t> Record(const Note &note) {
    std::vector<uint8_t> bytes(RecordSize, 0);
    const unsigned fields[] = {note.day, note.month, note.year};
    for (size_t i = 0; i < 3; ++i) {
        bytes[2 * i] = static_cast<uint8_t>(fields[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<uint8_t>(fields[i] >> 8);
    }
    bytes[6] = static_cast<uint8_t>(note.text.size());
    std::copy(note.text.begin(), note.text.end(), bytes.begin() + 7);
    return bytes;
}

Note FromRecord(const uint8_t *bytes) {
    return {bytes[0] + 256u * bytes[1], bytes[2] + 256u * bytes[3], bytes[4] + 256u * bytes[5],
            std::string(reinterpret_cast<const char *>(bytes + 7), bytes[6])};
}

std::vector<std::string> LinesOf(const std::vector<Note> &notes, const std::function<bool(sys_days)> &inPeriod) {
    std::vector<std::string> lines;
    for (const Note &note : notes)
        if (IsValid(note) && inPeriod(DayOf(note))) lines.push_back(Line(note));
    return lines;
}

class Tarvela : public ::testing::Test {
  protected:
    driver::TempFolder folder;
    std::unique_ptr<driver::Program> program;
    HWND dialog = nullptr;
    const sys_days today = Today();

    std::string AgendaPath() const { return folder.File("agenda.dat"); }

    void WriteAgenda(const std::vector<Note> &notes) {
        std::vector<uint8_t> bytes;
        for (const Note &note : notes) {
            const auto record = Record(note);
            bytes.insert(bytes.end(), record.begin(), record.end());
        }
        driver::WriteFileBytes(AgendaPath(), bytes);
    }

    std::vector<Note> ReadAgenda() const {
        const auto bytes = driver::ReadFileBytes(AgendaPath());
        EXPECT_EQ(bytes.size() % RecordSize, 0u);
        std::vector<Note> notes;
        for (size_t at = 0; at + RecordSize <= bytes.size(); at += RecordSize) notes.push_back(FromRecord(&bytes[at]));
        return notes;
    }

    void Launch(const std::string &arguments = "") {
        program = std::make_unique<driver::Program>(TARVELA_EXE, folder.Path(), arguments);
    }

    void Start(const std::string &arguments = "") {
        Launch(arguments);
        dialog = driver::WaitForDialog(program->Id(), "Mi agenda");
        ASSERT_NE(dialog, nullptr) << "the main dialog did not open";
    }

    // Waits for a box, checks its text, answers it.
    void ExpectBox(const std::string &caption, const std::string &text, int answer) {
        const HWND box = driver::WaitForMessageBox(program->Id(), caption);
        ASSERT_NE(box, nullptr) << "no message box \"" << caption << "\"";
        EXPECT_EQ(driver::MessageBoxText(box), text);
        Answer(box, answer);
        driver::WaitUntil([&] { return !IsWindow(box); });
    }

    bool NoBoxWithin(DWORD milliseconds) {
        Sleep(milliseconds);
        return driver::FindDialog(program->Id(), "") == dialog;
    }

    void ExpectExit() {
        DWORD code = 999;
        ASSERT_TRUE(program->WaitForExit(code)) << "the program did not end";
        EXPECT_EQ(code, 0u);
    }

    void AddNote(const std::string &date, const std::string &text) {
        driver::SetText(dialog, NoteDate, date);
        driver::SetText(dialog, NoteText, text);
        Click(dialog, Commit);
    }

    std::vector<std::string> List() const { return ListLines(dialog, NoteList); }
};

TEST_F(Tarvela, OpensOnAllNotesWithTodayInTheEditor) {
    Start();
    const Note now = NoteOn(today, "");
    EXPECT_EQ(driver::WindowText(dialog), "Mi agenda  (hoy: " + WeekdayName(today) + " " + DateText(now) + ")");
    EXPECT_TRUE(driver::IsChecked(dialog, AllNotes));
    EXPECT_FALSE(driver::IsChecked(dialog, TodayAndTomorrow));
    EXPECT_EQ(ControlText(dialog, NoteDate), DateText(now));
    EXPECT_EQ(ControlText(dialog, WeekdayLabel), WeekdayName(today));
    EXPECT_EQ(driver::FocusedControl(dialog), NoteDate);
    EXPECT_TRUE(List().empty());

    const std::vector<std::string> months = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio",
                                             "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
    EXPECT_EQ(driver::ComboItems(dialog, MonthCombo), months);
    EXPECT_EQ(driver::ComboSelectionIndex(dialog, MonthCombo), static_cast<int>(now.month) - 1);
    std::vector<std::string> years;
    for (unsigned y = now.year; y < now.year + 10; ++y) years.push_back(std::to_string(y));
    EXPECT_EQ(driver::ComboItems(dialog, YearCombo), years);
    EXPECT_EQ(driver::ComboSelectionIndex(dialog, YearCombo), 0);

    ClickAsync(dialog, Leave); // nothing changed: no question
    ExpectExit();
    EXPECT_FALSE(driver::FileExists(AgendaPath()));
}

TEST_F(Tarvela, StartupModeShowsOnlyWhenSomethingIsDue) {
    WriteAgenda({NoteOn(today + days{10}, "later")});
    Launch("1");
    bool shown = false;
    DWORD code = 999;
    driver::WaitUntil([&] {
        shown = shown || driver::FindDialog(program->Id(), "Mi agenda") != nullptr;
        return !program->Running();
    });
    ASSERT_TRUE(program->WaitForExit(code, 0)) << "start-up mode with nothing due must end";
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(shown);

    const std::vector<Note> notes = {NoteOn(today + days{1}, "tomorrow"), NoteOn(today + days{10}, "later")};
    WriteAgenda(notes);
    Start("1");
    EXPECT_TRUE(driver::IsChecked(dialog, TodayAndTomorrow));
    EXPECT_FALSE(driver::IsChecked(dialog, AllNotes));
    EXPECT_EQ(List(), std::vector<std::string>{Line(notes[0])});
    Click(dialog, AllNotes);
    EXPECT_EQ(List(), (std::vector<std::string>{Line(notes[0]), Line(notes[1])}));
}

TEST_F(Tarvela, StartupModeNeverDropsChangedNotes) {
    WriteAgenda({NoteOn(today + days{1}, "tomorrow")});
    Start("1");
    driver::SelectListLine(dialog, NoteList, 0);
    ClickAsync(dialog, Delete);
    ExpectBox("confirmar eliminar nota", "\xBF" "eliminar nota seleccionada?", IDYES);
    Click(dialog, AllNotes);
    Click(dialog, TodayAndTomorrow); // nothing due any more, but a note was deleted
    EXPECT_TRUE(program->Running());
    ClickAsync(dialog, Leave);
    ExpectBox("notas modificadas", "\xBFguardar los cambios?", IDNO);
    ExpectExit();
    EXPECT_EQ(ReadAgenda().size(), 1u);
}

TEST_F(Tarvela, EveryPeriodListsItsNotes) {
    const year_month_day now{today};
    const auto monday = today - days{(weekday{today}.iso_encoding() - 1)};
    const year_month_day nextMonth{(now.year() / now.month() + months{1}) / 1};
    const sys_days march{(now.year() + years{2}) / March / 15};
    const std::vector<Note> notes = {
        {0, 0, 0, "sin fecha"},
        NoteOn(today - days{1}, "ayer"),
        NoteOn(today, "hoy"),
        NoteOn(today + days{1}, "ma\xF1" "ana"),
        NoteOn(today + days{7}, "en una semana"),
        NoteOn(sys_days{nextMonth.year() / nextMonth.month() / 1}, "mes que viene"),
        NoteOn(march, "marzo"),
        {31, 2, static_cast<unsigned>(int(now.year())), "imposible"},
    };
    WriteAgenda(notes);
    Start();

    // "Todas" lists every note in file order, undated and impossible dates included.
    ASSERT_EQ(List().size(), notes.size());
    EXPECT_EQ(List()[2], Line(notes[2]));
    EXPECT_EQ(List()[0].rfind("00/00/0 ", 0), 0u);
    EXPECT_EQ(List()[0].substr(List()[0].size() - 10), " sin fecha");

    const auto between = [](sys_days first, sys_days last) {
        return [=](sys_days d) { return d >= first && d <= last; };
    };
    const auto inMonth = [](year_month_day month) {
        return [=](sys_days d) {
            const year_month_day date{d};
            return date.year() == month.year() && date.month() == month.month();
        };
    };
    struct Case {
        int button;
        std::function<bool(sys_days)> inPeriod;
    };
    const Case cases[] = {
        {TodayAndTomorrow, between(today, today + days{1})},
        {ThisWeek, between(monday, monday + days{6})},
        {NextWeek, between(monday + days{7}, monday + days{13})},
        {ThisMonth, inMonth(now)},
        {NextMonth, inMonth(nextMonth)},
    };
    for (const Case &period : cases) {
        Click(dialog, period.button);
        EXPECT_EQ(List(), LinesOf(notes, period.inPeriod)) << "period button " << period.button;
    }

    // The combos count only while "Mes" is checked; then March two years on.
    const auto before = List();
    driver::SelectComboItem(dialog, MonthCombo, 2);
    driver::SelectComboItem(dialog, YearCombo, 2);
    EXPECT_EQ(List(), before);
    Click(dialog, ChosenMonth);
    EXPECT_EQ(List(), std::vector<std::string>{Line(notes[6])});
    driver::SelectComboItem(dialog, MonthCombo, 3);
    EXPECT_TRUE(List().empty());
}

TEST_F(Tarvela, CommitsNewAndEditedNotesAndSavesOnAceptar) {
    const std::vector<Note> stored = {NoteOn(today, "primera"), NoteOn(today + days{2}, "tercera")};
    WriteAgenda(stored);
    Start();

    const Note added = NoteOn(today + days{1}, "Llamar a \xCD\xF1igo");
    AddNote(DateText(added), added.text);
    EXPECT_EQ(List(), (std::vector<std::string>{Line(stored[0]), Line(added), Line(stored[1])}));
    EXPECT_EQ(ControlText(dialog, NoteDate), DateText(NoteOn(today, "")));
    EXPECT_EQ(ControlText(dialog, NoteText), "");

    // A note dated like an existing one goes after it.
    const Note sameDay = NoteOn(today, "segunda del d\xED" "a");
    AddNote(DateText(sameDay), sameDay.text);
    EXPECT_EQ(List()[1], Line(sameDay));

    // Editing the first note to next year keeps its place.
    driver::SelectListLine(dialog, NoteList, 0);
    EXPECT_EQ(ControlText(dialog, NoteDate), DateText(stored[0]));
    EXPECT_EQ(ControlText(dialog, NoteText), stored[0].text);
    EXPECT_EQ(ControlText(dialog, WeekdayLabel), WeekdayName(today));
    EXPECT_EQ(driver::FocusedControl(dialog), NoteText);
    Note edited = stored[0];
    edited.year += 1;
    driver::SetText(dialog, NoteDate, DateText(edited));
    Click(dialog, Commit);
    EXPECT_EQ(List()[0], Line(edited));

    // An empty new note changes nothing but the working copy's date; "5/1" then keeps its
    // year and lands before the first later note, the one moved to next year.
    AddNote(DateText(added), "");
    EXPECT_EQ(List().size(), 4u);
    AddNote("5/1", "enero");
    const Note january = {5, 1, added.year, "enero"};
    EXPECT_EQ(List().front(), Line(january));

    ClickAsync(dialog, LeaveSaving);
    ExpectBox("Hecho", "modificaciones guardadas", IDOK);
    ExpectExit();
    const auto saved = ReadAgenda();
    ASSERT_EQ(saved.size(), 5u);
    const std::vector<Note> expected = {january, edited, sameDay, added, stored[1]};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(DateText(saved[i]), DateText(expected[i])) << i;
        EXPECT_EQ(saved[i].text, expected[i].text) << i;
    }
}

TEST_F(Tarvela, DeleteAsksAndLeavingAsksToSave) {
    const auto monday = today - days{(weekday{today}.iso_encoding() - 1)};
    const std::vector<Note> notes = {NoteOn(monday, "lunes"), NoteOn(monday + days{2}, "mi\xE9rcoles"),
                                     NoteOn(monday + days{6}, "domingo"), NoteOn(monday + days{8}, "otra")};
    WriteAgenda(notes);
    const auto original = driver::ReadFileBytes(AgendaPath());
    Start();
    Click(dialog, ThisWeek);

    driver::SelectListLine(dialog, NoteList, 1);
    ClickAsync(dialog, Delete);
    const HWND box = driver::WaitForMessageBox(program->Id(), "confirmar eliminar nota");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(driver::HasButton(box, IDYES) && driver::HasButton(box, IDNO));
    EXPECT_FALSE(driver::HasButton(box, IDCANCEL));
    Answer(box, IDNO);
    driver::WaitUntil([&] { return !IsWindow(box); });
    EXPECT_EQ(List().size(), 3u);

    driver::SelectListLine(dialog, NoteList, 1);
    ClickAsync(dialog, Delete);
    ExpectBox("confirmar eliminar nota", "\xBF" "eliminar nota seleccionada?", IDYES);
    EXPECT_EQ(List(), (std::vector<std::string>{Line(notes[0]), Line(notes[2])}));

    // With a new note in the editor "&elimina" does nothing.
    Click(dialog, NewNote);
    ClickAsync(dialog, Delete);
    EXPECT_TRUE(NoBoxWithin(500));

    ClickAsync(dialog, Leave);
    ExpectBox("notas modificadas", "\xBFguardar los cambios?", IDCANCEL);
    EXPECT_TRUE(program->Running());
    EXPECT_EQ(List().size(), 2u);
    ClickAsync(dialog, Leave);
    ExpectBox("notas modificadas", "\xBFguardar los cambios?", IDNO);
    ExpectExit();
    EXPECT_EQ(driver::ReadFileBytes(AgendaPath()), original);

    Start();
    Click(dialog, ThisWeek);
    driver::SelectListLine(dialog, NoteList, 1);
    ClickAsync(dialog, Delete);
    ExpectBox("confirmar eliminar nota", "\xBF" "eliminar nota seleccionada?", IDYES);
    ClickAsync(dialog, Leave);
    ExpectBox("notas modificadas", "\xBFguardar los cambios?", IDYES);
    ExpectBox("Hecho", "modificaciones guardadas", IDOK);
    ExpectExit();
    EXPECT_EQ(ReadAgenda().size(), 3u);
}

TEST_F(Tarvela, EnterInTheDateFieldMovesToTheNoteAndStartsLinesThere) {
    Start();
    driver::PressKey(dialog, NoteDate, VK_RETURN);
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::FocusedControl(dialog) == NoteText; }, 3000));
    driver::PressKey(dialog, NoteText, VK_RETURN);
    EXPECT_TRUE(driver::WaitUntil([&] { return ControlText(dialog, NoteText) == "\r\n"; }, 3000));
    EXPECT_TRUE(program->Running());
}

TEST_F(Tarvela, AFailedSaveKeepsTheDialogAndEveryChange) {
    WriteAgenda({NoteOn(today, "guardada")});
    const auto original = driver::ReadFileBytes(AgendaPath());
    Start();
    AddNote(DateText(NoteOn(today, "")), "nueva");
    {
        driver::FileLock lock(AgendaPath());
        ASSERT_TRUE(lock.Held());
        ClickAsync(dialog, LeaveSaving);
        const HWND box = driver::WaitForMessageBox(program->Id(), "Error al guardar");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(driver::MessageBoxText(box).rfind("No se han podido guardar las notas en agenda.dat:\n", 0), 0u);
        Answer(box, IDOK);
        EXPECT_TRUE(NoBoxWithin(500)) << "no success message after a failed save";
        EXPECT_TRUE(program->Running());
        EXPECT_EQ(List().size(), 2u);
    }
    EXPECT_EQ(driver::ReadFileBytes(AgendaPath()), original);
    ClickAsync(dialog, LeaveSaving);
    ExpectBox("Hecho", "modificaciones guardadas", IDOK);
    ExpectExit();
    EXPECT_EQ(ReadAgenda().size(), 2u);
}

TEST_F(Tarvela, AFullAgendaRefusesANewNoteAndKeepsItsText) {
    std::vector<Note> notes;
    for (int i = 0; i < 255; ++i) notes.push_back(NoteOn(today + days{i % 20}, "nota " + std::to_string(i)));
    WriteAgenda(notes);
    const auto original = driver::ReadFileBytes(AgendaPath());
    Start();
    driver::SetText(dialog, NoteText, "la 256");
    ClickAsync(dialog, Commit);
    ExpectBox("Agenda llena",
              "La agenda ya tiene 255 notas y no admite m\xE1s.\nElimine alguna nota antes de a\xF1" "adir esta.",
              IDOK);
    EXPECT_EQ(ControlText(dialog, NoteText), "la 256");
    EXPECT_EQ(List().size(), 255u);
    ClickAsync(dialog, Leave); // nothing changed: leaves without a question
    ExpectExit();
    EXPECT_EQ(driver::ReadFileBytes(AgendaPath()), original);
}

TEST_F(Tarvela, AnUnreadableAgendaIsReportedAndReplacedOnlyWhenAsked) {
    WriteAgenda({NoteOn(today, "vieja")});
    const auto original = driver::ReadFileBytes(AgendaPath());
    auto lock = std::make_unique<driver::FileLock>(AgendaPath());
    Launch();
    const HWND box = driver::WaitForMessageBox(program->Id(), "No se puede leer agenda.dat");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(driver::MessageBoxText(box).find("no se reemplazar\xE1 el archivo sin preguntar"), std::string::npos);
    Answer(box, IDOK);
    dialog = driver::WaitForDialog(program->Id(), "Mi agenda");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(List().empty());
    lock.reset();

    AddNote(DateText(NoteOn(today, "")), "nueva");
    ClickAsync(dialog, LeaveSaving);
    ExpectBox("Reemplazar agenda.dat",
              "agenda.dat no se pudo leer al empezar.\n\xBFReemplazarlo por las notas que hay ahora en la agenda?",
              IDNO);
    EXPECT_TRUE(NoBoxWithin(300));
    EXPECT_EQ(driver::ReadFileBytes(AgendaPath()), original);
    ClickAsync(dialog, LeaveSaving);
    const HWND again = driver::WaitForMessageBox(program->Id(), "Reemplazar agenda.dat");
    ASSERT_NE(again, nullptr);
    Answer(again, IDYES);
    ExpectBox("Hecho", "modificaciones guardadas", IDOK);
    ExpectExit();
    const auto saved = ReadAgenda();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].text, "nueva");
}

TEST_F(Tarvela, NotesBeyondTheTableAreKeptOnSave) {
    std::vector<Note> notes;
    for (int i = 0; i < 300; ++i) notes.push_back(NoteOn(today + days{i / 10}, "nota " + std::to_string(i)));
    WriteAgenda(notes);
    const auto original = driver::ReadFileBytes(AgendaPath());
    Launch();
    ExpectBox("Demasiadas notas",
              "agenda.dat tiene 300 notas; se muestran las 255 primeras.\n"
              "Las dem\xE1s se conservan sin cambios al guardar.",
              IDOK);
    dialog = driver::WaitForDialog(program->Id(), "Mi agenda");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(List().size(), 255u);
    driver::SelectListLine(dialog, NoteList, 0);
    ClickAsync(dialog, Delete);
    ExpectBox("confirmar eliminar nota", "\xBF" "eliminar nota seleccionada?", IDYES);
    ClickAsync(dialog, LeaveSaving);
    ExpectBox("Hecho", "modificaciones guardadas", IDOK);
    ExpectExit();
    const auto saved = driver::ReadFileBytes(AgendaPath());
    ASSERT_EQ(saved.size(), 299 * RecordSize);
    // Everything after the deleted first note is as it was, the held-back 45 included.
    EXPECT_TRUE(std::equal(saved.begin(), saved.end(), original.begin() + RecordSize));
}

} // namespace
