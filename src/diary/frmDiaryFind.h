#pragma once

#include "diary/DiaryStore.h"
#include "ui/Form.h"

#include <QTimer>
#include <limits>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Keyword book > Tools > Find…: the entries of the open section (or of all four) whose keyword or meaning
// holds every word typed, letter case and accents aside. Choosing a line shows that entry in the book as a
// click on its line in the book does.
class frmDiaryFind : public FormWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("diary.html#find"); }
    frmDiaryFind();

    void onLoad() override;

    QLineEdit* searchField() const { return searchField_; }

    // More lines than anyone reads through: the count says how many more there are.
    static constexpr qsizetype MaxListed = 1000;

    // Reads the sections afresh and lists what matches.
    void search();
    // Shows a found entry in the keyword book.
    void showFoundEntry(QTreeWidgetItem* item);

  private:
    // Searches again once the events at hand are done: a change to the diary, by this program or another,
    // may change what matches, and several changes in a row need one search.
    void searchSoon();

    QLabel* findLabel_;
    QLineEdit* searchField_;
    QCheckBox* allSectionsBox_;
    QTreeWidget* foundList_;
    QLabel* countLabel_;
    QPushButton* closeButton_;

    DiaryStore store_;
    QTimer searchSoon_;
};

// The entries of `sections` that hold every word of `text` in keyword or meaning, the first `limit` of them in
// `out`; `total` learns how many there are in all. Empty text finds nothing.
struct DiaryFound {
    DiarySection section;
    DiaryEntry entry;
};
StoreStatus FindDiaryEntries(DiaryStore& store, const QList<DiarySection>& sections, const QString& text,
                             QList<DiaryFound>& out, qsizetype* total = nullptr,
                             qsizetype limit = std::numeric_limits<qsizetype>::max());

namespace DiaryFindTexts {
QString Caption();
QString AllSections();
QString FinishFirst();
QString Gone();
QString Count(qsizetype found, qsizetype listed);
} // namespace DiaryFindTexts
