// SPDX-License-Identifier: GPL-3.0-or-later
#include "SvgFrame.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <optional>
#include <vector>

namespace pulsadrome::engrave {

namespace {

// Element kinds of LilyPond's SVG that this frame copies as they are: shapes drawn with
// fill="currentColor" or stroke="currentColor", grouped and placed by <g> translations.
const QSet<QStringView>& drawnElements() {
    static const QSet<QStringView> names{u"g",       u"path",     u"rect",   u"line",
                                         u"polygon", u"polyline", u"circle", u"ellipse"};
    return names;
}

// Elements dropped with their content: LilyPond's style sheet (only for text, which a picture
// never has) and any title or description of its own.
const QSet<QStringView>& droppedElements() {
    static const QSet<QStringView> names{u"style", u"title", u"desc", u"metadata"};
    return names;
}

// Point-and-click links: their content is kept, the link itself dropped.
bool isLink(QStringView name) {
    return name == u"a";
}

struct Box {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

struct Offset {
    double x = 0;
    double y = 0;
};

std::optional<Box> parseViewBox(QStringView text) {
    const QList<QStringView> parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 4) {
        return std::nullopt;
    }
    Box box;
    double* fields[] = {&box.x, &box.y, &box.width, &box.height};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        *fields[i] = parts[i].toDouble(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    return box;
}

// "translate(x, y)" as LilyPond writes it; nothing for any other transform.
std::optional<Offset> parseTranslate(QStringView text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*translate\(\s*([-0-9.eE]+)\s*[, ]\s*([-0-9.eE]+)\s*\)\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text.toString());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return Offset{match.captured(1).toDouble(), match.captured(2).toDouble()};
}

double attributeNumber(const QXmlStreamAttributes& attributes, QLatin1String name, bool* ok) {
    return attributes.value(name).toDouble(ok);
}

struct LilyPage {
    Box viewBox;
    double staffLineY = 0; // in the page's coordinates
};

// The page's box and its staff line: the one horizontal <line> that runs along most of the line
// width, placed by the translations of the groups around it.
std::optional<LilyPage> readPage(const QByteArray& svg, QString& error) {
    QXmlStreamReader reader(svg);
    std::optional<Box> viewBox;
    std::optional<double> staffLineY;
    std::vector<std::optional<Offset>> groups; // one per open element: its translation, if any
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QXmlStreamAttributes attributes = reader.attributes();
            if (reader.name() == u"svg" && groups.empty()) {
                viewBox = parseViewBox(attributes.value(QLatin1String("viewBox")));
            }
            if (reader.name() == u"line") {
                bool ok[4] = {};
                const double x1 = attributeNumber(attributes, QLatin1String("x1"), &ok[0]);
                const double x2 = attributeNumber(attributes, QLatin1String("x2"), &ok[1]);
                const double y1 = attributeNumber(attributes, QLatin1String("y1"), &ok[2]);
                const double y2 = attributeNumber(attributes, QLatin1String("y2"), &ok[3]);
                const bool isStaffLine =
                    ok[0] && ok[1] && ok[2] && ok[3] && y1 == y2 && x2 - x1 > 0.9 * kLineWidth;
                if (isStaffLine) {
                    if (staffLineY) {
                        error = QStringLiteral("more than one staff line");
                        return std::nullopt;
                    }
                    double y = y1;
                    for (const std::optional<Offset>& group : groups) {
                        if (!group) {
                            error = QStringLiteral("the staff line is placed by a transform other "
                                                   "than a translation");
                            return std::nullopt;
                        }
                        y += group->y;
                    }
                    staffLineY = y;
                }
            }
            const QStringView transform = attributes.value(QLatin1String("transform"));
            groups.push_back(transform.isEmpty() ? std::optional<Offset>(Offset{})
                                                 : parseTranslate(transform));
        } else if (reader.isEndElement()) {
            groups.pop_back();
        }
    }
    if (reader.hasError()) {
        error = QStringLiteral("not well-formed XML: %1").arg(reader.errorString());
        return std::nullopt;
    }
    if (!viewBox) {
        error = QStringLiteral("no viewBox on the <svg> element");
        return std::nullopt;
    }
    if (!staffLineY) {
        error = QStringLiteral("no staff line");
        return std::nullopt;
    }
    return LilyPage{*viewBox, *staffLineY};
}

// Picture coordinates of a page point: the staff line goes to kStaffLineY, the start of
// LilyPond's line to the left margin.
double pictureX(double x) {
    return kScale * (x + kSideMargin);
}
double pictureY(double y, const LilyPage& page) {
    return kStaffLineY + kScale * (y - page.staffLineY);
}

QString inkOutsideFrame(const LilyPage& page) {
    constexpr double tolerance = 0.01;
    const Box& box = page.viewBox;
    const double left = pictureX(box.x);
    const double right = pictureX(box.x + box.width);
    const double top = pictureY(box.y, page);
    const double bottom = pictureY(box.y + box.height, page);
    if (left < -tolerance || right > kPictureWidth + tolerance || top < -tolerance ||
        bottom > kPictureHeight + tolerance) {
        return QStringLiteral("ink reaches outside the frame: it spans x %1 ... %2, y %3 ... %4 "
                              "of %5 x %6")
            .arg(left, 0, 'f', 2)
            .arg(right, 0, 'f', 2)
            .arg(top, 0, 'f', 2)
            .arg(bottom, 0, 'f', 2)
            .arg(kPictureWidth)
            .arg(kPictureHeight);
    }
    return {};
}

QString number(double value) {
    return QString::number(value, 'f', 4);
}

// Copies the drawing of the page into `writer`, inside the frame's group.
QString copyDrawing(const QByteArray& svg, const FrameOptions& options, QXmlStreamWriter& writer) {
    QXmlStreamReader reader(svg);
    enum class Kind { Root, Copied, Dropped, Unwrapped };
    std::vector<Kind> open;
    int droppedDepth = 0;
    bool staffLineSeen = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QStringView name = reader.name();
            if (droppedDepth > 0 || droppedElements().contains(name)) {
                ++droppedDepth;
                open.push_back(Kind::Dropped);
                continue;
            }
            if (open.empty()) {
                open.push_back(Kind::Root);
                continue;
            }
            if (isLink(name)) {
                open.push_back(Kind::Unwrapped);
                continue;
            }
            if (!drawnElements().contains(name)) {
                return QStringLiteral("unexpected <%1> element (text must come out as paths)")
                    .arg(name);
            }
            writer.writeStartElement(name.toString());
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                if (attribute.namespaceUri().isEmpty()) {
                    writer.writeAttribute(attribute.name().toString(),
                                          attribute.value().toString());
                }
            }
            if (name == u"line" && options.dashedStaff && !staffLineSeen) {
                // The placeholder's only line is its staff line.
                writer.writeAttribute(QStringLiteral("stroke-dasharray"),
                                      QStringLiteral("0.6 0.6"));
                staffLineSeen = true;
            }
            open.push_back(Kind::Copied);
        } else if (reader.isEndElement()) {
            const Kind kind = open.back();
            open.pop_back();
            if (kind == Kind::Dropped) {
                --droppedDepth;
            } else if (kind == Kind::Copied) {
                writer.writeEndElement();
            }
        } else if (reader.isCharacters() && !reader.isWhitespace() && droppedDepth == 0) {
            return QStringLiteral("unexpected text \"%1\"").arg(reader.text().trimmed());
        }
    }
    if (reader.hasError()) {
        return QStringLiteral("not well-formed XML: %1").arg(reader.errorString());
    }
    return {};
}

} // namespace

FrameResult frameLilyPondSvg(const QByteArray& lilySvg, const FrameOptions& options) {
    FrameResult result;
    const std::optional<LilyPage> page = readPage(lilySvg, result.error);
    if (!page) {
        return result;
    }
    result.error = inkOutsideFrame(*page);
    if (!result.error.isEmpty()) {
        return result;
    }

    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(0);
    writer.writeStartElement(QStringLiteral("svg"));
    writer.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.2"));
    writer.writeAttribute(QStringLiteral("width"), QString::number(kPictureWidth));
    writer.writeAttribute(QStringLiteral("height"), QString::number(kPictureHeight));
    writer.writeAttribute(QStringLiteral("viewBox"),
                          QStringLiteral("0 0 %1 %2").arg(kPictureWidth).arg(kPictureHeight));
    writer.writeTextElement(QStringLiteral("desc"), options.description);
    writer.writeStartElement(QStringLiteral("g"));
    writer.writeAttribute(
        QStringLiteral("transform"),
        QStringLiteral("translate(%1 %2) scale(%3)")
            .arg(number(pictureX(0)), number(pictureY(0, *page)), QString::number(kScale, 'f', 6)));
    result.error = copyDrawing(lilySvg, options, writer);
    if (!result.error.isEmpty()) {
        return result;
    }
    writer.writeEndElement(); // g
    writer.writeEndElement(); // svg
    if (writer.hasError()) {
        result.error = QStringLiteral("cannot write the framed SVG");
        return result;
    }
    result.svg = out + '\n';
    return result;
}

} // namespace pulsadrome::engrave
