// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFile.h"

#include <QDebug>
#include <QFile>

#include <limits>

namespace pulsadrome::i18n {

namespace {

// A file this long is not a language file; reading stops there.
constexpr qint64 kMaxLanguageFileSize = 64;

} // namespace

std::optional<int> parseLanguageNumber(const QByteArray& content) {
    qsizetype end = content.indexOf('\n');
    const QByteArray line = (end < 0 ? content : content.left(end)).trimmed();
    bool ok = false;
    const int value = line.toInt(&ok, 10);
    if (!ok || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> readLanguageFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "The language file" << path
                             << "cannot be read:" << file.errorString();
        return std::nullopt;
    }
    const auto number = parseLanguageNumber(file.read(kMaxLanguageFileSize));
    if (!number) {
        qWarning().noquote() << "The language file" << path
                             << "does not hold a language number; French is used.";
    }
    return number;
}

WriteOutcome writeLanguageFile(const QString& path, int number) {
    const WriteOutcome outcome = writeFileAtomically(path, QByteArray::number(number) + "\r\n");
    if (!outcome) {
        qWarning().noquote() << "The language file" << path
                             << "cannot be written:" << outcome.systemText;
    }
    return outcome;
}

void applyLanguageAtStartup(CaptionTable& table, const QString& path) {
    if (const auto number = readLanguageFile(path)) {
        if (const auto language = languageFromNumber(*number)) {
            table.setCurrentCode(QString::fromLatin1(languageInfo(*language).code));
        }
    }
    table.Command_langue_Click();
}

bool chooseLanguage(CaptionTable& table, Language language, const QString& path,
                    WriteOutcome* failure) {
    table.setCurrentCode(QString::fromLatin1(languageInfo(language).code));
    table.Command_langue_Click();
    const WriteOutcome outcome = writeLanguageFile(path, languageNumber(language));
    if (!outcome && failure) {
        *failure = outcome;
    }
    return outcome.ok();
}

} // namespace pulsadrome::i18n
