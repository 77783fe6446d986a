#pragma once

#include "common/BrandFrame.h"
#include "common/Form.h"
#include "common/SharedMenus.h"
#include "diary/DiaryStore.h"

#include <array>
#include <optional>

class DiaryKeywordModel;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

// The keyword book of one diary section: the section's keywords, a keyword and its meaning, and the buttons
// that open and close the book, add, remove and edit entries, and leave.
class frmPaganDiaryResultBOS : public FormWindow {
    Q_OBJECT
  public:
    // Closed: only Open responds. Open: everything responds. Adding and Editing: only the boxes and the
    // Save button respond until the entry is saved.
    enum class Mode { Closed, Open, Adding, Editing };

    frmPaganDiaryResultBOS();

    ClickLabel* Label14;
    std::array<QLabel*, 3> lblCaption{};
    QListView* lstKeyword;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QLabel* Label1;
    QLineEdit* txtKeyword;
    QLabel* Label2;
    QPlainTextEdit* txtMeaning;
    BrandFrame* fraFullBrand;
    SharedMenus menus;
    QAction* mnuBack;
    QAction* mnuBackSep;

    Mode mode() const { return mode_; }
    DiarySection section() const { return section_; }

    void Form_Load() override;
    void Form_Unload() override;

    // Reads the section's keywords into the list afresh; the list then has no selected line.
    void cmdRefresh_Click();
    DiaryKeywordModel* keywords() const { return keywords_; }

    // Shows the entry with the given "Index" as a click on its line does, opening the book, and turning to
    // its section, first if need be. Busy while an entry is being added or edited; Gone when no line has it;
    // Failed when the file could not be read and the user, told why, did not try again.
    enum class Shown { Yes, Busy, Gone, Failed };
    Shown ShowEntry(DiarySection section, qint64 index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setMode(Mode mode);
    // The section's captions and keywords, as loading shows them.
    void loadSection();
    // The selected line of the list, or -1.
    int selectedPosition() const;
    // The "Index" of the row that the selected line shows.
    std::optional<qint64> selectedIndex() const;
    // Tells the user why the store failed; true when the user chose Retry, which is offered while another
    // program holds the file.
    bool reportStoreError(const DiaryStore& store);

    void lstKeyword_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void mnuBack_Click();
    void mnuExit_Click();

    Mode mode_ = Mode::Closed;
    DiarySection section_ = DiarySection::Spell;
    bool leavingToChooser_ = false;
    bool pressChangedSelection_ = false;
    // The lines of the list, each tied to its row by the row's "Index".
    DiaryKeywordModel* keywords_ = nullptr;
    // After an entry is added, removed or saved: the list has no selected line, as after a refresh.
    void forgetSelection();
};

namespace DiaryBookMessages {
// Saving an edit whose row another program has removed meanwhile.
QString EntryGone(const QString& word);
} // namespace DiaryBookMessages
