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

using zemtest::ScopedEnv;

const char kRegistryKeyLine[] = "[Software\\Trelko\\Vantorell/WMQ]\n";

// A working directory TEMP/prog/bin, no registry file and no KELDA_HOME, unless a test
// adds them.
class InstallDir : public testing::Test {
protected:
    zemtest::TempDir root;
    std::string prog = root.path() + "/prog";
    std::string bin = prog + "/bin";
    ScopedEnv noHome{"KELDA_HOME", std::nullopt};
    std::optional<ScopedEnv> registry;
    std::optional<zemtest::ScopedCwd> cwd;

    void SetUp() override
    {
        ASSERT_EQ(mkdir(prog.c_str(), 0700), 0);
        ASSERT_EQ(mkdir(bin.c_str(), 0700), 0);
        registry.emplace(ZEM_REGISTRY_FILE_ENV, root.file("no-registry"));
        cwd.emplace(bin);
    }
    void UseRegistry(const std::string &text)
    {
        registry.reset();
        registry.emplace(ZEM_REGISTRY_FILE_ENV, root.write("registry", text));
    }

    static std::string Dir(int *result = nullptr)
    {
        char dir[ZEM_INSTALL_DIR_SIZE];
        std::memset(dir, '#', sizeof dir);
        int got = zemGetInstallDir(dir);
        if (result)
            *result = got;
        return std::string(dir, strnlen(dir, sizeof dir));
    }
    static std::string IniPath(const char *name)
    {
        char path[ZEM_PATH_SIZE];
        EXPECT_EQ(zemMakeIniFilePath(path, name), 1);
        return path;
    }
};

TEST_F(InstallDir, EachSourceReplacesTheOneBefore)
{
    int result = -1;
    // The working directory's parent, with its separator.
    EXPECT_EQ(Dir(&result), prog + "/");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(IniPath("mqgroup.ini"), prog + "/config/groups/mqgroup.ini");

    // The registry value replaces it, as it stands.
    UseRegistry(std::string(kRegistryKeyLine) + "WorkPath=/srv/suite\n");
    EXPECT_EQ(Dir(&result), "/srv/suite");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(IniPath("mqgroup.ini"), "/srv/suite/config/groups/mqgroup.ini");

    // The environment variable replaces both, and only it gives 1.
    ScopedEnv home("KELDA_HOME", "/apps/suite");
    EXPECT_EQ(Dir(&result), "/apps/suite");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(IniPath("mqgroup.ini"), "/apps/suite/config/groups/mqgroup.ini");
}

TEST_F(InstallDir, UnreadableWorkingDirectoryGivesTheDefaultAndSkipsTheRegistry)
{
    UseRegistry(std::string(kRegistryKeyLine) + "WorkPath=/srv/suite\n");
    std::string gone = root.path() + "/gone";
    ASSERT_EQ(mkdir(gone.c_str(), 0700), 0);
    zemtest::ScopedCwd into(gone);
    ASSERT_EQ(rmdir(gone.c_str()), 0);
    int result = -1;
    EXPECT_EQ(Dir(&result), "/opt/zemapi");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(IniPath("zemrc.ini"), "/opt/zemapi/config/groups/zemrc.ini");
    ScopedEnv home("KELDA_HOME", "/apps/suite");
    EXPECT_EQ(Dir(&result), "/apps/suite");
    EXPECT_EQ(result, 1);
}

TEST_F(InstallDir, RootWorkingDirectoryGivesItself)
{
    zemtest::ScopedCwd top("/");
    EXPECT_EQ(Dir(), "/");
    EXPECT_EQ(IniPath("a.ini"), "/config/groups/a.ini");
}

TEST_F(InstallDir, EmptyValuesStillCount)
{
    UseRegistry(std::string(kRegistryKeyLine) + "WorkPath=\n");
    EXPECT_EQ(Dir(), "");
    ScopedEnv home("KELDA_HOME", "");
    int result = -1;
    EXPECT_EQ(Dir(&result), "");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(IniPath("x.ini"), "config/groups/x.ini");
}

TEST_F(InstallDir, ValuesTooLongForTheBufferArePassedOver)
{
    std::string longest(511, 'r'), tooLong(512, 'r');
    longest[0] = tooLong[0] = '/';
    UseRegistry(std::string(kRegistryKeyLine) + "WorkPath=" + longest + "\n");
    EXPECT_EQ(Dir(), longest);
    UseRegistry(std::string(kRegistryKeyLine) + "WorkPath=" + tooLong + "\n");
    EXPECT_EQ(Dir(), prog + "/");

    ScopedEnv home("KELDA_HOME", tooLong);
    int result = -1;
    EXPECT_EQ(Dir(&result), prog + "/");
    EXPECT_EQ(result, 0);
    ScopedEnv fits("KELDA_HOME", longest);
    EXPECT_EQ(Dir(&result), longest);
    EXPECT_EQ(result, 1);
}

TEST_F(InstallDir, WorkingDirectoryTooLongForTheBufferIsPassedOver)
{
    UseRegistry(std::string(kRegistryKeyLine) + "WorkPath=/srv/suite\n");
    std::string deep = root.path();
    while (deep.size() < 600) {
        deep += "/" + std::string(50, 'd');
        ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    }
    zemtest::ScopedCwd into(deep);
    EXPECT_EQ(Dir(), "/opt/zemapi");
}

TEST(InstallDirArguments, NullBufferIsRefused)
{
    EXPECT_EQ(zemGetInstallDir(nullptr), 0);
    EXPECT_EQ(zemMakeIniFilePath(nullptr, "x.ini"), 0);
}

TEST(IniFilePath, TooLongForItsBufferGivesAnEmptyPath)
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
}

std::string Built(const std::string &start, const char *name)
{
    char path[64];
    std::snprintf(path, sizeof path, "%s", start.c_str());
    EXPECT_EQ(zemMakePath(path, name), 1);
    return path;
}

TEST(MakePath, JoinsWithOneSeparator)
{
    EXPECT_EQ(Built("/opt/zemapi", "config"), "/opt/zemapi/config");
    EXPECT_EQ(Built("/opt/zemapi/", "config"), "/opt/zemapi/config");
    EXPECT_EQ(Built("", "config"), "config");
    EXPECT_EQ(Built("/opt/zemapi", nullptr), "/opt/zemapi/");
    EXPECT_EQ(Built("/opt/zemapi/", nullptr), "/opt/zemapi/");
    EXPECT_EQ(Built("", nullptr), "");
    EXPECT_EQ(Built("/opt", ""), "/opt/");
    // A backslash is an ordinary character in a POSIX path.
    EXPECT_EQ(Built("c:\\dir\\", "x"), "c:\\dir\\/x");
    EXPECT_EQ(zemMakePath(nullptr, "x"), 0);
}

TEST(TerminatePath, AddsASeparatorOnlyWhenMissing)
{
    char path[16] = "/opt";
    EXPECT_EQ(zemTerminatePath(path), 1);
    EXPECT_STREQ(path, "/opt/");
    EXPECT_EQ(zemTerminatePath(path), 1);
    EXPECT_STREQ(path, "/opt/");
    char empty[1] = "";
    EXPECT_EQ(zemTerminatePath(empty), 1);
    EXPECT_STREQ(empty, "");
    EXPECT_EQ(zemTerminatePath(nullptr), 0);
}

TEST(UseLongNames, QuotesNonEmptyPaths)
{
    char path[ZEM_PATH_SIZE] = "/opt/Program Files/zem";
    EXPECT_EQ(zemUseLongNames(path), 1);
    EXPECT_STREQ(path, "\"/opt/Program Files/zem\"");
    EXPECT_EQ(zemUseLongNames(path), 1);
    EXPECT_STREQ(path, "\"\"/opt/Program Files/zem\"\"");
    char empty[1] = "";
    EXPECT_EQ(zemUseLongNames(empty), 1);
    EXPECT_STREQ(empty, "");
    EXPECT_EQ(zemUseLongNames(nullptr), 0);
}

TEST(UseLongNames, PathWhoseQuotedFormWouldNotFitIsLeftAlone)
{
    std::unique_ptr<char[]> path(new char[ZEM_PATH_SIZE]);
    std::string fits(1021, 'p');
    std::memcpy(path.get(), fits.c_str(), fits.size() + 1);
    EXPECT_EQ(zemUseLongNames(path.get()), 1);
    EXPECT_EQ(std::string(path.get()), "\"" + fits + "\"");
    std::string tooLong(1022, 'p');
    std::memcpy(path.get(), tooLong.c_str(), tooLong.size() + 1);
    EXPECT_EQ(zemUseLongNames(path.get()), 1);
    EXPECT_EQ(std::string(path.get()), tooLong);
}

TEST(FileSize, StreamSizeKeepsThePosition)
{
    zemtest::TempDir dir;
    std::string path = dir.write("ten", "0123456789");
    FILE *file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fseek(file, 3, SEEK_SET), 0);
    int32_t size = -7;
    EXPECT_EQ(SizeOfFile(file, &size), 1);
    EXPECT_EQ(size, 10);
    EXPECT_EQ(std::ftell(file), 3);
    EXPECT_EQ(std::fgetc(file), '3');
    std::fclose(file);
}

TEST(FileSize, ByNameMeasuresWholeFilesIncludingEmptyOnes)
{
    zemtest::TempDir dir;
    int32_t size = -1;
    EXPECT_EQ(SizeOfFileByName(dir.write("empty", "").c_str(), &size), 1);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(SizeOfFileByName(dir.write("lines", "a\r\nb\n").c_str(), &size), 1);
    EXPECT_EQ(size, 5);
}

TEST(FileSize, UnseekableStreamReportsFtellOnStandardError)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    FILE *reader = fdopen(fds[0], "r");
    ASSERT_NE(reader, nullptr);
    int32_t size = 99;
    std::string out;
    std::string err = zemtest::CaptureStderr([&] {
        out = zemtest::CaptureStdout([&] { EXPECT_EQ(SizeOfFile(reader, &size), 0); });
    });
    EXPECT_EQ(err, "SizeOfFile() - ftell() failed: Illegal seek\n");
    EXPECT_EQ(out, "");
    EXPECT_EQ(size, 99);
    std::fclose(reader);
    close(fds[1]);
}

TEST(FileSize, MissingFileReportsFopenOnStandardError)
{
    zemtest::TempDir dir;
    int32_t size = 99;
    std::string err = zemtest::CaptureStderr(
        [&] { EXPECT_EQ(SizeOfFileByName(dir.file("absent.ini").c_str(), &size), 0); });
    EXPECT_EQ(err, "SizeOfFileByName() - fopen() failed: No such file or directory\n");
    EXPECT_EQ(size, 99);
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
    EXPECT_EQ(SizeOfFileByName(path.c_str(), &size), 0);
    EXPECT_EQ(size, -1);
}

TEST(FileSize, NullArgumentsAreRefused)
{
    int32_t size = 5;
    EXPECT_EQ(SizeOfFile(nullptr, &size), 0);
    EXPECT_EQ(SizeOfFileByName(nullptr, &size), 0);
    EXPECT_EQ(size, 5);
}

}  // namespace
