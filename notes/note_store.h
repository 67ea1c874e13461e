// The notes of the agenda: the 262-byte note record, the table of at most 255 notes in
// store order, agenda.dat, and the day, week and month selections the periods rest on.
#pragma once
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>
#include "shared/dates/calendar.h"

namespace notes {

constexpr size_t NoteRecordSize = 262;
constexpr size_t MaxNotes = 255;
constexpr size_t MaxNoteText = 255;
inline constexpr const char *AgendaFileName = "agenda.dat";

struct NoteRecord {
    dates::CalendarDate date;
    std::string text; // at most 255 bytes, Windows-1252, may hold CR LF
};

// Slot numbers 1..255; slot 0 never belongs to a set.
using NoteSet = std::bitset<256>;

struct NoteTable {
    NoteRecord WorkingNote;        // slot 0: the editor's working copy, never saved
    std::vector<NoteRecord> notes; // slots 1..NoteCount, notes[slot - 1]
    std::vector<uint8_t> heldBack; // records of the file beyond the 255th, kept as they were
};

NoteRecord DecodeNote(std::span<const uint8_t> bytes); // from 262 bytes

uint8_t NoteCount(const NoteTable &table);
const NoteRecord &NoteAt(const NoteTable &table, uint8_t slot); // slot 1..NoteCount
size_t HeldBackCount(const NoteTable &table);                   // records beyond the 255th

// The table's notes from the bytes of agenda.dat: the notes of the first 255 whole records,
// the whole records after them held back, a short last piece dropped.
void DecodeAgendaFile(NoteTable &table, std::span<const uint8_t> bytes);
// The bytes of agenda.dat: every note, then the held-back records.
std::vector<uint8_t> EncodeAgendaFile(const NoteTable &table);

// Places a copy after every note dated on or before it; returns its slot, or 0 when the
// table already holds 255 notes (nothing changes then).
uint8_t InsertNote(NoteTable &table, const NoteRecord &note);
void ReplaceNote(NoteTable &table, uint8_t slot, const NoteRecord &note);
void DeleteNote(NoteTable &table, uint8_t slot); // closes the gap; a bad slot does nothing

NoteSet SelectDay(const NoteTable &table, const dates::CalendarDate &date);
NoteSet SelectWeek(const NoteTable &table, const dates::CalendarDate &date); // Monday..Sunday
NoteSet SelectMonth(const NoteTable &table, uint16_t month, uint16_t year);
NoteSet SelectAll(const NoteTable &table);

// How a set of shown slots follows the table: after InsertNote landed at slot p every
// slot >= p moves up and p joins; after DeleteNote of slot k, k leaves and those above move down.
NoteSet FollowInsert(const NoteSet &set, uint8_t p);
NoteSet FollowDelete(const NoteSet &set, uint8_t k);

} // namespace notes
