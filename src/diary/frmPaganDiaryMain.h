#pragma once

#include "diary/DiaryStore.h"
#include "ui/Form.h"

#include <array>

class QRadioButton;

// The diary's first window: the user picks one of the four sections and goes on to the keyword book.
class frmPaganDiaryMain : public FormWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("diary.html#chooser"); }
    frmPaganDiaryMain();

    void onLoad() override;
    void onUnload() override;

  private:
    void chooseSection(int index);
    void openKeywordBook();
    // The section chosen last, handed to the keyword book.
    DiarySection chosen_ = DiarySection::Spell;
    void exitToLauncher();

    // True when the diary file is installed and a section is chosen; says what is wrong otherwise.
    bool readyToContinue();

    std::array<QRadioButton*, 4> sectionOptions_{};
};
