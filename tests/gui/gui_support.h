// Shared helpers of the GUI tests: the running application, commands sent
// as menu events, and modal dialogs answered through wxTEST_DIALOG with
// failures reported to GoogleTest.
#pragma once

#include <gtest/gtest.h>

#include <wx/testing.h>

#include <string>

#include "app/main_frame.h"
#include "app/vorlen_app.h"

// A failed dialog expectation becomes a test failure instead of an assert
// box that would hang the run.
class GTestModalHook : public wxTestingModalHook {
public:
    using wxTestingModalHook::wxTestingModalHook;

protected:
    // A dialog nobody expected is reported and closed instead of shown, so
    // that a failing test never waits for a person.
    int Enter(wxDialog* dialog) override
    {
        const int result = wxTestingModalHook::Enter(dialog);
        return result == wxID_NONE ? wxID_CANCEL : result;
    }
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message.ToStdString(); }
};

// Runs code that must not show any modal dialog.
template <class Code>
void WithoutDialogs(Code code)
{
    GTestModalHook hook(__FILE__, __LINE__, "WithoutDialogs");
    code();
    hook.CheckUnmetExpectations();
}
#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS GTestModalHook

// Answers a message box with OK after checking its text.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
public:
    explicit ExpectMessage(std::string text) : m_text(std::move(text)) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetMessage().ToStdString(), m_text);
        return wxID_OK;
    }
    wxString GetDefaultDescription() const override { return "message \"" + m_text + "\""; }

private:
    std::string m_text;
};

inline CMainFrame& Frame()
{
    return *wxGetApp().MainFrame();
}

// Lets the window system deliver what is pending (paints, sizes, ...).
void Pump(int rounds = 5);

inline void Command(int id)
{
    Frame().RunCommand(id);
}

inline std::string Title()
{
    return Frame().GetTitle().ToStdString();
}

// A new empty or filled file in the test's private folder.
std::string MakeFile(const std::string& name, const std::string& contents = "");
std::string PrivateDir();
