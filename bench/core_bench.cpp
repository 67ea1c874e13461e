// The core's work behind one refill of each program's list: loading agenda.dat (255 notes,
// 66,810 bytes) against a plain read of it, the seven periods, the 255 list lines, all of it
// together, and lonyrs.dat's 1024 records with their list lines. And agenda listing a 10 MB
// agenda.dat (40,000 notes): against a plain read and decode of it, and as a process, for its
// peak memory against the file's size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <random>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/commands.h"
#include "longterm/record_store.h"
#include "notes/periods.h"
#include "shared/dates/names.h"
#include "shared/util/data_file.h"
#include "shared/util/language.h"

namespace {

// Tuesday 15 December 2026, as the dialog hands it to the periods; a month and year chosen.
const notes::PeriodDates When{{15, 12, 2026}, {16, 12, 2026}, 2, 2027};

std::string Folder() {
    static const std::string folder = [] {
        const auto path =
            std::filesystem::temp_directory_path() / ("agenda-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path.string() + "/";
    }();
    return folder;
}

// A text of 8 to 120 characters, every tenth with a line break, as notes are typed.
std::string NoteText(std::mt19937 &random) {
    static const std::string words = "Comprar pan llamar a Marta cita médico reunión pagar recibo luz ";
    std::string text;
    const size_t length = 8 + random() % 113;
    while (text.size() < length)
        text += words.substr(random() % (words.size() - 8), 6);
    text.resize(length);
    if (random() % 10 == 0) text.replace(length / 2, 2, "\r\n");
    return text;
}

// agenda.dat with 255 notes in date order, one every day or so from mid-October 2026 on.
const std::string &AgendaFile() {
    static const std::string path = [] {
        std::mt19937 random(255);
        notes::NoteTable table;
        dates::CalendarDate day{15, 10, 2026};
        while (table.notes.size() < notes::MaxNotes) {
            table.notes.push_back({day, NoteText(random)});
            if (random() % 4 != 0) day = dates::NextDay(day);
        }
        util::DataFile file = util::BindDataFile(Folder(), {notes::AgendaFileName});
        if (!util::SaveDataFile(file, notes::EncodeAgendaFile(table)).ok ||
            std::filesystem::file_size(file.path) != 66810)
            std::abort();
        return file.path;
    }();
    return path;
}

// lonyrs.dat with 1024 records over the years 2000 to 2039.
const std::string &LongTermFile() {
    static const std::string path = [] {
        std::mt19937 random(1024);
        longterm::RecordTable table;
        util::DataFile file = util::BindDataFile(Folder(), {longterm::LongTermFileName});
        for (uint16_t slot = 1; slot <= longterm::MaxRecords; ++slot)
            longterm::StoreRecord(table, slot, 2000 + static_cast<int32_t>(random() % 40),
                                  1 + static_cast<int32_t>(random() % 12), NoteText(random));
        if (!util::SaveDataFile(file, longterm::EncodeLongTermFile(table)).ok) std::abort();
        return file.path;
    }();
    return path;
}

// The least a loader must do: open, size, read all of it into memory, close.
std::vector<uint8_t> PlainRead(const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    ::fstat(fd, &info);
    std::vector<uint8_t> bytes(static_cast<size_t>(info.st_size));
    if (::read(fd, bytes.data(), bytes.size()) != info.st_size) std::abort();
    ::close(fd);
    return bytes;
}

void PlainReadAgenda(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainRead(AgendaFile()));
}

// What the programs do at start: agenda.dat bound in its folder, read and decoded.
void LoadAgenda(notes::NoteTable &table) {
    AgendaFile(); // made once, before the first load
    util::DataFile file = util::BindDataFile(Folder(), {notes::AgendaFileName});
    notes::DecodeAgendaFile(table, util::LoadDataFile(file));
}

void LoadNotes(benchmark::State &state) {
    for (auto _ : state) {
        notes::NoteTable table;
        LoadAgenda(table);
        benchmark::DoNotOptimize(table.notes.data());
    }
}

notes::NoteTable LoadedNotes() {
    notes::NoteTable table;
    LoadAgenda(table);
    if (table.notes.size() != notes::MaxNotes) std::abort();
    return table;
}

size_t SevenPeriods(const notes::NoteTable &table) {
    size_t selected = 0;
    for (int32_t mode = notes::AllNotes; mode <= notes::ChosenMonth; ++mode)
        selected += notes::SelectPeriod(table, static_cast<notes::Period>(mode), When).count();
    return selected;
}

size_t ListLines(const notes::NoteTable &table) {
    size_t characters = 0;
    for (const notes::NoteRecord &note : table.notes)
        characters += notes::NoteListLine(note).size();
    return characters;
}

void Period(benchmark::State &state) {
    const notes::NoteTable table = LoadedNotes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            notes::SelectPeriod(table, static_cast<notes::Period>(state.range(0)), When));
    }
}

void SevenPeriods(benchmark::State &state) {
    const notes::NoteTable table = LoadedNotes();
    for (auto _ : state)
        benchmark::DoNotOptimize(SevenPeriods(table));
}

void ListLines(benchmark::State &state) {
    const notes::NoteTable table = LoadedNotes();
    for (auto _ : state)
        benchmark::DoNotOptimize(ListLines(table));
}

void LoadPeriodsAndLines(benchmark::State &state) {
    for (auto _ : state) {
        notes::NoteTable table;
        LoadAgenda(table);
        benchmark::DoNotOptimize(SevenPeriods(table) + ListLines(table));
    }
}

// agenda.dat of 40,000 notes (10,480,000 bytes) in a folder of its own, dated from 2026 on.
const std::string &BigFolder() {
    static const std::string folder = [] {
        std::mt19937 random(40000);
        notes::NoteTable notes; // far more than a table holds: only to be encoded
        dates::CalendarDate day{1, 1, 2026};
        for (int i = 0; i < 40000; ++i) {
            notes.notes.push_back({day, NoteText(random)});
            if (random() % 8 == 0) day = dates::NextDay(day);
        }
        std::vector<uint8_t> bytes = notes::EncodeAgendaFile(notes);
        const std::string path = Folder() + "big";
        std::filesystem::create_directories(path);
        util::DataFile file = util::BindDataFile(path, {notes::AgendaFileName});
        if (!util::SaveDataFile(file, std::move(bytes)).ok) std::abort();
        return path;
    }();
    return folder;
}

// The yardstick of a listing: the file read whole, and every note decoded as the programs decode
// their table (DecodeAgendaFile), 255 at a time.
void PlainReadDecodeAgenda10MB(benchmark::State &state) {
    const std::string path = BigFolder() + "/" + notes::AgendaFileName;
    constexpr size_t TableBytes = notes::MaxNotes * notes::NoteRecordSize;
    for (auto _ : state) {
        const std::vector<uint8_t> bytes = PlainRead(path);
        notes::NoteTable table;
        size_t decoded = 0;
        for (size_t at = 0; at < bytes.size(); at += TableBytes) {
            notes::DecodeAgendaFile(table,
                                    std::span(bytes).subspan(at, std::min(TableBytes, bytes.size() - at)));
            decoded += table.notes.size();
        }
        benchmark::DoNotOptimize(decoded);
    }
}

// "agenda list": every note as a line, written to /dev/null in place of the terminal.
void ListAgenda10MB(benchmark::State &state) {
    cli::Arguments args;
    args.command = cli::Command::List;
    args.dir = BigFolder();
    std::fflush(stdout);
    const int terminal = ::dup(STDOUT_FILENO);
    const int errors = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO); // "holds 40000 notes", each time
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::RunCommand(args, {15, 12, 2026}, "20261215T000000Z"));
        std::fflush(stdout);
    }
    ::dup2(terminal, STDOUT_FILENO);
    ::dup2(errors, STDERR_FILENO);
    for (const int fd : {terminal, errors, null})
        ::close(fd);
}

// The agenda program listing the 10 MB file (AGENDA_BENCH_PROGRAM, or this tree's): its peak
// resident memory as a multiple of the file's size, in the label ("1.42 x file, 14.2 MB"; a
// counter would have to be in every benchmark of a CSV report).
void ListAgenda10MBPeakMemory(benchmark::State &state) {
    const char *chosen = std::getenv("AGENDA_BENCH_PROGRAM");
    const std::string program = chosen != nullptr ? chosen : AGENDA_PROGRAM;
    const std::string folder = BigFolder();
    std::vector<std::string> words = {program, "list", "--dir", folder};
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    long peakKilobytes = 0;
    for (auto _ : state) {
        // A spawned program's peak starts at what this process holds (the kernel takes it over at
        // exec): what the other benchmarks freed goes back to the system, and this process's own
        // peak is brought down to that, well below the program's.
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0); // "holds 40000"
        pid_t child = 0;
        if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) std::abort();
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        struct rusage usage {};
        if (::wait4(child, &status, 0, &usage) != child || status != 0) std::abort();
        peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
    }
    const auto fileSize =
        static_cast<double>(std::filesystem::file_size(folder + "/" + notes::AgendaFileName));
    char label[64];
    std::snprintf(label, sizeof label, "%.2f x file, %.1f MB",
                  static_cast<double>(peakKilobytes) * 1024 / fileSize,
                  static_cast<double>(peakKilobytes) / 1024);
    state.SetLabel(label);
}

void PlainReadLongTerm(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainRead(LongTermFile()));
}

void LoadRecordsWithLines(benchmark::State &state) {
    LongTermFile(); // made once, before the first load
    for (auto _ : state) {
        longterm::RecordTable table;
        util::DataFile file = util::BindDataFile(Folder(), {longterm::LongTermFileName});
        longterm::DecodeLongTermFile(table, util::LoadDataFile(file));
        size_t characters = 0;
        for (const longterm::YearMonthRecord &record : table.records)
            characters += longterm::RecordListLine(record).size();
        benchmark::DoNotOptimize(characters);
    }
}

} // namespace

BENCHMARK(PlainReadAgenda);
BENCHMARK(LoadNotes);
BENCHMARK(Period)->DenseRange(notes::AllNotes, notes::ChosenMonth);
BENCHMARK(SevenPeriods);
BENCHMARK(ListLines);
BENCHMARK(LoadPeriodsAndLines);
BENCHMARK(PlainReadLongTerm);
BENCHMARK(LoadRecordsWithLines);
BENCHMARK(PlainReadDecodeAgenda10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(ListAgenda10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(ListAgenda10MBPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(1);

int main(int argc, char **argv) {
    util::LanguageIndex = 2; // both programs run in Spanish
    dates::SelectLanguage();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Folder());
    return 0;
}
