#pragma once

#include <QLabel>

// A long plain text that fills the room its page gives it, word-wrapped from the top left.
//
// Such a text takes no part in laying out its window: it asks for no room of its own and has no height for
// a width, so that showing a page never measures it at one width after another. Its lines are laid out once
// per process for each text, face and width, and later windows paint the same lines again.
class LoreText : public QLabel {
    Q_OBJECT
  public:
    LoreText(const QString& text, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return false; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};
