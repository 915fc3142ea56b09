// save_files.cpp -- one lock, temporary files and renames: saves are never torn
#include "engine/save_files.h"

#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::mutex savesMutex;  // every writer of a file under saves/ holds it
// Progress files whose last write failed, with what they should hold, under the lock;
// they are written again at the next save. Never destroyed: the metrics worker may
// still write while the program exits.
std::map<std::string, std::string>& pendingWrites = *new std::map<std::string, std::string>;
std::atomic<bool> progressFailing{false};  // pendingWrites is not empty

std::string pathOf(const std::string& name) { return "saves/" + name; }

int lastError() { return errno != 0 ? errno : EIO; }

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

// A renamed file only survives a power cut once the folder holding it is on disk too.
bool syncSavesFolder() {
    int fd = ::open("saves", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

void reportFailure(const std::string& name, int error) {
    std::cerr << "Thornvale: could not save " << pathOf(name) << ": " << std::strerror(error) << std::endl;
}

// Under the lock: remember a progress file that still waits to be written, and tell the
// player's terminal why.
void noteOutcome(const std::string& name, const std::string& data, int error) {
    bool wasPending = pendingWrites.erase(name) > 0;
    if (error != 0) {
        reportFailure(name, error);
        if (name != "mT.kv") pendingWrites[name] = data;
    } else if (wasPending) {
        std::cerr << "Thornvale: " << pathOf(name) << " saved again" << std::endl;
    }
    progressFailing = !pendingWrites.empty();
}

// The temporary file is always a new one: a leftover (from a crash, or planted as a link
// to a file elsewhere) is removed first, and the open refuses anything already there.
int createFreshFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return -1;  // errno says why
    errno = 0;
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

// Under the lock: write the temporary file, sync it, rename it over the old one.
int replaceLocked(const std::string& name, const std::string& data) {
    ensureSavesFolder();
    std::string target = pathOf(name), temporary = target + ".tmp";
    int fd = createFreshFile(temporary);
    if (fd < 0) return lastError();
    int error = writeAll(fd, data) && ::fsync(fd) == 0 ? 0 : lastError();
    if (::close(fd) != 0 && error == 0) error = lastError();
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = lastError();
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    return syncSavesFolder() ? 0 : lastError();
}

// Under the lock: every earlier failed write but this file's is tried again.
void retryPendingWrites(const std::string& except) {
    std::vector<std::pair<std::string, std::string>> waiting(pendingWrites.begin(), pendingWrites.end());
    for (const auto& [name, data] : waiting)
        if (name != except) noteOutcome(name, data, replaceLocked(name, data));
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string data;
    for (const std::string& line : lines) data += line + "\n";
    return data;
}

// Lines of a CR LF file lose their CRs; a lone CR elsewhere is part of its line.
std::optional<std::vector<std::string>> readLocked(const std::string& name) {
    std::ifstream in(pathOf(name), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    bool allCrLf = true;
    while (std::getline(in, line)) {
        allCrLf = allCrLf && !line.empty() && line.back() == '\r';
        lines.push_back(line);
    }
    if (allCrLf)
        for (std::string& each : lines) each.pop_back();
    return lines;
}

// One write with O_APPEND adds the whole line or nothing; a line left unfinished by
// a power cut is closed first, so the new one never runs into it.
int appendLocked(const std::string& name, const std::string& line) {
    errno = 0;
    int fd = ::open(pathOf(name).c_str(), O_RDWR | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return lastError();
    char last = '\n';
    off_t size = ::lseek(fd, 0, SEEK_END);
    if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1) last = '\n';
    std::string data = (last == '\n' ? "" : "\n") + line + "\n";
    int error = writeAll(fd, data) && ::fsync(fd) == 0 ? 0 : lastError();
    ::close(fd);
    return error;
}

}  // namespace

void ensureSavesFolder() { ::mkdir("saves", 0755); }

bool replaceSavesFile(const std::string& name, const std::vector<std::string>& lines) {
    std::string data = joinLines(lines);
    std::lock_guard<std::mutex> lock(savesMutex);
    retryPendingWrites(name);
    int error = replaceLocked(name, data);
    noteOutcome(name, data, error);
    return error == 0;
}

bool appendSavesLine(const std::string& name, const std::string& line, size_t lineLimit) {
    std::lock_guard<std::mutex> lock(savesMutex);
    ensureSavesFolder();
    auto lines = readLocked(name).value_or(std::vector<std::string>{});
    int error = 0;
    if (lineLimit > 0 && lines.size() >= lineLimit) {
        lines.erase(lines.begin(), lines.end() - static_cast<long>(lineLimit - 1));
        lines.push_back(line);
        error = replaceLocked(name, joinLines(lines));
    } else {
        error = appendLocked(name, line);
    }
    if (error != 0) reportFailure(name, error);
    return error == 0;
}

bool removeSavesLines(const std::string& name, const std::vector<std::string>& lines) {
    std::lock_guard<std::mutex> lock(savesMutex);
    auto kept = readLocked(name);
    if (!kept) return true;  // nothing waits any more
    for (const std::string& line : lines) {
        for (auto it = kept->begin(); it != kept->end(); ++it) {
            if (*it != line) continue;
            kept->erase(it);
            break;
        }
    }
    if (kept->empty()) return std::remove(pathOf(name).c_str()) == 0 && syncSavesFolder();
    int error = replaceLocked(name, joinLines(*kept));
    if (error != 0) reportFailure(name, error);
    return error == 0;
}

bool removeSavesFile(const std::string& name) {
    std::lock_guard<std::mutex> lock(savesMutex);
    pendingWrites.erase(name);  // a deleted file is never brought back by a retry
    progressFailing = !pendingWrites.empty();
    return std::remove(pathOf(name).c_str()) == 0 && syncSavesFolder();
}

bool keepDamagedFile(const std::string& name) {
    std::lock_guard<std::mutex> lock(savesMutex);
    return ::rename(pathOf(name).c_str(), pathOf(name + ".bad").c_str()) == 0 && syncSavesFolder();
}

bool savesFailing() { return progressFailing; }

std::optional<std::vector<std::string>> readSavesFile(const std::string& name) { return readLocked(name); }

std::vector<GameFile> gameFilesOnDisk() {
    std::vector<GameFile> games;
    DIR* dir = ::opendir("saves");
    if (!dir) return games;
    while (dirent* entry = ::readdir(dir)) {
        std::string file = entry->d_name;
        if (file.size() < 4 || file.compare(file.size() - 3, 3, ".kv") != 0) continue;
        std::string id = file.substr(0, file.size() - 3);
        struct stat info;
        if (!isDecimalId(id) || ::stat(pathOf(file).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        games.push_back({*parseInt(id), info.st_mtime});
    }
    ::closedir(dir);
    return games;
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
    if (end == start || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool isDecimalId(const std::string& text) {
    if (text.empty() || text.size() > 10 || text[0] == '0') return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return parseInt(text).has_value();
}
