#include <windows.h>
#include <utility>
#include <vector>
#include "notes/notes_dialog.h"
#include "notes/notes_ids.h"
#include "notes/notes_menu.h"
#include "notes/note_store.h"
#include "notes/periods.h"
#include "shared/convert/convert.h"
#include "shared/dates/names.h"
#include "shared/dialogs/dialog_helpers.h"
#include "shared/util/data_file_prompts.h"
#include "shared/util/message_boxes.h"

namespace notes {

util::SystemPath StartDirectory;

namespace {
using namespace dialogs;

constexpr COLORREF NotesDialogColour = RGB(0, 160, 220);
constexpr COLORREF NotesListColour = RGB(250, 240, 150);
constexpr COLORREF NotesListTextColour = RGB(0, 0, 160);
constexpr COLORREF NotesEditColour = RGB(250, 250, 200);

struct NotesDialogState {
    HINSTANCE instance = nullptr;
    bool startupMode = false;
    NoteTable table;
    util::DataFile agenda; // how it was read at start is reported when the dialog opens
    dates::CalendarDate Today;
    dates::CalendarDate Tomorrow;
    Period FilterMode = AllNotes;
    NoteSet ShownSet;
    std::vector<uint8_t> ListMap; // the slot of each list line
    uint8_t CurrentSlot = 0;      // NoteCount + 1 (0 when the table is full) for a new note
    bool NotesModified = false;
    HBRUSH dialogBrush = nullptr;
    HBRUSH listBrush = nullptr;
    HBRUSH editBrush = nullptr;
};

NotesDialogState state;

constexpr util::DataFileWords AgendaWords{AgendaFileName, "notas", true};

bool EditingExistingNote() { return state.CurrentSlot >= 1 && state.CurrentSlot <= NoteCount(state.table); }

void FocusControl(HWND dialog, int id) { SetFocus(ControlHandle(dialog, id)); }

void FillNoteList(HWND dialog) {
    state.ListMap.clear();
    std::vector<util::ShortText> lines;
    lines.reserve(state.ShownSet.count());
    for (int slot = 1; slot <= NoteCount(state.table); ++slot) {
        if (!state.ShownSet.test(static_cast<size_t>(slot))) continue;
        const auto noteSlot = static_cast<uint8_t>(slot);
        lines.push_back(NoteListLine(NoteAt(state.table, noteSlot)));
        state.ListMap.push_back(noteSlot);
    }
    ListFill(dialog, IDC_NOTE_LIST, lines);
}

PeriodDates CurrentPeriodDates(HWND dialog) {
    PeriodDates when{state.Today, state.Tomorrow, ComboSelection(dialog, IDC_MONTH_COMBO), 0};
    when.chosenYear = static_cast<uint16_t>(state.Today.year + ComboSelection(dialog, IDC_YEAR_COMBO) - 1);
    return when;
}

void ApplyFilter(HWND dialog, Period mode) {
    state.FilterMode = mode;
    state.ShownSet = SelectPeriod(state.table, mode, CurrentPeriodDates(dialog));
    // Started at log-on with nothing due: leave before showing. Never once the user has
    // changed notes, which would be lost without a question.
    if (mode == TodayAndTomorrow && state.startupMode && state.ShownSet.none() && !state.NotesModified)
        EndDialog(dialog, 0);
    FillNoteList(dialog);
}

struct PeriodButton {
    int id;
    Period period;
};
constexpr PeriodButton PeriodButtons[] = {{IDC_PERIOD_ALL, AllNotes},
                                          {IDC_PERIOD_TODAY, TodayAndTomorrow},
                                          {IDC_PERIOD_WEEK, ThisWeek},
                                          {IDC_PERIOD_NEXT_WEEK, NextWeek},
                                          {IDC_PERIOD_MONTH, ThisMonth},
                                          {IDC_PERIOD_NEXT_MONTH, NextMonth},
                                          {IDC_PERIOD_CHOSEN_MONTH, ChosenMonth}};

// "Todas" and "hoy y mañ." leave the list as it is when their period is shown already.
void OnPeriodButton(HWND dialog, Period period) {
    if ((period == AllNotes || period == TodayAndTomorrow) && period == state.FilterMode) return;
    ApplyFilter(dialog, period);
}

void StartNewNote(HWND dialog) {
    SetControlText(dialog, IDC_NOTE_DATE, dates::DateText(state.Today));
    SetControlText(dialog, IDC_NOTE_TEXT, "");
    SetControlText(dialog, IDC_WEEKDAY_LABEL, dates::WeekdayName(state.Today));
    state.CurrentSlot = static_cast<uint8_t>(NoteCount(state.table) + 1);
    ListSelect(dialog, IDC_NOTE_LIST, 0);
    FocusControl(dialog, IDC_NOTE_DATE);
}

void ShowNote(HWND dialog) {
    const uint16_t line = ListSelection(dialog, IDC_NOTE_LIST);
    if (line == 0 || line > state.ListMap.size()) return;
    state.CurrentSlot = state.ListMap[line - 1u];
    const NoteRecord &note = NoteAt(state.table, state.CurrentSlot);
    SetControlText(dialog, IDC_NOTE_DATE, dates::DateText(note.date));
    SetControlText(dialog, IDC_NOTE_TEXT, note.text);
    SetControlText(dialog, IDC_WEEKDAY_LABEL, dates::WeekdayName(note.date));
    FocusControl(dialog, IDC_NOTE_TEXT);
}

// After an insert or a delete the shown set names the same notes, except in the
// today-and-tomorrow period, which is worked out again.
void FollowTableChange(NoteSet followed) {
    state.ShownSet = state.FilterMode == TodayAndTomorrow
                         ? SelectTodayAndTomorrow(state.table, {state.Today, state.Tomorrow, 0, 0})
                         : followed;
}

void FinishEdit(HWND dialog) {
    FillNoteList(dialog);
    state.NotesModified = true;
    StartNewNote(dialog);
}

void CommitNote(HWND dialog) {
    NoteRecord &work = state.table.WorkingNote;
    work.text = GetControlText(dialog, IDC_NOTE_TEXT);
    dates::ParseDate(GetControlText(dialog, IDC_NOTE_DATE), work.date);
    if (EditingExistingNote()) {
        ReplaceNote(state.table, state.CurrentSlot, work);
        FinishEdit(dialog);
        return;
    }
    if (work.text.empty()) return;
    const uint8_t slot = state.CurrentSlot == 0 ? 0 : InsertNote(state.table, work);
    if (slot == 0) {
        util::ShowMessageFlags("Agenda llena",
                               "La agenda ya tiene 255 notas y no admite más.\n"
                               "Elimine alguna nota antes de añadir esta.",
                               MB_ICONEXCLAMATION);
        return;
    }
    FollowTableChange(FollowInsert(state.ShownSet, slot));
    FinishEdit(dialog);
}

void DeleteCurrentNote(HWND dialog) {
    if (util::AskYesNo("confirmar eliminar nota", "¿eliminar nota seleccionada?") != IDYES) return;
    const uint8_t slot = state.CurrentSlot;
    DeleteNote(state.table, slot);
    FollowTableChange(FollowDelete(state.ShownSet, slot));
    FinishEdit(dialog);
}

// Saves the notes and says so; on failure tells the user why and keeps every change.
bool SaveAndReport() {
    if (!util::SaveAsking(state.agenda, EncodeAgendaFile(state.table))) return false;
    util::ShowMessage("Hecho", "modificaciones guardadas");
    return true;
}

// Command 1: the "&Aceptar" button, or Enter outside the buttons and the note field.
void LeaveSaving(HWND dialog) {
    const HWND focus = GetFocus();
    if (focus == ControlHandle(dialog, IDC_LEAVE_SAVING)) {
        if (!state.NotesModified || SaveAndReport()) EndDialog(dialog, 1);
    } else if (focus == ControlHandle(dialog, IDC_NOTE_DATE)) {
        FocusControl(dialog, IDC_NOTE_TEXT);
    }
}

void AskToSave(HWND dialog) {
    if (!state.NotesModified) {
        EndDialog(dialog, 0);
        return;
    }
    const int answer = util::AskYesNoCancel("notas modificadas", "¿guardar los cambios?");
    if ((answer == IDYES && SaveAndReport()) || answer == IDNO) EndDialog(dialog, 0);
}

void ReportLoad() {
    util::ReportLoad(state.agenda);
    if (HeldBackCount(state.table) > 0)
        util::ReportHeldBack(state.agenda, MaxNotes + HeldBackCount(state.table), MaxNotes);
}

void CreateColours() {
    if (state.dialogBrush != nullptr) return;
    state.dialogBrush = CreateSolidBrush(NotesDialogColour);
    state.listBrush = CreateSolidBrush(NotesListColour);
    state.editBrush = CreateSolidBrush(NotesEditColour);
}

dates::CalendarDate LocalDate() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    dates::CalendarDate today;
    dates::SetDate(today, now.wDay, now.wMonth, now.wYear);
    return today;
}

void FillPeriodCombos(HWND dialog) {
    for (uint16_t month = 1; month <= 12; ++month)
        ComboAdd(dialog, IDC_MONTH_COMBO, dates::MonthNames[month]);
    ComboSelect(dialog, IDC_MONTH_COMBO, state.Today.month);
    for (int32_t year = state.Today.year; year < state.Today.year + 10; ++year)
        ComboAdd(dialog, IDC_YEAR_COMBO, convert::NumberToText(year));
    ComboSelect(dialog, IDC_YEAR_COMBO, 1);
}

void InitNotesDialog(HWND dialog) {
    SetClassLongPtrA(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(LoadIconA(state.instance, "Ic0")));
    SetUpNotesMenu(dialog);
    CreateColours();
    ReportLoad();
    ApplyFilter(dialog, state.startupMode ? TodayAndTomorrow : AllNotes);
    CheckRadioButton(dialog, IDC_PERIOD_ALL, IDC_PERIOD_TODAY,
                     state.FilterMode == AllNotes ? IDC_PERIOD_ALL : IDC_PERIOD_TODAY);
    SetWindowCaption(dialog, "Mi agenda  (hoy: " + dates::WeekdayName(state.Today) + " " +
                                 dates::DateText(state.Today) + ")");
    FillPeriodCombos(dialog);
    StartNewNote(dialog);
}

void OnCommand(HWND dialog, int id, int code) {
    if (HandleMenuCommand(dialog, id)) return;
    switch (id) {
    case IDC_LEAVE_SAVING: LeaveSaving(dialog); break;
    case IDC_LEAVE: AskToSave(dialog); break;
    case IDC_COMMIT_NOTE: CommitNote(dialog); break;
    case IDC_DELETE_NOTE:
        if (EditingExistingNote()) DeleteCurrentNote(dialog);
        break;
    case IDC_NEW_NOTE: StartNewNote(dialog); break;
    case IDC_MONTH_COMBO:
    case IDC_YEAR_COMBO:
        if (code == CBN_SELCHANGE && IsDlgButtonChecked(dialog, IDC_PERIOD_CHOSEN_MONTH) == BST_CHECKED)
            ApplyFilter(dialog, ChosenMonth);
        break;
    case IDC_NOTE_LIST:
        if (code == LBN_SELCHANGE) ShowNote(dialog);
        break;
    default:
        for (const PeriodButton &button : PeriodButtons)
            if (button.id == id) OnPeriodButton(dialog, button.period);
        break;
    }
}

INT_PTR CALLBACK NotesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: InitNotesDialog(dialog); return FALSE;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLOREDIT: return ColourReply(wParam, state.editBrush, NotesEditColour);
    case WM_CTLCOLORLISTBOX:
        SetTextColor(reinterpret_cast<HDC>(wParam), NotesListTextColour);
        return ColourReply(wParam, state.listBrush, NotesListColour);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: return ColourReply(wParam, state.dialogBrush, NotesDialogColour);
    default: return 0;
    }
}

} // namespace

StartingNotes LoadStartingNotes() {
    StartingNotes start;
    start.agenda = util::BindDataFile(StartDirectory, AgendaWords);
    DecodeAgendaFile(start.table, util::LoadDataFile(start.agenda)); // no bytes unless it was read
    start.today = LocalDate();
    return start;
}

bool NothingToShowAtStartup(const StartingNotes &start) {
    if (start.agenda.notReadAtStart || HeldBackCount(start.table) > 0) return false;
    return SelectTodayAndTomorrow(start.table, {start.today, dates::NextDay(start.today), 0, 0}).none();
}

void RunNotesDialog(HINSTANCE instance, bool startupMode, StartingNotes start) {
    state.instance = instance;
    state.startupMode = startupMode;
    state.table = std::move(start.table);
    state.agenda = std::move(start.agenda);
    state.Today = start.today;
    state.Tomorrow = dates::NextDay(start.today);
    DialogBoxParamA(instance, "Principal", nullptr, NotesDialogProc, 0);
}

} // namespace notes
