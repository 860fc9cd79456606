// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Language.h"

namespace pulsadrome::i18n {

namespace {

const std::array<LanguageInfo, kLanguageCount> kLanguages{{
    {Language::Francais, "francais", "Image_langue", "Français"},
    {Language::Anglais, "anglais", "Image_anglais", "English"},
    {Language::Espagnol, "espagnol", "Image_espagnol", "Español"},
    {Language::Portugais, "portugais", "Image_portugal", "Português"},
    {Language::Italien, "italien", "Image_italie", "Italiano"},
    {Language::Allemand, "allemand", "Image_allemagne", "Deutsch"},
}};

} // namespace

const std::array<LanguageInfo, kLanguageCount>& languages() {
    return kLanguages;
}

int languageNumber(Language language) {
    return static_cast<int>(language);
}

const LanguageInfo& languageInfo(Language language) {
    return kLanguages[static_cast<std::size_t>(languageNumber(language) - 1)];
}

std::optional<Language> languageFromNumber(int number) {
    if (number < 1 || number > kLanguageCount) {
        return std::nullopt;
    }
    return static_cast<Language>(number);
}

std::optional<Language> languageFromCode(QStringView code) {
    for (const auto& info : kLanguages) {
        if (code == QLatin1String(info.code)) {
            return info.language;
        }
    }
    return std::nullopt;
}

} // namespace pulsadrome::i18n
