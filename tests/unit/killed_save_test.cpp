// A saver writing agenda.dat over and over, killed at random moments: after every kill the file is
// one of its two tables whole, and the next saver's first save succeeds.
#include "notes/note_store.h"
#include "shared/util/data_file.h"
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>
#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {
using namespace std::chrono;
// The folder's agenda.dat, saved as the programs save it.
util::DataFile Agenda() {
    return util::BindDataFile(util::JoinPath(util::CurrentFolder(), "killed-save"), {"agenda.dat"});
}
notes::NoteTable Table(size_t which) { // one note, or 200
    notes::NoteTable table;
    table.notes.assign(which == 0 ? 1 : 200, {{3, 4, 2027}, which == 0 ? "una" : "doscientas"});
    return table;
}

[[noreturn]] void SaveForever(size_t first) {
    const notes::NoteTable tables[2] = {Table(0), Table(1)};
    util::DataFile agenda = Agenda();
    for (size_t i = first;; ++i)
        util::SaveDataFile(agenda, EncodeAgendaFile(tables[i % 2]));
}

#ifdef _WIN32
HANDLE StartSaver(size_t first) { // this program again, as "save N"
    char self[MAX_PATH] = {}, line[MAX_PATH + 16] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::snprintf(line, sizeof line, "\"%s\" save %u", self, static_cast<unsigned>(first));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // Starting a process can fail now and then under a busy Wine: try again, and say so if it never starts.
    for (int attempt = 0;
         !CreateProcessA(self, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
         Sleep(100))
        if (++attempt == 4) {
            std::printf("the saver did not start: error %lu\n", GetLastError());
            std::exit(2);
        }
    CloseHandle(process.hThread);
    return process.hProcess;
}
void KillSaver(HANDLE saver) {
    TerminateProcess(saver, 9);
    WaitForSingleObject(saver, 10000);
    CloseHandle(saver);
}
#else
pid_t StartSaver(size_t first) {
    const pid_t pid = ::fork();
    if (pid == 0) SaveForever(first);
    return pid;
}
void KillSaver(pid_t saver) {
    ::kill(saver, SIGKILL);
    ::waitpid(saver, nullptr, 0);
}
#endif

} // namespace

int main(int argc, char **argv) {
    if (argc == 3) SaveForever(argv[2][0] == '1');
    std::filesystem::remove_all("killed-save");
    std::filesystem::create_directory("killed-save");
    const std::vector<uint8_t> files[2] = {EncodeAgendaFile(Table(0)), EncodeAgendaFile(Table(1))};
    const util::SystemPath agenda = Agenda().path;
    const auto start = steady_clock::now();
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> moment(0, 4000);
    size_t shown = 0;
    int midSave = 0;
    // Fewer where every start of the saver is slow (32-bit Wine in an emulator: scripts/test-x86.sh).
    const int Kills = std::getenv("KILLED_SAVE_KILLS") ? std::atoi(std::getenv("KILLED_SAVE_KILLS")) : 200;
    for (int kill = 1; kill <= Kills; ++kill) {
        auto saver = StartSaver(1 - shown);
        // Once the saver has written the other table it is saving for good; then a random moment.
        const auto deadline = steady_clock::now() + seconds(10);
        bool saved = false;
        while (!(saved = util::ReadWholeFile(agenda).bytes == files[1 - shown]) &&
               steady_clock::now() < deadline)
            std::this_thread::yield();
        std::this_thread::sleep_for(microseconds(moment(random)));
        KillSaver(saver);
        const std::vector<uint8_t> file = util::ReadWholeFile(agenda).bytes;
        if (!saved || (file != files[0] && file != files[1])) {
            std::printf("after kill %d: %s\n", kill,
                        saved ? "agenda.dat is neither table" : "no save succeeded");
            return 1;
        }
        shown = file == files[1];
        midSave += std::filesystem::exists(util::TemporaryPathFor(agenda));
    }
    std::printf("%d kills in %.1f s, %d left agenda.dat.tmp behind\n", Kills,
                duration<double>(steady_clock::now() - start).count(), midSave);
    return 0;
}
