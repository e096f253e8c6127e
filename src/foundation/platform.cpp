#include "foundation/platform.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <new>
#include <string>

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <direct.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#if defined(_WIN32)

// Thread notifications are of no use to a library without per-thread state.
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls(module);
    return TRUE;
}

namespace zem::platform {

long RegistryOpenKey(const char *subKey, RegistryKey *key)
{
    HKEY opened = nullptr;
    long result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE, &opened);
    *key = reinterpret_cast<RegistryKey>(opened);
    return result;
}

long RegistryQueryValue(RegistryKey key, const char *valueName, uint32_t *type, unsigned char *data, uint32_t *size)
{
    DWORD valueType = 0, valueSize = size ? *size : 0;
    long result = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName, nullptr, &valueType, data,
                                   size ? &valueSize : nullptr);
    if (type)
        *type = valueType;
    if (size)
        *size = valueSize;
    return result;
}

long RegistryCloseKey(RegistryKey key) { return RegCloseKey(reinterpret_cast<HKEY>(key)); }

const char *RegistryFilePath() { return nullptr; }

FILE *RebindStdoutAppending(const char *path)
{
    FILE *file = std::fopen(path, "a");
    if (!file)
        return nullptr;
    std::fflush(stdout);
    int bound = _dup2(_fileno(file), _fileno(stdout));
    std::fclose(file);
    return bound == 0 ? stdout : nullptr;
}

bool LocalTime(std::time_t when, std::tm &fields) { return localtime_s(&fields, &when) == 0; }

const char *ErrorText(int error, char (&buffer)[256])
{
    buffer[0] = '\0';
    strerror_s(buffer, sizeof buffer, error);
    return buffer;
}

bool CurrentTimeText(char (&text)[26])
{
    __time64_t now = _time64(nullptr);
    return _ctime64_s(text, sizeof text, &now) == 0;
}

bool WorkingDirectory(char *buffer, std::size_t size)
{
    return size <= INT32_MAX && _getcwd(buffer, static_cast<int>(size)) != nullptr;
}

}  // namespace zem::platform

#else  // POSIX

namespace zem::platform {

namespace {

constexpr const char *kRegistryFile = "/etc/zemapi/registry";

// Registry key and value names compare ignoring case, as on Windows.
bool SameName(const std::string &a, const char *b)
{
    std::size_t length = std::strlen(b);
    if (a.size() != length)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z')
            x = static_cast<unsigned char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<unsigned char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

std::string Trimmed(const std::string &text)
{
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

// An opened key remembers its name; values are read from the file when asked for, as the
// registry itself would give the current value.
struct RegistryKeyData {
    std::string name;
};

const char *RegistryFilePath()
{
    const char *overridden = std::getenv(ZEM_REGISTRY_FILE_ENV);
    return overridden ? overridden : kRegistryFile;
}

namespace {

// Walks the registry file:
//   [Software\Maker\Product]      a key below the local-machine hive
//   WorkPath=/srv/suite           a value name and its text, up to the end of the line
//   # or ; at the start of a line: a comment
// onKey(keyName) says whether the following values are wanted; onValue(name, value)
// returns true to stop. Returns false when the file cannot be read.
template <typename OnKey, typename OnValue> bool WalkRegistryFile(OnKey onKey, OnValue onValue)
{
    std::ifstream file(RegistryFilePath());
    if (!file)
        return false;
    bool wanted = false;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string entry = Trimmed(line);
        if (entry.empty() || entry[0] == '#' || entry[0] == ';')
            continue;
        if (entry[0] == '[') {
            wanted = entry.back() == ']' && onKey(Trimmed(entry.substr(1, entry.size() - 2)));
            continue;
        }
        std::size_t equals = line.find('=');
        if (wanted && equals != std::string::npos && onValue(Trimmed(line.substr(0, equals)), line.substr(equals + 1)))
            break;
    }
    return true;
}

}  // namespace

long RegistryOpenKey(const char *subKey, RegistryKey *key)
{
    *key = nullptr;
    try {
        bool found = false;
        auto onKey = [&](const std::string &name) {
            found = found || SameName(name, subKey);
            return false;
        };
        if (!WalkRegistryFile(onKey, [](const std::string &, const std::string &) { return true; }) || !found)
            return kRegistryNotFound;
        *key = new RegistryKeyData{subKey};
        return kRegistryOk;
    } catch (const std::bad_alloc &) {
        return kRegistryNoMemory;
    }
}

long RegistryQueryValue(RegistryKey key, const char *valueName, uint32_t *type, unsigned char *data, uint32_t *size)
{
    if (!key)
        return kRegistryNotFound;
    if (data && !size)
        return kRegistryInvalid;
    try {
        bool found = false;
        std::string value;
        auto onKey = [&](const std::string &name) { return SameName(name, key->name.c_str()); };
        auto onValue = [&](const std::string &name, const std::string &text) {
            if (!SameName(name, valueName ? valueName : ""))
                return false;
            found = true;
            value = text;
            return true;
        };
        if (!WalkRegistryFile(onKey, onValue) || !found)
            return kRegistryNotFound;
        if (value.size() >= UINT32_MAX)
            return kRegistryMoreData;
        uint32_t needed = static_cast<uint32_t>(value.size() + 1);
        if (type)
            *type = kRegistryString;
        if (!size)
            return kRegistryOk;
        uint32_t room = *size;
        *size = needed;
        if (!data)
            return kRegistryOk;
        if (room < needed)
            return kRegistryMoreData;
        std::memcpy(data, value.c_str(), needed);
        return kRegistryOk;
    } catch (const std::bad_alloc &) {
        return kRegistryNoMemory;
    }
}

long RegistryCloseKey(RegistryKey key)
{
    delete key;
    return kRegistryOk;
}

FILE *RebindStdoutAppending(const char *path)
{
    FILE *file = std::fopen(path, "a");
    if (!file)
        return nullptr;
    std::fflush(stdout);
    int target = fileno(stdout);
    int bound = target < 0 ? -1 : dup2(fileno(file), target);
    std::fclose(file);
    if (bound < 0)
        return nullptr;
    std::clearerr(stdout);
    return stdout;
}

bool CurrentTimeText(char (&text)[26])
{
    std::time_t now = std::time(nullptr);
    return now != static_cast<std::time_t>(-1) && ctime_r(&now, text) != nullptr;
}

bool LocalTime(std::time_t when, std::tm &fields) { return localtime_r(&when, &fields) != nullptr; }

namespace {
// strerror_r comes in two forms: the GNU one hands back the text, the POSIX one fills the
// buffer and returns 0.
[[maybe_unused]] const char *ErrorTextOf(const char *text, const char *) { return text; }
[[maybe_unused]] const char *ErrorTextOf(int result, const char *buffer) { return result == 0 ? buffer : ""; }
}  // namespace

const char *ErrorText(int error, char (&buffer)[256])
{
    buffer[0] = '\0';
    return ErrorTextOf(strerror_r(error, buffer, sizeof buffer), buffer);
}

bool WorkingDirectory(char *buffer, std::size_t size) { return getcwd(buffer, size) != nullptr; }

}  // namespace zem::platform

#endif
