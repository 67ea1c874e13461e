// What agenda reads from outside: UTF-8 into Windows-1252, and iCalendar files.
#include <gtest/gtest.h>
#include "cli/utf8.h"
#include "cli/ical_reader.h"

namespace {

TEST(Windows1252FromUtf8, KeepsWhatItHasAndGivesTheRestItsNearestLetter) {
    struct Case {
        const char *utf8;
        const char *windows1252;
        size_t replaced;
        const char *first;
    };
    const Case cases[] = {
        {"Caf\xC3\xA9 \xE2\x82\xAC \xC5\x93 \xE2\x80\x9C", "Caf\xE9 \x80 \x9C \x93", 0, ""}, // é € œ “
        {"\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "L\xF3"
         "dz",
         2, "'\xC5\x81' (U+0141)"}, // Łódź
        {"e\xCC\x81 \xC8\x98 \xE2\x80\x90\xE2\x80\x89|", "e S - |", 4,
         "'\xCC\x81' (U+0301)"},                                                // accent, Ș, dash, space
        {"\xE6\x9D\xB1 \xF0\x9F\x98\x80", "? ?", 2, "'\xE6\x9D\xB1' (U+6771)"}, // 東, an emoji
        {"\xC2\x81\xC2\x80", "\x81?", 1, "'\xC2\x80' (U+0080)"}, // U+0081 is byte 0x81; U+0080 has no byte
        {"a\xC0\xAF"
         "b\xED\xA0\x80"
         "c\xE2\x82",
         "a??b???c??", 7, "'\xEF\xBF\xBD' (U+FFFD)"}, // overlong, surrogate, cut
    };
    for (const Case &c : cases) {
        const cli::Windows1252Text text = cli::Windows1252FromUtf8(c.utf8);
        EXPECT_EQ(text.text, c.windows1252) << c.utf8;
        EXPECT_EQ(text.replaced, c.replaced) << c.utf8;
        EXPECT_EQ(text.firstReplaced, c.first) << c.utf8;
        if (c.replaced == 0) {
            EXPECT_EQ(cli::Utf8FromWindows1252(text.text), c.utf8); // and back
        }
    }
}

TEST(Windows1252FromUtf8, ATerminalsLineFeedBecomesTheProgramsCrLf) {
    EXPECT_EQ(cli::WithCrLf("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
}

std::vector<cli::CalendarEntry> Read(std::string_view text, bool calendar = true) {
    std::vector<cli::CalendarEntry> entries;
    EXPECT_EQ(cli::ReadCalendar(text, entries), calendar);
    return entries;
}

TEST(CalendarReader, UnfoldsUnescapesAndKeepsEachEntrysOwnProperties) {
    // CR LF and LF lines, folds with a blank and a tab (one inside a character's bytes), escapes,
    // a colon inside a quoted parameter, a DATE-TIME, an alarm's own description, a recurrence.
    const auto entries = Read("\xEF\xBB\xBF"
                              "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n"
                              "DTSTART;TZID=\"Europe/Madrid:x\":20270106T183000\r\n"
                              "SUMMARY;LANGUAGE=es:Reuni\xC3\r\n \xB3n\\, sala\\; 3\\\\4\\N\r\n\tfin\n"
                              "description:uno\\ndos\nRRULE:FREQ=WEEKLY\n"
                              "BEGIN:VALARM\nDESCRIPTION:aviso\nEND:VALARM\nEND:VEVENT\n"
                              "BEGIN:VJOURNAL\nDTSTART;VALUE=DATE:20270301\nSUMMARY:Pasaporte\nEND:VJOURNAL\n"
                              "BEGIN:VEVENT\nDTSTART:20270230\nSUMMARY:sin d\xC3\xAD"
                              "a\nEND:VEVENT\nEND:VCALENDAR\n");
    ASSERT_EQ(entries.size(), 3u);
    const cli::CalendarEntry &event = entries[0], &journal = entries[1], &undated = entries[2];
    EXPECT_FALSE(event.journal);
    EXPECT_TRUE(event.dated && event.recurring);
    EXPECT_EQ((std::array{event.start.day, event.start.month, event.start.year}),
              (std::array<uint16_t, 3>{6, 1, 2027}));
    EXPECT_EQ(event.summary, "Reuni\xC3\xB3n, sala; 3\\4\nfin");
    EXPECT_EQ(event.description, "uno\ndos");
    EXPECT_TRUE(journal.journal && journal.dated && !journal.recurring);
    EXPECT_EQ(journal.summary, "Pasaporte");
    EXPECT_FALSE(undated.dated); // 30 February
    EXPECT_EQ(undated.summary, "sin d\xC3\xAD"
                               "a");
}

TEST(CalendarReader, WhatIsNoCalendarOrNoDateIsTold) {
    EXPECT_TRUE(Read("BEGIN:VEVENT\nSUMMARY:x\nEND:VEVENT\n", false).size() == 1);
    EXPECT_TRUE(Read("", false).empty());
    for (const char *start :
         {"DTSTART:2027010", "DTSTART:2O270101", "DTSTART:20271301", "DTSTART:00000101", "X:"}) {
        const auto entries = Read(std::string("BEGIN:VCALENDAR\nBEGIN:VEVENT\n") + start + "\nEND:VEVENT\n");
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_FALSE(entries[0].dated) << start;
    }
}

} // namespace
