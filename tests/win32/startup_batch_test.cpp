// The start-up batch file run as Windows runs it at log-on: by cmd.exe /c, from another folder (the
// start-up folder itself), with record_start standing in for the program under the program's name.
#include <windows.h>
#include <gtest/gtest.h>
#include <filesystem>
#include "notes/startup_batch_file.h"
#include "tests/unit/test_files.h"
#include "tests/win32/driver.h"

namespace {
namespace fs = std::filesystem;

std::string Read(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class StartupBatch : public ::testing::Test {
  protected:
    const testing_support::TempFolder temp;
    const fs::path base = fs::path(testing_support::SysPath(temp.dir)).make_preferred();
    const fs::path startup = base / L"Inicio", log = base / L"log";

    StartupBatch() {
        fs::create_directory(startup);
        SetEnvironmentVariableW(L"RECORD_LOG", log.c_str()); // for the recorder that cmd starts
    }
    ~StartupBatch() override { SetEnvironmentVariableW(L"RECORD_LOG", nullptr); }

    // Writes the batch file that starts program in folder and runs it; returns what the recorder logged,
    // a line per start, and "[cmd did not end]" after it when cmd had not ended within 10 s. What cmd
    // writes goes to the test's output.
    std::string Run(const fs::path &folder, const std::wstring &program) {
        const notes::StartupBatchBytes batch = notes::MakeStartupBatch(folder, program);
        if (batch.bytes.empty()) return "no batch file for " + util::PathToUtf8(batch.unnamable);
        const fs::path file = startup / (program + L".bat");
        std::ofstream(file, std::ios::binary) << batch.bytes;
        fs::remove(log);
        DWORD code = 0;
        const driver::Program cmd(std::getenv("ComSpec"), util::PathToUtf8(startup),
                                  "/c \"\"" + util::PathToUtf8(file) + "\"\"");
        return Read(log) + (cmd.WaitForExit(code) ? "" : "[cmd did not end]");
    }
};

TEST_F(StartupBatch, StartsTheProgramOnceInItsFolderWithTheArgumentOneWhateverTheirNames) {
    const std::pair<const wchar_t *, const wchar_t *> cases[] = {
        {L"José", L"Tarvela"},      {L"Begoña", L"Tarvela"},      {L"Íñigo", L"Tarvela"},
        {L"Mis notas", L"Tarvela"}, {L"Tom & Jerry", L"Tarvela"}, {L"Notas&mkdir X", L"Tarvela"},
        {L"100%", L"Tarvela"},      {L"a%OS%b", L"Tarvela"},      {L"x^y", L"Tarvela"},
        {L"fin^", L"Tarvela"},      {L"Notas (2)", L"Tarvela"},   {L"a;b,c=d", L"Tarvela"},
        {L"Łódź", L"Tarvela"},      {L"Agenda", L"Mi Tarvela"},   {L"Agenda", L"Tarvela (2)"},
        {L"Agenda", L"Ángel"}};
    for (const auto &[name, program] : cases) {
        const fs::path folder = base / name;
        fs::create_directory(folder);
        fs::copy_file(RECORD_START_EXE, folder / (program + std::wstring(L".exe")));
        EXPECT_EQ(Run(folder, program), util::PathToUtf8(folder) + "|1\n");
    }
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(base))
        EXPECT_NE(entry.path().filename(), L"X")
            << "a folder name ran as a command: " << util::PathToUtf8(entry.path());
    // A folder gone since the file was written (the program moved): nothing starts, and cmd ends
    // instead of starting the batch file again from the start-up folder.
    EXPECT_EQ(Run(base / L"Movida", L"Tarvela"), "");
}

// Where the system gives no short names (a volume without them), a folder or a program named with a
// letter the console lacks has no form in the batch file: there is none, and the path is told.
TEST_F(StartupBatch, WithoutShortNamesALetterTheConsoleLacksLeavesNoBatchFile) {
    const auto made = [](const fs::path &folder, const wchar_t *program) {
        const notes::StartupBatchBytes batch =
            notes::MakeStartupBatch(folder, program, [](const util::SystemPath &path) { return path; });
        return batch.bytes + "|" + util::PathToUtf8(batch.unnamable);
    };
    const wchar_t *lodz = L"Łódź"; // not in a macro's argument, whose text becomes a Windows-1252 string
    EXPECT_EQ(made(base / lodz, L"Tarvela"), "|" + util::PathToUtf8(base / lodz));
    EXPECT_EQ(made(base, lodz), "|" + util::PathToUtf8(base / lodz += L".exe"));
}

} // namespace
