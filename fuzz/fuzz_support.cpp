#include "fuzz_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zemfuzz {

void QuietStdout()
{
    static bool done = false;
    if (!done) {
        if (!ZemApiSetLogFile("/dev/null"))
            Fail("cannot send standard output to /dev/null");
        done = true;
    }
}

namespace {

std::string g_scratch;

void RemoveScratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(g_scratch, ignored);
}

}  // namespace

std::string ScratchDir()
{
    if (g_scratch.empty()) {
        // Memory-backed when there is such a place: the file targets write on every run.
        const char *tmp = std::getenv("TMPDIR");
        std::string base = tmp && *tmp ? tmp : access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string candidate = base + "/zemfuzz." + std::to_string(getpid());
        if (mkdir(candidate.c_str(), 0700) != 0 && access(candidate.c_str(), W_OK) != 0)
            Fail("cannot create " + candidate);
        g_scratch = candidate;
        std::atexit(RemoveScratch);
    }
    return g_scratch;
}

std::string ScratchPath(const std::string &name) { return ScratchDir() + "/" + name; }

void WriteFile(const std::string &path, const void *data, std::size_t size)
{
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        Fail("cannot write " + path);
    if (size && std::fwrite(data, 1, size, file) != size)
        Fail("short write to " + path);
    std::fclose(file);
}

PcfMessage *ContainerHolding(const void *data, std::size_t size)
{
    PcfMessage *pcf = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 0);
    if (!pcf)
        return nullptr;
    auto length = static_cast<int32_t>(size);
    if (!SizeMessage(&pcf->PcfMsg, length)) {
        DeletePcfMessage(pcf);
        return nullptr;
    }
    if (size)
        std::memcpy(pcf->PcfMsg.pData, data, size);
    pcf->PcfMsg.Used = ZEM_MDHDR_LENGTH + length;
    pcf->pCfh = reinterpret_cast<ZEM_MQCFH *>(pcf->PcfMsg.pData);
    return pcf;
}

void Fail(const std::string &what)
{
    std::fprintf(stderr, "\nINVARIANT BROKEN: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace zemfuzz
