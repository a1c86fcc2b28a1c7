// The About box: the program's name and version, its icon and a few lines
// about what it is for.
#pragma once

#include "dialogs/template_dialog.h"

class CAboutDlg : public CTemplateDialog {
public:
    // Without a parent the main window is still its owner: the window
    // system keeps it above the main window, and the command centres it
    // there.
    CAboutDlg();
};
