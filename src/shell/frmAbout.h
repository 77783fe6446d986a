#pragma once

#include <QDialog>

// The About box: name, version, description and two links; always modal.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Shows a fresh box over the parent and returns when the user closed it.
    static void ShowModal(QWidget* parent);

  private:
    void openFullyBrandedPage();
    void openHomePage();
};
