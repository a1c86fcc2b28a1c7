#include "picture/cairo/font_lookup.h"

#include <fontconfig/fontconfig.h>

std::optional<FontMatch> MatchFont(const std::string& pattern)
{
    if (!FcInit())
        return std::nullopt;
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    if (!wanted)
        return std::nullopt;
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, wanted, &result);
    FcPatternDestroy(wanted);
    if (!found)
        return std::nullopt;
    std::optional<FontMatch> match;
    FcChar8* family = nullptr;
    FcChar8* file = nullptr;
    if (FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch &&
        FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) {
        match = FontMatch{reinterpret_cast<const char*>(file),
                          reinterpret_cast<const char*>(family), 0};
        FcPatternGetInteger(found, FC_WEIGHT, 0, &match->weight);
    }
    FcPatternDestroy(found);
    return match;
}
