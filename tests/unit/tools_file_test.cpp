// The files Tarvela's menu writes: Tools.rel, read on every kind of line end, cut and end of file,
// and written as CR LF lines; the start-up batch file's two lines.
#include <gtest/gtest.h>
#include "notes/startup_batch.h"
#include "notes/tools_file.h"

using notes::ToolEntry;

namespace {

std::vector<uint8_t> Bytes(const std::string &text) { return {text.begin(), text.end()}; }

TEST(ToolsFile, ReadsFourLinesPerToolWhateverEndsThem) {
    const std::pair<std::string, std::vector<ToolEntry>> cases[] = {
        {"", {}},
        {"\x1Ax\r\n", {}},
        {"A\r\na.exe\r\n\r\n\r\nB\r\nb.pdf\r\nC:\\B\r\n-x\r\n",
         {{"A", "a.exe", "", ""}, {"B", "b.pdf", "C:\\B", "-x"}}},
        {"A\nB\rC\r\nD", {{"A", "B", "C", "D"}}},
        {"A\n\rB", {{"A", "", "B", ""}}}, // LF then CR are two line ends
        {"A\r\nB", {{"A", "B", "", ""}}},
        {"A\r\nB\r\nC\r\nD\r\n\r\n", {{"A", "B", "C", "D"}, {}}},
        {"A\r\nB\r\nC\r\nD\r\n\x1Az\r\n", {{"A", "B", "C", "D"}}},
        {std::string(255, 'a') + std::string(45, 'b') + "\r\nx\r\n", {{std::string(255, 'a'), "x", "", ""}}},
    };
    for (const auto &[file, tools] : cases) {
        const notes::ToolList list = notes::DecodeTools(Bytes(file));
        EXPECT_EQ(list.tools, tools) << file.substr(0, 40);
        EXPECT_TRUE(list.heldBack.empty() && list.heldBackCount == 0);
    }
}

TEST(ToolsFile, ThreeToolsWriteTwelveCrLfLinesThatReadBackTheSame) {
    const notes::ToolList list{
        {{"Bloc", "notepad.exe", "", ""}, {"Manual", "m.pdf", "C:\\Docs", ""}, {"", "x", "", "-p"}}, {}, 0};
    const auto file =
        Bytes("Bloc\r\nnotepad.exe\r\n\r\n\r\nManual\r\nm.pdf\r\nC:\\Docs\r\n\r\n\r\nx\r\n\r\n-p\r\n");
    EXPECT_EQ(notes::EncodeTools(list), file);
    EXPECT_EQ(notes::DecodeTools(file).tools, list.tools);
    EXPECT_TRUE(notes::EncodeTools({}).empty());
}

TEST(ToolsFile, ToolsBeyondTheSixtyFourthGoBackAsTheyWere) {
    std::string file;
    for (int i = 1; i <= 70; ++i)
        file.append("T").append(std::to_string(i)).append(i <= 64 ? "\r\nf\r\nd\r\np\r\n" : "\nf\rd\np\n");
    file += "\x1Arest";
    notes::ToolList list = notes::DecodeTools(Bytes(file));
    ASSERT_EQ(list.tools.size(), 64u);
    EXPECT_EQ(list.tools[63], (ToolEntry{"T64", "f", "d", "p"}));
    EXPECT_EQ(list.heldBackCount, 6u);
    EXPECT_EQ(notes::EncodeTools(list), Bytes(file));
    notes::DeleteTool(list, 2); // the gap closes; the held-back tools follow the 63 others
    const std::string second = "T2\r\nf\r\nd\r\np\r\n";
    EXPECT_EQ(notes::EncodeTools(list), Bytes(file.erase(file.find(second), second.size())));
}

// The bytes pass as they are (\xA4 is ñ in the OEM code pages 437 and 850).
TEST(StartupBatch, QuotesTheFolderAndTheProgramFileAndDoublesEveryPercent) {
    EXPECT_EQ(notes::StartupBatchText("Mi %agenda%", "D:\\A\xA4o 100% & ^"),
              "cd /d \"D:\\A\xA4o 100%% & ^\"\r\n\"Mi %%agenda%%.exe\" 1\r\n");
}

} // namespace
