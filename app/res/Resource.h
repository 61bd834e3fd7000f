// Resource and command identifiers of the main window, the ribbon, the status bar and the panes.
#pragma once

#include "platform/ProductInfo.h"

namespace tarvelo::app {

using platform::kAppTitle; // strings 123 and 57344
using platform::kHelpPage;
using platform::kMakerAddress;
using platform::kProductWebPage;

enum ResourceId : int {
    IDR_MAINFRAME = 128,
    IDB_PANEL_ICONS = 113,  // 16 x 16 panel icons
    IDB_RIBBON_LARGE = 320, // 32 x 32 button images
    IDB_APP_BUTTON = 323,   // 52 x 52 application button image
    IDB_RIBBON_SMALL = 325, // 16 x 16 button images
    IDB_SPLASH = 334,       // 480 x 269 splash picture
    IDR_TREE_MENU = 330,    // "Tree Click"
    IDR_LIST_MENU = 331,    // "List RClick"
};

enum CommandId : int {
    ID_VIEW_APPLOOK_WIN_2000 = 210,
    ID_VIEW_APPLOOK_OFF_XP = 211,
    ID_VIEW_APPLOOK_WIN_XP = 212,
    ID_VIEW_APPLOOK_OFF_2003 = 213,
    ID_VIEW_APPLOOK_VS_2005 = 214,
    ID_VIEW_APPLOOK_OFF_2007_BLUE = 215,
    ID_VIEW_APPLOOK_OFF_2007_BLACK = 216,
    ID_VIEW_APPLOOK_OFF_2007_SILVER = 217,
    ID_VIEW_APPLOOK_OFF_2007_AQUA = 218,
    ID_OPEN_BKF = 313,
    ID_STOP = 314,
    ID_SAVE_FILES = 315,
    ID_SEARCH = 316,
    ID_SAVE_LOG = 317,
    ID_LOAD_SNAPSHOT = 318,
    ID_SAVE_SNAPSHOT = 319,
    ID_HELP_PAGE = 320,
    ID_ABOUT = 321,
    ID_STATUS_PROGRESS = 328,
    ID_STATUS_STOP = 329,
    ID_STATUS_PROGRESS_PANE = 330,
    ID_STATUS_FOUND_PANE = 331,
    ID_STATUS_LINK = 332,
    ID_STATUS_PERCENT = 338,
    ID_STATUSBAR_PANE1 = 121,
    ID_EXPAND_ALL = 32771,
    ID_COLLAPSE_ALL = 32772,
    ID_SHOW_FILE_PREVIEW = 32774,
};

enum PaneId : int {
    ID_VIEW_FILEVIEW = 133,
    ID_VIEW_OUTPUTWND = 149,
    ID_VIEW_PROPERTIESWND = 337,
    IDC_CONTENT_TREE = 310,
    IDC_FILE_LIST = 311,
    IDC_FILE_VIEWER = 322,
    IDC_LOG_LIST = 323,
    IDC_OUTPUT_TABS = 324,
    IDC_PROPERTY_GRID = 2,
};

} // namespace tarvelo::app
