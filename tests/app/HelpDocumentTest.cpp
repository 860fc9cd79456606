// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpDocument.h"
#include "app/CommandLine.h"
#include "i18n/CaptionTable.h"

#include "support/FileFaults.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <map>

using namespace pulsadrome;
using i18n::Language;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Page objects of a PDF: "/Type /Page", not "/Type /Pages".
int pageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) {
        ++count;
    }
    return count;
}

std::vector<Language> allLanguages() {
    std::vector<Language> result;
    for (const auto& info : i18n::languages()) {
        result.push_back(info.language);
    }
    return result;
}

QString nameOf(Language language) {
    return QString::fromLatin1(i18n::languageInfo(language).code);
}

QStringList headings(const QString& source) {
    static const QRegularExpression heading(QStringLiteral("<h2>(.*?)</h2>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QStringList result;
    for (const auto& match : heading.globalMatch(source)) {
        result << match.captured(1).simplified();
    }
    return result;
}

// The words a reader reads: tags, commands and file names left out.
QStringList words(const QString& source) {
    QString text = source;
    text.remove(QRegularExpression(QStringLiteral("<code>.*?</code>"),
                                   QRegularExpression::DotMatchesEverythingOption));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    static const QRegularExpression separator(QStringLiteral("[^\\w]+"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    return text.toLower().split(separator, Qt::SkipEmptyParts);
}

// The commonest little words of each language; a text is in the language whose words it uses
// most.
const std::map<Language, QStringList>& functionWords() {
    static const std::map<Language, QStringList> table{
        {Language::Francais,
         {"le", "les", "des", "est", "et", "pour", "dans", "une", "du", "au", "qui"}},
        {Language::Anglais, {"the", "and", "is", "of", "to", "with", "you", "it", "in", "for"}},
        {Language::Espagnol,
         {"el", "los", "las", "es", "y", "para", "con", "una", "del", "se", "al"}},
        {Language::Portugais,
         {"o", "os", "do", "da", "é", "e", "com", "uma", "no", "na", "não", "ao"}},
        {Language::Italien, {"il", "gli", "è", "di", "per", "con", "una", "della", "che", "non"}},
        {Language::Allemand,
         {"der", "die", "das", "und", "ist", "mit", "für", "ein", "eine", "nicht", "den"}},
    };
    return table;
}

// The long options and the commands that `pulsadrome --help` lists.
QStringList commandLineWords() {
    static const QRegularExpression option(QStringLiteral("(--[a-z-]+|export-[a-z]+)"));
    QStringList result;
    for (const auto& match : option.globalMatch(app::helpText(i18n::CaptionTable()))) {
        if (!result.contains(match.captured(1))) {
            result << match.captured(1);
        }
    }
    return result;
}

} // namespace

// A stand-in for the desktop's viewer: records what it is asked to open.
class ViewerSpy : public QObject {
    Q_OBJECT
public:
    ViewerSpy() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~ViewerSpy() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class HelpPdfOfEachLanguage : public ::testing::TestWithParam<Language> {};

TEST_P(HelpPdfOfEachLanguage, isAPdfOfTwoToFourPagesWithTheIcon) {
    QTemporaryDir folder;
    app::HelpProblem error;
    const QString path = app::writeHelpPdf(GetParam(), folder.path(), &error);
    ASSERT_FALSE(path.isEmpty()) << int(error.kind);
    EXPECT_EQ(QFileInfo(path).fileName(), app::helpFileName(GetParam()));
    EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    const QByteArray pdf = readAll(path);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_GE(pageCount(pdf), 2);
    EXPECT_LE(pageCount(pdf), 4) << "the help is meant to be short";
    EXPECT_TRUE(pdf.contains("/Subtype /Image")) << "the icon is missing";
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, HelpPdfOfEachLanguage, ::testing::ValuesIn(allLanguages()),
                         [](const auto& info) { return nameOf(info.param).toStdString(); });

TEST(HelpPdf, isWrittenAgainWhenMissing) {
    QTemporaryDir folder;
    app::HelpProblem error;
    const QString path = app::writeHelpPdf(Language::Francais, folder.path(), &error);
    ASSERT_FALSE(path.isEmpty()) << int(error.kind);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(app::writeHelpPdf(Language::Francais, folder.path(), &error), path)
        << int(error.kind);
    EXPECT_TRUE(readAll(path).startsWith("%PDF-"));
}

TEST(HelpPdf, isKeptWhenMadeFromTheSameHelpText) {
    QTemporaryDir folder;
    app::HelpProblem error;
    const QString path = app::writeHelpPdf(Language::Italien, folder.path(), &error);
    ASSERT_FALSE(path.isEmpty()) << int(error.kind);
    const QDateTime longAgo(QDate(2001, 1, 1), QTime(12, 0));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(app::writeHelpPdf(Language::Italien, folder.path(), &error), path) << int(error.kind);
    EXPECT_EQ(QFileInfo(path).lastModified(), longAgo);
}

TEST(HelpPdf, isReplacedWhenMadeFromAnotherHelpText) {
    QTemporaryDir folder;
    app::HelpProblem error;
    const QString english = app::writeHelpPdf(Language::Anglais, folder.path(), &error);
    ASSERT_FALSE(english.isEmpty()) << int(error.kind);
    const QString german = folder.filePath(app::helpFileName(Language::Allemand));
    ASSERT_TRUE(QFile::copy(english, german));

    EXPECT_EQ(app::writeHelpPdf(Language::Allemand, folder.path(), &error), german)
        << int(error.kind);
    const QByteArray pdf = readAll(german);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_NE(pdf, readAll(english));
}

TEST(HelpPdf, aFailedWriteKeepsTheOldFileLeavesNoPartAndSaysWhy) {
    QTemporaryDir folder;
    const QString path = folder.filePath(app::helpFileName(Language::Espagnol));
    const QByteArray old = "%PDF-1.4\n% an older help\n%%EOF\n";
    ASSERT_TRUE(writeAll(path, old));

    QString result;
    app::HelpProblem error;
    {
        const pulsadrome::testing::FileSizeLimit limit(16 * 1024);
        ASSERT_TRUE(limit.active());
        result = app::writeHelpPdf(Language::Espagnol, folder.path(), &error);
    }
    EXPECT_TRUE(result.isEmpty());
    EXPECT_EQ(error.kind, app::HelpProblem::Kind::NotWritten);
    EXPECT_EQ(error.write.problem, WriteProblem::NoSpace);
    EXPECT_EQ(error.path, path);
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{app::helpFileName(Language::Espagnol)});
}

TEST(HelpPdf, aFolderThatCannotBeMadeGivesASentence) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("not-a-folder"));
    ASSERT_TRUE(writeAll(file, "x"));
    app::HelpProblem error;
    EXPECT_TRUE(
        app::writeHelpPdf(Language::Portugais, file + QStringLiteral("/help"), &error).isEmpty());
    EXPECT_EQ(error.kind, app::HelpProblem::Kind::FolderNotMade);
    EXPECT_EQ(error.path, file + QStringLiteral("/help"));
}

TEST(OpenHelp, handsTheLanguagesPdfInTheDataFolderToTheViewer) {
    QTemporaryDir folder;
    ViewerSpy viewer;
    app::HelpProblem error;
    ASSERT_TRUE(app::openHelp(Language::Allemand, folder.path(), &error)) << int(error.kind);
    ASSERT_EQ(viewer.opened.size(), 1);
    const QString path = viewer.opened.front().toLocalFile();
    EXPECT_EQ(path, folder.filePath(app::helpFileName(Language::Allemand)));
    EXPECT_TRUE(readAll(path).startsWith("%PDF-"));
}

TEST(OpenHelp, opensNothingAndSaysWhyWhenTheFolderIsUnusable) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("occupied"));
    ASSERT_TRUE(writeAll(file, "x"));
    ViewerSpy viewer;
    app::HelpProblem error;
    EXPECT_FALSE(app::openHelp(Language::Anglais, file, &error));
    EXPECT_EQ(error.kind, app::HelpProblem::Kind::FolderIsAFile);
    EXPECT_TRUE(viewer.opened.isEmpty());
}

class HelpTextOfEachLanguage : public ::testing::TestWithParam<Language> {};

TEST_P(HelpTextOfEachLanguage, hasTheSectionsOfTheFrenchTextUnderItsOwnHeadings) {
    const QStringList french = headings(app::helpSource(Language::Francais));
    const QStringList own = headings(app::helpSource(GetParam()));
    ASSERT_GE(french.size(), 8);
    ASSERT_EQ(own.size(), french.size());
    for (const Language other : allLanguages()) {
        if (other == GetParam()) {
            continue;
        }
        const QStringList theirs = headings(app::helpSource(other));
        for (int i = 0; i < own.size(); ++i) {
            EXPECT_NE(own[i], theirs.value(i)) << "same heading in " << nameOf(other).toStdString();
        }
    }
}

TEST_P(HelpTextOfEachLanguage, isWrittenInItsLanguage) {
    const QString source = app::helpSource(GetParam());
    const QStringList text = words(source);
    std::map<Language, int> counts;
    for (const auto& [language, little] : functionWords()) {
        for (const QString& word : text) {
            counts[language] += little.contains(word) ? 1 : 0;
        }
    }
    for (const auto& [language, count] : counts) {
        if (language != GetParam()) {
            EXPECT_GT(counts[GetParam()], 2 * count)
                << "reads like " << nameOf(language).toStdString();
        }
    }
    const QString tag = app::helpFileName(GetParam()).mid(5, 2);
    EXPECT_TRUE(source.contains(QStringLiteral("<html lang=\"%1\">").arg(tag)));
}

TEST_P(HelpTextOfEachLanguage, explainsEveryCommandLineOptionAndNamesTheFilesToLookFor) {
    const QString source = app::helpSource(GetParam());
    const QStringList options = commandLineWords();
    ASSERT_GE(options.size(), 8); // the data folder, the sound bank, help, version, the exports
    for (const QString& option : options) {
        EXPECT_TRUE(source.contains(option)) << option.toStdString();
    }
    for (const QString& name :
         {QStringLiteral("~/.local/share/pulsadrome"), QStringLiteral("fluid-soundfont-gm"),
          app::helpFileName(GetParam())}) {
        EXPECT_TRUE(source.contains(name)) << name.toStdString();
    }
}

TEST_P(HelpTextOfEachLanguage, namesTheButtonsAsTheScreensShowThem) {
    i18n::CaptionTable captions;
    captions.setCurrentCode(nameOf(GetParam()));
    captions.Command_langue_Click();
    const QString source = app::helpSource(GetParam()).simplified();
    for (const char16_t* key :
         {u"nouveau_joueur", u"valider", u"suivant", u"jouer_rejouer", u"Label_options",
          u"Label_2joueurs", u"Label_scores", u"Label_musique", u"oui"}) {
        const QString caption = captions.text(key).trimmed();
        ASSERT_FALSE(caption.isEmpty());
        EXPECT_TRUE(source.contains(caption)) << caption.toStdString();
    }
}

TEST_P(HelpTextOfEachLanguage, givesTheTitleAndTheNumberedFooterOfThePdf) {
    const QString source = app::helpSource(GetParam());
    EXPECT_TRUE(source.contains(QRegularExpression(QStringLiteral("<title>Pulsadrome\\b[^<]+<"))));
    static const QRegularExpression page(
        QStringLiteral("<meta name=\"page\" content=\"[^\"]*%1[^\"]*%2[^\"]*\">"));
    EXPECT_TRUE(source.contains(page));
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, HelpTextOfEachLanguage, ::testing::ValuesIn(allLanguages()),
                         [](const auto& info) { return nameOf(info.param).toStdString(); });

#include "HelpDocumentTest.moc"
