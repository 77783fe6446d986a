#pragma once

#include "calendar/WheelOfTheYear.h"

#include <QList>
#include <QWidget>
#include <array>
#include <optional>

class QPainter;

// What the round picture of the wheel shows. Everything stands at the sun's longitude, in degrees, so that the
// festivals are evenly spaced and the months and moons fall between them as the year has them.
struct WheelPictureData {
    int year = 0;
    WheelOfTheYear::Hemisphere hemisphere = WheelOfTheYear::Hemisphere::North;
    // The sun on the first of each month, January first, and on the first of the next January.
    std::array<double, 13> monthStarts{};
    struct Moon {
        double longitude = 0.0;
        bool full = false;
    };
    QList<Moon> moons;
    std::optional<double> today;
};

// The wheel of the year as a round picture, Yule at the top and the year running clockwise.
class WheelPicture : public QWidget {
    Q_OBJECT
  public:
    explicit WheelPicture(QWidget* parent = nullptr);

    void setData(const WheelPictureData& data);
    const WheelPictureData& data() const { return data_; }

    // Draws the wheel into the largest square centred in `area`.
    static void Draw(QPainter& painter, const QRectF& area, const WheelPictureData& data);

    QSize sizeHint() const override { return {380, 380}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WheelPictureData data_;
};
