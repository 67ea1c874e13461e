// The core's work behind one refill of each program's list: loading agenda.dat (255 notes,
// 66,810 bytes) against a plain read of it, the seven periods, the 255 list lines, all of it
// together, and lonyrs.dat's 1024 records with their list lines.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "longterm/record_store.h"
#include "notes/periods.h"
#include "shared/dates/names.h"
#include "shared/util/data_file.h"
#include "shared/util/language.h"

namespace {

// Tuesday 15 December 2026, as the dialog hands it to the periods; a month and year chosen.
const notes::PeriodDates kWhen{{15, 12, 2026}, {16, 12, 2026}, 2, 2027};

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
    for (int32_t mode = notes::AllNotes; mode <= notes::ChosenMonth; ++mode) {
        notes::NoteSet shown;
        notes::SelectPeriod(table, mode, kWhen, shown);
        selected += shown.count();
    }
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
        notes::NoteSet shown;
        notes::SelectPeriod(table, static_cast<int32_t>(state.range(0)), kWhen, shown);
        benchmark::DoNotOptimize(shown);
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

int main(int argc, char **argv) {
    util::LanguageIndex = 2; // both programs run in Spanish
    dates::SelectLanguage();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Folder());
    return 0;
}
