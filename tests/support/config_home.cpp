#include "config_home.h"

#include <cstring>
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

std::string OpeningFailed(const std::string &path, int error)
{
    return "Opening file " + path + " failed\nERRNO(" + std::to_string(error) + "): ERRSTR(" + std::strerror(error) +
           ")\n";
}

std::string SizeFailed(const std::string &path)
{
    return "Get size of file " + path + " failed\nERRNO(0): ERRSTR(" + std::strerror(0) + ")\n";
}

}  // namespace zemtest
