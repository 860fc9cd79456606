// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/MenuHolders.h"
#include "resources/Picture.h"

#include <QString>
#include <QVariant>
#include <QWidget>

namespace pulsadrome::play {

// A picture drawn at whatever size the form gives it, its proportions kept and centred.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // The picture of resource (type, name); a missing one leaves the box empty and is logged.
    void load(const QString& type, const QVariant& name);
    const QString& pictureName() const { return name_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    resources::Picture picture_;
    QString name_;
};

// One cell of the answer grid: a white card holding a notation picture (stretched to the
// cell, as the grid's pictures are drawn) or, on the centre cell, the listen-again sign, and
// the cell's frame in its colour: red is the cursor.
class GridCell : public QWidget {
    Q_OBJECT
public:
    explicit GridCell(QWidget* parent = nullptr);
    void setPicture(int number); // images/<number>
    void setListenSign();
    int pictureNumber() const { return number_; }
    void setFrameColour(catalogue::FrameColour colour);
    catalogue::FrameColour frameColour() const { return colour_; }

signals:
    // A left click or a touch was released over the cell.
    void chosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    resources::Picture picture_;
    int number_ = 0;
    bool listen_ = false;
    catalogue::FrameColour colour_ = catalogue::FrameColour::White;
    bool pressed_ = false;
    bool hovered_ = false;
};

// Loads resource (type, name), or a null picture when it is missing (logged).
resources::Picture loadPicture(const QString& type, const QVariant& name);

} // namespace pulsadrome::play
