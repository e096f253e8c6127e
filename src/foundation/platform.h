// Everything that differs between Windows and POSIX: the registry, the standard output
// binding, local time text, the working directory, the path separator and the 64-bit
// print format. Nothing outside this file pair tests _WIN32.
#pragma once
#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "zemapi.h"

// Signed 64-bit conversion for printf formats: "%" ZEM_PRId64.
#define ZEM_PRId64 PRId64

namespace zem::platform {

constexpr char kPathSeparator = ZEM_PATH_SEPARATOR;
constexpr const char *kDefaultInstallDir = ZEM_DEFAULT_INSTALL_DIR;

// Registry access with the contract of RegOpenKeyExA / RegQueryValueExA / RegCloseKey on
// the local-machine hive: results are Windows error codes, 0 for success.
constexpr long kRegistryOk = 0;
constexpr long kRegistryNotFound = 2;    // ERROR_FILE_NOT_FOUND
constexpr long kRegistryNoMemory = 14;   // ERROR_OUTOFMEMORY
constexpr long kRegistryInvalid = 87;    // ERROR_INVALID_PARAMETER
constexpr long kRegistryMoreData = 234;  // ERROR_MORE_DATA
constexpr uint32_t kRegistryString = 1;  // REG_SZ

struct RegistryKeyData;
using RegistryKey = RegistryKeyData *;

long RegistryOpenKey(const char *subKey, RegistryKey *key);
// Copies the value (a string with its NUL) into data when *size is large enough, else
// gives kRegistryMoreData; *size is set to the bytes the value takes. data may be NULL to
// ask for the size only; type may be NULL.
long RegistryQueryValue(RegistryKey key, const char *valueName, uint32_t *type, unsigned char *data, uint32_t *size);
long RegistryCloseKey(RegistryKey key);

// POSIX: the text file standing in for the registry (NULL on Windows).
const char *RegistryFilePath();

// Sends standard output's descriptor to path, opened for appending. The file is opened
// first, so a failure leaves standard output where it was.
FILE *RebindStdoutAppending(const char *path);

// The ctime text of now: 24 characters and a newline. False when the clock cannot be read.
bool CurrentTimeText(char (&text)[26]);

// The local time of `when` into fields, without the C library's shared buffer (safe on
// any thread). False when the time cannot be converted.
bool LocalTime(std::time_t when, std::tm &fields);

// The C library's text for an error number, as strerror gives it but without its shared
// buffer (safe on any thread); it stands in buffer or in static storage.
const char *ErrorText(int error, char (&buffer)[256]);

// The current working directory; false when it cannot be read or does not fit in size.
bool WorkingDirectory(char *buffer, std::size_t size);

}  // namespace zem::platform
