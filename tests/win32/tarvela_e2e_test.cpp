// Tarvela end to end: the real program in a fresh folder, driven as a user would.
#include <windows.h>
#include <gtest/gtest.h>
#include <chrono>
#include <memory>
#include "notes/periods.h"
#include "shared/dates/names.h"
#include "shared/util/language.h"
#include "tests/unit/test_files.h"
#include "tests/win32/driver.h"

using namespace std::chrono;
using namespace driver;
using notes::NoteRecord;
using Lines = std::vector<std::string>;

namespace {

constexpr int LeaveSaving = 1, Leave = 2, Commit = 3, Delete = 4, NewNote = 5, AllNotes = 50,
              TodayAndTomorrow = 51, ChosenMonth = 57, MonthCombo = 60, YearCombo = 61, WeekdayLabel = 10,
              NoteList = 100, NoteText = 110, NoteDate = 112;
const std::string DeleteQuestion = "\xBF"
                                   "eliminar nota seleccionada?",
                  SaveQuestion = "\xBFguardar los cambios?";

NoteRecord On(sys_days when, const std::string &text = "") {
    const year_month_day date{when};
    return {{static_cast<uint16_t>(unsigned(date.day())), static_cast<uint16_t>(unsigned(date.month())),
             static_cast<uint16_t>(int(date.year()))},
            text};
}

Lines LinesOf(const std::vector<NoteRecord> &notes) {
    Lines lines;
    for (const NoteRecord &note : notes)
        lines.push_back(notes::NoteListLine(note));
    return lines;
}

class Tarvela : public ::testing::Test {
  protected:
    testing_support::TempFolder folder;
    std::unique_ptr<Program> program;
    HWND dialog = nullptr;
    const sys_days today = [] {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        return sys_days{year{now.wYear} / now.wMonth / now.wDay};
    }();
    const std::string agenda = folder.dir + "agenda.dat";

    void SetUp() override {
        util::LanguageIndex = 2;
        dates::SelectLanguage();
    }

    void WriteAgenda(const std::vector<NoteRecord> &notes) {
        notes::NoteTable table;
        table.notes = notes;
        ASSERT_TRUE(notes::SaveNotes(table, agenda).ok);
    }

    std::vector<NoteRecord> ReadAgenda() {
        notes::NoteTable table;
        notes::LoadNotes(table, agenda);
        return table.notes;
    }

    void Launch(const std::string &arguments = "") {
        program = std::make_unique<Program>(TARVELA_EXE, folder.dir, arguments);
    }

    void Start(const std::string &arguments = "") {
        Launch(arguments);
        ASSERT_NE(dialog = WaitForDialog(program->Id(), "Mi agenda"), nullptr)
            << "the main dialog did not open";
    }

    // Waits for the box, checks its text (when given) and answers it; returns its text.
    std::string ExpectBox(const std::string &caption, int answer, const std::string &text = {}) {
        const HWND box = WaitForBox(program->Id(), caption);
        EXPECT_NE(box, nullptr) << "no message box \"" << caption << "\"";
        if (box == nullptr) return {};
        const std::string shown = ControlText(box, 0xFFFF);
        if (!text.empty()) {
            EXPECT_EQ(shown, text);
        }
        Answer(box, answer);
        WaitUntil([&] { return !IsWindow(box); });
        return shown;
    }

    bool NoBoxWithin(DWORD milliseconds) {
        Sleep(milliseconds);
        return FindDialog(program->Id(), "") == dialog && program->Running();
    }

    void ExpectExit() {
        DWORD code = 999;
        ASSERT_TRUE(program->WaitForExit(code)) << "the program did not end";
        EXPECT_EQ(code, 0u);
    }

    void AddNote(const std::string &date, const std::string &text) {
        SetText(dialog, NoteDate, date);
        SetText(dialog, NoteText, text);
        Click(dialog, Commit);
    }

    void DeleteLine(int line) {
        SelectListLine(dialog, NoteList, line);
        ClickAsync(dialog, Delete);
        ExpectBox("confirmar eliminar nota", IDYES, DeleteQuestion);
    }

    Lines List() const { return ListLines(dialog, NoteList); }
};

TEST_F(Tarvela, OpensOnAllNotesWithTodayInTheEditorAndLeavesQuietly) {
    Start();
    const NoteRecord now = On(today);
    const std::string dayName = Lines{"domingo",
                                      "lunes",
                                      "martes",
                                      "mi\xE9rcoles",
                                      "jueves",
                                      "viernes",
                                      "s\xE1"
                                      "bado"}[weekday{today}.c_encoding()];
    EXPECT_EQ(WindowText(dialog), "Mi agenda  (hoy: " + dayName + " " + dates::DateText(now.date) + ")");
    EXPECT_TRUE(IsChecked(dialog, AllNotes));
    EXPECT_EQ(ControlText(dialog, NoteDate), dates::DateText(now.date));
    EXPECT_EQ(ControlText(dialog, WeekdayLabel), dayName);
    EXPECT_EQ(FocusedControl(dialog), NoteDate);
    EXPECT_TRUE(List().empty());
    EXPECT_EQ(ComboItems(dialog, MonthCombo),
              Lines({"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre",
                     "octubre", "noviembre", "diciembre"}));
    EXPECT_EQ(ComboSelectionIndex(dialog, MonthCombo), now.date.month - 1);
    Lines years;
    for (int y = now.date.year; y < now.date.year + 10; ++y)
        years.push_back(std::to_string(y));
    EXPECT_EQ(ComboItems(dialog, YearCombo), years);
    EXPECT_EQ(ComboSelectionIndex(dialog, YearCombo), 0);

    ClickAsync(dialog, Leave); // nothing changed: no question
    ExpectExit();
    EXPECT_FALSE(std::filesystem::exists(agenda));
}

TEST_F(Tarvela, StartupModeShowsOnlyWhenSomethingIsDueAndNeverDropsChanges) {
    WriteAgenda({On(today + days{10}, "later")});
    Launch("1");
    bool shown = false;
    WaitUntil([&] { return (shown = shown || FindDialog(program->Id(), "Mi agenda")), !program->Running(); });
    ExpectExit();
    EXPECT_FALSE(shown) << "start-up mode with nothing due must end unseen";

    const std::vector<NoteRecord> notes = {On(today + days{1}, "tomorrow"), On(today + days{10}, "later")};
    WriteAgenda(notes);
    Start("1");
    EXPECT_TRUE(IsChecked(dialog, TodayAndTomorrow) && !IsChecked(dialog, AllNotes));
    EXPECT_EQ(List(), LinesOf({notes[0]}));
    Click(dialog, AllNotes);
    EXPECT_EQ(List(), LinesOf(notes));

    // Nothing is due once tomorrow's note is deleted; choosing the period again must not
    // end the program and lose that change.
    DeleteLine(0);
    Click(dialog, TodayAndTomorrow);
    EXPECT_TRUE(program->Running());
    ClickAsync(dialog, Leave);
    ExpectBox("notas modificadas", IDNO, SaveQuestion);
    ExpectExit();
    EXPECT_EQ(ReadAgenda().size(), 2u);
}

TEST_F(Tarvela, EveryPeriodListsItsNotes) {
    const year_month_day now{today};
    const sys_days monday = today - days{weekday{today}.iso_encoding() - 1};
    const year_month_day nextMonth{(now.year() / now.month() + months{1}) / 1};
    const std::vector<NoteRecord> notes = {
        {{0, 0, 0}, "sin fecha"},
        On(today - days{1}, "ayer"),
        On(today, "hoy"),
        On(today + days{1}, "ma\xF1"
                            "ana"),
        On(monday + days{7}, "lunes que viene"),
        On(monday + days{13}, "domingo que viene"),
        On(sys_days{nextMonth}, "mes que viene"),
        On(sys_days{(now.year() + years{2}) / March / 15}, "marzo"),
        {{31, 2, static_cast<uint16_t>(int(now.year()))}, "imposible"},
    };
    WriteAgenda(notes);
    Start();
    EXPECT_EQ(List(), LinesOf(notes));

    // Each button against the days it covers, worked out here from the calendar.
    const auto listed = [&](auto inPeriod) {
        std::vector<NoteRecord> in;
        for (const NoteRecord &note : notes) {
            const year_month_day date{year(note.date.year), month(note.date.month), day(note.date.day)};
            if (date.ok() && inPeriod(sys_days{date})) in.push_back(note);
        }
        return LinesOf(in);
    };
    const auto inMonth = [](year_month_day m) {
        return [=](sys_days d) {
            return year_month_day{d}.year() == m.year() && year_month_day{d}.month() == m.month();
        };
    };
    const auto between = [](sys_days first, sys_days last) {
        return [=](sys_days d) { return d >= first && d <= last; };
    };
    Click(dialog, 51);
    EXPECT_EQ(List(), listed(between(today, today + days{1})));
    Click(dialog, 52);
    EXPECT_EQ(List(), listed(between(monday, monday + days{6})));
    Click(dialog, 53);
    EXPECT_EQ(List(), listed(between(monday + days{7}, monday + days{13})));
    Click(dialog, 55);
    EXPECT_EQ(List(), listed(inMonth(now)));
    Click(dialog, 56);
    EXPECT_EQ(List(), listed(inMonth(nextMonth)));

    // The combos count only while "Mes" is checked: March, two years on.
    const Lines before = List();
    SelectComboItem(dialog, MonthCombo, 2);
    SelectComboItem(dialog, YearCombo, 2);
    EXPECT_EQ(List(), before);
    Click(dialog, ChosenMonth);
    EXPECT_EQ(List(), LinesOf({notes[7]}));
    SelectComboItem(dialog, MonthCombo, 3);
    EXPECT_TRUE(List().empty());
}

TEST_F(Tarvela, CommitsNewAndEditedNotesAndSavesOnAceptar) {
    const std::vector<NoteRecord> stored = {On(today, "primera"), On(today + days{2}, "tercera")};
    WriteAgenda(stored);
    Start();
    const NoteRecord added = On(today + days{1}, "Llamar a \xCD\xF1igo");
    AddNote(dates::DateText(added.date), added.text);
    EXPECT_EQ(List(), LinesOf({stored[0], added, stored[1]}));
    EXPECT_EQ(ControlText(dialog, NoteDate), dates::DateText(On(today).date));
    EXPECT_EQ(ControlText(dialog, NoteText), "");
    const NoteRecord sameDay = On(today, "segunda del d\xED"
                                         "a"); // after the note of its date
    AddNote(dates::DateText(sameDay.date), sameDay.text);
    EXPECT_EQ(List()[1], notes::NoteListLine(sameDay));

    // The first note, moved to next year, keeps its place.
    SelectListLine(dialog, NoteList, 0);
    EXPECT_EQ(ControlText(dialog, NoteDate), dates::DateText(stored[0].date));
    EXPECT_EQ(ControlText(dialog, NoteText), stored[0].text);
    EXPECT_EQ(ControlText(dialog, WeekdayLabel), dates::WeekdayName(stored[0].date));
    EXPECT_EQ(FocusedControl(dialog), NoteText);
    NoteRecord edited = stored[0];
    edited.date.year = static_cast<uint16_t>(edited.date.year + 1);
    SetText(dialog, NoteDate, dates::DateText(edited.date));
    Click(dialog, Commit);
    EXPECT_EQ(List()[0], notes::NoteListLine(edited));

    // An empty new note stores nothing but still reads the date; "5/1" keeps that year.
    AddNote(dates::DateText(added.date), "");
    EXPECT_EQ(List().size(), 4u);
    AddNote("5/1", "enero");
    const NoteRecord january = {{5, 1, added.date.year}, "enero"};
    EXPECT_EQ(List()[0], notes::NoteListLine(january));

    ClickAsync(dialog, LeaveSaving);
    ExpectBox("Hecho", IDOK, "modificaciones guardadas");
    ExpectExit();
    EXPECT_EQ(LinesOf(ReadAgenda()), LinesOf({january, edited, sameDay, added, stored[1]}));
}

TEST_F(Tarvela, DeleteAsksAndLeavingAsksToSave) {
    const sys_days monday = today - days{weekday{today}.iso_encoding() - 1};
    const std::vector<NoteRecord> notes = {On(monday, "lunes"), On(monday + days{2}, "mi\xE9rcoles"),
                                           On(monday + days{6}, "domingo"), On(monday + days{8}, "otra")};
    WriteAgenda(notes);
    const auto original = testing_support::ReadBytes(agenda);
    Start();
    Click(dialog, 52); // this week

    SelectListLine(dialog, NoteList, 1);
    ClickAsync(dialog, Delete);
    ExpectBox("confirmar eliminar nota", IDNO, DeleteQuestion);
    EXPECT_EQ(List().size(), 3u);
    DeleteLine(1);
    EXPECT_EQ(List(), LinesOf({notes[0], notes[2]}));
    Click(dialog, NewNote); // with a new note in the editor "&elimina" does nothing
    ClickAsync(dialog, Delete);
    EXPECT_TRUE(NoBoxWithin(500));
    const NoteRecord outside = On(today + days{400}, "fuera"); // listed although outside the week
    AddNote(dates::DateText(outside.date), outside.text);
    EXPECT_EQ(List(), LinesOf({notes[0], notes[2], outside}));

    ClickAsync(dialog, Leave);
    ExpectBox("notas modificadas", IDCANCEL, SaveQuestion);
    EXPECT_TRUE(NoBoxWithin(300));
    EXPECT_EQ(List().size(), 3u);
    ClickAsync(dialog, Leave);
    ExpectBox("notas modificadas", IDNO, SaveQuestion);
    ExpectExit();
    EXPECT_EQ(testing_support::ReadBytes(agenda), original);

    Start();
    DeleteLine(1);
    ClickAsync(dialog, Leave);
    ExpectBox("notas modificadas", IDYES, SaveQuestion);
    ExpectBox("Hecho", IDOK, "modificaciones guardadas");
    ExpectExit();
    EXPECT_EQ(LinesOf(ReadAgenda()), LinesOf({notes[0], notes[2], notes[3]}));
}

TEST_F(Tarvela, EnterInTheDateFieldMovesToTheNoteAndStartsLinesThere) {
    Start();
    PressKey(dialog, NoteDate, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return FocusedControl(dialog) == NoteText; }, 3000));
    PressKey(dialog, NoteText, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(dialog, NoteText) == "\r\n"; }, 3000));
    EXPECT_TRUE(program->Running());
}

TEST_F(Tarvela, AFailedSaveKeepsTheDialogAndEveryChange) {
    WriteAgenda({On(today, "guardada")});
    const auto original = testing_support::ReadBytes(agenda);
    Start();
    AddNote(dates::DateText(On(today).date), "nueva");
    {
        FileLock lock(agenda);
        ASSERT_TRUE(lock.Held());
        ClickAsync(dialog, LeaveSaving);
        EXPECT_EQ(ExpectBox("Error al guardar", IDOK)
                      .rfind("No se han podido guardar las notas en agenda.dat:\n", 0),
                  0u);
        EXPECT_TRUE(NoBoxWithin(500)) << "no success message after a failed save";
        EXPECT_EQ(List().size(), 2u);
    }
    EXPECT_EQ(testing_support::ReadBytes(agenda), original);
    ClickAsync(dialog, LeaveSaving);
    ExpectBox("Hecho", IDOK, "modificaciones guardadas");
    ExpectExit();
    EXPECT_EQ(ReadAgenda().size(), 2u);
}

TEST_F(Tarvela, AFullAgendaRefusesANewNoteAndKeepsItsText) {
    WriteAgenda(std::vector<NoteRecord>(255, On(today, "nota")));
    const auto original = testing_support::ReadBytes(agenda);
    Start();
    SetText(dialog, NoteText, "la 256");
    ClickAsync(dialog, Commit);
    ExpectBox("Agenda llena", IDOK,
              "La agenda ya tiene 255 notas y no admite m\xE1s.\nElimine alguna nota antes de a\xF1"
              "adir esta.");
    EXPECT_EQ(ControlText(dialog, NoteText), "la 256");
    EXPECT_EQ(List().size(), 255u);
    ClickAsync(dialog, Leave); // nothing changed: leaves without a question
    ExpectExit();
    EXPECT_EQ(testing_support::ReadBytes(agenda), original);
}

TEST_F(Tarvela, AnUnreadableAgendaIsReportedAndReplacedOnlyWhenAsked) {
    WriteAgenda({On(today, "vieja")});
    const auto original = testing_support::ReadBytes(agenda);
    auto lock = std::make_unique<FileLock>(agenda);
    Launch();
    EXPECT_NE(
        ExpectBox("No se puede leer agenda.dat", IDOK).find("no se reemplazar\xE1 el archivo sin preguntar"),
        std::string::npos);
    ASSERT_NE(dialog = WaitForDialog(program->Id(), "Mi agenda"), nullptr);
    EXPECT_TRUE(List().empty());
    lock.reset();

    AddNote(dates::DateText(On(today).date), "nueva");
    const std::string question =
        "agenda.dat no se pudo leer al empezar.\n\xBFReemplazarlo por las notas que hay ahora en la agenda?";
    ClickAsync(dialog, LeaveSaving);
    ExpectBox("Reemplazar agenda.dat", IDNO, question);
    EXPECT_TRUE(NoBoxWithin(300));
    EXPECT_EQ(testing_support::ReadBytes(agenda), original);
    ClickAsync(dialog, LeaveSaving);
    ExpectBox("Reemplazar agenda.dat", IDYES, question);
    ExpectBox("Hecho", IDOK, "modificaciones guardadas");
    ExpectExit();
    EXPECT_EQ(LinesOf(ReadAgenda()), LinesOf({On(today, "nueva")}));
}

TEST_F(Tarvela, NotesBeyondTheTableAreKeptOnSave) {
    const auto original = testing_support::WriteNoise(agenda, 300 * notes::NoteRecordSize);
    Launch();
    ExpectBox(
        "Demasiadas notas", IDOK,
        "agenda.dat tiene 300 notas; se muestran las 255 primeras.\nLas dem\xE1s se conservan sin cambios al "
        "guardar.");
    ASSERT_NE(dialog = WaitForDialog(program->Id(), "Mi agenda"), nullptr);
    EXPECT_EQ(List().size(), 255u);
    DeleteLine(0);
    ClickAsync(dialog, LeaveSaving);
    ExpectBox("Hecho", IDOK, "modificaciones guardadas");
    ExpectExit();
    // The 45 records beyond the table come back exactly as they were, after the 254 others.
    const auto saved = testing_support::ReadBytes(agenda);
    ASSERT_EQ(saved.size(), 299 * notes::NoteRecordSize);
    EXPECT_TRUE(std::equal(saved.end() - 45 * notes::NoteRecordSize, saved.end(),
                           original.end() - 45 * notes::NoteRecordSize));
}

} // namespace
