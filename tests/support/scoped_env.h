// Process state a test changes and must give back: environment variables and the working
// directory.
#pragma once
#include <optional>
#include <string>

namespace zemtest {

// Sets (or, with std::nullopt, removes) an environment variable until scope end.
class ScopedEnv {
public:
    ScopedEnv(const std::string &name, const std::optional<std::string> &value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;
private:
    std::string name_;
    std::optional<std::string> saved_;
};

// Changes the working directory until scope end.
class ScopedCwd {
public:
    explicit ScopedCwd(const std::string &dir);
    ~ScopedCwd();
    ScopedCwd(const ScopedCwd &) = delete;
    ScopedCwd &operator=(const ScopedCwd &) = delete;
private:
    int saved_;
};

}  // namespace zemtest
