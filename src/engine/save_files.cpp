// save_files.cpp -- one lock, temporary files and renames: saves are never torn
#include "engine/save_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::mutex savesMutex;  // every writer of a file under saves/ holds it

std::string pathOf(const std::string& name) { return "saves/" + name; }

bool writeAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}
}  // namespace

void ensureSavesFolder() { ::mkdir("saves", 0755); }

bool replaceSavesFile(const std::string& name, const std::vector<std::string>& lines) {
    std::string data;
    for (const std::string& line : lines) data += line + "\n";
    std::lock_guard<std::mutex> lock(savesMutex);
    ensureSavesFolder();
    std::string target = pathOf(name), temporary = target + ".tmp";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool written = writeAll(fd, data) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool appendSavesLine(const std::string& name, const std::string& line) {
    std::lock_guard<std::mutex> lock(savesMutex);
    ensureSavesFolder();
    std::ofstream out(pathOf(name), std::ios::app);
    if (!out) return false;
    out << line << '\n';
    return static_cast<bool>(out.flush());
}

bool removeSavesFile(const std::string& name) {
    std::lock_guard<std::mutex> lock(savesMutex);
    return std::remove(pathOf(name).c_str()) == 0;
}

std::optional<std::vector<std::string>> readSavesFile(const std::string& name) {
    std::ifstream in(pathOf(name), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::optional<int> parseInt(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<double> parseDouble(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    double value = std::strtod(start, &end);
    if (end == start || errno == ERANGE) return std::nullopt;
    return value;
}

bool isDecimalId(const std::string& text) {
    if (text.empty() || text.size() > 10) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}
