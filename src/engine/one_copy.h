// one_copy.h -- one copy of the game per saves/ folder; a second one shows the first and ends
//
// Two copies on one saves/ folder would each keep their own list and overwrite each other's
// games. The copy that starts first locks saves/lock for its whole run (the system frees
// the lock when the process ends, however it ends) and writes its process id into it; a
// copy that finds the lock taken brings that process's window to the front and ends
// without changing anything under saves/.
#pragma once

// True when this copy now holds saves/ for the rest of its run, or when the folder cannot
// be locked at all (the game then plays as it always did). False: another copy holds it.
bool claimSavesFolder();

// Asks the desktop to raise and focus the window of the copy that holds saves/, where the
// desktop allows it. Quietly does nothing without an X server or such a window.
void showRunningCopy();

// Marks the game window with this process's id (_NET_WM_PID), by which a second copy finds it.
void markWindowWithProcess(unsigned long window);
