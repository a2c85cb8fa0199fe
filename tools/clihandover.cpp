#include "clihandover.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace solvane::cli {

namespace {
constexpr int kExitNoHelper = 1;
constexpr const char* kHelper = "solvane-cli-qt";

// The helper beside this program's own file, or its bare name to be looked up on the PATH.
std::string HelperPath()
{
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::filesystem::path beside = self.parent_path() / kHelper;
        if (std::filesystem::exists(beside, ec))
            return beside.string();
    }
    return kHelper;
}
} // namespace

int RunInQtHelper(const Args& args)
{
    const std::string path = HelperPath();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::cout.flush();
#ifdef _WIN32
    const intptr_t status = _spawnvp(_P_WAIT, path.c_str(), argv.data());
    if (status >= 0)
        return static_cast<int>(status);
#else
    execvp(path.c_str(), argv.data());
#endif
    std::cerr << "solvane-cli: the command \"" << args[0] << "\" needs " << kHelper
              << ", which cannot be started\n";
    return kExitNoHelper;
}

} // namespace solvane::cli
