// save_files.h -- reading and atomically replacing the small text files under saves/
#pragma once
#include <optional>
#include <string>
#include <vector>

// Replaces saves/<name> whole: writes <name>.tmp, flushes it to disk and renames it
// over the old file, under one lock shared by every writer, so a crash or a second
// thread never leaves a torn or interleaved file. Creates saves/ if it is missing.
// Returns false (and leaves the old file) when anything fails.
bool replaceSavesFile(const std::string& name, const std::vector<std::string>& lines);
bool appendSavesLine(const std::string& name, const std::string& line);
bool removeSavesFile(const std::string& name);
void ensureSavesFolder();

// The lines of saves/<name> (LF or CR LF endings), or nothing when it cannot be opened.
std::optional<std::vector<std::string>> readSavesFile(const std::string& name);

// Parses like std::stoi: leading white space, an optional sign, digits, trailing
// text ignored. Nothing when there is no number or it does not fit 32 bits.
std::optional<int> parseInt(const std::string& text);
// Parses like std::stod, with the same refusals.
std::optional<double> parseDouble(const std::string& text);
// True when text is a plain decimal number (digits only), safe inside a file name.
bool isDecimalId(const std::string& text);
