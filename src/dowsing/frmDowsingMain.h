#pragma once

#include "common/ClickLabel.h"
#include "common/SharedMenus.h"
#include "dowsing/DowsingRecord.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/MDIDowsingForm1.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

// The dowsing entry wizard: three stacked pages that add a dowsing record,
// or write back one that the record sheet hands over for editing.
class frmDowsingMain : public DowsingChildWindow {
    Q_OBJECT
  public:
    frmDowsingMain();
    ~frmDowsingMain() override;

    void Form_Load() override;
    void Form_Unload() override;
    QList<QAction*> frameMenuItems() const override { return menus.barItems(); }

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
    void cmdViewAllrecords_Click();

    // The page in front (the only one the user sees).
    QGroupBox* FrontPage() const;

    QFrame* Frame1;
    QLabel* Label20;
    ClickLabel* Label1;
    QLabel* Label3;
    QLabel* Label10;
    QPushButton* cmAddNewRecord;
    QPushButton* cmdViewAllrecords;
    QPushButton* cmdExit;

    QGroupBox* fraCustomersDetails;
    QLineEdit* txtName;
    QPlainTextEdit* txtAddress;
    QLineEdit* txtCity;
    QLineEdit* txtState;
    QLineEdit* txtPin;
    QLineEdit* txtPhNo;
    QLineEdit* txtEmail;
    QLineEdit* txtLocationDowsingFor;
    QPushButton* cmdCustomersDetailsNext;

    QGroupBox* fraTools;
    QGroupBox* Frame2;
    QLabel* lblToolHint;
    QComboBox* cmbDowsingTool;
    QFrame* fraDowsingTool;
    QLineEdit* txtDowsingTool;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    QGroupBox* Frame4;
    QLabel* lblItemHint;
    QComboBox* cmbItemDowsingFor;
    QFrame* fraItemDowsing;
    QLineEdit* txtItemDowsing;
    QPushButton* cmdOkItemDowsing;
    QPushButton* cmdCancelItemDowsing;
    QGroupBox* fraDateTime;
    QComboBox* cmbMonth;
    QComboBox* cmbDate;
    QComboBox* cmbYear;
    QComboBox* cmbHour;
    QComboBox* cmbMinute;
    QComboBox* cmbSecond;
    QComboBox* cmbAMPM;
    QPushButton* cmdToolsBack;
    QPushButton* cmdToolsNext;

    QGroupBox* fraNotes;
    QPlainTextEdit* txtNotes;
    QPushButton* cmdNotesBack;
    QPushButton* cmdadd;

    SharedMenus menus;
    QAction* mnuAddNewRecor;
    QAction* mnuViewAll;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildFrame();
    void buildCustomerPage();
    void buildToolsPage();
    void buildNotesPage();

    void cmAddNewRecord_Click();
    void cmdExit_Click();
    void Label1_Click();
    void cmdCustomersDetailsNext_Click();
    void cmdToolsBack_Click();
    void cmdToolsNext_Click();
    void cmdNotesBack_Click();
    void cmbDowsingTool_Click(int index);
    void cmbItemDowsingFor_Click(int index);
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdOkItemDowsing_Click();
    void cmdCancelItemDowsing_Click();
    void cmdadd_Click();

    // The record the controls describe, without IdNumber.
    DowsingRecord load() const;
    void clearFields();
    void BringToFront(QGroupBox* page);
    void setPagesEnabled(bool enabled);
    // The wizard's store, made when first needed.
    DowsingStore& store();

    std::unique_ptr<DowsingStore> store_;
    void setMode(Mode mode);
    Mode mode_ = Mode::Adding;
    qint64 updateId_ = 0;
};

// The wizard's messages.
namespace DowsingMessages {
inline const QString FileMissing = QStringLiteral("Required File Is Missing\rPlease Reinstall Software");
inline const QString OnlyAlphabet = QStringLiteral("Please Enter Only Alphabet");
inline const QString EnterNumber = QStringLiteral("Please Enter Number");
inline const QString CorrectEmail = QStringLiteral("Please Enter Correct Email Address !");
inline const QString EnterTool = QStringLiteral("Please Enter Dowsing Tool !");
inline const QString EnterItem = QStringLiteral("Please Enter Dowsing Item !");
inline const QString Saved = QStringLiteral("Record Saved Succesfully !");
inline const QString Edited = QStringLiteral("Record Edited Succesfully !");
// A write that failed, with the store's reason.
QString NotSaved(const QString& reason);
// A day the chosen month lacks.
QString NoSuchDay(const QString& month, const QString& day, const QString& year);
} // namespace DowsingMessages
