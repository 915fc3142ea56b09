// run_folder.cpp -- the run folder beside the binary, or the installed data and the player's saves
#include "engine/run_folder.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

std::string assetsFolder = "assets";

std::string assetFile(const std::string& code) { return assetsFolder + "/" + code + ".dk5"; }

std::string largeAssetFile(const std::string& code) { return assetsFolder + "/2x/" + code + ".dk5"; }

namespace {

bool isFolder(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// "/usr/games" -> "/usr"; the root's parent is the root.
std::string parentOf(const std::string& folder) {
    size_t slash = folder.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return "";
    return folder.substr(0, slash);
}

std::string runningBinaryFolder() {
    char buffer[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return ".";
    std::string binary(buffer, static_cast<size_t>(length));
    return binary.substr(0, binary.find_last_of('/'));
}

// The base of per-user data: $XDG_DATA_HOME when it is an absolute path (the XDG rules
// say a relative one is ignored), else ~/.local/share.
std::string dataHome(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && xdgDataHome[0] == '/') return xdgDataHome;
    if (home && home[0] == '/') return std::string(home) + "/.local/share";
    return "";
}

const char* homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry ? entry->pw_dir : nullptr;
}

bool refuse(const std::string& line) {
    std::cerr << line << std::endl;
    return false;
}

}  // namespace

RunFolderPlan planRunFolder(const std::string& binaryFolder, const char* xdgDataHome, const char* home) {
    RunFolderPlan plan;
    std::string besideBinary = binaryFolder + "/assets";
    if (isFolder(besideBinary)) {
        plan.workFolder = binaryFolder;
        plan.assetsFolder = "assets";
        return plan;
    }
    std::string installed = parentOf(binaryFolder) + "/share/games/thornvale/assets";
    if (!isFolder(installed)) {
        plan.problem = "Thornvale cannot start: its assets folder is missing (looked in " + besideBinary +
                       " and " + installed + ")";
        return plan;
    }
    std::string data = dataHome(xdgDataHome, home);
    if (data.empty()) {
        plan.problem = "Thornvale cannot start: no home folder to keep saves in (HOME and XDG_DATA_HOME are unset)";
        return plan;
    }
    plan.installed = true;
    plan.workFolder = data + "/thornvale";
    plan.assetsFolder = installed;
    return plan;
}

bool makePrivateFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        std::string prefix = path.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    return isFolder(path);
}

bool enterRunFolder() {
    RunFolderPlan plan = planRunFolder(runningBinaryFolder(), std::getenv("XDG_DATA_HOME"), homeFolder());
    if (!plan.problem.empty()) return refuse(plan.problem);
    if (plan.installed && !makePrivateFolders(plan.workFolder + "/saves"))
        return refuse("Thornvale cannot start: cannot create " + plan.workFolder + "/saves (" +
                      std::strerror(errno) + ")");
    if (::chdir(plan.workFolder.c_str()) != 0)
        return refuse("Thornvale cannot start: cannot enter " + plan.workFolder + " (" + std::strerror(errno) + ")");
    assetsFolder = plan.assetsFolder;
    return true;
}
