#pragma once

#include "ui/BrandFrame.h"
#include "ui/Form.h"

#include <functional>

class QTimer;

// The launcher: the user picks one of the three tools here.
class frmMain : public FormWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("launcher.html"); }
    bool staysWhenTheDataMoves() const override { return true; }
    frmMain();

    // Brings one of the two brand texts to the front, evenly at random, for the whole run.
    void BringRandomBrandToFront(const std::function<double()>& random);

    void onUnload() override;
    // Always centred on the screen, at its one size.
    std::optional<Remembered::Place> rememberedPlace() const override { return Remembered::Place::Centred; }

  private:
    void openTool(int index);
    void openHomePage();
    void stopBlinking();
    void resumeBlinking();
    void showForumLine();
    void hideForumLine();
    void exitProgram();

    // The forum line blinks: shown every second, hidden every two.
    ClickLabel* forumLine_;
    QTimer* showLineTimer_;
    QTimer* hideLineTimer_;
    BrandFrame* brand_;
};
