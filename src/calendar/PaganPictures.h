#pragma once

#include <QImage>
#include <QSize>

// Symbolic pictures of the calendar browser, drawn rather than shipped so they scale and need no files.
namespace PaganPictures {

enum class Subject {
    // Elements, in tab order.
    Earth,
    Air,
    Fire,
    Water,
    Spirit,
    // Gods, in tab order.
    Angus,
    Cernunnos,
    Dagda,
    DianCecht,
    DisPater,
    Donn,
    Esus,
    Govannon,
    Lug,
    Nuadhu,
    Ogmios,
    Sucellus,
    // Goddesses, in tab order.
    Arianrhod,
    Badb,
    Brighit,
    Caridwen,
    Danu,
    Epona,
    // The wheel of the year beside the month chooser.
    WheelOfTheYear,
};

inline constexpr int SubjectCount = int(Subject::WheelOfTheYear) + 1;

QImage Draw(Subject subject, QSize size);

} // namespace PaganPictures
