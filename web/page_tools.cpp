#include "web/page_tools.h"

#include "picture/block_painter.h"
#include "picture/table_font.h"

const PictureTools& PageTools()
{
    static const TableFont font;
    static const BlockPainter painter(font);
    static const PictureTools tools{font, &painter};
    return tools;
}
