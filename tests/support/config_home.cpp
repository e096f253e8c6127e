#include "config_home.h"

#include <filesystem>

namespace zemtest {

ConfigHome::ConfigHome() : env_("KELDA_HOME", home_.path())
{
    std::filesystem::create_directories(home_.path() + "/config/groups");
}

std::string ConfigHome::configFile(const std::string &name) const { return home_.path() + "/config/groups/" + name; }

std::string ConfigHome::write(const std::string &name, const std::string &bytes) const
{
    return home_.write("config/groups/" + name, bytes);
}

}  // namespace zemtest
