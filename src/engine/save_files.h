// save_files.h -- reading and atomically replacing the small text files under saves/
#pragma once
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// Replaces saves/<name> whole: writes <name>.tmp, flushes it to disk, renames it
// over the old file and flushes the folder, under one lock shared by every writer,
// so a crash, a power cut or a second thread never leaves a torn or interleaved file.
// Creates saves/ if it is missing. Returns false (and leaves the old file) when
// anything fails; the failure goes to standard error with its reason, and the file is
// written again at the next write of any file under saves/ (see savesFailing).
bool replaceSavesFile(const std::string& name, const std::vector<std::string>& lines);
// Adds one whole line at the end of saves/<name>, in a single write. A file that
// already holds lineLimit lines loses its oldest ones first, so it never grows past it.
bool appendSavesLine(const std::string& name, const std::string& line, size_t lineLimit);
// Takes the first occurrence of each of these lines out of saves/<name>; a file
// left empty is deleted.
bool removeSavesLines(const std::string& name, const std::vector<std::string>& lines);
bool removeSavesFile(const std::string& name);
// Moves a damaged saves/<name> aside to saves/<name>.bad (replacing an older one).
bool keepDamagedFile(const std::string& name);
void ensureSavesFolder();

// The lines of saves/<name>, or nothing when it cannot be opened. A file whose every
// line ends in CR LF loses those CRs; otherwise every line is kept exactly as it is.
std::optional<std::vector<std::string>> readSavesFile(const std::string& name);

// The games on disk: every saves/<n>.kv whose n is a canonical save number.
struct GameFile {
    int number;
    std::time_t modified;
};
std::vector<GameFile> gameFilesOnDisk();

// True while some progress file under saves/ (any but the report queue) still waits
// to be written after a failed write.
bool savesFailing();

// Parses like std::stoi: leading white space, an optional sign, digits, trailing
// text ignored. Nothing when there is no number or it does not fit 32 bits.
std::optional<int> parseInt(const std::string& text);
// Parses like std::stod, with the same refusals, and refuses NaN and infinities.
std::optional<double> parseDouble(const std::string& text);
// True when text is a save number exactly as the game writes one: 1 to 2147483647 in
// digits, no sign, no leading zero. Only such ids name files.
bool isDecimalId(const std::string& text);
