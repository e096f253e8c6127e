// Key-and-value files of any content through every lookup. The first byte picks the
// delimiter sets, the first line is the key to look up and the rest is the file. The
// same text also serves as the workgroup file, the reason-code file and the registry
// file, which the library reads from the install directory and the registry path.
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace {

struct Delimiters {
    const char *key;
    const char *value;
};
const Delimiters kDelimiters[] = {
    {"=", "\n"}, {"\n=", " \n\t"}, {" \"", "\""}, {"=", "\r\n"}, {":", ";\n"}, {"", ""}, {"=\n", ""},
};

// The room a lookup may fill: the longest token the text can supply, plus a NUL.
std::vector<char> Room(const IniFile &ini) { return std::vector<char>(static_cast<std::size_t>(ini.length) + 1); }

void CheckPosition(const IniFile &ini, const char *who)
{
    if (ini.position < 0 || ini.position > ini.length)
        zemfuzz::Fail(std::string(who) + " left position " + std::to_string(ini.position) + " in a text of " +
                      std::to_string(ini.length));
}

// Walks every entry with a stateful lookup; each success consumes text, so the walk ends.
template <typename Lookup> void Walk(IniFile &ini, const char *who, Lookup lookup)
{
    int32_t found = 0;
    for (int fromStart = 1; lookup(fromStart); fromStart = 0) {
        CheckPosition(ini, who);
        if (++found > ini.length + 1)
            zemfuzz::Fail(std::string(who) + " does not advance");
    }
    CheckPosition(ini, who);
}

void LookupsOnIni(IniFile &ini, const std::string &key)
{
    std::vector<char> value = Room(ini);
    std::vector<char> fileKey(
        static_cast<std::size_t>(ini.length < ZEM_INI_KEY_SIZE ? ini.length : ZEM_INI_KEY_SIZE - 1) + 1);
    Walk(ini, "zemGetValue(*)", [&](int fromStart) { return zemGetValue(&ini, "*", value.data(), fromStart); });
    Walk(ini, "zemGetKeyAndValue",
         [&](int fromStart) { return zemGetKeyAndValue(&ini, fileKey.data(), value.data(), fromStart); });
    Walk(ini, "zemGetValue", [&](int fromStart) { return zemGetValue(&ini, key.c_str(), value.data(), fromStart); });
    Walk(ini, "zemGetValueExt",
         [&](int fromStart) { return zemGetValueExt(&ini, key.c_str(), value.data(), fromStart); });
    zemGetValueExt2(ini.text, nullptr, ini.keyDelims, ini.valueDelims, key.c_str(), value.data(), 1);

    char one[2];
    int32_t position = 0;
    zemGetValueExtExt(&ini, key.c_str(), one, 1, &position);
    zemGetValueExtExt(&ini, "*", one, 0, &position);
    for (int fromStart = 1, n = 0;
         n <= ini.length &&
         zemGetValuePermits(ini.text, ini.keyDelims, ini.valueDelims, key.c_str(), value.data(), fromStart, &position);
         fromStart = 0, ++n) {
    }
    for (int fromStart = 1, n = 0;
         n <= ini.length &&
         zemGetValueExtExt2(ini.text, ini.keyDelims, ini.valueDelims, key.c_str(), value.data(), fromStart, &position);
         fromStart = 0, ++n) {
    }

    for (int32_t offset : {0, ini.length, ini.length / 2})
        zemResetPos(&ini, offset);
    int32_t lines = zemLineCount(ini.text);
    for (int32_t line : {0, 1, 2, lines, lines + 1, lines + 2}) {
        const char *start = zemGoToLine(ini.text, line);
        if (!start || start < ini.text || start > ini.text + ini.length)
            zemfuzz::Fail("zemGoToLine(" + std::to_string(line) + ") outside the text");
    }
}

void Workgroup(const std::string &name, std::size_t room)
{
    std::vector<std::vector<char>> values(14, std::vector<char>(room + 1));
    WorkgroupInfo info;
    char **fields = &info.groupId;
    for (std::size_t i = 0; i < values.size(); ++i)
        fields[i] = values[i].data();
    char error[ZEM_CONFIG_ERROR_SIZE];
    zemResolveWorkgroup(name.c_str(), &info, error);
    info.groupId = nullptr;
    zemResolveWorkgroup(name.c_str(), &info, nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string groups = [] {
        std::string home = zemfuzz::ScratchPath("home");
        mkdir(home.c_str(), 0700);
        mkdir((home + "/config").c_str(), 0700);
        mkdir((home + "/config/groups").c_str(), 0700);
        setenv("KELDA_HOME", home.c_str(), 1);
        setenv(ZEM_REGISTRY_FILE_ENV, zemfuzz::ScratchPath("registry").c_str(), 1);
        return home + "/config/groups/";
    }();
    static const std::string path = zemfuzz::ScratchPath("file.ini");
    zemfuzz::QuietStdout();
    zemfuzz::Input input(data, size);
    const Delimiters &delims = kDelimiters[input.Byte() % (sizeof kDelimiters / sizeof kDelimiters[0])];
    const char *rest = reinterpret_cast<const char *>(input.Rest());
    const std::size_t restSize = input.RestSize();
    const char *newline = static_cast<const char *>(std::memchr(rest, '\n', restSize));
    const std::size_t keyLength = newline ? static_cast<std::size_t>(newline - rest) : restSize;
    const std::string key = std::string(rest, keyLength).c_str();  // up to a NUL, as a caller passes it
    const char *text = newline ? newline + 1 : rest + restSize;
    const std::size_t textSize = static_cast<std::size_t>(rest + restSize - text);

    zemfuzz::WriteFile(path, text, textSize);
    IniFile ini;
    std::memset(&ini, 0x5A, sizeof ini);  // zemOpenIniFile clears the record itself
    char error[ZEM_CONFIG_ERROR_SIZE];
    if (zemOpenIniFile(path.c_str(), delims.key, delims.value, &ini, error, 0)) {
        if (ini.length < 0 || static_cast<std::size_t>(ini.length) > textSize || ini.text[ini.length] != '\0')
            zemfuzz::Fail("the loaded text is not the file's text");
        LookupsOnIni(ini, key);
        zemCloseIniFile(&ini);
    } else if (std::strlen(error) >= ZEM_CONFIG_ERROR_SIZE) {
        zemfuzz::Fail("error text overflows");
    }

    zemfuzz::WriteFile(groups + "mqgroup.ini", text, textSize);
    zemfuzz::WriteFile(groups + "zemrc.ini", text, textSize);
    zemfuzz::WriteFile(zemfuzz::ScratchPath("registry"), text, textSize);
    Workgroup(key, textSize);
    Workgroup("*", textSize);
    GetRcText(std::atoi(key.c_str()));
    GetRcText(2009);
    char dir[ZEM_INSTALL_DIR_SIZE];
    zemGetInstallDir(dir);
    return 0;
}
