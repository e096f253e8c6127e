#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "capture.h"
#include "foundation/platform.h"
#include "scoped_env.h"

namespace {

using namespace zem::platform;

constexpr const char *kSuiteKey = "Software\\Trelko\\Vantorell/WMQ";

class Registry : public testing::Test {
protected:
    zemtest::TempDir dir;
    RegistryKey key = nullptr;

    // Points the registry at a file holding text (or at no file) and opens name in it.
    long Open(const std::optional<std::string> &text, const char *name = kSuiteKey)
    {
        env_.emplace(ZEM_REGISTRY_FILE_ENV, text ? dir.write("registry", *text) : dir.file("absent"));
        key = nullptr;
        return RegistryOpenKey(name, &key);
    }

    // Reads a value of the open key into a buffer of `room` bytes.
    long Query(const char *name, std::string &value, uint32_t room = 512)
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

TEST_F(Registry, MissingFileOrKeyDoesNotOpenAndAKeyWithoutValuesHasNone)
{
    {
        zemtest::ScopedEnv unset(ZEM_REGISTRY_FILE_ENV, std::nullopt);
        EXPECT_STREQ(RegistryFilePath(), "/etc/zemapi/registry");
    }
    EXPECT_EQ(Open(std::nullopt), kRegistryNotFound);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(Open("[Software\\Other]\nWorkPath=/x\n[Software\\Trelko]\n"), kRegistryNotFound);
    EXPECT_EQ(key, nullptr);
    ASSERT_EQ(Open("[Software\\Trelko\\Vantorell/WMQ]\n"), kRegistryOk);
    std::string value;
    EXPECT_EQ(Query("WorkPath", value), kRegistryNotFound);
    RegistryCloseKey(key);
}

TEST_F(Registry, ValuesOfTheNamedKeyOnly)
{
    ASSERT_EQ(Open("# suite settings\n"
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
                   "Tail=x\n"),
              kRegistryOk);
    const struct {
        const char *name;
        long result;
        std::string value;
    } rows[] = {{"WorkPath", kRegistryOk, " /srv/suite dir "}, {"WORKPATH", kRegistryOk, " /srv/suite dir "},
                {"Empty", kRegistryOk, ""}, {"Equals", kRegistryOk, "a=b"}, {"Tail", kRegistryNotFound, ""},
                {"no separator here", kRegistryNotFound, ""}};
    for (const auto &row : rows) {
        std::string value;
        EXPECT_EQ(Query(row.name, value), row.result) << row.name;
        EXPECT_EQ(value, row.value) << row.name;
    }
    EXPECT_EQ(RegistryCloseKey(key), kRegistryOk);
}

TEST_F(Registry, QuerySizesFollowTheWindowsContract)
{
    ASSERT_EQ(Open("[K]\nName=abcdef\n", "K"), kRegistryOk);
    // Size only: the text and its NUL.
    uint32_t size = 0;
    EXPECT_EQ(RegistryQueryValue(key, "Name", nullptr, nullptr, &size), kRegistryOk);
    EXPECT_EQ(size, 7u);
    // Exactly enough room.
    std::string value;
    EXPECT_EQ(Query("Name", value, 7), kRegistryOk);
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
