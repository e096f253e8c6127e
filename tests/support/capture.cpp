#include "capture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <filesystem>
#include <unistd.h>

namespace zemtest {
namespace {

std::string CaptureFd(FILE *stream, int fd, const std::function<void()> &fn)
{
    std::fflush(stream);
    char name[] = "/tmp/zemcaptureXXXXXX";
    int tmp = mkstemp(name);
    if (tmp < 0)
        throw std::runtime_error("mkstemp failed");
    // Puts the descriptor back and removes the file, also when fn throws.
    struct Restore {
        FILE *stream;
        int fd, saved, tmp;
        const char *name;
        ~Restore()
        {
            std::fflush(stream);
            dup2(saved, fd);
            close(saved);
            close(tmp);
            unlink(name);
        }
    } restore{stream, fd, dup(fd), tmp, name};
    dup2(tmp, fd);
    fn();
    std::fflush(stream);
    return ReadFile(name);
}

}  // namespace

std::string CaptureStdout(const std::function<void()> &fn) { return CaptureFd(stdout, 1, fn); }
std::string CaptureStderr(const std::function<void()> &fn) { return CaptureFd(stderr, 2, fn); }

TempDir::TempDir()
{
    char name[] = "/tmp/zemtestXXXXXX";
    if (!mkdtemp(name))
        throw std::runtime_error("mkdtemp failed");
    path_ = name;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::write(const std::string &name, const std::string &bytes) const
{
    Write(file(name), bytes);
    return file(name);
}

bool TempDir::Write(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out.good();
}

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ExpectSampleFile(const std::string &relative, const std::string &bytes)
{
    const std::string path = ZEM_SAMPLES_DIR "/" + relative;
    if (std::getenv("ZEM_WRITE_SAMPLES")) {
        ASSERT_TRUE(TempDir::Write(path, bytes)) << path;
    }
    EXPECT_EQ(ReadFile(path), bytes) << path;
}

}  // namespace zemtest
