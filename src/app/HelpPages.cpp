// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpPages.h"

#include "ui/Style.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <memory>

namespace pulsadrome::app {

namespace {

// The document is laid out at 72 dots an inch, so that every length of the style sheet and the
// HTML is in typographic points.
constexpr int kResolution = 72;
constexpr qreal kFooterHeight = 26;      // points, below the text of each page
constexpr qreal kHeadingKeepSpace = 50;  // points: a heading closer to a page's end moves on
constexpr qreal kTextSize = 10.5;        // points
constexpr qreal kSmallestTextSize = 9.5; // points: the help may shrink this far to save a page
constexpr qreal kTextStep = 0.25;        // points
constexpr qreal kShortLastPage = 0.3;    // a last page filled less than this is worth saving
constexpr qreal kListIndent = 16;        // points, from the margin to an item's text

// A <meta name="..."> of the help text; empty when missing.
QString metaContent(const QString& source, const QString& name) {
    const QRegularExpression pattern(
        QStringLiteral("<meta\\s+name=\"%1\"\\s+content=\"([^\"]*)\"").arg(name));
    return pattern.match(source).captured(1);
}

// The look of the help for text of `pointSize` points: every length grows and shrinks with it.
QString styleSheet(qreal pointSize) {
    static const QString sheet = QStringLiteral(
        "body { color: #2a2438; }"
        "h1 { font-size: 24pt; color: #5b2a86; margin-top: 0px; margin-bottom: 0px; }"
        "p.subtitle { font-size: 13pt; color: #d9640f; margin-top: 2px; margin-bottom: 0px; }"
        "h2 { font-size: 14.5pt; color: #5b2a86; margin-top: 13px; margin-bottom: 5px; }"
        "p { margin-top: 0px; margin-bottom: 5px; }"
        "ul { margin-top: 0px; margin-bottom: 6px; }"
        "li { margin-bottom: 2px; }"
        "b { color: #3d1d5c; }"
        "code { font-family: 'DejaVu Sans Mono'; font-size: 8.8pt; color: #7a2e00; }"
        "table.keys { border-collapse: collapse; border-color: #c9b6e4; margin-top: 2px;"
        "  margin-bottom: 8px; }"
        "table.keys th { background-color: #efe6fa; color: #3d1d5c; padding: 3px 6px;"
        "  text-align: left; }"
        "table.keys td { padding: 3px 6px; border-bottom: 0.6px solid #e3d8f2; }"
        "table.header { margin-bottom: 4px; }");
    static const QRegularExpression length(QStringLiteral("(\\d+(?:\\.\\d+)?)(pt|px)"));
    QString result;
    qsizetype done = 0;
    for (auto it = length.globalMatch(sheet); it.hasNext();) {
        const auto match = it.next();
        result += sheet.mid(done, match.capturedStart() - done);
        result += QString::number(match.captured(1).toDouble() * pointSize / kTextSize, 'f', 2) +
                  match.captured(2);
        done = match.capturedEnd();
    }
    return result + sheet.mid(done);
}

// The help's own heading: the icon beside the title and the subtitle.
QString withHeader(QString source, bool hasIcon) {
    const QString header =
        QStringLiteral("<table class=\"header\" cellspacing=\"0\" cellpadding=\"0\"><tr>%1"
                       "<td valign=\"middle\"><h1>%2</h1><p class=\"subtitle\">%3</p></td>"
                       "</tr></table>")
            .arg(hasIcon ? QStringLiteral("<td valign=\"middle\" width=\"74\"><img "
                                          "src=\"help:icon\" width=\"60\" height=\"60\"></td>")
                         : QString(),
                 helpTitle(source), metaContent(source, QStringLiteral("subtitle")));
    static const QRegularExpression body(QStringLiteral("<body[^>]*>"));
    const auto match = body.match(source);
    source.insert(match.hasMatch() ? match.capturedEnd() : 0, header);
    return source;
}

// Turns the list items into paragraphs with a hanging bullet: Qt draws its own list bullets
// small, high and close to the text.
void hangBullets(QTextDocument& document, const QPaintDevice& device) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextList* list = block.textList();
        if (!list) {
            continue;
        }
        list->remove(block);
        QTextCharFormat mark;
        mark.setFont(document.defaultFont());
        mark.setForeground(QColor(0xd9, 0x64, 0x0f));
        mark.setFontWeight(QFont::Bold);
        const QString bullet = QStringLiteral("\u2022\u2002");
        QTextBlockFormat format = block.blockFormat();
        format.setIndent(0);
        format.setLeftMargin(kListIndent);
        format.setTextIndent(-QFontMetricsF(mark.font(), &device).horizontalAdvance(bullet));
        QTextCursor cursor(block);
        cursor.setBlockFormat(format);
        cursor.insertText(bullet, mark);
    }
}

// Lays the whole document out again. A change of a block's format alone relays out only part of
// it, and the rest would wait for an event loop.
void layOutAgain(QTextDocument& document) {
    const QSizeF pageSize = document.pageSize();
    document.setPageSize(QSizeF());
    document.setPageSize(pageSize);
}

// Keeps each option of a command on the same line as its value ("--data-dir DIR").
QString withOptionsKeptWithValues(const QString& html) {
    static const QRegularExpression code(QStringLiteral("<code>[^<]*</code>"));
    static const QRegularExpression option(QStringLiteral("(--[a-z-]+) "));
    QString result;
    qsizetype done = 0;
    for (auto it = code.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        result += html.mid(done, match.capturedStart() - done);
        result += match.captured()
                      .replace(option, QStringLiteral("\\1&nbsp;"))
                      .replace(QLatin1Char('-'), QStringLiteral("-\u2060"));
        done = match.capturedEnd();
    }
    return result + html.mid(done);
}

// Moves each section heading that would stand at the foot of a page, or whose table would not
// fit below it, to the next page.
void keepHeadingsWithText(QTextDocument& document) {
    const qreal pageHeight = document.pageSize().height();
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 2) {
            continue;
        }
        const QRectF box = layout->blockBoundingRect(block);
        qreal needed = box.bottom() + kHeadingKeepSpace;
        if (QTextTable* table = QTextCursor(block.next()).currentTable()) {
            needed = std::max(needed, layout->frameBoundingRect(table).bottom());
        }
        if (needed > (std::floor(box.top() / pageHeight) + 1) * pageHeight) {
            QTextBlockFormat format;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).mergeBlockFormat(format);
            layOutAgain(document);
        }
    }
}

void drawFooter(QPainter& painter, const QRectF& area, const QString& title,
                const QString& pageText) {
    painter.save();
    painter.setPen(QPen(QColor(0xc9, 0xb6, 0xe4), 0.8));
    painter.drawLine(area.topLeft() + QPointF(0, 6), area.topRight() + QPointF(0, 6));
    QFont font(QString::fromLatin1(ui::kFontFamily));
    font.setPointSizeF(8.5);
    painter.setFont(font);
    painter.setPen(QColor(0x6e, 0x64, 0x80));
    const QRectF text = area.adjusted(0, 10, 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, title);
    painter.drawText(text, Qt::AlignRight | Qt::AlignTop, pageText);
    painter.restore();
}

// The help laid out on pages of `pageSize` points with text of `pointSize` points.
std::unique_ptr<QTextDocument> layOut(const QString& source, const QImage& icon,
                                      QPaintDevice& device, QSizeF pageSize, qreal pointSize) {
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&device);
    document->setUseDesignMetrics(true);
    document->setDocumentMargin(0);
    QFont font(QString::fromLatin1(ui::kFontFamily));
    font.setPointSizeF(pointSize);
    document->setDefaultFont(font);
    document->setDefaultStyleSheet(styleSheet(pointSize));
    if (!icon.isNull()) {
        document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("help:icon")),
                              icon);
    }
    document->setHtml(withOptionsKeptWithValues(withHeader(source, !icon.isNull())));
    hangBullets(*document, device);
    document->setPageSize(pageSize);
    keepHeadingsWithText(*document);
    return document;
}

// How much of its last page a laid-out document fills, from 0 to 1.
qreal lastPageFill(const QTextDocument& document) {
    const qreal pageHeight = document.pageSize().height();
    const qreal end = document.documentLayout()->blockBoundingRect(document.lastBlock()).bottom();
    return end / pageHeight - (document.pageCount() - 1);
}

// Lays the help out at the usual text size, or a little smaller when that saves a last page
// holding only a few lines.
std::unique_ptr<QTextDocument> layOutToFit(const QString& source, const QImage& icon,
                                           QPaintDevice& device, QSizeF pageSize) {
    auto usual = layOut(source, icon, device, pageSize, kTextSize);
    if (usual->pageCount() < 2 || lastPageFill(*usual) > kShortLastPage) {
        return usual;
    }
    for (qreal size = kTextSize - kTextStep; size >= kSmallestTextSize; size -= kTextStep) {
        auto smaller = layOut(source, icon, device, pageSize, size);
        if (smaller->pageCount() < usual->pageCount()) {
            return smaller;
        }
    }
    return usual;
}

} // namespace

QString helpTitle(const QString& source) {
    static const QRegularExpression pattern(QStringLiteral("<title>([^<]*)</title>"));
    return pattern.match(source).captured(1).trimmed();
}

bool paintHelpPages(QPdfWriter& writer, const QString& source, const QImage& icon) {
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter));
    const qreal width = writer.width();
    const qreal pageHeight = writer.height() - kFooterHeight;
    const auto document = layOutToFit(source, icon, writer, QSizeF(width, pageHeight));

    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const QString title = helpTitle(source);
    const QString pagePattern = metaContent(source, QStringLiteral("page"));
    const int pages = document->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            writer.newPage();
        }
        painter.save();
        painter.translate(0, -page * pageHeight);
        document->drawContents(&painter, QRectF(0, page * pageHeight, width, pageHeight));
        painter.restore();
        drawFooter(painter, QRectF(0, pageHeight, width, kFooterHeight), title,
                   pagePattern.arg(page + 1).arg(pages));
    }
    return painter.end();
}

} // namespace pulsadrome::app
