#include "config/paths.h"

#include <cstdlib>
#include <cstring>

#include "foundation/platform.h"
#include "zemapi.h"

namespace zem {
namespace {

constexpr const char *kInstallDirVariable = "KELDA_HOME";
constexpr const char *kInstallDirValue = "WorkPath";

bool CopyIfFits(char *dir, std::size_t capacity, const char *value)
{
    std::size_t length = std::strlen(value);
    if (length >= capacity)
        return false;
    std::memcpy(dir, value, length + 1);
    return true;
}

// The parent of the working directory, ending with a separator (a root gives itself).
bool ParentOfWorkingDirectory(char (&parent)[ZEM_INSTALL_DIR_SIZE])
{
    if (!platform::WorkingDirectory(parent, sizeof parent))
        return false;
    if (char *last = std::strrchr(parent, platform::kPathSeparator))
        last[1] = '\0';
    return true;
}

bool RegistryInstallDir(char (&value)[ZEM_INSTALL_DIR_SIZE])
{
    platform::RegistryKey key = nullptr;
    if (platform::RegistryOpenKey(ZEM_REGISTRY_KEY, &key) != platform::kRegistryOk)
        return false;
    uint32_t type = 0, size = sizeof value;
    bool read = platform::RegistryQueryValue(key, kInstallDirValue, &type, reinterpret_cast<unsigned char *>(value),
                                             &size) == platform::kRegistryOk;
    platform::RegistryCloseKey(key);
    // Taken whatever its type, so it may lack its NUL.
    if (read)
        value[size < sizeof value ? size : sizeof value - 1] = '\0';
    return read;
}

}  // namespace

InstallDirSource FindInstallDir(char *dir, std::size_t capacity)
{
    InstallDirSource source = InstallDirSource::Default;
    CopyIfFits(dir, capacity, platform::kDefaultInstallDir);
    char found[ZEM_INSTALL_DIR_SIZE];
    // Without a working directory the registry is not asked either.
    if (ParentOfWorkingDirectory(found)) {
        if (CopyIfFits(dir, capacity, found))
            source = InstallDirSource::WorkingDirectory;
        if (RegistryInstallDir(found) && CopyIfFits(dir, capacity, found))
            source = InstallDirSource::Registry;
    }
    const char *home = std::getenv(kInstallDirVariable);
    if (home && std::strlen(home) < ZEM_INSTALL_DIR_SIZE && CopyIfFits(dir, capacity, home))
        source = InstallDirSource::Environment;
    return source;
}

bool AppendPathPart(char *path, std::size_t capacity, const char *name)
{
    std::size_t length = std::strlen(path);
    bool separator = length > 0 && path[length - 1] != platform::kPathSeparator;
    std::size_t nameLength = name ? std::strlen(name) : 0;
    if (length + separator + nameLength >= capacity)
        return false;
    if (separator)
        path[length++] = platform::kPathSeparator;
    if (name)
        std::memcpy(path + length, name, nameLength);
    path[length + nameLength] = '\0';
    return true;
}

bool MakeConfigFilePath(char *path, std::size_t capacity, const char *name)
{
    char built[ZEM_PATH_SIZE];
    FindInstallDir(built, ZEM_INSTALL_DIR_SIZE);
    bool fits = AppendPathPart(built, sizeof built, "config") && AppendPathPart(built, sizeof built, "groups") &&
                AppendPathPart(built, sizeof built, name) && std::strlen(built) < capacity;
    if (!fits) {
        if (capacity > 0)
            path[0] = '\0';
        return false;
    }
    std::strcpy(path, built);
    return true;
}

bool MeasureStream(FILE *stream, int32_t *size, const char *who)
{
    char message[64];
    long start = std::ftell(stream);
    if (start < 0) {
        std::snprintf(message, sizeof message, "%s - ftell() failed", who);
        std::perror(message);
        return false;
    }
    if (std::fseek(stream, 0, SEEK_END) != 0) {
        std::snprintf(message, sizeof message, "%s - fseek() failed", who);
        std::perror(message);
        return false;
    }
    long end = std::ftell(stream);
    std::fseek(stream, start, SEEK_SET);
    // A size beyond 32 bits reads as the failed position, as a 32-bit ftell gives it.
    *size = end >= 0 && end <= INT32_MAX ? static_cast<int32_t>(end) : -1;
    return *size >= 0;
}

}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) zemGetInstallDir(char *dir)
{
    if (!dir)
        return 0;
    return FindInstallDir(dir, ZEM_INSTALL_DIR_SIZE) == InstallDirSource::Environment;
}

ZEMAPI(int) zemMakeIniFilePath(char *path, const char *name)
{
    if (!path)
        return 0;
    return MakeConfigFilePath(path, ZEM_PATH_SIZE, name);
}

ZEMAPI(int) zemMakePath(char *path, const char *name)
{
    if (!path)
        return 0;
    return AppendPathPart(path, SIZE_MAX, name);
}

ZEMAPI(int) zemTerminatePath(char *path)
{
    if (!path)
        return 0;
    return AppendPathPart(path, SIZE_MAX, nullptr);
}

ZEMAPI(int) zemUseLongNames(char *path)
{
    if (!path)
        return 0;
    std::size_t length = std::strlen(path);
    if (length == 0 || length + 3 > ZEM_PATH_SIZE)
        return 1;
    std::memmove(path + 1, path, length);
    path[0] = '"';
    path[length + 1] = '"';
    path[length + 2] = '\0';
    return 1;
}

ZEMAPI(int) SizeOfFile(FILE *stream, int32_t *size)
{
    if (!stream || !size)
        return 0;
    return MeasureStream(stream, size, "SizeOfFile()");
}

ZEMAPI(int) SizeOfFileByName(const char *path, int32_t *size)
{
    if (!path || !size)
        return 0;
    FILE *file = std::fopen(path, "r");
    if (!file) {
        std::perror("SizeOfFileByName() - fopen() failed");
        return 0;
    }
    bool measured = MeasureStream(file, size, "SizeOfFileByName()");
    std::fclose(file);
    return measured;
}

}  // extern "C"
