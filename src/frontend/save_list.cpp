#include "frontend/save_list.h"
SaveList saveList;
void loadSaveList() {}
void writeSaveList() {}
void startNewGame(int64_t) {}
void deleteSave(const std::string&) {}
void tutorialCompleted() {}
