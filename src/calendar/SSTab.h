#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QStackedWidget;

// A tab control that lays its tabs out in rows of a fixed length, so long captions stay readable.
// Tab captions are buttons named "<control>_tab_<index>"; the page of each tab is an ordinary widget.
class SSTab : public QWidget {
    Q_OBJECT
  public:
    SSTab(const QString& name, int tabsPerRow, QWidget* parent = nullptr);

    // Adds a page and returns its index.
    int AddTab(QWidget* page, const QString& caption);
    // Adds a tab whose page `build` makes only when the tab is first shown, or when Page asks for it; the
    // page is then laid into the tab's own (at first empty) page widget.
    int AddTab(const QString& caption, std::function<QWidget*()> build);
    int TabCount() const { return static_cast<int>(buttons_.size()); }
    // The selected tab, or -1 while there is none.
    int Tab() const { return current_; }
    // Selects a tab by program; does nothing for an index out of range.
    void SetTab(int index);
    QString TabCaption(int index) const;
    QAbstractButton* TabButton(int index) const;
    QWidget* Page(int index) const;
    int TabsPerRow() const { return tabsPerRow_; }

  signals:
    // After every change of the selected tab, by the user or by program.
    void Click(int previousTab);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildPage(int index) const;

    int tabsPerRow_;
    int current_ = -1;
    QGridLayout* rows_;
    QButtonGroup* group_;
    QStackedWidget* pages_;
    std::vector<QAbstractButton*> buttons_;
    // The makers of the pages not yet made, by tab index (empty where made or given whole).
    mutable std::vector<std::function<QWidget*()>> builders_;
};
