#pragma once

#include "calendar/SSTab.h"
#include "ui/Form.h"

class QButtonGroup;
class QLabel;
class QPushButton;

// The festival calendar's main window: a tabbed book of pagan lore whose first tab chooses the month and
// year of the festivals to show.
class frmPaganMain : public FormWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("calendar.html#browser"); }
    frmPaganMain();

    void onLoad() override;
    void onUnload() override;

    // Coming back from the month view: the calendar tab is in front, the month and year as the user left them.
    void ShowCalendarTab();

  private:
    void showPreviousMonth();
    void showNextMonth();
    void showChosenMonth();
    void resetNextInnerTab();
    void exitToLauncher();

    // True when a year is chosen; otherwise tells the user so and returns false.
    bool yearChosen();
    void stepMonth(int step);
    QWidget* buildCalendarTab();
    QWidget* buildInformationTab();
    QWidget* buildFestiveSeasonsTab();

    SSTab* mainTabs_;
    SSTab* festiveSeasonTabs_;
    SSTab* elementTabs_;
    SSTab* godTabs_;
    SSTab* goddessTabs_;
    QPushButton* previousMonthButton_;
    QLabel* monthName_;
    QPushButton* nextMonthButton_;
    QButtonGroup* yearOptions_ = nullptr;
    QPushButton* showCalendarButton_;
};
