// game_process.h -- the real game binary as a child process, and throw-away folders
#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

// A fresh folder under /tmp, removed with everything in it at the end of the test.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path;
};

// Starts `binary` in `startFolder` with the test's environment plus `extraEnvironment`
// (NAME=value; a value-less "NAME=" entry removes NAME). Standard error goes to a file.
class GameProcess {
public:
    GameProcess(const std::string& binary, const std::string& startFolder,
                const std::vector<std::string>& extraEnvironment);
    ~GameProcess();
    bool waitForFile(const std::string& path, int seconds = 30);  // true once it exists
    int waitForExit(int seconds = 30);  // the exit status (128+signal if killed); -1 still running
    void stop();                         // kill it if it still runs
    void signal(int number);             // send it a signal
    std::string errors() const;          // what it wrote on standard error

private:
    TempFolder logFolder;
    pid_t pid = -1;
    int status = -1;
};
