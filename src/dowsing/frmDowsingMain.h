#pragma once

#include "dowsing/DowsingRecord.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/MDIDowsingForm1.h"
#include "ui/ClickLabel.h"
#include "ui/SharedMenus.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>
#include <optional>

// The dowsing entry wizard: three stacked pages that add a dowsing record,
// or write back one that the record sheet hands over for editing.
class frmDowsingMain : public DowsingChildWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("dowsing.html#wizard"); }
    frmDowsingMain();
    ~frmDowsingMain() override;

    void onLoad() override;
    void onUnload() override;
    QList<QAction*> frameMenuItems() const override { return menus_.barItems(); }

    // For the record sheet's Edit. First the wizard is made ready for editing
    // (pages enabled, "Add New Record" hidden); then, when the record is
    // found, its values go into the controls and the wizard switches to
    // Update for that record's IdNumber, which is what "&Update" writes back.
    void PrepareForEdit();
    void FillForUpdate(const DowsingRecord& record);
    // Adding makes a new record; Updating writes back the one FillForUpdate brought in.
    enum class Mode { Adding, Updating };
    Mode mode() const { return mode_; }
    bool InUpdateMode() const { return mode_ == Mode::Updating; }
    // When the sheet finds no record to hand over: the wizard stays in Add, and "Add New Record" must be there
    // again, or no further entry could be started.
    void EditFoundNoRecord();
    qint64 RecordBeingUpdated() const { return updateId_; }

    // Hides the wizard and shows the all-records grid; other windows call it too.
    void ShowAllRecords();

    // The page in front (the only one the user sees).
    QGroupBox* FrontPage() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildFrame();
    void buildCustomerPage();
    void buildToolsPage();
    void buildNotesPage();

    void startNewRecord();
    void exitToLauncher();
    void openCobrandPage();
    // Page 1 to page 2, once the e-mail address is acceptable.
    void acceptCustomerDetails();
    void showCustomerPage();
    void showToolsPage();
    void showNotesPage();
    // "Other" in a list opens a small box to type the tool or item in; Ok puts the text into the list.
    struct OtherEntry {
        QFrame* box = nullptr;
        QLineEdit* field = nullptr;
        QComboBox* list = nullptr;
        int otherIndex = 0;                  // the list's "Other"
        QString (*emptyMessage)() = nullptr; // what Ok says over an empty box
    };
    struct OtherEntryNames {
        const char* box;
        const char* field;
        const char* ok;
        const char* cancel;
    };
    OtherEntry otherEntry(QWidget* frame, const OtherEntryNames& names, const QString& accessibleName, QComboBox* list,
                          int otherIndex, QString (*emptyMessage)());
    // Opens `entry`'s box when its list's "Other" is chosen; the other list's box goes.
    static void offerOther(const OtherEntry& entry, const OtherEntry& theOther, int index);
    void acceptOther(const OtherEntry& entry);
    static void cancelOther(const OtherEntry& entry);
    // Adds a new record or, in Updating, writes back the one being edited.
    void saveRecord();

    // The record the controls describe, without IdNumber.
    DowsingRecord recordFromFields() const;
    void clearFields();
    void bringPageToFront(QGroupBox* page);
    void setPagesEnabled(bool enabled);
    // The wizard's store, made when first needed.
    DowsingStore& store();
    void setMode(Mode mode);

    QFrame* wizardFrame_;
    QPushButton* addRecordButton_;

    QGroupBox* customerPage_;
    QLineEdit* nameField_;
    QPlainTextEdit* addressField_;
    QLineEdit* cityField_;
    QLineEdit* stateField_;
    QLineEdit* pinField_;
    QLineEdit* phoneField_;
    QLineEdit* emailField_;
    QLineEdit* locationField_;

    QGroupBox* toolsPage_;
    QComboBox* toolList_;
    OtherEntry otherTool_;
    QComboBox* itemList_;
    OtherEntry otherItem_;
    QComboBox* monthList_;
    QComboBox* dayList_;
    QComboBox* yearList_;
    QComboBox* hourList_;
    QComboBox* minuteList_;
    QComboBox* secondList_;
    QComboBox* amPmList_;

    QGroupBox* notesPage_;
    QPlainTextEdit* notesField_;
    QPushButton* saveButton_;

    SharedMenus menus_;
    QAction* addRecordItem_;

    std::unique_ptr<DowsingStore> store_;
    Mode mode_ = Mode::Adding;
    qint64 updateId_ = 0;
    // The record as the wizard was filled from it: a save finds out whether someone else changed it since.
    std::optional<DowsingRecord> editedFrom_;
};

// The wizard's messages.
namespace DowsingMessages {
QString FileMissing();
QString OnlyAlphabet();
QString EnterNumber();
QString CorrectEmail();
QString EnterTool();
QString EnterItem();
QString Saved();
QString Edited();
// A write that failed, with the store's reason.
QString NotSaved(const QString& reason);
QString NotSaved(const StoreError& error);
// The record being edited, removed by someone else meanwhile: save it as new, or leave it removed.
QString RemovedWhileEdited(qint64 number);
// A day the chosen month lacks.
QString NoSuchDay(const QString& month, const QString& day, const QString& year);
} // namespace DowsingMessages
