// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "i18n/Language.h"

#include <QRegularExpression>

#include <gmock/gmock.h>

using namespace pulsadrome::app;
using Action = CommandLine::Action;

namespace {

CommandLine parse(QStringList args) {
    args.prepend(QStringLiteral("pulsadrome"));
    return parseCommandLine(args);
}

TEST(CommandLine, readsTheProgramsOptions) {
    EXPECT_EQ(parse({}).action, Action::Run);
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"-h"}).action, Action::Help);
    EXPECT_EQ(parse({"--version"}).action, Action::Version);
    const auto withDir = parse({"--data-dir", "/tmp/somewhere"});
    EXPECT_EQ(withDir.action, Action::Run);
    EXPECT_EQ(withDir.dataDir, QLatin1String("/tmp/somewhere"));
    EXPECT_EQ(parse({"--data-dir=/x"}).dataDir, QLatin1String("/x"));
}

TEST(CommandLine, refusesWhatItDoesNotKnowWithASentence) {
    for (const QStringList& args : {QStringList{"--colour"}, QStringList{"extra"},
                                    QStringList{"--data-dir"}, QStringList{"--data-dir", ""}}) {
        const auto result = parse(args);
        EXPECT_EQ(result.action, Action::Error) << args.join(' ').toStdString();
        EXPECT_FALSE(result.errorKey.isEmpty());
    }
}

TEST(CommandLine, databaseChoosesAServerForPlayingOnly) {
    const auto school =
        parse({"--database", "postgresql://school:5433/music?user=class&password=pw"});
    EXPECT_EQ(school.action, Action::Run);
    ASSERT_TRUE(school.database);
    EXPECT_EQ(school.database->host, "school");
    EXPECT_EQ(school.database->port, 5433);
    EXPECT_EQ(school.database->database, "music");
    EXPECT_EQ(school.database->user, "class");
    EXPECT_EQ(school.database->password, "pw");
    EXPECT_FALSE(parse({}).database);
    for (const QStringList& args :
         {QStringList{"--database", "school:5432"}, QStringList{"--database"},
          QStringList{"--database", "postgresql://s/db", "export-answers", "--out", "a.csv"},
          QStringList{"--database", "postgresql://s/db", "--tour", "/tmp/t"}}) {
        const auto result = parse(args);
        EXPECT_EQ(result.action, Action::Error) << args.join(' ').toStdString();
        const QString said = commandLineErrorText(result, pulsadrome::i18n::CaptionTable());
        EXPECT_TRUE(said.contains("--database")) << said.toStdString();
    }
}

// Every language's help names the same options and commands, the data folder and the
// server's address form, and keeps to a terminal's width.
TEST(CommandLine, helpNamesEveryOptionAndTheDataFolderInEveryLanguage) {
    static const QRegularExpression option(
        QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*|export-[a-z]+)"));
    const auto wordsOf = [](const QString& help) {
        QStringList words;
        for (const auto& match : option.globalMatch(help)) {
            words << match.captured(1);
        }
        words.removeDuplicates();
        words.sort();
        return words;
    };
    pulsadrome::i18n::CaptionTable captions;
    captions.setCurrentCode(QStringLiteral("anglais"));
    captions.Command_langue_Click();
    const QStringList english = wordsOf(helpText(captions));
    for (const char* word : {"--data-dir", "--database", "--tour", "--soundfont", "--help", "-h",
                             "--version", "-v", "export-picture", "export-rhythm", "export-answers",
                             "--out", "--size", "--tempo", "--band"}) {
        EXPECT_TRUE(english.contains(QLatin1String(word))) << word;
    }
    for (const auto& language : pulsadrome::i18n::languages()) {
        captions.setCurrentCode(QString::fromLatin1(language.code));
        captions.Command_langue_Click();
        const QString help = helpText(captions);
        EXPECT_EQ(wordsOf(help), english) << language.code;
        EXPECT_TRUE(help.contains(QLatin1String(".local/share/pulsadrome"))) << language.code;
        EXPECT_TRUE(help.contains(QLatin1String("postgresql://"))) << language.code;
        for (const QString& line : help.split(QLatin1Char('\n'))) {
            // Only the server's address, which cannot be cut, may pass 80 columns.
            EXPECT_TRUE(line.size() <= 80 || line.trimmed().startsWith(QLatin1String("postgresql")))
                << language.code << ": " << line.toStdString();
        }
    }
}

} // namespace

namespace {

TEST(CommandLine, exportPictureTakesARhythmASizeAndAFile) {
    const auto full = parse({"export-picture", "57", "--size", "466x114", "--out", "r.png"});
    EXPECT_EQ(full.action, Action::ExportPicture);
    EXPECT_EQ(full.rhythm, 57);
    EXPECT_EQ(full.size, QSize(466, 114));
    EXPECT_EQ(full.out, QLatin1String("r.png"));
    EXPECT_EQ(parse({"export-picture", "560", "--out", "x.png"}).size, QSize(932, 228));
}

TEST(CommandLine, exportPictureRefusesWhatItCannotDraw) {
    for (const QStringList& args :
         {QStringList{"export-picture", "0", "--out", "x.png"},
          QStringList{"export-picture", "561", "--out", "x.png"},
          QStringList{"export-picture", "five", "--out", "x.png"},
          QStringList{"export-picture", "--out", "x.png"}, QStringList{"export-picture", "5"},
          QStringList{"export-picture", "5", "--out", "x.png", "--size", "0x10"},
          QStringList{"export-picture", "5", "--out", "x.png", "--size", "big"},
          QStringList{"export-picture", "5", "6", "--out", "x.png"},
          QStringList{"--out", "x.png"}}) {
        const auto result = parse(args);
        EXPECT_EQ(result.action, Action::Error) << args.join(' ').toStdString();
        EXPECT_FALSE(result.errorKey.isEmpty());
    }
}

} // namespace

namespace {

TEST(CommandLine, exportRhythmTakesATempoABandAndASoundBank) {
    const auto full = parse({"export-rhythm", "417", "--tempo", "160", "--band", "0", "--out",
                             "r.wav", "--soundfont", "/x.sf2"});
    EXPECT_EQ(full.action, Action::ExportRhythm);
    EXPECT_EQ(full.rhythm, 417);
    EXPECT_EQ(full.tempo, 160);
    EXPECT_EQ(full.band, 0);
    EXPECT_EQ(full.soundFont, QLatin1String("/x.sf2"));
    const auto plain = parse({"export-rhythm", "1", "--out", "r.wav"});
    EXPECT_EQ(plain.tempo, 100);
    EXPECT_EQ(plain.band, 23);
    for (const QStringList& args :
         {QStringList{"export-rhythm", "1", "--out", "r.wav", "--tempo", "0"},
          QStringList{"export-rhythm", "1", "--out", "r.wav", "--tempo", "301"},
          QStringList{"export-rhythm", "1", "--out", "r.wav", "--band", "44"},
          QStringList{"export-rhythm", "1", "--out", "r.wav", "--size", "10x10"},
          QStringList{"export-picture", "1", "--out", "r.png", "--tempo", "90"},
          QStringList{"export-rhythm", "1"}, QStringList{"--tempo", "90"}}) {
        EXPECT_EQ(parse(args).action, Action::Error) << args.join(' ').toStdString();
    }
}

} // namespace

namespace {

TEST(CommandLine, exportAnswersTakesAFileAndTheDataFolderOnly) {
    const auto full = parse({"export-answers", "--out", "class.csv", "--data-dir", "/school"});
    EXPECT_EQ(full.action, Action::ExportAnswers);
    EXPECT_EQ(full.out, QLatin1String("class.csv"));
    EXPECT_EQ(full.dataDir, QLatin1String("/school"));
    for (const QStringList& args :
         {QStringList{"export-answers"}, QStringList{"export-answers", "3", "--out", "a.csv"},
          QStringList{"export-answers", "--out", "a.csv", "--tempo", "90"},
          QStringList{"export-answers", "--out", "a.csv", "--size", "1x1"}}) {
        const auto result = parse(args);
        EXPECT_EQ(result.action, Action::Error) << args.join(' ').toStdString();
        EXPECT_FALSE(result.errorKey.isEmpty());
    }
}

} // namespace
