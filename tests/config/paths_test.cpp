#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "capture.h"
#include "scoped_env.h"
#include "zemapi.h"

namespace {

using zemtest::ScopedCwd;
using zemtest::ScopedEnv;

const std::string kRegistryKeyLine = "[Software\\Trelko\\Vantorell/WMQ]\n";

// A working directory TEMP/prog/bin, no registry file and no KELDA_HOME, unless a test
// adds them.
class InstallDir : public testing::Test {
protected:
    zemtest::TempDir root;
    std::string prog = root.path() + "/prog";
    ScopedEnv noHome{"KELDA_HOME", std::nullopt};
    std::optional<ScopedEnv> registry;
    std::optional<ScopedCwd> cwd;

    void SetUp() override
    {
        ASSERT_EQ(mkdir(prog.c_str(), 0700), 0);
        ASSERT_EQ(mkdir((prog + "/bin").c_str(), 0700), 0);
        registry.emplace(ZEM_REGISTRY_FILE_ENV, root.file("no-registry"));
        cwd.emplace(prog + "/bin");
    }
    void UseWorkPath(const std::string &value)
    {
        registry.reset();
        registry.emplace(ZEM_REGISTRY_FILE_ENV, root.write("registry", kRegistryKeyLine + "WorkPath=" + value + "\n"));
    }
    // "result dir": the function's result, then what it wrote.
    static std::string Dir()
    {
        char dir[ZEM_INSTALL_DIR_SIZE];
        std::memset(dir, '#', sizeof dir);
        int result = zemGetInstallDir(dir);
        return std::to_string(result) + " " + std::string(dir, strnlen(dir, sizeof dir));
    }
    static std::string IniPath(const char *name)
    {
        char path[ZEM_PATH_SIZE];
        EXPECT_EQ(zemMakeIniFilePath(path, name), 1);
        return path;
    }
};

// Each source replacing the one before, and a working directory that cannot be read, are
// checked through zem installdir, which also names the source.
TEST_F(InstallDir, RootWorkingDirectoryGivesItselfAndEmptyValuesStillCount)
{
    {
        ScopedCwd top("/");
        EXPECT_EQ(Dir(), "0 /");
        EXPECT_EQ(IniPath("a.ini"), "/config/groups/a.ini");
    }
    UseWorkPath("");
    EXPECT_EQ(Dir(), "0 ");
    ScopedEnv home("KELDA_HOME", "");
    EXPECT_EQ(Dir(), "1 ");
    EXPECT_EQ(IniPath("x.ini"), "config/groups/x.ini");
}

TEST_F(InstallDir, ValuesTooLongForTheBufferArePassedOver)
{
    std::string longest(511, 'r'), tooLong(512, 'r');
    longest[0] = tooLong[0] = '/';
    UseWorkPath(longest);
    EXPECT_EQ(Dir(), "0 " + longest);
    UseWorkPath(tooLong);
    EXPECT_EQ(Dir(), "0 " + prog + "/");
    ScopedEnv home("KELDA_HOME", tooLong);
    EXPECT_EQ(Dir(), "0 " + prog + "/");
    ScopedEnv fits("KELDA_HOME", longest);
    EXPECT_EQ(Dir(), "1 " + longest);
}

TEST(IniFilePath, TooLongForItsBufferGivesAnEmptyPathAndNullBuffersAreRefused)
{
    ScopedEnv home("KELDA_HOME", "/apps/suite");
    // "/apps/suite/config/groups/" takes 26 characters; 997 more still fit in 1024 bytes.
    std::string fits(997, 'n'), tooLong(998, 'n');
    char path[ZEM_PATH_SIZE];
    EXPECT_EQ(zemMakeIniFilePath(path, fits.c_str()), 1);
    EXPECT_EQ(std::string(path), "/apps/suite/config/groups/" + fits);
    EXPECT_EQ(zemMakeIniFilePath(path, tooLong.c_str()), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(zemMakeIniFilePath(path, nullptr), 1);
    EXPECT_STREQ(path, "/apps/suite/config/groups/");
    EXPECT_EQ(zemMakeIniFilePath(nullptr, "x.ini"), 0);
    EXPECT_EQ(zemGetInstallDir(nullptr), 0);
}

TEST(PathEdits, MakePathJoinsWithOneSeparatorAndTerminatePathAddsOneWhenMissing)
{
    const struct {
        const char *start, *name, *joined, *terminated;
    } cases[] = {
        {"/opt/zemapi", "config", "/opt/zemapi/config", "/opt/zemapi/"},
        {"/opt/zemapi/", "config", "/opt/zemapi/config", "/opt/zemapi/"},
        {"", "config", "config", ""},
        {"/opt/zemapi", nullptr, "/opt/zemapi/", "/opt/zemapi/"},
        {"/opt/zemapi/", nullptr, "/opt/zemapi/", "/opt/zemapi/"},
        {"", nullptr, "", ""},
        {"/opt", "", "/opt/", "/opt/"},
        // A backslash is an ordinary character in a POSIX path.
        {"c:\\dir\\", "x", "c:\\dir\\/x", "c:\\dir\\/"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.start);
        char path[64];
        std::snprintf(path, sizeof path, "%s", c.start);
        EXPECT_EQ(zemMakePath(path, c.name), 1);
        EXPECT_STREQ(path, c.joined);
        std::snprintf(path, sizeof path, "%s", c.start);
        EXPECT_EQ(zemTerminatePath(path), 1);
        EXPECT_STREQ(path, c.terminated);
    }
    EXPECT_EQ(zemMakePath(nullptr, "x"), 0);
    EXPECT_EQ(zemTerminatePath(nullptr), 0);
}

TEST(PathEdits, UseLongNamesQuotesNonEmptyPathsThatStillFit)
{
    std::unique_ptr<char[]> path(new char[ZEM_PATH_SIZE]);
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/Program Files/zem", "\"/opt/Program Files/zem\""},
        {"\"/opt/Program Files/zem\"", "\"\"/opt/Program Files/zem\"\""},
        {"", ""},
        {std::string(1021, 'p'), "\"" + std::string(1021, 'p') + "\""},
        // The quoted form would not fit: left alone.
        {std::string(1022, 'p'), std::string(1022, 'p')},
    };
    for (const auto &[before, after] : cases) {
        std::memcpy(path.get(), before.c_str(), before.size() + 1);
        EXPECT_EQ(zemUseLongNames(path.get()), 1);
        EXPECT_EQ(std::string(path.get()), after) << before.size();
    }
    EXPECT_EQ(zemUseLongNames(nullptr), 0);
}

TEST(FileSize, MeasuresWholeFilesKeepingTheStreamPositionAndReportsFailuresOnStandardError)
{
    zemtest::TempDir dir;
    FILE *file = std::fopen(dir.write("ten", "0123456789").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fseek(file, 3, SEEK_SET), 0);
    int32_t size = -7;
    EXPECT_EQ(SizeOfFile(file, &size), 1);
    EXPECT_EQ(size, 10);
    EXPECT_EQ(std::fgetc(file), '3');
    std::fclose(file);
    EXPECT_EQ(SizeOfFileByName(dir.write("empty", "").c_str(), &size), 1);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(SizeOfFileByName(dir.write("lines", "a\r\nb\n").c_str(), &size), 1);
    EXPECT_EQ(size, 5);
    EXPECT_EQ(SizeOfFile(nullptr, &size), 0);
    EXPECT_EQ(SizeOfFileByName(nullptr, &size), 0);

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    FILE *reader = fdopen(fds[0], "r");
    ASSERT_NE(reader, nullptr);
    std::string out, err = zemtest::CaptureStderr([&] {
        out = zemtest::CaptureStdout([&] { EXPECT_EQ(SizeOfFile(reader, &size), 0); });
        EXPECT_EQ(SizeOfFileByName(dir.file("absent.ini").c_str(), &size), 0);
    });
    EXPECT_EQ(err, "SizeOfFile() - ftell() failed: Illegal seek\n"
                   "SizeOfFileByName() - fopen() failed: No such file or directory\n");
    EXPECT_EQ(out, "");
    EXPECT_EQ(size, 5);
    std::fclose(reader);
    close(fds[1]);
}

TEST(FileSize, FileBeyond32BitsStoresMinusOne)
{
    zemtest::TempDir dir;
    std::string path = dir.file("sparse");
    FILE *file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(ftruncate(fileno(file), INT64_C(0x80000000)), 0);
    int32_t size = 0;
    EXPECT_EQ(SizeOfFile(file, &size), 0);
    EXPECT_EQ(size, -1);
    EXPECT_EQ(std::ftell(file), 0);
    std::fclose(file);
    size = 0;
    EXPECT_EQ(SizeOfFileByName(path.c_str(), &size), 0);
    EXPECT_EQ(size, -1);
}

}  // namespace
