// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/ScoreScramble.h"

namespace pulsadrome::play {

// The first alphabet holds what a name or a score may contain: the space, the digits, the
// ASCII letters, the minus sign, the ": " of "Name :", the default name's asterisks, "." and
// the apostrophe, then the accented letters of French, English, Spanish, Portuguese, Italian and
// German (the capitals only where a name may begin with them, plus "Ï"), all in Windows-1252.
// The second alphabet is the first rearranged by pairs: if x stands for y, y stands for x.
// The apostrophe is the one character that stands for itself, and so is the tab.
// Segments, aligned:
//   " 0123456789"                  -> "TNSÍÈ.EUxQM"
//   "ABCDEFGHIJKLMNOPQRSTUVWXYZ"   -> "ïâXÚ5mVJjHhó90ew8é1 6GÏClÀ"
//   "abcdefghijklmnopqrstuvwxyz"   -> ":ëÎvOkÉKpIfYFúqioè-áçdP7îí"
//   "-:*.'"                        -> "saõ4'"
//   "àáâãäçèéêëìíîïñòóôõöùúûüß"    -> "ñtBÖÓurRËbÑzyAàÔLü*ûÂnöôÇ"
//   "ÀÁÂÄÇÈÉÊËÍÎÏÑÓÔÖÚÜ"           -> "ZÜùÊß3gÄê2cWìäòãDÁ"
//   "\t"                           -> "\t"
const QStringView kScoreAlphabet = u" 0123456789"
                                   u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                   u"abcdefghijklmnopqrstuvwxyz"
                                   u"-:*.'"
                                   u"àáâãäçèéêëìíîïñòóôõöùúûüß"
                                   u"ÀÁÂÄÇÈÉÊËÍÎÏÑÓÔÖÚÜ"
                                   u"\t";
const QStringView kScoreSubstitute = u"TNSÍÈ.EUxQM"
                                     u"ïâXÚ5mVJjHhó90ew8é1 6GÏClÀ"
                                     u":ëÎvOkÉKpIfYFúqioè-áçdP7îí"
                                     u"saõ4'"
                                     u"ñtBÖÓurRËbÑzyAàÔLü*ûÂnöôÇ"
                                     u"ZÜùÊß3gÄê2cWìäòãDÁ"
                                     u"\t";

QString scrambleLine(QStringView line) {
    QString out;
    out.reserve(line.size());
    for (const QChar c : line) {
        const qsizetype at = kScoreAlphabet.indexOf(c);
        if (at >= 0) {
            out.append(kScoreSubstitute[at]);
        }
    }
    return out;
}

bool isInScoreAlphabet(QChar c) {
    return kScoreAlphabet.contains(c);
}

QString storableName(QStringView name) {
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (c == u'\t') {
            out.append(u' ');
        } else if (isInScoreAlphabet(c)) {
            out.append(c);
        } else if (c == u'\u2019' || c == u'\u2018') {
            out.append(u'\'');
        } else if (c == u'\u0152' || c == u'\u00C6') { // Œ, Æ
            out.append(c == u'\u0152' ? u"OE" : u"AE");
        } else if (c == u'\u0153' || c == u'\u00E6') { // œ, æ
            out.append(c == u'\u0153' ? u"oe" : u"ae");
        } else if (c == u'\u1E9E') { // the capital sharp s
            out.append(u"SS");
        } else {
            // The letter of a canonical decomposition comes first, its accents after it.
            const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
            if (decomposed.size() > 1 && isInScoreAlphabet(decomposed.front())) {
                out.append(decomposed.front());
            }
        }
    }
    return out;
}

} // namespace pulsadrome::play
