#include <windows.h>
#include <vector>
#include "longterm/longterm_dialog.h"
#include "longterm/longterm_ids.h"
#include "longterm/record_store.h"
#include "shared/about/about.h"
#include "shared/convert/convert.h"
#include "shared/dialogs/dialog_helpers.h"
#include "shared/util/data_file_prompts.h"
#include "shared/util/message_boxes.h"

namespace longterm {
namespace {
using namespace dialogs;

constexpr COLORREF DialogColour = RGB(0, 195, 0);
constexpr COLORREF ListColour = RGB(240, 230, 150);
constexpr COLORREF EditColour = RGB(255, 255, 217);
constexpr int FirstYear = 2014, YearCount = 50;
constexpr util::DataFileWords RecordWords{LongTermFileName, "registros", false};

struct LongTermDialogState {
    HINSTANCE instance = nullptr;
    RecordTable table;
    util::DataFile file;       // lonyrs.dat of the start folder
    uint16_t CurrentIndex = 1; // the slot the fields belong to; RecordCount + 1 for a new record
    HBRUSH dialogBrush = nullptr;
    HBRUSH listBrush = nullptr;
    HBRUSH editBrush = nullptr;
};

LongTermDialogState state;

bool EditingExistingRecord() {
    return state.CurrentIndex >= 1 && state.CurrentIndex <= RecordCount(state.table);
}

void FillRecordList(HWND dialog) {
    std::vector<util::ShortText> lines;
    lines.reserve(state.table.records.size());
    for (const YearMonthRecord &record : state.table.records)
        lines.push_back(RecordListLine(record));
    ListFill(dialog, IDC_RECORD_LIST, lines);
}

void StartNewRecord(HWND dialog) {
    SetControlText(dialog, IDC_YEAR_FIELD, "");
    SetControlText(dialog, IDC_MONTH_FIELD, "");
    SetControlText(dialog, IDC_NOTE_FIELD, "");
    state.CurrentIndex = static_cast<uint16_t>(RecordCount(state.table) + 1);
}

void ShowRecord(HWND dialog, uint16_t slot) {
    if (slot == 0 || slot > RecordCount(state.table)) return;
    const YearMonthRecord &record = RecordAt(state.table, slot);
    SetControlText(dialog, IDC_YEAR_FIELD, convert::NumberToText(record.year));
    SetControlText(dialog, IDC_MONTH_FIELD, convert::NumberToText(record.month));
    SetControlText(dialog, IDC_NOTE_FIELD, record.note);
    state.CurrentIndex = slot;
}

// "Ok": what is not a number counts as 0; nothing typed is refused.
void CommitFields(HWND dialog) {
    int32_t error = 0;
    const int32_t year = GetControlInteger(dialog, IDC_YEAR_FIELD, error);
    const int32_t month = GetControlInteger(dialog, IDC_MONTH_FIELD, error);
    const std::string note = GetControlText(dialog, IDC_NOTE_FIELD);
    if (StoreRecord(state.table, state.CurrentIndex, year, month, note) == StoreResult::TableFull) {
        util::ShowMessageFlags("Agenda llena",
                               "La agenda ya tiene 1024 registros y no admite más.\n"
                               "Elimine algún registro antes de añadir este.",
                               MB_ICONEXCLAMATION);
        return;
    }
    FillRecordList(dialog);
    StartNewRecord(dialog);
}

// "X" deletes only a record that is being edited; with a new record there is nothing to ask.
void DeleteCurrentRecord(HWND dialog) {
    if (!EditingExistingRecord()) return;
    if (!util::Agreed("confirmar eliminar", "¿eliminar el registro?", MB_ICONEXCLAMATION)) return;
    DeleteRecord(state.table, state.CurrentIndex);
    StartNewRecord(dialog);
    FillRecordList(dialog);
}

bool SaveRecordsReporting() { return util::SaveAsking(state.file, EncodeLongTermFile(state.table)); }

void LeaveSaving(HWND dialog) {
    if (!state.table.Modified || SaveRecordsReporting()) EndDialog(dialog, 1);
}

// Yes saves and leaves, No leaves without saving, Cancel (or a failed save) stays.
bool ConfirmLeave() {
    if (!state.table.Modified) return true;
    const int answer = util::AskYesNoCancel("cambios en los registros", "¿guardarlos?");
    return (answer == IDYES && SaveRecordsReporting()) || answer == IDNO;
}

// Reads lonyrs.dat of the start folder and tells what stood in the way.
void LoadRecordFile() {
    state.file = util::BindDataFile(util::CurrentFolder(), RecordWords);
    DecodeLongTermFile(state.table, util::LoadDataFile(state.file)); // no bytes unless it was read
    util::ReportLoad(state.file);
    if (HeldBackCount(state.table) > 0)
        util::ReportHeldBack(state.file, MaxRecords + HeldBackCount(state.table), MaxRecords);
}

void InitLongTermDialog(HWND dialog) {
    if (state.dialogBrush == nullptr) {
        state.dialogBrush = CreateSolidBrush(DialogColour);
        state.listBrush = CreateSolidBrush(ListColour);
        state.editBrush = CreateSolidBrush(EditColour);
    }
    SetClassLongPtrA(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(LoadIconA(state.instance, "Ic0")));
    ComboClear(dialog, IDC_YEAR_FIELD);
    for (int32_t year = FirstYear; year < FirstYear + YearCount; ++year)
        ComboAdd(dialog, IDC_YEAR_FIELD, convert::NumberToText(year));
    ComboFillFromList(dialog, IDC_MONTH_FIELD, " 1; 2; 3; 4; 5; 6; 7; 8; 9;10;11;12");
    LoadRecordFile();
    FillRecordList(dialog);
    StartNewRecord(dialog);
}

void OnCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDC_LEAVE_SAVING: LeaveSaving(dialog); break;
    case IDC_LEAVE:
        if (ConfirmLeave()) EndDialog(dialog, 0);
        break;
    case IDC_STORE_RECORD: CommitFields(dialog); break;
    case IDC_NEW_RECORD: StartNewRecord(dialog); break;
    case IDC_DELETE_RECORD: DeleteCurrentRecord(dialog); break;
    case IDC_RECORD_LIST:
        if (code == LBN_SELCHANGE) ShowRecord(dialog, ListSelection(dialog, IDC_RECORD_LIST));
        break;
    case IDM_ABOUT: about::ShowAbout("Agenda a largo plazo (años y meses)"); break;
    default: break;
    }
}

INT_PTR CALLBACK LongTermDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: InitLongTermDialog(dialog); return FALSE;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLOREDIT: return ColourReply(wParam, state.editBrush, EditColour);
    case WM_CTLCOLORLISTBOX: return ColourReply(wParam, state.listBrush, ListColour);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: return ColourReply(wParam, state.dialogBrush, DialogColour);
    default: return 0;
    }
}

} // namespace

void RunLongTermDialog(HINSTANCE instance) {
    state.instance = instance;
    DialogBoxParamA(instance, "Principal", nullptr, LongTermDialogProc, 0);
}

} // namespace longterm
