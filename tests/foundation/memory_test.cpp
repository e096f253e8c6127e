#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "capture.h"
#include "zemapi.h"

namespace {

using zemtest::CaptureStdout;

TEST(TrackedMemory, NewBlocksAreZeroFilledResizeKeepsContentsAndSizeZeroReleases)
{
    void *block = reinterpret_cast<void *>(0x1);  // overwritten, never released
    ASSERT_EQ(fNewMemory(&block, 64, "Message"), 1);
    EXPECT_EQ(std::string(static_cast<const char *>(block), 64), std::string(64, '\0'));
    std::memcpy(block, "ABCD", 4);
    ASSERT_EQ(fSizeMemory(&block, 4096), 1);
    EXPECT_EQ(std::memcmp(block, "ABCD", 4), 0);
    ASSERT_EQ(fSizeMemory(&block, 2), 1);
    EXPECT_EQ(std::memcmp(block, "AB", 2), 0);
    EXPECT_EQ(fSizeMemory(&block, 0), 0);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(fSizeMemory(&block, 0), 0);  // nothing resized to nothing stays nothing
    EXPECT_EQ(block, nullptr);
    ASSERT_EQ(fSizeMemory(&block, 4), 1);  // a null block is allocated
    ASSERT_NE(block, nullptr);
    std::free(block);  // the runtime's release and FreeMemory are the same
    block = nullptr;
    EXPECT_EQ(fNewMemory(&block, 0, "Buffer"), 1);
    EXPECT_NE(block, nullptr);
    FreeMemory(block);
}

TEST(MemoryLog, ReportGoesToAFileEmptiedFirstOrWithItsReasonToStandardOutput)
{
    zemtest::TempDir dir;
    std::string path = dir.write("memory.log", "stale report\n"), absent = dir.file("absent/memory.log");
    std::string out = CaptureStdout([&] {
        SetMemoryLogFile(path.c_str());
        EXPECT_EQ(DumpMemoryLog(), 0);
        // An empty path keeps the file; replacing the stream closes (and so completes) it.
        SetMemoryLogFile("");
        SetMemoryLogFile(nullptr);
        EXPECT_EQ(DumpMemoryLog(), 0);
        SetMemoryLogFile(dir.path().c_str());
        EXPECT_EQ(DumpMemoryLog(), 0);
        SetMemoryLogFile(absent.c_str());
    });
    EXPECT_EQ(zemtest::ReadFile(path), "END OF DUMP, total blocks = 0\nEND OF DUMP, total blocks = 0\n");
    EXPECT_EQ(out, "Failed to open memory log file '" + dir.path() +
                       "' for writing\n(errno: 21 (Is a directory))\ndefaulting to stdout\n"
                       "END OF DUMP, total blocks = 0\n"
                       "Failed to open memory log file '" + absent +
                       "' for writing\n(errno: 2 (No such file or directory))\ndefaulting to stdout\n");
}

}  // namespace
