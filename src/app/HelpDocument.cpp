// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpDocument.h"

#include "app/HelpPages.h"
#include "app/Version.h"
#include "common/AtomicFile.h"
#include "i18n/CaptionTable.h"
#include "resources/ResourceStore.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <QUrl>

#include <array>

namespace pulsadrome::app {

namespace {

constexpr qint64 kLargestReadPdf = 1 << 24; // bytes; a bigger file is not ours

const std::array<const char*, i18n::kLanguageCount> kTags{"fr", "en", "es", "pt", "it", "de"};

const char* tag(i18n::Language language) {
    return kTags[static_cast<std::size_t>(i18n::languageNumber(language) - 1)];
}

void setProblem(HelpProblem* problem, HelpProblem::Kind kind, const QString& path,
                WriteOutcome write = {}) {
    if (problem) {
        *problem = {kind, path, std::move(write)};
    }
}

QByteArray sourceBytes(i18n::Language language) {
    QFile file(QStringLiteral(":/help/aide.%1.html").arg(QLatin1String(tag(language))));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray iconBytes() {
    try {
        return resources::ResourceModule::program()->data(resources::resourceId(u"icon"),
                                                          resources::resourceId(30001));
    } catch (const resources::ResourceError&) {
        return {}; // a program built without its pictures still writes its help, without icon
    }
}

// What a PDF was made from: the language, its help text, the icon and the layout revision.
QString versionStamp(const char* languageTag, const QByteArray& source, const QByteArray& icon) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(kHelpLayoutRevision));
    hash.addData(languageTag);
    hash.addData(source);
    hash.addData(icon);
    return QString::fromLatin1(hash.result().toHex().left(16));
}

QString creatorText(const QString& stamp) {
    return QStringLiteral("Pulsadrome %1, help %2").arg(QLatin1String(kVersion), stamp);
}

// True when `path` is a PDF whose creator names `stamp`. The PDF keeps its creator as a text
// string, in Latin-1 or in UTF-16 with the high byte first; both are looked for.
bool isCurrent(const QString& path, const QString& stamp) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestReadPdf) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF")) {
        return false;
    }
    const QString marker = QStringLiteral("help ") + stamp;
    QByteArray wide;
    for (const QChar c : marker) {
        wide.append(char(c.unicode() >> 8));
        wide.append(char(c.unicode() & 0xff));
    }
    return bytes.contains(marker.toLatin1()) || bytes.contains(wide);
}

} // namespace

QString helpFileName(i18n::Language language) {
    return QStringLiteral("aide-%1.pdf").arg(QLatin1String(tag(language)));
}

QString helpSource(i18n::Language language) {
    return QString::fromUtf8(sourceBytes(language));
}

QString writeHelpPdf(i18n::Language language, const QString& folder, HelpProblem* problem) {
    const QByteArray source = sourceBytes(language);
    if (source.isEmpty()) {
        setProblem(problem, HelpProblem::Kind::Missing, QString());
        return {};
    }
    const QString where = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (QFileInfo(where).exists() && !QFileInfo(where).isDir()) {
        setProblem(problem, HelpProblem::Kind::FolderIsAFile, where);
        return {};
    }
    if (!QDir().mkpath(where)) {
        setProblem(problem, HelpProblem::Kind::FolderNotMade, where);
        return {};
    }
    const QString path = where + QLatin1Char('/') + helpFileName(language);
    const QByteArray icon = iconBytes();
    const QString stamp = versionStamp(tag(language), source, icon);
    if (isCurrent(path, stamp)) {
        return path;
    }

    // The PDF is made in memory, then written beside the old file, which it replaces only once
    // it is complete: a short write (a full disk, a file size limit) is caught here, because
    // the file device reports it as a smaller count, not always as an error.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        QPdfWriter writer(&buffer);
        writer.setTitle(helpTitle(QString::fromUtf8(source)));
        writer.setCreator(creatorText(stamp));
        if (!buffer.open(QIODevice::WriteOnly) ||
            !paintHelpPages(writer, QString::fromUtf8(source), QImage::fromData(icon))) {
            setProblem(problem, HelpProblem::Kind::CannotLayOut, path);
            return {};
        }
    }
    if (const WriteOutcome outcome = writeFileAtomically(path, pdf); !outcome) {
        setProblem(problem, HelpProblem::Kind::NotWritten, path, outcome);
        return {};
    }
    return path;
}

bool openHelp(i18n::Language language, const QString& dataFolder, HelpProblem* problem) {
    const QString path = writeHelpPdf(language, dataFolder, problem);
    if (path.isEmpty()) {
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        setProblem(problem, HelpProblem::Kind::NoViewer, path);
        return false;
    }
    return true;
}

QString helpProblemText(const i18n::CaptionTable& captions, const HelpProblem& problem) {
    QString reason;
    switch (problem.kind) {
    case HelpProblem::Kind::None:
        return {};
    case HelpProblem::Kind::Missing:
        reason = captions.text(u"aide_absente");
        break;
    case HelpProblem::Kind::FolderIsAFile:
        reason = captions.text(u"dossier_est_un_fichier");
        break;
    case HelpProblem::Kind::FolderNotMade:
        reason = captions.text(u"dossier_non_cree");
        break;
    case HelpProblem::Kind::CannotLayOut:
        reason = captions.text(u"aide_mise_en_page");
        break;
    case HelpProblem::Kind::NotWritten:
        reason = i18n::writeProblemText(captions, problem.write);
        break;
    case HelpProblem::Kind::NoViewer:
        reason = captions.text(u"aide_sans_lecteur");
        break;
    }
    return captions.text(u"aide_impossible").arg(reason);
}

QString helpProblemDetail(const i18n::CaptionTable& captions, const HelpProblem& problem) {
    switch (problem.kind) {
    case HelpProblem::Kind::None:
    case HelpProblem::Kind::Missing:
        return {};
    case HelpProblem::Kind::FolderIsAFile:
    case HelpProblem::Kind::FolderNotMade:
        return i18n::problemDetail(captions, QString(), QString(), problem.path);
    case HelpProblem::Kind::NotWritten:
        return i18n::writeProblemDetail(captions, problem.write, problem.path);
    case HelpProblem::Kind::CannotLayOut:
    case HelpProblem::Kind::NoViewer:
        break;
    }
    return i18n::problemDetail(captions, problem.path);
}

} // namespace pulsadrome::app
