#include "picture/cairo/program_font.h"

#include "picture/cairo/font_lookup.h"

std::unique_ptr<FreeTypeFont> LoadProgramFont()
{
    // The preferred face by name, else whatever fontconfig calls monospace.
    std::optional<FontMatch> match = MatchFont("DejaVu Sans Mono:spacing=mono");
    if (!match || match->family != "DejaVu Sans Mono")
        match = MatchFont("monospace:spacing=mono");
    if (!match || match->file.empty())
        throw FontError(
            "Vorlen: no fixed-width font was found. Install one, for example with "
            "'apt-get install fonts-dejavu-core'.");
    return FreeTypeFont::FromFile(match->file);
}
