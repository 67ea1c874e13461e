// Velmarix end to end: the real program in a fresh folder, driven as a user would.
#include "longterm/record_store.h"
#include "tests/win32/program_test.h"

using namespace driver;
using longterm::YearMonthRecord;

namespace {

constexpr int LeaveSaving = 1, Leave = 2, Store = 3, NewRecord = 5, Delete = 6, RecordList = 100,
              YearField = 111, MonthField = 112, NoteField = 113;
const std::string SaveQuestion = "\xBFguardarlos?";

class Velmarix : public ProgramTest {
  protected:
    Velmarix() : ProgramTest(VELMARIX_EXE, "Agenda por a\xF1os") {}
    // Started in a folder named outside Windows-1252, which the ANSI calls know only as "Lódz".
    const std::filesystem::path file = [this] {
        std::filesystem::create_directory(startFolder += L"\\\u0141\u00F3d\u017A");
        return std::filesystem::path(startFolder) / "lonyrs.dat";
    }();

    // What a save of these records writes, byte for byte.
    static std::vector<uint8_t> FileOf(const std::vector<YearMonthRecord> &records) {
        longterm::RecordTable table;
        table.records = records;
        return longterm::EncodeLongTermFile(table);
    }
    void Fill(const std::string &year, const std::string &month, const std::string &note) {
        SetText(dialog, YearField, year);
        SetText(dialog, MonthField, month);
        SetText(dialog, NoteField, note);
    }
    bool FieldsEmpty() {
        return ControlText(dialog, YearField).empty() && ControlText(dialog, MonthField).empty() &&
               ControlText(dialog, NoteField).empty();
    }
    Lines List() const { return ListLines(dialog, RecordList); }
};

TEST_F(Velmarix, StoresWhatIsTypedAsNumbersAndSavesOnAceptar) {
    Start();
    Lines years;
    for (int year = 2014; year <= 2063; ++year)
        years.push_back(std::to_string(year));
    EXPECT_EQ(ComboItems(dialog, YearField), years);
    EXPECT_EQ(ComboItems(dialog, MonthField),
              Lines({" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12"}));
    EXPECT_TRUE(List().empty() && FieldsEmpty());

    Click(dialog, Store); // empty fields: year 0, month 0
    Fill("abc", "", "letras");
    Click(dialog, Store);
    Fill(" 2020 ", "", "a\xF1o con blancos");
    SelectComboItem(dialog, MonthField, 6); // " 7"
    Click(dialog, Store);
    EXPECT_EQ(List(), Lines({"0 ", "0 letras", "2020 a\xF1o con blancos"}));
    EXPECT_TRUE(FieldsEmpty());

    // A selected record shows its plain month and is replaced in place.
    SelectListLine(dialog, RecordList, 2);
    EXPECT_EQ(ControlText(dialog, YearField) + "|" + ControlText(dialog, MonthField) + "|" +
                  ControlText(dialog, NoteField),
              "2020|7|a\xF1o con blancos");
    SelectListLine(dialog, RecordList, 1);
    Fill("2031", "12", "cambiada");
    Click(dialog, Store);
    EXPECT_EQ(List(), Lines({"0 ", "2031 cambiada", "2020 a\xF1o con blancos"}));

    ClickAsync(dialog, LeaveSaving); // saves without a question
    ExpectExit();
    EXPECT_EQ(testing_support::ReadBytes(file),
              FileOf({{0, 0, ""}, {2031, 12, "cambiada"}, {2020, 7, "a\xF1o con blancos"}}));
}

TEST_F(Velmarix, DeleteAsksOnlyForASelectedRecordAndLeavingAsksToSave) {
    const std::vector<YearMonthRecord> records = {{2030, 1, "uno"}, {2031, 2, "dos"}, {2032, 3, "tres"}};
    testing_support::WriteBytes(file, FileOf(records));
    Start();
    ClickAsync(dialog, Delete); // nothing selected: nothing asked, nothing deleted
    EXPECT_TRUE(NoBoxWithin(500));
    for (const int answer : {IDNO, IDYES}) {
        SelectListLine(dialog, RecordList, 1);
        ClickAsync(dialog, Delete);
        ExpectBox("confirmar eliminar", answer,
                  "\xBF"
                  "eliminar el registro?");
    }
    EXPECT_EQ(List(), Lines({"2030 uno", "2032 tres"}));
    EXPECT_TRUE(FieldsEmpty());
    ClickAsync(dialog, Delete); // back to a new record: "X" does nothing again
    EXPECT_TRUE(NoBoxWithin(300));
    EXPECT_EQ(List().size(), 2u);
    for (const int answer : {IDCANCEL, IDNO}) { // Cancel stays, No leaves without saving
        ClickAsync(dialog, Leave);
        ExpectBox("cambios en los registros", answer, SaveQuestion);
    }
    ExpectExit();
    EXPECT_EQ(testing_support::ReadBytes(file), FileOf(records));

    Start();
    Click(dialog, NewRecord);
    Fill("2040", "4", "cuatro");
    Click(dialog, Store);
    for (const bool locked : {true, false}) { // a failed save says why and keeps the dialog and the records
        const auto lock = locked ? HoldFile(file) : FileLock(nullptr, CloseHandle);
        ClickAsync(dialog, Leave);
        ExpectBox("cambios en los registros", IDYES, SaveQuestion);
        EXPECT_TRUE(
            !locked ||
            (ExpectBox("Error al guardar", IDOK).rfind("No se han podido guardar los registros", 0) == 0 &&
             NoBoxWithin(500) && List().size() == 4));
    }
    ExpectExit();
    EXPECT_EQ(testing_support::ReadBytes(file),
              FileOf({records[0], records[1], records[2], {2040, 4, "cuatro"}}));
    Start();
    ExpectAbout("Respecto Velmarix...");
    ClickAsync(dialog, Leave); // nothing changed: no question
    ExpectExit();
}

} // namespace
