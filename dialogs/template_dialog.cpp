#include "dialogs/template_dialog.h"

#include <algorithm>
#include <cmath>

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "dialogs/embedded_image.h"
#include "dialogs/template_dialog_gtk.h"
#include "language/language.h"

namespace {

// A sunken frame is two pixels wide on every side, inside the box.
const wxPoint kSunkenEdge(2, 2);

}  // namespace

CTemplateDialog::CTemplateDialog(wxWindow* parent, const Form& form, const TemplateStyle& style)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(Tr(form.caption)), wxDefaultPosition,
               wxDefaultSize, style.closeBox ? wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX : 0),
      m_toPixels(style.toPixels)
{
    // Set before anything is measured or made: dialog units come from the
    // dialog's font (unless the style fixes them), and the controls take it
    // over when they are created.
    if (style.font.IsOk())
        SetFont(style.font);
    ScaleUnitsWithText(form.items);
    SetClientSize(ToPixels(DlgBox{0, 0, form.width, form.height}).GetSize());
    Build(form.items);
    if (style.textSizeInPixels && style.font.IsOk()) {
        const std::string face = style.font.GetFaceName().utf8_string();
        for (wxWindow* child : GetChildren())
            SetTextSizeInPixels(*child, face.c_str(), style.font.GetFractionalPointSize());
    }
    // Escape and the close box press the accept button too (there is no
    // cancel button): nothing is ever undone.
    SetAffirmativeId(kAcceptId);
    Bind(wxEVT_CHAR_HOOK, &CTemplateDialog::OnCharHook, this);
    if (!m_framed.empty())
        Bind(wxEVT_PAINT, &CTemplateDialog::OnPaint, this);
}

// The texts of the tables were fitted to their boxes at 96 dots per inch,
// where a unit is a whole pixel count (a quarter of the rounded average
// letter width, an eighth of the line height). Text set larger does not
// grow in step with those whole counts (at 1.5 times the letters are 3 %
// wider than 1.5 times 8 pixels), nor does every text grow as the average
// letter: elsewhere the units grow across as the fastest growing text of
// the dialog does, so that every box fits its text as it does at 96.
//
// A translation is measured against the room its box had at 96: the
// Serbian text's own width, or more where the box is wider than its
// Serbian text (a short caption on a long group box, a button's word).
void CTemplateDialog::ScaleUnitsWithText(std::span<const DlgItem> items)
{
    constexpr double kUsualResolution = 96.0;
    const double resolution = TextResolution();
    if (m_toPixels || (resolution == kUsualResolution && CurrentLanguage() == Language::kSerbian))
        return;
    const wxFont font = GetFont();
    constexpr const char* kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const TextSize letters = MeasureText(font, kUsualResolution, kLetters);
    if (letters.width <= 0.0)
        return;
    const double usualUnit = std::round(letters.width / 52.0) / 4.0;
    double growth = MeasureText(font, resolution, kLetters).width / letters.width;
    for (const DlgItem& item : items) {
        const double usual = item.text ? MeasureText(font, kUsualResolution, item.text).width : 0.0;
        if (usual <= 0.0)
            continue;
        const char* shown = Tr(item.text);
        const double room =
            shown == item.text ? usual : TextRoomAtUsualSize(item, usual, usualUnit);
        growth = std::max(growth, MeasureText(font, resolution, shown).width / room);
    }
    m_unitPixels =
        wxRealPoint(usualUnit * growth, MeasureText(font, resolution, kLetters).height / 8.0);
}

// The width a translation of `item`'s text may take at 96 dots per inch,
// given the Serbian text's width there (`usual`, which fits) and the unit
// in pixels: the box less what the control draws beside its text, and
// never less than the Serbian text. A static whose Serbian text wraps
// keeps that text's width, so that the translation takes no more lines.
double CTemplateDialog::TextRoomAtUsualSize(const DlgItem& item, double usual, double unit)
{
    // GTK's (Adwaita's) frame around a button's label, a radio button's
    // indicator and its spacing, a group box's caption inset, with a margin.
    double inset = 0.0;
    switch (item.kind) {
    case DlgControl::DefaultButton:
    case DlgControl::Button: inset = 24.0; break;
    case DlgControl::FirstRadio:
    case DlgControl::Radio: inset = 32.0; break;
    case DlgControl::Group:
    case DlgControl::GroupCentred:
    case DlgControl::GroupRight: inset = 24.0; break;
    case DlgControl::Static:
    case DlgControl::CentredStatic:
        if (usual > item.box.w * unit)
            return usual;
        break;
    default: return usual;
    }
    return std::max(usual, item.box.w * unit - inset);
}

wxPoint CTemplateDialog::UnitsToPixels(int x, int y) const
{
    if (!m_unitPixels)
        return ConvertDialogToPixels(wxPoint(x, y));
    return wxPoint(static_cast<int>(std::lround(x * m_unitPixels->x)),
                   static_cast<int>(std::lround(y * m_unitPixels->y)));
}

wxRect CTemplateDialog::ToPixels(const DlgBox& box) const
{
    if (m_toPixels)
        return m_toPixels(box);
    // Both corners are converted, as a template's box is, so that boxes that
    // touch in dialog units touch in pixels.
    const wxPoint topLeft = UnitsToPixels(box.x, box.y);
    const wxPoint bottomRight = UnitsToPixels(box.x + box.w, box.y + box.h);
    return wxRect(topLeft, bottomRight - wxPoint(1, 1));
}

void CTemplateDialog::Build(std::span<const DlgItem> items)
{
    for (const DlgItem& source : items) {
        DlgItem item = source;
        if (item.id == kNoId)
            item.id = wxID_STATIC;
        const wxRect r = ToPixels(item.box);
        const wxString text = item.text ? wxString::FromUTF8(Tr(item.text)) : wxString();
        switch (item.kind) {
        case DlgControl::DefaultButton:
            (new wxButton(this, item.id, text, r.GetPosition(), r.GetSize()))->SetDefault();
            break;
        case DlgControl::Button:
            new wxButton(this, item.id, text, r.GetPosition(), r.GetSize());
            break;
        case DlgControl::Static:
        case DlgControl::CentredStatic: {
            const long align =
                item.kind == DlgControl::CentredStatic ? wxALIGN_CENTRE_HORIZONTAL : wxALIGN_LEFT;
            auto* label = new wxStaticText(this, item.id, wxString(), r.GetPosition(), r.GetSize(),
                                           align | wxST_NO_AUTORESIZE);
            // The texts are shown as they are: an ampersand is no mnemonic.
            label->SetLabelText(text);
            WrapLikeTemplateStatic(*label);
            break;
        }
        case DlgControl::Edit:
            new wxTextCtrl(this, item.id, wxString(), r.GetPosition(), r.GetSize());
            break;
        case DlgControl::FirstRadio:
        case DlgControl::Radio:
            new wxRadioButton(this, item.id, text, r.GetPosition(), r.GetSize(),
                              item.kind == DlgControl::FirstRadio ? wxRB_GROUP : 0);
            break;
        case DlgControl::Group:
        case DlgControl::GroupCentred:
        case DlgControl::GroupRight: {
            auto* box = new wxStaticBox(this, item.id, text, r.GetPosition(), r.GetSize());
            if (item.kind == DlgControl::GroupCentred)
                AlignGroupCaption(*box, 0.5f);
            else if (item.kind == DlgControl::GroupRight)
                AlignGroupCaption(*box, 1.0f);
            break;
        }
        case DlgControl::ListBox:
            new wxListBox(this, item.id, r.GetPosition(), r.GetSize(), 0, nullptr,
                          wxLB_SINGLE | wxLB_NO_SB | wxBORDER_SUNKEN);
            break;
        case DlgControl::Icon:
        case DlgControl::Picture: {
            // Shown at the image's own size, never stretched to the box.
            const wxBitmap bitmap = EmbeddedBitmap(EmbeddedImage(item.image));
            const bool framed = item.kind == DlgControl::Picture;
            const wxPoint at = r.GetPosition() + (framed ? kSunkenEdge : wxPoint());
            auto* picture = new wxStaticBitmap(this, item.id, bitmap, at, bitmap.GetSize(),
                                               framed ? wxBORDER_SUNKEN : wxBORDER_NONE);
            if (framed)
                m_framed.push_back(picture);
            break;
        }
        }
    }
}

wxTextCtrl& CTemplateDialog::Edit(int id) const
{
    return *wxStaticCast(FindWindow(id), wxTextCtrl);
}

wxRadioButton& CTemplateDialog::Radio(int id) const
{
    return *wxStaticCast(FindWindow(id), wxRadioButton);
}

wxButton& CTemplateDialog::Button(int id) const
{
    return *wxStaticCast(FindWindow(id), wxButton);
}

void CTemplateDialog::OnEveryClick(wxRadioButton& button, std::function<void()> action)
{
    OnRadioClicked(button, [this, action = std::move(action)] {
        if (!m_quiet)
            action();
    });
}

void CTemplateDialog::CheckQuietly(wxRadioButton& button)
{
    // GTK reports checking a button from the program as a click.
    m_quiet = true;
    button.SetValue(true);
    m_quiet = false;
}

void CTemplateDialog::FocusFirstControl()
{
    for (wxWindow* child : GetChildren()) {
        if (child->CanAcceptFocus()) {
            child->SetFocus();
            return;
        }
    }
}

void CTemplateDialog::CentreOver(const wxWindow& owner)
{
    const wxRect over = owner.GetScreenRect();
    const wxSize size = GetSize();
    Move(over.x + (over.width - size.x) / 2, over.y + (over.height - size.y) / 2);
}

void CTemplateDialog::RunCentredOver(const wxWindow& owner)
{
    CentreOver(owner);
    ShowModal();
}

void CTemplateDialog::OnCharHook(wxKeyEvent& event)
{
    // Enter means the default button wherever the focus is, except on a
    // push button, which Enter presses. GTK would take Enter on a radio
    // button as a click of it instead.
    const int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) &&
        dynamic_cast<wxRadioButton*>(FindFocus())) {
        if (wxWindow* accept = FindWindow(kAcceptId)) {
            wxCommandEvent click(wxEVT_BUTTON, kAcceptId);
            click.SetEventObject(accept);
            accept->GetEventHandler()->ProcessEvent(click);
            return;
        }
    }
    event.Skip();
}

void CTemplateDialog::OnPaint(wxPaintEvent&)
{
    // GTK's image control draws no border, so the dialog draws the sunken
    // frame around it: shadow above and to the left, light below and to the
    // right, two pixels each.
    wxPaintDC dc(this);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW);
    const wxColour darkShadow = wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW);
    const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT);
    const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_3DLIGHT);
    for (const wxWindow* picture : m_framed) {
        for (int ring = 1; ring <= 2; ++ring) {
            const wxRect r = picture->GetRect().Inflate(ring);
            dc.SetPen(wxPen(ring == 2 ? shadow : darkShadow));
            dc.DrawLine(r.GetLeft(), r.GetBottom(), r.GetLeft(), r.GetTop());
            dc.DrawLine(r.GetLeft(), r.GetTop(), r.GetRight(), r.GetTop());
            dc.SetPen(wxPen(ring == 2 ? highlight : light));
            dc.DrawLine(r.GetRight(), r.GetTop(), r.GetRight(), r.GetBottom() + 1);
            dc.DrawLine(r.GetLeft(), r.GetBottom(), r.GetRight(), r.GetBottom());
        }
    }
}

wxListBox& CTemplateDialog::List(int id) const
{
    return *wxStaticCast(FindWindow(id), wxListBox);
}

std::string FieldText(const wxTextCtrl& edit)
{
    return edit.GetValue().ToStdString(wxConvUTF8);
}
