#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace termika {

// The five user-interface languages, in the order of the columns of the text table.
enum class Language : std::uint8_t { Polish, English, German, Italian, Swedish };

inline constexpr std::size_t LanguageCount = 5;

constexpr std::size_t columnOf(Language language) {
    return static_cast<std::size_t>(language);
}

// What sets one language handler apart from the others, its texts aside. A target that a
// language leaves alone is an empty cell of the text table, not a rule here.
struct LanguageRule {
    Language language;
    const char* code;         // the code stored for the user and held in Jezyk
    const char* qtName;       // the name of Qt's own translations for the language
    bool rebuildsSpacerLists; // Italian leaves the six spacer lists and their selections alone
};

// clang-format off
inline constexpr std::array<LanguageRule, LanguageCount> LanguageRules{{
    {Language::Polish,  "pl", "pl", true},
    {Language::English, "en", "en", true},
    {Language::German,  "de", "de", true},
    {Language::Italian, "it", "it", false},
    {Language::Swedish, "se", "sv", true}, // the program has always stored Sweden's "se"
}};
// clang-format on

constexpr const LanguageRule& ruleOf(Language language) {
    return LanguageRules[columnOf(language)];
}

// The language of a stored code, compared exactly: "EN", "sv" or "en " are no language.
constexpr std::optional<Language> languageOfCode(std::string_view code) {
    for (const LanguageRule& rule : LanguageRules)
        if (code == rule.code)
            return rule.language;
    return std::nullopt;
}

} // namespace termika
