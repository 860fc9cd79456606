// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/RhythmText.h"

#include <array>

namespace pulsadrome::catalogue {

namespace {

struct KnownMeter {
    const char16_t* text;
    Meter meter;
};

constexpr std::array<KnownMeter, 7> kMeters{{
    {u"2/4", {2, 4}},
    {u"3/4", {3, 4}},
    {u"4/4", {4, 4}},
    {u"6/8", {6, 8}},
    {u"2/2", {2, 2}},
    {u"3/2", {3, 2}},
    {u"4/2", {4, 2}},
}};

bool isValue(int value) {
    return value == 0 || value == 1 || value == 2 || value == 4 || value == 8 || value == 16;
}

// Ticks of an undotted value outside any tuplet; 0 is the breve.
int valueTicks(int value) {
    return value == 0 ? 8 * kTicksPerQuarter : 4 * kTicksPerQuarter / value;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads the text left to right, keeping columns relative to the whole text.
class Reader {
public:
    Reader(QStringView text, qsizetype from) : text_(text), pos_(from) {}

    RhythmParse read();

private:
    QChar peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    bool atSeparator() const { return atEnd() || peek().isSpace() || peek() == u')'; }
    void skipBlanks() {
        while (!atEnd() && peek().isSpace()) {
            ++pos_;
        }
    }
    // The word starting at `at`, up to a blank or a parenthesis (a lone parenthesis otherwise).
    QString wordAt(qsizetype at) const;
    RhythmParse fail(qsizetype at, QString reason) const;
    RhythmParse failWithWord(qsizetype at, QString word, QString reason) const;

    bool readMeter(Rhythm& rhythm, RhythmParse& failure);
    // Reads a run of digits; false when there is none or it is absurdly long.
    bool readNumber(int& number);
    bool readNote(Rhythm& rhythm, RhythmParse& failure);
    RhythmParse finish(Rhythm rhythm) const;

    QStringView text_;
    qsizetype pos_;
    int openTuplet_ = -1; // index of the tuplet being read
    qsizetype tupletColumn_ = 0;
};

QString Reader::wordAt(qsizetype at) const {
    qsizetype end = at;
    while (end < text_.size() && !text_[end].isSpace() && text_[end] != u'(' &&
           text_[end] != u')') {
        ++end;
    }
    if (end == at && at < text_.size()) {
        ++end;
    }
    return text_.mid(at, end - at).toString();
}

RhythmParse Reader::fail(qsizetype at, QString reason) const {
    return failWithWord(at, wordAt(at), std::move(reason));
}

RhythmParse Reader::failWithWord(qsizetype at, QString word, QString reason) const {
    RhythmParse result;
    result.error = ParseError{static_cast<int>(at) + 1, std::move(word), std::move(reason)};
    return result;
}

bool Reader::readNumber(int& number) {
    const qsizetype start = pos_;
    number = 0;
    while (!atEnd() && isDigit(peek())) {
        number = number * 10 + peek().digitValue();
        ++pos_;
        if (pos_ - start > 6) {
            return false;
        }
    }
    return pos_ > start;
}

bool Reader::readMeter(Rhythm& rhythm, RhythmParse& failure) {
    skipBlanks();
    const qsizetype start = pos_;
    while (!atEnd() && !peek().isSpace()) {
        ++pos_;
    }
    const QStringView word = text_.mid(start, pos_ - start);
    for (const auto& known : kMeters) {
        if (word == QStringView(known.text)) {
            rhythm.meter = known.meter;
            return true;
        }
    }
    failure = word.isEmpty() ? failWithWord(start, QString(), QStringLiteral("no meter"))
                             : fail(start, QStringLiteral("unknown meter (2/4 3/4 4/4 6/8 2/2 "
                                                          "3/2 4/2)"));
    return false;
}

// One note or rest, with its dot and tie, at pos_.
bool Reader::readNote(Rhythm& rhythm, RhythmParse& failure) {
    const qsizetype start = pos_;
    Event event;
    event.column = static_cast<int>(start) + 1;
    if (peek() == u'r') {
        event.rest = true;
        ++pos_;
    }
    if (!readNumber(event.value)) {
        failure = fail(start, event.rest ? QStringLiteral("a rest needs a value")
                                         : QStringLiteral("not a note, a rest or a tuplet"));
        return false;
    }
    if (!isValue(event.value)) {
        failure =
            fail(start, QStringLiteral("unknown note value %1 (0 1 2 4 8 16)").arg(event.value));
        return false;
    }
    if (peek() == u'.') {
        event.dotted = true;
        ++pos_;
        if (peek() == u'.') {
            failure = fail(start, QStringLiteral("one dot at most"));
            return false;
        }
    }
    if (peek() == u'~') {
        if (event.rest) {
            failure = fail(start, QStringLiteral("a rest cannot be tied"));
            return false;
        }
        event.tied = true;
        ++pos_;
    } else if (!atSeparator()) {
        failure = fail(start, QStringLiteral("not a note or a rest"));
        return false;
    }
    if (!rhythm.events.empty() && rhythm.events.back().tied && event.rest) {
        const Event& tiedNote = rhythm.events.back();
        failure = fail(tiedNote.column - 1, QStringLiteral("tied to a rest"));
        return false;
    }
    event.tuplet = openTuplet_;
    rhythm.events.push_back(event);
    if (openTuplet_ >= 0) {
        ++rhythm.tuplets[openTuplet_].eventCount;
    }
    return true;
}

RhythmParse Reader::read() {
    Rhythm rhythm;
    RhythmParse failure;
    if (!readMeter(rhythm, failure)) {
        return failure;
    }
    for (skipBlanks(); !atEnd(); skipBlanks()) {
        const qsizetype start = pos_;
        if (peek() == u')') {
            if (openTuplet_ < 0) {
                return fail(start, QStringLiteral("no tuplet to close"));
            }
            if (rhythm.tuplets[openTuplet_].eventCount == 0) {
                return failWithWord(tupletColumn_,
                                    text_.mid(tupletColumn_, pos_ + 1 - tupletColumn_).toString(),
                                    QStringLiteral("empty tuplet"));
            }
            openTuplet_ = -1;
            ++pos_;
            if (!atEnd() && !peek().isSpace()) {
                return fail(pos_, QStringLiteral("a blank must follow a tuplet"));
            }
            continue;
        }
        int number = 0;
        if (isDigit(peek()) && readNumber(number) && peek() == u'(') {
            if (openTuplet_ >= 0) {
                return fail(start, QStringLiteral("tuplets do not nest"));
            }
            if (number != 2 && number != 3) {
                return fail(start, QStringLiteral("unknown tuplet (2 or 3)"));
            }
            ++pos_;
            openTuplet_ = static_cast<int>(rhythm.tuplets.size());
            tupletColumn_ = start;
            rhythm.tuplets.push_back(
                Tuplet{number, number == 3 ? 2 : 3, static_cast<int>(rhythm.events.size()), 0});
            continue;
        }
        pos_ = start;
        if (!readNote(rhythm, failure)) {
            return failure;
        }
    }
    if (openTuplet_ >= 0) {
        return fail(tupletColumn_, QStringLiteral("tuplet not closed"));
    }
    return finish(std::move(rhythm));
}

// Times the events and checks what only the whole line shows: ties and full bars.
RhythmParse Reader::finish(Rhythm rhythm) const {
    const qsizetype end = text_.size();
    if (rhythm.events.empty()) {
        return failWithWord(end, QString(), QStringLiteral("no notes"));
    }
    if (rhythm.events.back().tied) {
        const Event& last = rhythm.events.back();
        return fail(last.column - 1, QStringLiteral("tied to nothing"));
    }
    const int bar = rhythm.meter.barTicks();
    const int longest = kMaxBars * bar;
    int time = 0;
    int onset = -1; // the event whose sounding note is being held
    for (std::size_t i = 0; i < rhythm.events.size(); ++i) {
        Event& event = rhythm.events[i];
        int ticks = valueTicks(event.value);
        if (event.dotted) {
            ticks += ticks / 2;
        }
        if (event.tuplet >= 0) {
            const Tuplet& group = rhythm.tuplets[event.tuplet];
            ticks = ticks * group.inTimeOf / group.count;
        }
        if (ticks > longest - time) {
            return fail(event.column - 1,
                        QStringLiteral("the rhythm goes past %1 bars").arg(kMaxBars));
        }
        event.start = time;
        event.length = ticks;
        time += ticks;
        const bool continuation = i > 0 && rhythm.events[i - 1].tied;
        event.onset = !event.rest && !continuation;
        if (event.onset) {
            onset = static_cast<int>(i);
        }
        if (!event.rest) {
            rhythm.events[onset].heldLength += ticks;
        }
    }
    for (const Event& event : rhythm.events) {
        if (event.start / bar != (event.start + event.length - 1) / bar) {
            return fail(event.column - 1, QStringLiteral("crosses a bar line (tie two notes)"));
        }
    }
    if (time % bar != 0) {
        return failWithWord(end, QString(),
                            QStringLiteral("the notes last %1 ticks, not whole %2 bars of %3")
                                .arg(time)
                                .arg(rhythm.meter.text())
                                .arg(bar));
    }
    rhythm.bars = time / bar;
    RhythmParse result;
    result.rhythm = std::move(rhythm);
    return result;
}

} // namespace

std::vector<int> Rhythm::onsets() const {
    std::vector<int> ticks;
    for (const Event& event : events) {
        if (event.onset) {
            ticks.push_back(event.start);
        }
    }
    return ticks;
}

QString ParseError::message() const {
    if (token.isEmpty()) {
        return QStringLiteral("column %1: %2").arg(column).arg(reason);
    }
    return QStringLiteral("column %1, token \"%2\": %3").arg(column).arg(token, reason);
}

RhythmParse parseRhythm(QStringView text) {
    return Reader(text, 0).read();
}

CatalogueLineParse parseCatalogueLine(QStringView line) {
    CatalogueLineParse result;
    qsizetype pos = 0;
    while (pos < line.size() && line[pos].isSpace()) {
        ++pos;
    }
    const qsizetype start = pos;
    while (pos < line.size() && !line[pos].isSpace()) {
        ++pos;
    }
    const QStringView word = line.mid(start, pos - start);
    bool isNumber = false;
    const int number = word.toInt(&isNumber);
    if (!isNumber || number < 1 || !isDigit(word.front())) {
        result.error = ParseError{static_cast<int>(start) + 1, word.toString(),
                                  QStringLiteral("not a rhythm number")};
        return result;
    }
    result.number = number;
    RhythmParse rhythm = Reader(line, pos).read();
    result.rhythm = std::move(rhythm.rhythm);
    result.error = std::move(rhythm.error);
    return result;
}

} // namespace pulsadrome::catalogue
