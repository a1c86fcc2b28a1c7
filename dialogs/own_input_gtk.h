// A window that takes its own input while its parent is modal.
#pragma once

class wxTopLevelWindow;

// GTK sends every click and key of the program's windows to a modal
// dialog while it is open, also those meant for a window the dialog opened
// itself: Esc there would reach the dialog. A window in a window group of
// its own is outside the dialog's grab and gets its input.
void TakeOwnInput(wxTopLevelWindow& window);
