#pragma once

#include "diary/DiaryStore.h"
#include "ui/BrandFrame.h"
#include "ui/Form.h"
#include "ui/SharedMenus.h"

#include <array>
#include <memory>
#include <optional>

namespace CsvImport {
class Imported;
}

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
    QString manualPage() const override { return QStringLiteral("diary.html#book"); }
    // Closed: only Open responds. Open: everything responds. Adding and Editing: only the boxes and the
    // Save button respond until the entry is saved.
    enum class Mode { Closed, Open, Adding, Editing };

    frmPaganDiaryResultBOS();

    // Shows the book turned to a section, as the section chooser hands it over.
    static frmPaganDiaryResultBOS* ShowSection(DiarySection section);

    Mode mode() const { return mode_; }
    DiarySection section() const { return section_; }

    void onLoad() override;
    void onUnload() override;

    // Reads the section's keywords into the list afresh; the list then has no selected line.
    void refreshKeywords();
    DiaryKeywordModel* keywords() const { return keywords_; }

    // Shows the entry with the given "Index" as a click on its line does, opening the book, and turning to
    // its section, first if need be. Busy while an entry is being added or edited; Gone when no line has it;
    // Failed when the file could not be read and the user, told why, did not try again.
    enum class Shown { Yes, Busy, Gone, Failed };
    Shown ShowEntry(DiarySection section, qint64 index);

    // A file imported into a section while the window is open: Undo Import takes it out again, as Undo does while
    // it is the latest.
    void NoteImported(std::shared_ptr<CsvImport::Imported> imported);
    // Undoes the latest import.
    void UndoImport();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setMode(Mode mode);
    // Turns to a section: its captions and keywords, the book Closed.
    void turnTo(DiarySection section);
    // The selected line of the list, or -1.
    int selectedPosition() const;
    // The "Index" of the row the selected line shows: nothing without a selected line; the error, once said to
    // the user, when the line could not be read.
    std::optional<StoreResult<qint64>> selectedIndex();
    // Tells the user why the store failed; true when the user chose Retry, which is offered while another
    // program holds the file.
    bool reportStoreError(const StoreError& error);
    // After an entry is added, removed or saved: the list has no selected line, as after a refresh.
    void forgetSelection();

    void showSelectedEntry();
    void openOrCloseBook();
    void startAddingOrSaveNewEntry();
    void removeSelectedEntry();
    void startEditingOrSaveEditedEntry();
    void saveEditedEntry();
    void exitSection();
    void backToChooser();
    // Puts the entry removed last back, and shows it.
    void undoRemoval();
    void nameUndoItem();

    ClickLabel* forumLink_;
    std::array<QLabel*, 3> captions_{};
    QListView* keywordList_;
    QPushButton* openCloseButton_;
    QPushButton* addSaveButton_;
    QPushButton* removeButton_;
    QPushButton* editSaveButton_;
    QPushButton* exitButton_;
    QLabel* keywordLabel_;
    QLineEdit* keywordBox_;
    QLabel* meaningLabel_;
    QPlainTextEdit* meaningBox_;
    BrandFrame* brandFrame_;
    SharedMenus menus_;
    QAction* backItem_;
    QAction* backSeparator_;
    QAction* undoItem_;

    Mode mode_ = Mode::Closed;
    DiarySection section_ = DiarySection::Spell;
    bool leavingToChooser_ = false;
    bool pressChangedSelection_ = false;
    // The lines of the list, each tied to its row by the row's "Index", following every change to the section.
    DiaryKeywordModel* keywords_ = nullptr;
    // The row being edited, taken when editing began: the list may be read again meanwhile, when another
    // program changes the section.
    std::optional<qint64> editing_;
    // The entry as it was when editing began: a save finds out whether someone else changed it since.
    std::optional<DiaryEntry> editedFrom_;
    // The entry as the boxes last showed it from the file: a removal finds out whether someone changed it since.
    std::optional<DiaryEntry> shownEntry_;
    // The entries removed while the window is open, as the file held them, and the files imported, the latest last:
    // Undo takes back the latest.
    struct Undoable {
        std::optional<KeptRow> entry;
        std::shared_ptr<CsvImport::Imported> imported;
    };
    QList<Undoable> removed_;
};

namespace DiaryBookMessages {
// Saving an edit whose row another program has removed meanwhile.
QString EntryGone(const QString& word);
// Undo's caption, naming the keyword it brings back.
QString UndoCaption(const QString& keyword);
// An entry put back under a new "Index", its own having been taken by another entry meanwhile.
QString PutBackAsNew(const QString& keyword, const QString& word);
// Removing an entry someone else changed since it was shown: the store's words, and the question.
QString RemoveChangedEntry(const QString& changed);
} // namespace DiaryBookMessages
