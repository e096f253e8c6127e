#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "capture.h"
#include "foundation/platform.h"
#include "scoped_env.h"

namespace {

using namespace zem::platform;

class Registry : public testing::Test {
protected:
    zemtest::TempDir dir;
    std::string Use(const std::string &text)
    {
        std::string path = dir.write("registry", text);
        env_.emplace(ZEM_REGISTRY_FILE_ENV, path);
        return path;
    }
    void UseNoFile() { env_.emplace(ZEM_REGISTRY_FILE_ENV, dir.file("absent")); }

    // Reads a value of an opened key into a buffer of `room` bytes.
    long Query(RegistryKey key, const char *name, std::string &value, uint32_t room = 512)
    {
        unsigned char data[600];
        std::memset(data, 0x7E, sizeof data);
        uint32_t type = 0, size = room;
        long result = RegistryQueryValue(key, name, &type, data, &size);
        if (result == kRegistryOk) {
            EXPECT_EQ(type, kRegistryString);
            EXPECT_GE(size, 1u);
            EXPECT_EQ(data[size - 1], '\0');
            value.assign(reinterpret_cast<char *>(data), size - 1);
        }
        return result;
    }

private:
    std::optional<zemtest::ScopedEnv> env_;
};

TEST_F(Registry, DefaultLocationWithoutTheVariable)
{
    zemtest::ScopedEnv unset(ZEM_REGISTRY_FILE_ENV, std::nullopt);
    EXPECT_STREQ(RegistryFilePath(), "/etc/zemapi/registry");
}

TEST_F(Registry, NoFileMeansNoKeyOpens)
{
    UseNoFile();
    RegistryKey key = nullptr;
    EXPECT_EQ(RegistryOpenKey("Software\\Trelko\\Vantorell/WMQ", &key), kRegistryNotFound);
    EXPECT_EQ(key, nullptr);
}

TEST_F(Registry, ValuesOfTheNamedKeyOnly)
{
    Use("# suite settings\n"
        "[Software\\Other]\n"
        "WorkPath=/wrong\n"
        "\n"
        "[ software\\trelko\\VANTORELL/wmq ]\n"
        "; the install directory\n"
        "  WorkPath = /srv/suite dir \r\n"
        "Empty=\n"
        "Equals=a=b\n"
        "no separator here\n"
        "[Software\\Later]\n"
        "Tail=x\n");
    RegistryKey key = nullptr;
    ASSERT_EQ(RegistryOpenKey("Software\\Trelko\\Vantorell/WMQ", &key), kRegistryOk);
    std::string value;
    EXPECT_EQ(Query(key, "WorkPath", value), kRegistryOk);
    EXPECT_EQ(value, " /srv/suite dir ");
    EXPECT_EQ(Query(key, "WORKPATH", value), kRegistryOk);
    EXPECT_EQ(value, " /srv/suite dir ");
    EXPECT_EQ(Query(key, "Empty", value), kRegistryOk);
    EXPECT_EQ(value, "");
    EXPECT_EQ(Query(key, "Equals", value), kRegistryOk);
    EXPECT_EQ(value, "a=b");
    EXPECT_EQ(Query(key, "Tail", value), kRegistryNotFound);
    EXPECT_EQ(Query(key, "no separator here", value), kRegistryNotFound);
    EXPECT_EQ(RegistryCloseKey(key), kRegistryOk);
}

TEST_F(Registry, MissingKeyDoesNotOpen)
{
    Use("[Software\\Other]\nWorkPath=/x\n[Software\\Trelko]\n");
    RegistryKey key = nullptr;
    EXPECT_EQ(RegistryOpenKey("Software\\Trelko\\Vantorell/WMQ", &key), kRegistryNotFound);
    EXPECT_EQ(key, nullptr);
}

TEST_F(Registry, KeyWithoutValuesOpensButHasNone)
{
    Use("[Software\\Trelko\\Vantorell/WMQ]\n");
    RegistryKey key = nullptr;
    ASSERT_EQ(RegistryOpenKey("Software\\Trelko\\Vantorell/WMQ", &key), kRegistryOk);
    std::string value;
    EXPECT_EQ(Query(key, "WorkPath", value), kRegistryNotFound);
    RegistryCloseKey(key);
}

TEST_F(Registry, QuerySizesFollowTheWindowsContract)
{
    Use("[K]\nName=abcdef\n");
    RegistryKey key = nullptr;
    ASSERT_EQ(RegistryOpenKey("K", &key), kRegistryOk);
    // Size only: the text and its NUL.
    uint32_t size = 0;
    EXPECT_EQ(RegistryQueryValue(key, "Name", nullptr, nullptr, &size), kRegistryOk);
    EXPECT_EQ(size, 7u);
    // Exactly enough room.
    std::string value;
    EXPECT_EQ(Query(key, "Name", value, 7), kRegistryOk);
    EXPECT_EQ(value, "abcdef");
    // One byte short: nothing copied, the size needed given back.
    unsigned char data[8] = {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11};
    size = 6;
    EXPECT_EQ(RegistryQueryValue(key, "Name", nullptr, data, &size), kRegistryMoreData);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(data[0], 0x11);
    EXPECT_EQ(RegistryQueryValue(key, "Name", nullptr, data, nullptr), kRegistryInvalid);
    RegistryCloseKey(key);
}

}  // namespace
