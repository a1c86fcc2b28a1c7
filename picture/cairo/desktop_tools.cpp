#include "picture/cairo/desktop_tools.h"

#include "picture/cairo/program_font.h"

DesktopPictureTools::DesktopPictureTools()
    : m_font(LoadProgramFont()), m_painter(*m_font), m_tools{*m_font, &m_painter}
{
}
