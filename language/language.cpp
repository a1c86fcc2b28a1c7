#include "language/language.h"

#include <cstdlib>
#include <map>

namespace {

Language g_language = Language::kSerbian;

// The translations by Serbian text; std::less<> finds a string_view
// without making a string of it.
std::map<std::string, std::string, std::less<>>& Catalogue()
{
    static std::map<std::string, std::string, std::less<>> catalogue;
    return catalogue;
}

const std::string* Find(std::string_view serbian)
{
    if (g_language == Language::kSerbian) {
        return nullptr;
    }
    const auto& catalogue = Catalogue();
    const auto found = catalogue.find(serbian);
    return found == catalogue.end() ? nullptr : &found->second;
}

// "en", or "en" followed by a territory, a codeset or a modifier.
bool NamesLanguage(std::string_view locale, std::string_view code)
{
    if (!locale.starts_with(code)) {
        return false;
    }
    const std::string_view rest = locale.substr(code.size());
    return rest.empty() || rest.front() == '_' || rest.front() == '.' || rest.front() == '@';
}

// The language of one locale name, when it is one of ours.
std::optional<Language> LocaleLanguage(std::string_view locale)
{
    if (NamesLanguage(locale, "en")) {
        return Language::kEnglish;
    }
    if (NamesLanguage(locale, "sr")) {
        return Language::kSerbian;
    }
    return std::nullopt;
}

}  // namespace

void SetLanguage(Language language)
{
    g_language = language;
}

Language CurrentLanguage()
{
    return g_language;
}

void SetCatalogue(std::span<const CatalogueEntry> entries)
{
    auto& catalogue = Catalogue();
    catalogue.clear();
    for (const CatalogueEntry& entry : entries) {
        if (!entry.text.empty()) {
            catalogue.insert_or_assign(std::string(entry.id), std::string(entry.text));
        }
    }
}

void SetCatalogue(std::span<const std::pair<std::string, std::string>> entries)
{
    auto& catalogue = Catalogue();
    catalogue.clear();
    for (const auto& [id, text] : entries) {
        if (!text.empty()) {
            catalogue.insert_or_assign(id, text);
        }
    }
}

const char* Tr(const char* serbian)
{
    // A table's empty slot (a separator's label) stays empty.
    if (serbian == nullptr) {
        return nullptr;
    }
    const std::string* translation = Find(serbian);
    return translation ? translation->c_str() : serbian;
}

std::string_view Tr(std::string_view serbian)
{
    const std::string* translation = Find(serbian);
    return translation ? std::string_view(*translation) : serbian;
}

std::optional<Language> ParseLanguageName(std::string_view name)
{
    if (name == "sr") {
        return Language::kSerbian;
    }
    if (name == "en") {
        return Language::kEnglish;
    }
    return std::nullopt;
}

std::string_view LanguageName(Language language)
{
    return language == Language::kEnglish ? "en" : "sr";
}

Language LanguageFromLocale(const LocaleVariables& variables)
{
    const char* const ordered[] = {variables.language, variables.lcAll, variables.lcMessages,
                                   variables.lang};
    for (const char* value : ordered) {
        if (value == nullptr || *value == '\0') {
            continue;
        }
        // Only LANGUAGE holds a list; a colon in a locale name is no
        // separator, but no locale of ours has one either way.
        std::string_view list = value;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            const std::optional<Language> language = LocaleLanguage(list.substr(0, colon));
            if (language) {
                return *language;
            }
            if (colon == std::string_view::npos) {
                break;
            }
            list.remove_prefix(colon + 1);
        }
        return Language::kSerbian;
    }
    return Language::kSerbian;
}

Language LanguageFromEnvironment()
{
    return LanguageFromLocale({std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                               std::getenv("LC_MESSAGES"), std::getenv("LANG")});
}
