// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form.h"

#include "ui/Geometry.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace pulsadrome::ui {

Form::Form(int widthTwips, int heightTwips, QWidget* parent)
    : QWidget(parent), sizeTwips_(widthTwips, heightTwips) {
    setScale(1.0);
}

void Form::place(QWidget* child, int left, int top, int width, int height, double points) {
    placements_.push_back({child, QRect(left, top, width, height), points});
    apply(placements_.back());
}

void Form::apply(const Placement& placement) {
    placement.widget->setGeometry(twipsRect(placement.twips.x(), placement.twips.y(),
                                            placement.twips.width(), placement.twips.height(),
                                            scale_));
    if (placement.points > 0) {
        QFont font = placement.widget->font();
        font.setPointSizeF(placement.points * scale_);
        placement.widget->setFont(font);
    }
}

void Form::setScale(double scale) {
    scale_ = scale;
    setFixedSize(twipsRect(0, 0, sizeTwips_.width(), sizeTwips_.height(), scale_).size());
    for (const auto& placement : placements_) {
        apply(placement);
    }
    update();
}

double Form::screenScale() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? ui::screenScale(s->availableGeometry().size()) : 1.0;
}

void Form::setBackgroundPicture(const resources::Picture& picture) {
    backgroundPicture_ = picture;
    update();
}

void Form::addPanel(int left, int top, int width, int height) {
    panels_.emplace_back(left, top, width, height);
    update();
}

void Form::centreOnScreen() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s) {
        const QRect area = s->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void Form::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!backgroundPicture_.isNull()) {
        backgroundPicture_.paint(painter, QRectF(rect()));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 2 * scale_));
    painter.setBrush(QColor(255, 255, 255, 205));
    for (const QRect& panel : panels_) {
        painter.drawRoundedRect(
            twipsRect(panel.x(), panel.y(), panel.width(), panel.height(), scale_), 14 * scale_,
            14 * scale_);
    }
    QWidget::paintEvent(event);
}

} // namespace pulsadrome::ui
