// run_folder.h -- where the game finds its assets and keeps saves/
//
// A run folder (the build tree's build/run/, or any folder with the binary and its
// assets/ beside it) holds both assets/ and saves/. An installed game finds its assets
// in <prefix>/share/games/thornvale/assets beside <prefix>/games/thornvale and keeps
// saves/ in the player's own $XDG_DATA_HOME/thornvale/ (~/.local/share/thornvale/).
#pragma once
#include <string>

extern std::string assetsFolder;  // "assets" (relative to the working folder) or an absolute path

std::string assetFile(const std::string& code);  // the file of an asset code: <assetsFolder>/<code>.dk5
std::string largeAssetFile(const std::string& code);  // its picture at twice the size: <assetsFolder>/2x/<code>.dk5

struct RunFolderPlan {
    std::string workFolder;    // the folder the game works in; saves/ lies inside it
    std::string assetsFolder;  // where the .dk5 files are
    bool installed = false;    // the work folder is the player's private data folder
    std::string problem;       // one line for the player when no assets were found
};

// Decides from the binary's own folder and the environment (either may be null).
RunFolderPlan planRunFolder(const std::string& binaryFolder, const char* xdgDataHome, const char* home);

// Makes a folder and any missing parents, each new one private to the player (0700).
bool makePrivateFolders(const std::string& path);

// The game's first act: finds its folders, creates an installed player's data folder and
// saves/ (0700), and moves into the work folder. On failure prints one line on standard
// error and returns false.
bool enterRunFolder();
