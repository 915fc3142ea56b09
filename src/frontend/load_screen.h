// load_screen.h -- the rows of the load list
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct LoadRow {
    std::string id;        // save number, names saves/<id>.kv
    std::string name;      // line 1 of the save, cut to the row when longer than a name can be
    std::string progress;  // line 2 (cut the same way) and "%"
    std::string seed;      // line 3 with the locale's digit grouping
};

struct LoadRows {
    std::vector<LoadRow> rows;  // one per listed game whose file reads, in list order
    int selectedRow = -1;       // touch: the row tapped once
    int scroll = 0;             // first row shown
    int armedRow = -1;          // the row whose red X was pressed once: the next press deletes
    int32_t armedAtMs = 0;      // nowMs of that first press
};

extern LoadRows loadRows;
void scrollLoadList(int rows);        // -1 up, +1 down, within the list
void drawLoadList();
void clickLoadList();
void buildLoadRows();        // the rows of the listed games whose files read
