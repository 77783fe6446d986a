#pragma once

#include "ui/ClickLabel.h"

#include <QFrame>

// The brand frame `fraFullBrand`: the co-brand and fully-branded labels lie exactly on top of each other, so
// only the front one is seen and can be clicked. Each opens its own page.
class BrandFrame : public QFrame {
    Q_OBJECT
  public:
    enum class Front { Cobrand, FullBrand };

    explicit BrandFrame(QWidget* parent = nullptr);

    void BringToFront(Front front);
    Front front() const { return front_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    ClickLabel* cobrandLink_;
    ClickLabel* fullBrandLink_;
    Front front_ = Front::FullBrand;
};

// The forum line `Label14` of the tool windows; a click opens the maker's home page.
ClickLabel* MakeForumLabel(QWidget* parent);
QString ForumLabelText();
// The longer forum line of the launcher and the dowsing frame.
QString ForumBoardText();
