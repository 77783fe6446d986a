#pragma once

#include "ui/Form.h"

class QPushButton;
class QTextBrowser;

// The user's manual, read in the program: its pages and their links, with Back, Forward and Contents. Links to the
// web open in the user's browser.
class frmManual : public FormWindow {
    Q_OBJECT
  public:
    frmManual();

    // Turns to a page of the manual ("find-records.html", "diary.html#book").
    void ShowPage(const QString& page);
    // The page on show, relative to the manual's folder, with its place on it.
    QString page() const;

  private:
    void showContents();

    QTextBrowser* pages_;
    QPushButton* backButton_;
    QPushButton* forwardButton_;
};
