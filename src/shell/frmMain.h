#pragma once

#include "common/BrandFrame.h"
#include "common/Form.h"
#include "common/SharedMenus.h"

#include <QTimer>
#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

// The launcher: the user picks one of the three tools here.
class frmMain : public FormWindow {
    Q_OBJECT
  public:
    frmMain();

    // Brings one of the two brand texts to the front, evenly at random, for the whole run.
    void CoBrand_Randomize(const std::function<double()>& random);

    QFrame* Frame2;
    ClickLabel* lblCorvell;
    QLabel* Label1;
    QGroupBox* Frame4;
    QGroupBox* Frame1;
    QGroupBox* Frame3;
    std::array<QLabel*, 3> picIcon{};
    std::array<QPushButton*, 3> cmdSelectOption{};
    BrandFrame* fraFullBrand;
    QTimer* Timer1;
    QTimer* Timer2;
    SharedMenus menus;
    QAction* mnuNext;

    void Form_Unload() override;

  private:
    void cmdSelectOption_Click(int index);
    void lblCorvell_Click();
    void lblCorvell_MouseMove();
    void Frame_MouseMove();
    void Timer1_Timer();
    void Timer2_Timer();
    void mnuExit_Click();
};

// What each tool button opens: returns true when a window of the tool is on screen. The launcher's buttons
// use the tools' own openers; tests put their own in place.
using ToolOpener = std::function<bool()>;
void SetToolOpener(int index, ToolOpener opener);
void ResetToolOpeners();
