// A rectangular part of a CSV table: columns and rows given in any order (the smaller is the start).
#pragma once

class CCsvTable;

struct CCsvRange
{
    int iFirstColumn = 0;
    int iLastColumn = 0;
    int iFirstRow = 0;
    int iLastRow = 0;
    const CCsvTable* pTable = nullptr; // not owned
};
