// game_process.cpp -- fork and exec the real game, wait for files it writes, kill it
#include "support/game_process.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

extern char** environ;

TempFolder::TempFolder() {
    char pattern[] = "/tmp/thornvale-process-XXXXXX";
    path = mkdtemp(pattern);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

namespace {

// The test's environment with the extra entries put in (or taken out) by name.
std::vector<std::string> childEnvironment(const std::vector<std::string>& extra) {
    std::vector<std::string> result;
    auto overridden = [&](const std::string& entry) {
        for (const std::string& e : extra)
            if (entry.compare(0, e.find('=') + 1, e, 0, e.find('=') + 1) == 0) return true;
        return false;
    };
    for (char** e = environ; *e; e++)
        if (!overridden(*e)) result.push_back(*e);
    for (const std::string& e : extra)
        if (e.back() != '=') result.push_back(e);
    return result;
}

}  // namespace

GameProcess::GameProcess(const std::string& binary, const std::string& startFolder,
                         const std::vector<std::string>& extraEnvironment) {
    std::vector<std::string> env = childEnvironment(extraEnvironment);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string errorsFile = logFolder.path + "/stderr";
    pid = fork();
    if (pid == 0) {  // only async-signal-safe calls from here to exec
        int fd = ::open(errorsFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) ::dup2(fd, 2);
        if (::chdir(startFolder.c_str()) != 0) _exit(126);
        char* argv[] = {const_cast<char*>(binary.c_str()), nullptr};
        ::execve(binary.c_str(), argv, envp.data());
        _exit(127);
    }
}

GameProcess::~GameProcess() { stop(); }

bool GameProcess::waitForFile(const std::string& path, int seconds) {
    for (int i = 0; i < seconds * 100; i++) {
        if (fs::exists(path)) return true;
        if (waitForExit(0) != -1) return fs::exists(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

int GameProcess::waitForExit(int seconds) {
    for (int i = 0; status == -1 && pid > 0; i++) {
        int raw = 0;
        if (::waitpid(pid, &raw, WNOHANG) == pid)
            status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        else if (i >= seconds * 100) break;
        else std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return status;
}

void GameProcess::stop() {
    if (pid > 0 && waitForExit(0) == -1) {
        ::kill(pid, SIGKILL);
        int raw = 0;
        ::waitpid(pid, &raw, 0);
        status = 128 + SIGKILL;
    }
}

void GameProcess::signal(int number) {
    if (pid > 0) ::kill(pid, number);
}

std::string GameProcess::errors() const {
    std::ifstream in(logFolder.path + "/stderr");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
