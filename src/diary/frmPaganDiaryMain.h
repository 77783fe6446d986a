#pragma once

#include "common/BrandFrame.h"
#include "common/Form.h"
#include "common/SharedMenus.h"
#include "diary/DiaryStore.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The diary's first window: the user picks one of the four sections and goes on to the keyword book.
class frmPaganDiaryMain : public FormWindow {
    Q_OBJECT
  public:
    frmPaganDiaryMain();

    ClickLabel* Label14;
    std::array<QLabel*, 4> lblCaptions{}; // index 2 belongs to no visible label
    QGroupBox* Frame2;
    std::array<QRadioButton*, 4> optOption{};
    QLabel* Picture1;
    QPushButton* cmdContinue;
    BrandFrame* fraFullBrand;
    SharedMenus menus;

    // True when the diary file is installed and a section is chosen; says what is wrong otherwise.
    bool CheckSelection();

    void Form_Unload() override;

  private:
    void optOption_Click(int index);
    // The section chosen last, handed to the keyword book.
    DiarySection chosen_ = DiarySection::Spell;
    void cmdContinue_Click();
    void mnuExit_Click();
};
