// Looking up the last key of a large key-and-value file.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

constexpr int kEntries = 5000;

std::string Key(int i) { return "Setting" + std::to_string(100000 + i); }

std::string IniText()
{
    std::string text = "# generated settings\n";
    for (int i = 1; i <= kEntries; ++i)
        text += Key(i) + "=value of setting " + std::to_string(i) + "\n";
    return text;
}

// The file loaded once; the lookups run on its text.
class LoadedIni {
public:
    LoadedIni()
    {
        char name[] = "/tmp/zembench-XXXXXX";
        int fd = mkstemp(name);
        path_ = name;
        std::string text = IniText();
        if (fd >= 0) {
            ok_ = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
            close(fd);
        }
        ok_ = ok_ && zemOpenIniFile(path_.c_str(), "=", "\n", &ini, error_, 0) == 1;
    }
    ~LoadedIni()
    {
        zemCloseIniFile(&ini);
        std::remove(path_.c_str());
    }
    bool ok() const { return ok_; }
    IniFile ini{};

private:
    std::string path_;
    char error_[ZEM_CONFIG_ERROR_SIZE] = "";
    bool ok_ = false;
};

void IniSubject(benchmark::State &state)
{
    LoadedIni loaded;
    std::vector<char> value(static_cast<std::size_t>(loaded.ini.length) + 1);
    const std::string key = Key(kEntries);
    if (!loaded.ok() || zemGetValue(&loaded.ini, key.c_str(), value.data(), 1) != 1)
        state.SkipWithError("the last key is not found");
    for (auto _ : state)
        benchmark::DoNotOptimize(zemGetValue(&loaded.ini, key.c_str(), value.data(), 1));
}

void IniBaseline(benchmark::State &state)
{
    LoadedIni loaded;
    const std::string key = Key(kEntries) + "=";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::strstr(loaded.ini.text, key.c_str()));
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("ini_last_of_5000:subject", IniSubject);
    benchmark::RegisterBenchmark("ini_last_of_5000:baseline", IniBaseline);
    return true;
}();

}  // namespace
