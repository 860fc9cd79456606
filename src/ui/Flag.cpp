// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Flag.h"

#include <QPainter>
#include <QPainterPath>

namespace pulsadrome::ui {

namespace {

void stripes(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours, bool vertical) {
    const int n = static_cast<int>(colours.size());
    int i = 0;
    for (const QColor& c : colours) {
        const QRectF band =
            vertical ? QRectF(r.x() + r.width() * i / n, r.y(), r.width() / n + 0.5, r.height())
                     : QRectF(r.x(), r.y() + r.height() * i / n, r.width(), r.height() / n + 0.5);
        p.fillRect(band, c);
        ++i;
    }
}

void unionJack(QPainter& p, const QRectF& r) {
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(r, blue);
    const double u = r.height() / 30.0;
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(Qt::white, 6 * u));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(red, 2 * u));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.fillRect(QRectF(r.center().x() - 5 * u, r.y(), 10 * u, r.height()), Qt::white);
    p.fillRect(QRectF(r.x(), r.center().y() - 5 * u, r.width(), 10 * u), Qt::white);
    p.fillRect(QRectF(r.center().x() - 3 * u, r.y(), 6 * u, r.height()), red);
    p.fillRect(QRectF(r.x(), r.center().y() - 3 * u, r.width(), 6 * u), red);
    p.restore();
}

} // namespace

Flag::Flag(i18n::Language language, QWidget* parent)
    : ClickLabel(QString(), parent), language_(language) {
    setObjectName(QString::fromLatin1(i18n::languageInfo(language).flagControl));
    setToolTip(QString::fromUtf8(i18n::languageInfo(language).autonym));
    setKeyboardFocusable(true);
}

void Flag::setCurrent(bool current) {
    current_ = current;
    update();
}

void Flag::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double margin = current_ ? 1.0 : 3.0;
    const QRectF r = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    QPainterPath shape;
    shape.addRoundedRect(r, r.height() / 8, r.height() / 8);
    p.save();
    p.setClipPath(shape);
    switch (language_) {
    case i18n::Language::Francais:
        stripes(p, r, {QColor(0, 85, 164), Qt::white, QColor(239, 65, 53)}, true);
        break;
    case i18n::Language::Anglais:
        unionJack(p, r);
        break;
    case i18n::Language::Espagnol:
        p.fillRect(r, QColor(170, 21, 27));
        p.fillRect(QRectF(r.x(), r.y() + r.height() / 4, r.width(), r.height() / 2),
                   QColor(241, 191, 0));
        break;
    case i18n::Language::Portugais: {
        p.fillRect(r, QColor(218, 41, 28));
        p.fillRect(QRectF(r.x(), r.y(), r.width() * 0.4, r.height()), QColor(4, 106, 56));
        const double d = r.height() * 0.45;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 225, 0));
        p.drawEllipse(QPointF(r.x() + r.width() * 0.4, r.center().y()), d / 2, d / 2);
        break;
    }
    case i18n::Language::Italien:
        stripes(p, r, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}, true);
        break;
    case i18n::Language::Allemand:
        stripes(p, r, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false);
        break;
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(current_ ? QColor(192, 57, 43) : QColor(0, 0, 0, 60), current_ ? 3 : 1));
    p.drawPath(shape);
}

} // namespace pulsadrome::ui
