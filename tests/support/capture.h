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
private:
    std::string path_;
};

std::string ReadFile(const std::string &path);

// Path of a bundled sample below samples/.
std::string SamplePath(const std::string &relative);

}  // namespace zemtest
