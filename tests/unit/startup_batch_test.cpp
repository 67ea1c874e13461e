#include "notes/startup_batch.h"

#include <gtest/gtest.h>

TEST(StartupBatch, ChangesDriveAndFolderThenStartsTheProgramWithArgumentOne) {
    EXPECT_EQ(notes::StartupBatchText("Mi agenda", "D:\\A\xF1o 2026"),
              "cd /d D:\\A\xF1o 2026\r\nMi agenda 1\r\n");
}
