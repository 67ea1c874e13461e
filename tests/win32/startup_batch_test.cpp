// The start-up batch file run as Windows runs it at log-on: by cmd.exe /c, from another folder (the
// start-up folder itself), with record_folder standing in for the program under the program's name.
#include <windows.h>
#include <gtest/gtest.h>
#include <filesystem>
#include "notes/startup_batch_file.h"
#include "tests/unit/test_files.h"

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
    int runs = 0;
    std::string output; // the start of what cmd wrote in the last run

    StartupBatch() {
        fs::create_directory(startup);
        SetEnvironmentVariableW(L"RECORD_LOG", log.c_str());
    }

    // Writes the batch file that starts program in folder and runs it; returns what the recorder logged,
    // a line per start, and "[cmd did not end]" after it when cmd had not ended within 10 s.
    std::string Run(const fs::path &folder, const std::wstring &program) {
        const notes::StartupBatchBytes batch = notes::MakeStartupBatch(folder, program);
        if (batch.bytes.empty()) return "no batch file for " + util::PathToUtf8(batch.unnamable);
        const fs::path file = startup / (program + L".bat");
        std::ofstream(file, std::ios::binary) << batch.bytes;
        fs::remove(log);
        // A cmd left running keeps its own.
        const fs::path written = base / (L"output" + std::to_wstring(++runs));
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdOutput = start.hStdError = CreateFileW(written.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                                         &inherited, CREATE_ALWAYS, 0, nullptr);
        std::wstring command = L"cmd.exe /c \"\"" + file.native() + L"\"\"";
        PROCESS_INFORMATION cmd{};
        const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                            nullptr, startup.c_str(), &start, &cmd);
        CloseHandle(start.hStdOutput);
        if (!started) return "cmd.exe did not start";
        const bool ended = WaitForSingleObject(cmd.hProcess, 10000) == WAIT_OBJECT_0;
        if (!ended) TerminateProcess(cmd.hProcess, 1);
        CloseHandle(cmd.hThread);
        CloseHandle(cmd.hProcess);
        output = Read(written).substr(0, 500);
        return Read(log) + (ended ? "" : "[cmd did not end]");
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
        fs::copy_file(RECORD_FOLDER_EXE, folder / (program + std::wstring(L".exe")));
        EXPECT_EQ(Run(folder, program), util::PathToUtf8(folder) + "|1\n") << output;
    }
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(base))
        EXPECT_NE(entry.path().filename(), L"X")
            << "a folder name ran as a command: " << util::PathToUtf8(entry.path());
    // A folder gone since the file was written (the program moved): nothing starts, and cmd ends
    // instead of starting the batch file again from the start-up folder.
    EXPECT_EQ(Run(base / L"Movida", L"Tarvela"), "") << output;
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
