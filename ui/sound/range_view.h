#pragma once

#include "sound_attributes.h"

#include <optional>

#include <QWidget>

namespace kelvane {

// How loud the game plays the sound at each distance, from the values in the boxes: dB against
// metres from 0 to a little past the maximum distance, the AI hearing distance marked, the
// point where it turns faint labelled. Hovering says the distance and level; a click picks the
// distance to listen from.
class RangeView final : public QWidget
{
    Q_OBJECT

public:
    explicit RangeView(QWidget *parent);

    // The values to draw; none (or values with no range) shows a short text instead.
    void setValues(const std::optional<SoundAttributes> &attrs);
    [[nodiscard]] const std::optional<SoundAttributes> &values() const { return attrs_; }
    // Where the user listens from; none until a click picks it.
    [[nodiscard]] std::optional<double> listeningDistance() const { return listening_; }
    void setListeningDistance(std::optional<double> distance);
    // The distance drawn at a column, and the column of a distance.
    [[nodiscard]] double distanceAt(int x) const;
    [[nodiscard]] int columnOf(double distance) const;
    // The row of a level in dB, and the level at the bottom edge.
    [[nodiscard]] int rowOf(double level) const;
    [[nodiscard]] double bottomLevel() const;
    // "35 m: -18.0 dB", or "35 m: silent" past the maximum distance.
    [[nodiscard]] QString levelText(double distance) const;
    // The text shown instead of the picture, empty when it is drawn.
    [[nodiscard]] QString whyNotDrawn() const;

Q_SIGNALS:
    void listeningChanged(double distance);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    [[nodiscard]] bool drawable() const;
    [[nodiscard]] QString hint() const;
    [[nodiscard]] double farthest() const; // metres at the right edge
    void drawMarks(class QPainter &painter) const;

    std::optional<SoundAttributes> attrs_;
    std::optional<double> listening_;
};

} // namespace kelvane
