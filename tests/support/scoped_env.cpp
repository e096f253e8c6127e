#include "scoped_env.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace zemtest {

ScopedEnv::ScopedEnv(const std::string &name, const std::optional<std::string> &value) : name_(name)
{
    if (const char *old = std::getenv(name.c_str()))
        saved_ = old;
    if (value)
        setenv(name.c_str(), value->c_str(), 1);
    else
        unsetenv(name.c_str());
}

ScopedEnv::~ScopedEnv()
{
    if (saved_)
        setenv(name_.c_str(), saved_->c_str(), 1);
    else
        unsetenv(name_.c_str());
}

ScopedCwd::ScopedCwd(const std::string &dir) : saved_(open(".", O_RDONLY | O_DIRECTORY))
{
    if (saved_ < 0 || chdir(dir.c_str()) != 0)
        throw std::runtime_error("cannot change to " + dir);
}

ScopedCwd::~ScopedCwd()
{
    if (fchdir(saved_) != 0)
        std::perror("fchdir");
    close(saved_);
}

}  // namespace zemtest
