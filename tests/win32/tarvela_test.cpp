// Tarvela's main dialog end to end: the real program in a fresh folder, driven as a user would.
#include "tests/win32/program_test.h"

using namespace std::chrono;
using namespace driver;
using notes::NoteRecord;

namespace {

constexpr int LeaveSaving = 1, Leave = 2, Commit = 3, Delete = 4, NewNote = 5, AllNotes = 50,
              TodayAndTomorrow = 51, MonthCombo = 60, YearCombo = 61, NoteList = 100, NoteText = 110,
              NoteDate = 112;
const std::string DeleteQuestion = "\xBF"
                                   "eliminar nota seleccionada?",
                  SaveQuestion = "\xBFguardar los cambios?",
                  ChangedQuestion =
                      "Otro programa ha cambiado agenda.dat desde que se abri\xF3.\n\xBFReemplazarlo "
                      "por las notas que se ven aqu\xED?";

class TarvelaDialog : public Tarvela {
  protected:
    void AddNote(const std::string &date, const std::string &text) {
        SetText(dialog, NoteDate, date);
        SetText(dialog, NoteText, text);
        Click(dialog, Commit);
    }
    void AddToday(const std::string &text) { AddNote(dates::DateText(On(today).date), text); }
    void DeleteLine(int line) {
        SelectListLine(dialog, NoteList, line);
        ClickAsync(dialog, Delete);
        ExpectBox("confirmar eliminar nota", IDYES, DeleteQuestion);
    }
    // Leaving by button asks; a refusal keeps agenda.dat as file and the dialog open, then Yes saves.
    void RefuseThenSave(int button, int refusal, const std::string &caption, const std::string &question,
                        const std::vector<uint8_t> &file) {
        ClickAsync(dialog, button);
        ExpectBox(caption, refusal, question);
        EXPECT_TRUE(NoBoxWithin(300));
        EXPECT_EQ(testing_support::ReadBytes(agenda), file);
        ClickAsync(dialog, button);
        ExpectBox(caption, IDYES, question);
        SaveOnAceptar(false);
    }
    void SaveOnAceptar(bool click = true) {
        if (click) ClickAsync(dialog, LeaveSaving);
        ExpectBox("Hecho", IDOK, "modificaciones guardadas");
        ExpectExit();
    }
};

TEST_F(TarvelaDialog, OpensOnAllNotesWithTodayInTheEditorMovesOnWithEnterAndLeavesQuietly) {
    Start();
    const NoteRecord now = On(today);
    EXPECT_EQ(WindowText(dialog),
              "Mi agenda  (hoy: " + dates::WeekdayName(now.date) + " " + dates::DateText(now.date) + ")");
    EXPECT_TRUE(IsChecked(dialog, AllNotes));
    EXPECT_EQ(ControlText(dialog, NoteDate), dates::DateText(now.date));
    EXPECT_EQ(ControlText(dialog, 10), dates::WeekdayName(now.date)); // the weekday label
    EXPECT_EQ(FocusedControl(dialog), NoteDate);
    EXPECT_TRUE(List().empty());
    EXPECT_EQ(SendDlgItemMessageW(dialog, MonthCombo, CB_GETCURSEL, 0, 0), now.date.month - 1);
    EXPECT_EQ(ComboItems(dialog, YearCombo).at(9), std::to_string(now.date.year + 9));
    EXPECT_EQ(SendDlgItemMessageW(dialog, YearCombo, CB_GETCURSEL, 0, 0), 0);
    // Enter in the date field moves on to the note, where it starts a new line.
    PressKey(dialog, NoteDate, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return FocusedControl(dialog) == NoteText; }, 3000));
    PressKey(dialog, NoteText, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(dialog, NoteText) == "\r\n"; }, 3000));

    ExpectAbout("Respecto Tarvela...");
    ClickAsync(dialog, Leave); // nothing changed: no question
    ExpectExit();
    EXPECT_FALSE(std::filesystem::exists(agenda));
}

// Each button selects its period (what a period selects is proved by the unit tests).
TEST_F(TarvelaDialog, StartupModeShowsOnlyWhenSomethingIsDueEachButtonListsItsPeriodNoChangeIsDropped) {
    WriteAgenda({On(today + days{10}, "later")});
    Launch("1");
    bool shown = false;
    WaitUntil([&] { return (shown = shown || FindDialog(program->Id(), "Mi agenda")), !program->Running(); });
    ExpectExit();
    EXPECT_FALSE(shown) << "start-up mode with nothing due must end unseen";

    const year_month_day now{today};
    const sys_days monday = today - days{weekday{today}.iso_encoding() - 1};
    notes::NoteTable table;
    for (const sys_days day : {today - days{1}, today, today + days{1}, monday + days{7}, monday + days{13},
                               sys_days{(now.year() / now.month() + months{1}) / 1},
                               sys_days{(now.year() + years{2}) / March / 15}})
        table.notes.push_back(On(day, "nota"));
    WriteAgenda(table.notes);
    Start("1");
    EXPECT_TRUE(IsChecked(dialog, TodayAndTomorrow) && !IsChecked(dialog, AllNotes));
    EXPECT_EQ(List(), LinesOf({table.notes[1], table.notes[2]}));
    const notes::PeriodDates when{On(today).date, On(today + days{1}).date, 3,
                                  static_cast<uint16_t>(int(now.year()) + 2)};
    SelectComboItem(dialog, MonthCombo, 2); // March, two years on: counts only once "Mes" is checked
    SelectComboItem(dialog, YearCombo, 2);
    const std::pair<int, notes::Period> buttons[] = {
        {52, notes::ThisWeek}, {53, notes::NextWeek},         {55, notes::ThisMonth},  {56, notes::NextMonth},
        {50, notes::AllNotes}, {51, notes::TodayAndTomorrow}, {57, notes::ChosenMonth}};
    for (const auto &[button, period] : buttons) {
        Click(dialog, button);
        const notes::NoteSet listed = notes::SelectPeriod(table, period, when);
        std::vector<NoteRecord> expected;
        for (size_t slot = 1; slot <= table.notes.size(); ++slot)
            if (listed.test(slot)) expected.push_back(table.notes[slot - 1]);
        EXPECT_EQ(List(), LinesOf(expected)) << "period button " << button;
    }
    SelectComboItem(dialog, MonthCombo, 3); // "Mes" follows the month chosen
    EXPECT_TRUE(List().empty());
    // Nothing is due once today's and tomorrow's notes are deleted; choosing the period again must
    // not end the program and lose that change.
    Click(dialog, TodayAndTomorrow);
    DeleteLine(0);
    DeleteLine(0);
    Click(dialog, TodayAndTomorrow);
    EXPECT_TRUE(program->Running());
    ClickAsync(dialog, Leave);
    ExpectBox("notas modificadas", IDNO, SaveQuestion);
    ExpectExit();
    EXPECT_EQ(testing_support::ReadBytes(agenda), FileOf(table.notes));
}

TEST_F(TarvelaDialog, CommitsNewAndEditedNotesDeleteAsksAndLeavingAsksToSave) {
    const std::vector<NoteRecord> stored = {On(today, "primera"), On(today + days{2}, "tercera")};
    WriteAgenda(stored);
    const auto original = testing_support::ReadBytes(agenda);
    Start();
    const NoteRecord added = On(today + days{1}, "Llamar a \xCD\xF1igo");
    AddNote(dates::DateText(added.date), added.text);
    EXPECT_EQ(List(), LinesOf({stored[0], added, stored[1]}));
    EXPECT_EQ(ControlText(dialog, NoteDate), dates::DateText(On(today).date));
    EXPECT_EQ(ControlText(dialog, NoteText), "");

    // The first note, moved to next year, keeps its place.
    SelectListLine(dialog, NoteList, 0);
    EXPECT_EQ(ControlText(dialog, NoteText), stored[0].text);
    EXPECT_EQ(FocusedControl(dialog), NoteText);
    NoteRecord edited = stored[0];
    edited.date.year = static_cast<uint16_t>(edited.date.year + 1);
    SetText(dialog, NoteDate, dates::DateText(edited.date));
    Click(dialog, Commit);
    EXPECT_EQ(List()[0], notes::NoteListLine(edited));
    AddNote(dates::DateText(added.date), ""); // an empty new note stores nothing
    EXPECT_EQ(List().size(), 3u);

    SelectListLine(dialog, NoteList, 1);
    ClickAsync(dialog, Delete);
    ExpectBox("confirmar eliminar nota", IDNO, DeleteQuestion);
    EXPECT_EQ(List().size(), 3u);
    DeleteLine(2);
    EXPECT_EQ(List(), LinesOf({edited, added}));
    Click(dialog, NewNote); // with a new note in the editor "&elimina" does nothing
    ClickAsync(dialog, Delete);
    EXPECT_TRUE(NoBoxWithin(500));
    // (No, leaving unsaved, is shown by the start-up mode test)
    RefuseThenSave(Leave, IDCANCEL, "notas modificadas", SaveQuestion, original);
    EXPECT_EQ(testing_support::ReadBytes(agenda), FileOf({edited, added}));
    EXPECT_EQ(testing_support::ReadBytes(agenda + ".bak"), original);
}

// Another program saving meanwhile (agenda add in a terminal here; a second Tarvela saves through
// the same data-file unit): the open Tarvela asks at its save, No keeps that file, Yes replaces it.
TEST_F(TarvelaDialog, ASaveAsksBeforeReplacingWhatAnotherProgramSavedMeanwhile) {
    WriteAgenda({On(today, "vieja")});
    Start();
    DWORD code = 99;
    Program add(AGENDA_EXE, folder.dir, "add " + dates::DateText(On(today + days{1}).date) + " desde agenda");
    ASSERT_TRUE(add.WaitForExit(code));
    EXPECT_EQ(code, 0u);
    const auto added = testing_support::ReadBytes(agenda);
    EXPECT_EQ(added, FileOf({On(today, "vieja"), On(today + days{1}, "desde agenda")}));
    AddToday("primera");
    RefuseThenSave(LeaveSaving, IDNO, "agenda.dat ha cambiado", ChangedQuestion, added);
    EXPECT_EQ(testing_support::ReadBytes(agenda), FileOf({On(today, "vieja"), On(today, "primera")}));
}

TEST_F(TarvelaDialog, AnUnreadableAgendaIsReportedAndAFailedSaveKeepsEveryChange) {
    WriteAgenda({On(today, "vieja")});
    const auto original = testing_support::ReadBytes(agenda);
    auto lock = HoldFile(agenda);
    Launch();
    EXPECT_EQ(ExpectBox("No se puede leer agenda.dat", IDOK)
                  .rfind("agenda.dat existe pero no se ha podido leer:\n", 0),
              0u);
    FindMainDialog();
    EXPECT_TRUE(List().empty());
    AddToday("nueva");
    const std::string question =
        "agenda.dat no se pudo leer al empezar.\n\xBFReemplazarlo por las notas que hay ahora en la agenda?";
    ClickAsync(dialog, LeaveSaving); // still locked: the save fails, says why, and nothing is lost
    ExpectBox("Reemplazar agenda.dat", IDYES, question);
    EXPECT_EQ(
        ExpectBox("Error al guardar", IDOK).rfind("No se han podido guardar las notas en agenda.dat:\n", 0),
        0u);
    EXPECT_TRUE(NoBoxWithin(500)) << "no success message after a failed save";
    EXPECT_EQ(List().size(), 1u);
    lock.reset();
    RefuseThenSave(LeaveSaving, IDNO, "Reemplazar agenda.dat", question, original);
    EXPECT_EQ(testing_support::ReadBytes(agenda), FileOf({On(today, "nueva")}));
}

TEST_F(TarvelaDialog, NotesBeyondTheTableAreKeptAndAFullAgendaRefusesANewNote) {
    const auto original = testing_support::WriteNoise(agenda, 300 * notes::NoteRecordSize);
    Launch();
    ExpectBox(
        "Demasiadas notas", IDOK,
        "agenda.dat tiene 300 notas; se muestran las 255 primeras.\nLas dem\xE1s se conservan sin cambios al "
        "guardar.");
    FindMainDialog();
    EXPECT_EQ(List().size(), 255u);
    SetText(dialog, NoteText, "la 256");
    ClickAsync(dialog, Commit);
    ExpectBox("Agenda llena", IDOK,
              "La agenda ya tiene 255 notas y no admite m\xE1s.\nElimine alguna nota antes de a\xF1"
              "adir esta.");
    EXPECT_EQ(ControlText(dialog, NoteText), "la 256");
    DeleteLine(0);
    SaveOnAceptar();
    // The 45 records beyond the table come back exactly as they were, after the 254 others.
    const auto saved = testing_support::ReadBytes(agenda);
    ASSERT_EQ(saved.size(), 299 * notes::NoteRecordSize);
    EXPECT_TRUE(std::equal(saved.end() - 45 * notes::NoteRecordSize, saved.end(),
                           original.end() - 45 * notes::NoteRecordSize));
}

// agenda.dat made on the Unix side (stand_ins.sh): a link into another folder is saved where it
// leads; a device, a pipe or a folder in its place is reported and left as it is.
TEST_F(TarvelaDialog, ALinkedAgendaIsSavedWhereItLeadsAndWhatIsNotAFileIsReported) {
    const std::string standIns = STAND_INS;
    ASSERT_TRUE(std::filesystem::exists(standIns + "/synced")) << "ctest runs stand_ins.sh first";
    startFolder = testing_support::SysPath(standIns + "/link");
    Start();
    AddToday("enlazada");
    SaveOnAceptar();
    EXPECT_EQ(testing_support::ReadBytes(standIns + "/synced/agenda.dat"), FileOf({On(today, "enlazada")}));
    EXPECT_TRUE(std::filesystem::exists(standIns + "/synced/agenda.dat.bak"));
    EXPECT_FALSE(std::filesystem::exists(standIns + "/link/agenda.dat.bak"));
    const std::pair<std::string, std::string> standingIn[] = {
        {"device", "un dispositivo"}, {"pipe", "una tubería"}, {"folder", "una carpeta"}};
    for (const auto &[what, notAFile] : standingIn) {
        startFolder = testing_support::SysPath(standIns + "/" + what);
        Launch();
        const std::string shown = ExpectBox("No se puede leer agenda.dat", IDOK);
        EXPECT_EQ(shown.rfind("agenda.dat no es un archivo sino " + notAFile + ":\n", 0), 0u) << shown;
        FindMainDialog();
        AddToday("nueva");
        ClickAsync(dialog, LeaveSaving);
        ExpectBox("Error al guardar", IDOK,
                  "No se han podido guardar las notas en agenda.dat:\nno es un archivo sino " + notAFile +
                      "\nNo se ha perdido ning\xFAn cambio.");
        ClickAsync(dialog, Leave);
        ExpectBox("notas modificadas", IDNO, SaveQuestion);
        ExpectExit();
        EXPECT_FALSE(std::filesystem::exists(standIns + "/" + what + "/agenda.dat.bak")) << what;
    }
    EXPECT_TRUE(std::filesystem::is_directory(standIns + "/folder/agenda.dat"));
}

} // namespace
