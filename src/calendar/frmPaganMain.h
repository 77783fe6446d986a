#pragma once

#include "calendar/SSTab.h"
#include "common/BrandFrame.h"
#include "common/Form.h"
#include "common/SharedMenus.h"

#include <array>
#include <vector>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

// The festival calendar's main window: a tabbed book of pagan lore whose first tab chooses the month and
// year of the festivals to show.
class frmPaganMain : public FormWindow {
    Q_OBJECT
  public:
    frmPaganMain();

    void Form_Load() override;
    void Form_Unload() override;

    // True when a year is chosen; otherwise tells the user so and returns false.
    bool ValidateYearChosen();

    SSTab* SSTMain;
    SSTab* SSTFestiveSeasons;
    SSTab* SSTElements;
    SSTab* SSTGods;
    SSTab* SSTGoddesses;

    // Made with the "Pagan Information" page, when it is first shown.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Picture1;
    QPushButton* cmdMonthBack;
    QLabel* lblMonth;
    QPushButton* cmdMonthNext;
    std::array<QRadioButton*, 7> optYear{};
    QPushButton* cmdCalendar;

    // The subject texts and pictures by tab index; an entry stays empty until its page is first shown.
    std::vector<QLabel*> lblFestiveSeasons;
    std::vector<QLabel*> lblElements;
    std::vector<QLabel*> lblGods;
    std::vector<QLabel*> lblGoddesses;
    // Elements first, then gods, then goddesses, each in tab order.
    std::vector<QLabel*> imgPictures;

    ClickLabel* Label14;
    BrandFrame* fraFullBrand;
    SharedMenus menus;

  private:
    void cmdMonthBack_Click();
    void cmdMonthNext_Click();
    void cmdCalendar_Click();
    void SSTMain_Click(int previousTab);
    void mnuExit_Click();

    void stepMonth(int step);
    QWidget* buildCalendarTab();
    QWidget* buildInformationTab();
    QWidget* buildFestiveSeasonsTab();
    QButtonGroup* years_ = nullptr;
};
