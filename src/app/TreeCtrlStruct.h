// The main frame's view-state record (88 bytes): folder states of the navigation tree, and for the
// six bars (channel A, channel B, light, diagram, navigation, status bar) their check states and
// whether they were shown before; the last three ints check it.
#pragma once

#include <cstdint>

constexpr int TREE_FOLDER_COUNT = 7;
constexpr int VIEW_BAR_COUNT = 6;
// Check-state indexes of the bars.
constexpr int CHECK_STATE_CHANNEL_A = 0;
constexpr int CHECK_STATE_CHANNEL_B = 1;
constexpr int CHECK_STATE_LIGHT = 2;
constexpr int CHECK_STATE_DIAGRAM = 3;
constexpr int CHECK_STATE_NAVIGATION = 4;
constexpr int CHECK_STATE_STATUS_BAR = 5;

struct TreeCtrlStruct
{
    int32_t iFolderState[TREE_FOLDER_COUNT];
    int32_t iPrevCheckStateWasOn[VIEW_BAR_COUNT];
    // 0 hidden, 1 shown, 2 not available
    int32_t iCheckState[VIEW_BAR_COUNT];
    int32_t iSizeOfStruct;
    int32_t iSumOfStruct;
    int32_t iWeightedSumOfStruct;
};

static_assert(sizeof(TreeCtrlStruct) == 88, "stored record size");
