// An install directory of the test's own: KELDA_HOME points at a fresh folder with the
// configuration folder "config/groups" below it, until scope end.
#pragma once
#include <cerrno>
#include <string>

#include "capture.h"
#include "scoped_env.h"

namespace zemtest {

class ConfigHome {
public:
    ConfigHome();
    const std::string &path() const { return home_.path(); }
    // Path of a file in the configuration folder.
    std::string configFile(const std::string &name) const;
    // Writes a file into the configuration folder and returns its path.
    std::string write(const std::string &name, const std::string &bytes) const;

private:
    TempDir home_;
    ScopedEnv env_;
};

// The texts every configuration reader gives for a file that cannot be opened (with the
// errno of the failure) and for an empty one.
std::string OpeningFailed(const std::string &path, int error = ENOENT);
std::string SizeFailed(const std::string &path);

}  // namespace zemtest
