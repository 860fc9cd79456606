// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/Picture.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <vector>

namespace pulsadrome::ui {

// A window laid out like the program's forms: every child stands at a position given in twips
// in a logical 800 x 600 space, and the whole form is scaled by one factor so that it fills a
// larger screen. Texts are sized in points at scale 1 and scale with the form.
class Form : public QWidget {
    Q_OBJECT
public:
    // `widthTwips` x `heightTwips` is the form's client size at scale 1.
    Form(int widthTwips, int heightTwips, QWidget* parent = nullptr);

    // Places `child` at the rectangle (twips) with text of `points` (0 keeps its font).
    void place(QWidget* child, int left, int top, int width, int height, double points = 0);
    void setScale(double scale);
    double scale() const { return scale_; }
    // The scale that fits the form's screen (DESIGN: min(w/800, h/600), never below 1).
    double screenScale() const;

    // The picture drawn under every child (a theme background), or none for a plain colour.
    void setBackgroundPicture(const resources::Picture& picture);
    void setBackgroundColour(const QColor& colour) {
        background_ = colour;
        update();
    }

    // A rounded, lightly transparent card drawn over the background, behind a group of
    // children, so that texts stay readable on any theme picture.
    void addPanel(int left, int top, int width, int height);

    // Centres the form on its screen.
    void centreOnScreen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Placement {
        QWidget* widget;
        QRect twips;
        double points;
    };
    void apply(const Placement& placement);

    QSize sizeTwips_;
    double scale_ = 1.0;
    std::vector<Placement> placements_;
    std::vector<QRect> panels_; // twips
    resources::Picture backgroundPicture_;
    QColor background_ = Qt::white;
};

} // namespace pulsadrome::ui
