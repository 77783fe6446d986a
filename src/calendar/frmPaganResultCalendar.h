#pragma once

#include "ui/Form.h"

#include <QDate>

class QCalendarWidget;
class QLabel;

// The festival month view: the chosen month on a calendar, and that month's festivals beside it.
class frmPaganResultCalendar : public FormWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("calendar.html#month"); }
    frmPaganResultCalendar();

    void onLoad() override;
    void onUnload() override;

    static QDate FirstDate() { return {2006, 1, 1}; }
    static QDate LastDate() { return {2012, 12, 31}; }
    static QDate StartDate() { return {2007, 3, 12}; }

    // The browser's choice: a month name as the browser shows it and a year option's caption. The calendar moves
    // to the month, then to the year, each keeping its day; the festivals of that month are listed beside it.
    void SetChosenMonth(const QString& monthName, const QString& yearText);

  private:
    void backToBrowser();
    void exitToLauncher();
    // Moves the calendar to a date the range allows; a date outside it is not applied.
    void setCalendarDate(const QDate& date);

    QLabel* festivals_;
    QCalendarWidget* monthCalendar_;
    // Set while Back unloads the window: the browser takes over, so the launcher stays hidden.
    bool leavingForBrowser_ = false;
};
