// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace pulsadrome::i18n {

// The six interface languages, numbered as in the language file.
enum class Language { Francais = 1, Anglais, Espagnol, Portugais, Italien, Allemand };

inline constexpr int kLanguageCount = 6;

struct LanguageInfo {
    Language language;
    const char* code;        // "francais" ... "allemand": compared exactly
    const char* flagControl; // the flag picture that chooses it
    const char* autonym;     // the language's own name, for buttons and lists
};

const std::array<LanguageInfo, kLanguageCount>& languages();
const LanguageInfo& languageInfo(Language language);
int languageNumber(Language language);
std::optional<Language> languageFromNumber(int number);
std::optional<Language> languageFromCode(QStringView code);

} // namespace pulsadrome::i18n
