#pragma once

#include "calendar/WheelOfTheYear.h"
#include "ui/Form.h"
#include "ui/SharedMenus.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class WheelPicture;

// The wheel of the year for any year from 1800 to 2200: the eight festivals and the moons, computed, in the
// user's time zone, on a round picture and in a table, and exported to the user's calendar program.
class frmWheelOfTheYear : public FormWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("wheel.html"); }
    frmWheelOfTheYear();

    void onLoad() override;
    void onUnload() override;

    // The wheel on show.
    const WheelOfTheYear::WheelYear& Wheel() const { return wheel_; }
    // True when the system's time zone could not be resolved and the times are in UTC instead.
    bool ZoneFellBack() const { return zoneFellBack_; }

  private:
    void showYear(int year);
    void showChosenHemisphere(bool checked);
    void showTimesInChosenZone(bool checked);
    void keepExportEndAfterStart(int year);
    void keepExportStartBeforeEnd(int year);
    // Export only when something is chosen to go into the file.
    void enableExportWhenChosen();
    void exportWheel();
    void closeWheel();

    // The choices the user made last time the wheel was open: hemisphere, UTC, what goes into an export.
    QList<QCheckBox*> rememberedChoices() const;

    WheelOfTheYear::Hemisphere hemisphere() const;
    // Computes the chosen year again and shows it.
    void refresh();
    void fillTable();
    void showZone();

    QLabel* yearLabel_;
    QSpinBox* yearBox_;
    QLabel* yearRangeLabel_; // says the range when a year is refused
    QCheckBox* southernBox_;
    QCheckBox* utcBox_;
    QLabel* timeZoneLabel_;
    WheelPicture* wheelPicture_;
    QLabel* legendLabel_;
    QTableWidget* eventTable_;
    QGroupBox* exportFrame_;
    QSpinBox* exportFromBox_;
    QSpinBox* exportToBox_;
    QLabel* exportRangeLabel_;
    QCheckBox* exportPointsBox_;
    QCheckBox* exportTraditionalBox_;
    QCheckBox* exportNewMoonsBox_;
    QCheckBox* exportFullMoonsBox_;
    QCheckBox* reminderBox_;
    QSpinBox* reminderDaysBox_;
    QPushButton* exportButton_;
    QPushButton* closeButton_;
    SharedMenus menus_;
    QAction* exportItem_;

    WheelOfTheYear::WheelYear wheel_;
    QTimeZone zone_;
    bool zoneFellBack_ = false;
};

// Adds the top-level "&Tools" menu, after the window's own menus, with the command that opens the wheel.
QAction* InstallWheelOfTheYearMenu(FormWindow* window);
