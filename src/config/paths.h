// Install directory, configuration paths and file sizes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace zem {

enum class InstallDirSource { Default, WorkingDirectory, Registry, Environment };

// Fills dir (capacity bytes, at least ZEM_INSTALL_DIR_SIZE) with the install directory and
// says which source gave it.
InstallDirSource FindInstallDir(char *dir, std::size_t capacity);

// Appends a separator unless path is empty or already ends with one, then name (if not
// NULL). False, with path unchanged, when the result would not fit in capacity bytes.
bool AppendPathPart(char *path, std::size_t capacity, const char *name);

// INSTALLDIR/config/groups/name; false, with an empty path, when it would not fit.
bool MakeConfigFilePath(char *path, std::size_t capacity, const char *name);

// Measures a stream, keeping its position; failures are reported on standard error as
// "<who> - ftell() failed: <reason>" and the like.
bool MeasureStream(FILE *stream, int32_t *size, const char *who);

}  // namespace zem
