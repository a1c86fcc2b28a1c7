// The catalogues built into the desktop program and vorlen-render, made
// from po/*.po when they are built (target vorlen_catalogues, po/). The
// browser page does not link them: it hands the core po/en.po as JSON.
#pragma once

#include <span>

#include "language/language.h"

// The translations into `language`; none for Serbian, the texts' own
// language.
std::span<const CatalogueEntry> BuiltInCatalogue(Language language);

// SetCatalogue(BuiltInCatalogue(language)), then SetLanguage(language).
void UseBuiltInLanguage(Language language);
