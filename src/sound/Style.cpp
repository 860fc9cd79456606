// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Style.h"

#include "common/TextLines.h"

#include "catalogue/RhythmCatalogue.h"
#include "sound/Bands.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace pulsadrome::sound {

namespace {

constexpr qint64 kMaxStyleFileSize = 4 * 1024 * 1024;

} // namespace

StyleParse parseStyle(QStringView text) {
    StyleParse result;
    Style style;
    for (const auto& [lineNumber, line] : contentLines(text)) {
        const auto fail = [&](const QString& why) {
            result.error = QStringLiteral("line %1: %2").arg(lineNumber).arg(why);
            result.errorLine = lineNumber;
            return result;
        };
        const auto words = line.split(u' ', Qt::SkipEmptyParts);
        if (words.first() == u"band") {
            if (words.size() != 5 || (words[2] != u"percussion" && words[2] != u"melodic")) {
                return fail(QStringLiteral("a band is \"band <name> percussion|melodic <gm> "
                                           "<pitch>\""));
            }
            bool okGm = false, okPitch = false;
            Band band{words[1].toString(), words[2] == u"percussion", words[3].toInt(&okGm),
                      words[4].toInt(&okPitch)};
            if (!okGm || !okPitch || band.gm < 0 || band.gm > 127 || band.pitch < 0 ||
                band.pitch > 127) {
                return fail(QStringLiteral("the General MIDI number and the pitch are 0 ... 127"));
            }
            style.bands.push_back(std::move(band));
        } else if (words.first() == u"motif") {
            if (words.size() < 4) {
                return fail(QStringLiteral("a motif is \"motif <name> <meter> <notes...>\""));
            }
            const auto nameEnd = line.indexOf(words[1]) + words[1].size();
            const QStringView body = line.mid(nameEnd).trimmed();
            const auto parsed = catalogue::parseRhythm(body);
            if (!parsed.ok()) {
                return fail(QStringLiteral("motif %1: %2")
                                .arg(words[1].toString(), parsed.error.message()));
            }
            style.motifs.push_back({words[1].toString(), body.toString(), *parsed.rhythm});
        } else {
            return fail(QStringLiteral("a line starts with \"band\" or \"motif\""));
        }
    }
    result.style = std::move(style);
    return result;
}

QString styleText(const Style& style) {
    QString text = QStringLiteral("# Pulsadrome music style: bands, then motifs\n");
    for (const auto& band : style.bands) {
        text += QStringLiteral("band %1 %2 %3 %4\n")
                    .arg(band.nameKey,
                         band.percussion ? QStringLiteral("percussion") : QStringLiteral("melodic"))
                    .arg(band.gm)
                    .arg(band.pitch);
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
            s.bands.push_back({it->captionKey(), it->percussion, it->gm, it->pitch});
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
        if (!file.open(QIODevice::ReadOnly) || info.size() > kMaxStyleFileSize) {
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
