// The main window's menu bar and accelerator table.
#pragma once

#include <functional>

#include <wx/accel.h>
#include <wx/menu.h>

class RecentFileList;

struct MainMenus {
    wxMenuBar* bar = nullptr;
    wxMenu* file = nullptr;
    // Titles that are commands themselves (see MakeTitleACommand).
    wxMenu* signalGenerator = nullptr;
    wxMenu* dft = nullptr;
    wxMenu* adHocFilter = nullptr;
};

MainMenus CreateMainMenuBar();

// Turns a title of the menu bar into a command: a click on it, or Enter
// when it is selected from the keyboard, calls run instead of opening a
// menu. The title's wxMenu stays empty.
void MakeTitleACommand(wxMenu* title, std::function<void()> run);

// Where the menu's drop-down is, or was when it last closed, on the screen;
// empty if it never showed.
wxRect DropDownScreenRect(const wxMenu& menu);

// Ctrl+N, Ctrl+O and Ctrl+S, and the editing and pane keys that lead
// nowhere in this program.
wxAcceleratorTable CreateAcceleratorTable();

// Shows the recent files between the File menu's two separators, or the
// grey "Recent File" placeholder while there are none.
void ShowRecentFiles(wxMenu* file, const RecentFileList& files);
