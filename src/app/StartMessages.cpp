// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartMessages.h"

#include "app/ProblemTexts.h"

#include "i18n/LanguageFile.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QLocale>

#include <cstdio>

namespace pulsadrome::app {

namespace {

std::optional<i18n::Language> languageOfLocale(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::French:
        return i18n::Language::Francais;
    case QLocale::English:
        return i18n::Language::Anglais;
    case QLocale::Spanish:
        return i18n::Language::Espagnol;
    case QLocale::Portuguese:
        return i18n::Language::Portugais;
    case QLocale::Italian:
        return i18n::Language::Italien;
    case QLocale::German:
        return i18n::Language::Allemand;
    default:
        return std::nullopt;
    }
}

void tell(const i18n::CaptionTable& captions, ui::MessageTone tone, const QString& text,
          const QString& detail) {
    const QString printed = detail.isEmpty() ? text : text + QLatin1Char('\n') + detail;
    std::fputs((printed + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    ui::showMessage(nullptr, captions, tone, text, detail);
}

} // namespace

i18n::CaptionTable startCaptions(const QString& folder) {
    i18n::CaptionTable captions;
    const QString file = QDir(folder).filePath(QString::fromLatin1(i18n::kLanguageFileName));
    const auto number = i18n::readLanguageFile(file);
    if (!number || !i18n::languageFromNumber(*number)) {
        // QLocale() follows the computer's language unless the program sets another.
        if (const auto language = languageOfLocale(QLocale())) {
            captions.setCurrentCode(QString::fromLatin1(i18n::languageInfo(*language).code));
            captions.Command_langue_Click();
            return captions;
        }
    }
    i18n::applyLanguageAtStartup(captions, file);
    return captions;
}

void tellDataFolderProblem(const i18n::CaptionTable& captions, const DataFolderProblem& problem) {
    tell(captions, ui::MessageTone::Critical, dataFolderProblemText(captions, problem),
         dataFolderProblemDetail(captions, problem));
}

void tellLockFault(const i18n::CaptionTable& captions, const SingleCopy& copy) {
    tell(captions, ui::MessageTone::Critical,
         captions.text(u"dossier_donnees_inutilisable").arg(copy.faultText(captions)),
         i18n::problemDetail(captions, copy.lockFile()));
}

void tellAlreadyOpen(const i18n::CaptionTable& captions, const SingleCopy& copy) {
    tell(captions, ui::MessageTone::Information, copy.alreadyOpenMessage(captions), QString());
}

} // namespace pulsadrome::app
