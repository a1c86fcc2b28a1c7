#include "language/built_in.h"

void UseBuiltInLanguage(Language language)
{
    SetCatalogue(BuiltInCatalogue(language));
    SetLanguage(language);
}
