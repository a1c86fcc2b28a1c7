// The language of the texts a person reads, and their translations.
//
// Serbian (Latin script) is the program's own language: every text in the
// code is the Serbian one and is also the key under which its translation is
// found. A front end picks the language and hands the core the catalogue of
// the other language's texts; the core itself reads no locale files, so it
// builds the same for the desktop and for WebAssembly.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

// Marks a text for the catalogue without translating it here: for tables of
// texts that are looked up with Tr() where they are shown. xgettext finds
// both names (po/make-pot.sh). wxWidgets defines the same macro the same
// way; whichever comes first stands.
#ifndef N_
#define N_(text) (text)
#endif

enum class Language { kSerbian, kEnglish };

// One entry of a catalogue: the Serbian text and its translation.
struct CatalogueEntry {
    std::string_view id;
    std::string_view text;
};

// The language Tr() translates into; Serbian until a front end says
// otherwise.
void SetLanguage(Language language);
Language CurrentLanguage();

// Replaces the catalogue of translations with a copy of `entries`. An entry
// with an empty text is left out, as gettext leaves an untranslated message
// in its own language; of two entries with one id the last counts.
void SetCatalogue(std::span<const CatalogueEntry> entries);
void SetCatalogue(std::span<const std::pair<std::string, std::string>> entries);

// The text in the current language: `serbian` itself in Serbian or when the
// catalogue has no translation of it, else the translation. The pointer
// stays valid until the next SetCatalogue(). Tr(nullptr) is nullptr.
const char* Tr(const char* serbian);
std::string_view Tr(std::string_view serbian);

// "sr" or "en", as --lang takes them; nothing for any other text.
std::optional<Language> ParseLanguageName(std::string_view name);
// The code ParseLanguageName() takes for `language`.
std::string_view LanguageName(Language language);

// The language the locale asks for, as gettext reads it: the first of
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set and not empty decides.
// LANGUAGE is a list ("en:sr"), the others one locale name; English when
// the first entry naming English or Serbian names English ("en",
// "en_US.UTF-8", "en_GB", "en@quot"), Serbian otherwise ("C", "POSIX",
// "sr_RS", "de_DE", "english").
struct LocaleVariables {
    const char* language = nullptr;
    const char* lcAll = nullptr;
    const char* lcMessages = nullptr;
    const char* lang = nullptr;
};
Language LanguageFromLocale(const LocaleVariables& variables);
// The same with the process's environment.
Language LanguageFromEnvironment();
