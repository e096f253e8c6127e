#include "foundation/memory.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/platform.h"
#include "zemapi.h"

namespace zem {
namespace {

// The report stream; standard output until SetMemoryLogFile names a file. Only that call
// writes it, so allocations on several threads only read it.
FILE *g_memoryLog = nullptr;
// Nothing enters records here: the report is kept for callers that dump it.
MemoryRecord *g_registry = nullptr;

FILE *MemoryLog() { return g_memoryLog ? g_memoryLog : stdout; }

}  // namespace

// Called through volatile pointers, which the optimiser cannot see through.
void ClearBlock(void *block, std::size_t size)
{
    static void *(*volatile const clear)(void *, int, std::size_t) = std::memset;
    clear(block, 0, size);
}

void CopyBlock(void *to, const void *from, std::size_t size)
{
    static void *(*volatile const copy)(void *, const void *, std::size_t) = std::memcpy;
    copy(to, from, size);
}

bool ResizeKeepingOnFailure(unsigned char **block, std::size_t size)
{
    void *resized = std::realloc(*block, size ? size : 1);
    if (!resized)
        return false;
    *block = static_cast<unsigned char *>(resized);
    return true;
}

}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) fNewMemory(void **block, uint32_t size, const char * /*module*/)
{
    if (!block)
        return 0;
    // Large blocks come from calloc, which skips clearing pages fresh from the system.
    // Small ones are cleared here: calloc passes by the C library's per-thread cache of
    // small blocks, which makes the envelopes of single parameters cost twice as much.
    constexpr uint32_t kSmallBlock = 1024;
    if (size > kSmallBlock) {
        *block = std::calloc(size, 1);
        return *block != nullptr;
    }
    // ClearBlock also keeps the optimiser from merging malloc and memset into calloc.
    *block = std::malloc(size);
    if (*block)
        ClearBlock(*block, size);
    return *block != nullptr;
}

ZEMAPI(int) fSizeMemory(void **block, uint32_t size)
{
    if (!block)
        return 0;
    if (size == 0) {
        // realloc to zero may free or not depending on the C library: release explicitly.
        std::free(*block);
        *block = nullptr;
        return 0;
    }
    void *resized = std::realloc(*block, size);
    if (!resized) {
        std::free(*block);
        *block = nullptr;
        return 0;
    }
    *block = resized;
    return 1;
}

ZEMAPI(void) FreeMemory(void *block) { std::free(block); }

ZEMAPI(void) SetMemoryLogFile(const char *path)
{
    if (!path || !*path)
        return;
    if (g_memoryLog && g_memoryLog != stdout && g_memoryLog != stderr)
        std::fclose(g_memoryLog);
    g_memoryLog = std::fopen(path, "w");
    if (!g_memoryLog) {
        int error = errno;
        char text[256];
        std::printf("Failed to open memory log file '%s' for writing\n(errno: %d (%s))\ndefaulting to stdout\n", path,
                    error, platform::ErrorText(error, text));
        g_memoryLog = stdout;
    }
}

ZEMAPI(int) DumpMemoryLog(void)
{
    FILE *log = MemoryLog();
    int count = 0;
    for (MemoryRecord *record = g_registry; record; record = record->next, ++count)
        std::fprintf(log, "Module(%s); Address = 0x%p; MemSize = %d Refer = %d\n", record->module, record->address,
                     record->size, record->referenced);
    std::fprintf(log, "END OF DUMP, total blocks = %d\n", count);
    return count;
}

ZEMAPI(MemoryRecord *) NoteMemoryRef(const void *address)
{
    auto target = reinterpret_cast<uintptr_t>(address);
    for (MemoryRecord *record = g_registry; record; record = record->next) {
        auto start = reinterpret_cast<uintptr_t>(record->address);
        if (start <= target && target <= start + static_cast<uint32_t>(record->size) - 1) {
            record->referenced = 1;
            return record;
        }
    }
    return nullptr;
}

}  // extern "C"
