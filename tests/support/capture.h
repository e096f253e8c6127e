// Output capture and file helpers shared by every suite.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace zemtest {

// Runs fn with the process's standard output (or error) sent to a temporary file and
// returns everything written, C stdio and direct descriptor writes alike.
std::string CaptureStdout(const std::function<void()> &fn);
std::string CaptureStderr(const std::function<void()> &fn);

// A fresh directory below the system temp dir, removed with everything in it at scope end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }
    // Writes bytes to name inside the directory and returns the full path.
    std::string write(const std::string &name, const std::string &bytes) const;
    // Writes bytes to the file at path, replacing it; false when that fails.
    static bool Write(const std::string &path, const std::string &bytes);
private:
    std::string path_;
};

std::string ReadFile(const std::string &path);

// Expects the bundled sample to hold exactly bytes. With ZEM_WRITE_SAMPLES set in the
// environment it is written from them first: the way to regenerate the samples after a
// change of their builders (then review the diff).
void ExpectSampleFile(const std::string &relative, const std::string &bytes);

}  // namespace zemtest
