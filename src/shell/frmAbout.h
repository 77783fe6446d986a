#pragma once

#include "common/ClickLabel.h"

#include <QDialog>

class QPushButton;

// The About box: name, version, description and two links; always modal.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Shows a fresh box over the parent and returns when the user closed it.
    static void ShowModal(QWidget* parent);

    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label3;
    ClickLabel* lblCobrand;
    ClickLabel* lblHomePage;
    QPushButton* cmdOk;

  private:
    void cmdOk_Click();
    void lblCobrand_Click();
    void lblHomePage_Click();
};
