#include "notes/startup_batch.h"

#include <gtest/gtest.h>

TEST(StartupBatch, ChangesDriveAndFolderThenStartsTheProgramWithArgumentOne) {
    const struct {
        const char *name, *folder, *bytes;
    } cases[] = {
        {"Notes", "C:\\Agenda", "cd /d C:\\Agenda\r\nNotes 1\r\n"},
        {"Mi agenda", "D:\\A\xF1o 2026", "cd /d D:\\A\xF1o 2026\r\nMi agenda 1\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(notes::StartupBatchText(c.name, c.folder), c.bytes);
}
