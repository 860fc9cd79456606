// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Style.h"

#include "catalogue/RhythmCatalogue.h"
#include "sound/Bands.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace pulsadrome::sound {

namespace {

// A word of a style line and the 0-based index of its first character in the line.
struct Word {
    qsizetype at;
    QStringView text;
};

// The first character of `line` that the format refuses, or -1: the space is the only blank it
// knows, and it holds no control character.
qsizetype refusedCharacter(QStringView line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c != u' ' && (c.isSpace() || c.category() == QChar::Other_Control)) {
            return i;
        }
    }
    return -1;
}

std::vector<Word> wordsOf(QStringView line) {
    std::vector<Word> words;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == u' ') {
            ++i;
        }
        const qsizetype start = i;
        while (i < line.size() && line[i] != u' ') {
            ++i;
        }
        if (i > start) {
            words.push_back({start, line.mid(start, i - start)});
        }
    }
    return words;
}

QString characterName(QChar c) {
    if (c == u'\t') {
        return QStringLiteral("a tab");
    }
    return QStringLiteral("the character U+%1")
        .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
}

// A decimal 0 ... `largest`, digits only.
bool isNumber(QStringView word, int largest, int& value) {
    bool ok = false;
    value = word.toInt(&ok);
    return ok && !word.isEmpty() && word.front() >= u'0' && word.front() <= u'9' && value >= 0 &&
           value <= largest;
}

bool isByte(QStringView word, int& value) {
    return isNumber(word, 127, value);
}

} // namespace

StyleParse parseStyle(QStringView text) {
    StyleParse result;
    Style style;
    if (text.startsWith(u'\uFEFF')) {
        text = text.mid(1); // a byte order mark, as some editors write
    }
    int lineNumber = 0;
    for (QStringView line : text.split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        // `at` is the 0-based index in the line of what is refused.
        const auto fail = [&](qsizetype at, const QString& why) {
            result.errorLine = lineNumber;
            result.errorColumn = static_cast<int>(at) + 1;
            result.error = QStringLiteral("line %1, column %2: %3")
                               .arg(lineNumber)
                               .arg(result.errorColumn)
                               .arg(why);
            return result;
        };
        qsizetype first = 0;
        while (first < line.size() && line[first] == u' ') {
            ++first;
        }
        if (first < line.size() && line[first] == u'#') {
            continue;
        }
        if (const qsizetype bad = refusedCharacter(line); bad >= 0) {
            return fail(bad, QStringLiteral("%1: words are separated by spaces only")
                                 .arg(characterName(line[bad])));
        }
        const std::vector<Word> words = wordsOf(line);
        if (words.empty()) {
            continue;
        }
        const auto end = [&] { return words.back().at + words.back().text.size(); };
        if (words[0].text == u"band") {
            if (words.size() != 5 && words.size() != 8 && words.size() != 9) {
                // Short of five: where the line ends; six or seven: the balance begun; more than
                // nine: the first word too many.
                return fail(words.size() < 5   ? end()
                            : words.size() < 8 ? words[5].at
                                               : words[9].at,
                            QStringLiteral("a band is \"band <name> percussion|melodic <gm> "
                                           "<pitch>\", five words, or eight with \"<gain> "
                                           "<attack> <release>\", or nine with \"<start>\""));
            }
            if (words[2].text != u"percussion" && words[2].text != u"melodic") {
                return fail(words[2].at, QStringLiteral("\"%1\": a band is percussion or melodic")
                                             .arg(words[2].text.toString()));
            }
            Band band{words[1].text.toString(), words[2].text == u"percussion", 0, 0};
            if (!isByte(words[3].text, band.gm)) {
                return fail(words[3].at,
                            QStringLiteral("\"%1\": the General MIDI number is 0 ... 127")
                                .arg(words[3].text.toString()));
            }
            if (!isByte(words[4].text, band.pitch)) {
                return fail(
                    words[4].at,
                    QStringLiteral("\"%1\": the pitch is 0 ... 127").arg(words[4].text.toString()));
            }
            if (words.size() >= 8) {
                bool okGain = false;
                band.gainTenthsDb = words[5].text.toInt(&okGain);
                if (!okGain || !isBandBalance(band.gainTenthsDb, 64, 64)) {
                    return fail(words[5].at,
                                QStringLiteral("\"%1\": the gain is -200 ... 200 tenths of a dB")
                                    .arg(words[5].text.toString()));
                }
                if (!isByte(words[6].text, band.attack)) {
                    return fail(words[6].at, QStringLiteral("\"%1\": the attack is 0 ... 127")
                                                 .arg(words[6].text.toString()));
                }
                if (!isByte(words[7].text, band.release)) {
                    return fail(words[7].at, QStringLiteral("\"%1\": the release is 0 ... 127")
                                                 .arg(words[7].text.toString()));
                }
            }
            if (words.size() == 9 && !isNumber(words[8].text, kMaxSampleStart, band.start)) {
                return fail(words[8].at,
                            QStringLiteral("\"%1\": the start is 0 ... %2 sample points")
                                .arg(words[8].text.toString())
                                .arg(kMaxSampleStart));
            }
            style.bands.push_back(std::move(band));
        } else if (words[0].text == u"motif") {
            if (words.size() < 4) {
                return fail(end(),
                            QStringLiteral("a motif is \"motif <name> <meter> <notes...>\""));
            }
            const Word& name = words[1];
            if (QStringView(u"motif").contains(name.text)) {
                return fail(name.at, QStringLiteral("\"%1\": a motif's name cannot be a piece of "
                                                    "the word \"motif\"")
                                         .arg(name.text.toString()));
            }
            const qsizetype bodyAt = words[2].at;
            const QStringView body = line.mid(bodyAt, end() - bodyAt);
            const auto parsed = catalogue::parseRhythm(body);
            if (!parsed.ok()) {
                const auto& error = parsed.error;
                return fail(
                    bodyAt + error.column - 1,
                    error.token.isEmpty()
                        ? QStringLiteral("motif %1: %2").arg(name.text.toString(), error.reason)
                        : QStringLiteral("motif %1, \"%2\": %3")
                              .arg(name.text.toString(), error.token, error.reason));
            }
            style.motifs.push_back({name.text.toString(), body.toString(), *parsed.rhythm});
        } else {
            return fail(words[0].at, QStringLiteral("\"%1\": a line starts with \"band\" or "
                                                    "\"motif\"")
                                         .arg(words[0].text.toString()));
        }
    }
    result.style = std::move(style);
    return result;
}

QString styleText(const Style& style) {
    QString text = QStringLiteral("# Pulsadrome music style: bands, then motifs\n");
    for (const auto& band : style.bands) {
        text += QStringLiteral("band %1 %2 %3 %4 %5 %6 %7\n")
                    .arg(band.nameKey,
                         band.percussion ? QStringLiteral("percussion") : QStringLiteral("melodic"))
                    .arg(band.gm)
                    .arg(band.pitch)
                    .arg(band.gainTenthsDb)
                    .arg(band.attack)
                    .arg(band.release);
        if (band.start != 0) {
            text.insert(text.size() - 1, QStringLiteral(" %1").arg(band.start));
        }
    }
    for (const auto& motif : style.motifs) {
        text += QStringLiteral("motif %1 %2\n").arg(motif.name, motif.text);
    }
    return text;
}

const Style& defaultStyle() {
    static const Style style = [] {
        Style s;
        const auto& bands = bandList();
        // The band list shows the style's bands last first: list position p is style band
        // count - 1 - p.
        for (auto it = bands.rbegin(); it != bands.rend(); ++it) {
            s.bands.push_back({it->captionKey(), it->percussion, it->gm, it->pitch,
                               it->gainTenthsDb, it->attack, it->release, it->start});
        }
        const auto& catalogue = catalogue::rhythmCatalogue();
        for (int n = 1; n <= catalogue::kRhythmCount + 1; ++n) {
            const auto* entry = catalogue.find(n);
            if (!entry) {
                qWarning() << "The rhythm catalogue has no rhythm" << n;
                continue;
            }
            s.motifs.push_back({QString::number(n), entry->text, entry->rhythm});
        }
        return s;
    }();
    return style;
}

StyleSource loadStyle(const QString& currentFolder) {
    StyleSource source{defaultStyle(), {}, {}, {}};
    // A file that is found but cannot be used does not stop the search: the next name is tried,
    // then the program's own style.
    using Kind = StyleProblem::Kind;
    QStringList log;
    for (const QString& candidate : {currentFolder + QStringLiteral("/rythme.sty"),
                                     currentFolder + QStringLiteral("rythme.sty")}) {
        const QFileInfo info(candidate);
        if (!info.isFile()) {
            continue;
        }
        QFile file(candidate);
        if (!file.open(QIODevice::ReadOnly) || info.size() > kMaxStyleFileBytes) {
            source.problems.push_back({Kind::Unreadable, candidate, 0, {}});
            log << QStringLiteral("The music style %1 cannot be read.").arg(candidate);
            continue;
        }
        const auto parsed = parseStyle(QString::fromUtf8(file.readAll()));
        if (!parsed.style) {
            source.problems.push_back({Kind::Damaged, candidate, parsed.errorLine, parsed.error});
            log << QStringLiteral("The music style %1 is damaged (%2).")
                       .arg(candidate, parsed.error);
            continue;
        }
        if (parsed.style->bands.empty() || parsed.style->motifs.empty()) {
            source.problems.push_back({Kind::Empty, candidate, 0, {}});
            log << QStringLiteral("The music style %1 has no band or no motif.").arg(candidate);
            continue;
        }
        source.style = *parsed.style;
        source.file = candidate;
        break;
    }
    if (!log.isEmpty()) {
        log << (source.file.isEmpty()
                    ? QStringLiteral("The program's own style is used.")
                    : QStringLiteral("The music style %1 is used.").arg(source.file));
        source.warning = log.join(QLatin1Char(' '));
    }
    return source;
}

QString styleNotice(const StyleSource& source, const i18n::CaptionTable& captions) {
    if (source.problems.empty()) {
        return {};
    }
    QStringList sentences;
    for (const StyleProblem& problem : source.problems) {
        switch (problem.kind) {
        case StyleProblem::Kind::Unreadable:
            sentences << captions.text(u"style_illisible").arg(problem.file);
            break;
        case StyleProblem::Kind::Damaged:
            sentences << captions.text(u"style_abime").arg(problem.file).arg(problem.line);
            break;
        case StyleProblem::Kind::Empty:
            sentences << captions.text(u"style_vide").arg(problem.file);
            break;
        }
    }
    sentences << (source.file.isEmpty() ? captions.text(u"style_propre")
                                        : captions.text(u"style_utilise").arg(source.file));
    return sentences.join(QLatin1Char(' '));
}

} // namespace pulsadrome::sound
