#pragma once

#include "common/BrandFrame.h"
#include "common/Form.h"
#include "common/SharedMenus.h"

#include <QDate>

class QCalendarWidget;
class QLabel;
class QPushButton;

// The festival month view: the chosen month on a calendar, and that month's festivals beside it.
class frmPaganResultCalendar : public FormWindow {
    Q_OBJECT
  public:
    frmPaganResultCalendar();

    void Form_Load() override;
    void Form_Unload() override;

    static QDate FirstDate() { return {2006, 1, 1}; }
    static QDate LastDate() { return {2012, 12, 31}; }
    static QDate StartDate() { return {2007, 3, 12}; }

    QLabel* lblDisp;
    QLabel* Label1;
    QCalendarWidget* MV;
    QPushButton* cmdBack;
    ClickLabel* Label14;
    BrandFrame* fraFullBrand;
    SharedMenus menus;
    QAction* mnuBack;

  private:
    void cmdBack_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    // Moves the calendar to a date the range allows; a date outside it is not applied.
    void setCalendarDate(const QDate& date);

    // Set while Back unloads the window: the browser takes over, so the launcher stays hidden.
    bool backToBrowser_ = false;
};
