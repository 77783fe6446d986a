#include "dowsing/frmDowsingMain.h"

#include "common/Application.h"
#include "common/Look.h"
#include "common/MessageBox.h"
#include "common/ShellServices.h"
#include "common/StoreMessages.h"
#include "common/TextBoxes.h"
#include "common/UpdateReminder.h"
#include "common/WebPages.h"
#include "common/Windows.h"
#include "dowsing/DowsingEntryRules.h"
#include "dowsing/frmDowsingAllRecord.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <limits>

namespace Rules = DowsingEntryRules;

namespace DowsingMessages {
QString NotSaved(const QString& reason) {
    return QStringLiteral("The record was not saved.\r\n") + reason +
           QStringLiteral(".\r\nYour entries are kept; try again when the problem is solved.");
}

QString NoSuchDay(const QString& month, const QString& day, const QString& year) {
    return QStringLiteral("There is no ") + day + QLatin1Char(' ') + month + QStringLiteral(" in ") + year +
           QStringLiteral(".\r\nPlease choose another day; the record was not saved.");
}
} // namespace DowsingMessages

namespace {

const QColor kFrameGrey{128, 128, 128};
const QColor kInnerGrey{212, 208, 200};
const QColor kHintRed{192, 0, 0};

QLabel* plainLabel(const QString& name, const QString& text, QWidget* parent, const QColor& colour = Qt::white) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    Look::SetTextColour(label, colour);
    return label;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent, const QRect& where) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(where);
    return b;
}

QGroupBox* page(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(16, 166, 600, 360);
    box->setFont(Look::Verdana(9.75, true));
    Look::SetBackground(box, kFrameGrey);
    Look::SetTextColour(box, Qt::white);
    return box;
}

QGroupBox* innerFrame(const QString& name, const QString& caption, QWidget* parent, const QRect& where) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(where);
    box->setFont(Look::Verdana(8.25, true));
    // Without a name of its own a frame inside a frame is spoken with the outer frame's caption.
    box->setAccessibleName(caption);
    Look::SetBackground(box, kInnerGrey);
    Look::SetTextColour(box, Qt::black);
    return box;
}

QComboBox* list(const QString& name, QWidget* parent, const QRect& where, bool editable = false) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(where);
    combo->setEditable(editable);
    // Typed text stays the list's text; it never becomes a new entry of the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Nor is it completed to an entry it starts like: a tool typed as "Rod" is stored as "Rod", not "Rods".
    if (editable) {
        combo->setCompleter(nullptr);
    }
    combo->setFont(Look::Verdana(8.25));
    combo->setMaxVisibleItems(12);
    return combo;
}

// A field and the label before it; the label is its buddy, so screen readers name it.
template <class Field>
Field* labelledField(const QString& name, const QString& caption, QWidget* parent, int y, int height = 24) {
    QLabel* label = plainLabel(name + QStringLiteral("Label"), caption, parent);
    label->setFont(Look::Verdana(8.25, true));
    label->setGeometry(16, y, 130, 24);
    auto* field = new Field(parent);
    field->setObjectName(name);
    field->setFont(Look::Verdana(8.25));
    field->setGeometry(150, y, 300, height);
    label->setBuddy(field);
    QString spoken = caption;
    spoken.remove(QStringLiteral(":-"));
    field->setAccessibleName(spoken);
    return field;
}

void fillList(QComboBox* combo, const QStringList& entries) {
    combo->clear();
    combo->addItems(entries);
}

} // namespace

frmDowsingMain::frmDowsingMain() {
    setObjectName(QStringLiteral("frmDowsingMain"));
    setWindowTitle(QStringLiteral("Quarrow"));
    setFont(Look::Verdana(8.25));

    buildFrame();
    buildCustomerPage();
    buildToolsPage();
    buildNotesPage();

    // The frame's menu bar shows these while the wizard is the active window.
    menus = BuildSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::CheckFor);
    mnuAddNewRecor = new QAction(QStringLiteral("&Add New Record"), this);
    mnuAddNewRecor->setObjectName(QStringLiteral("mnuAddNewRecor"));
    mnuViewAll = new QAction(QStringLiteral("&View All  Records"), this);
    mnuViewAll->setObjectName(QStringLiteral("mnuViewAll"));
    menus.fileMenu->insertAction(menus.mnuExit, mnuAddNewRecor);
    menus.fileMenu->insertAction(menus.mnuExit, mnuViewAll);

    // Focus moves through page 1 in its order, then to its Next button.
    setTabOrder(txtName, txtAddress);
    setTabOrder(txtAddress, txtCity);
    setTabOrder(txtCity, txtState);
    setTabOrder(txtState, txtPin);
    setTabOrder(txtPin, txtPhNo);
    setTabOrder(txtPhNo, txtEmail);
    setTabOrder(txtEmail, txtLocationDowsingFor);
    setTabOrder(txtLocationDowsingFor, cmdCustomersDetailsNext);
    txtAddress->setTabChangesFocus(true);

    // No length limit of our own: a one-line box would otherwise cut a longer value short, and an Update would
    // write the cut value back.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->setMaxLength(std::numeric_limits<int>::max());
    }

    for (QLineEdit* letters : {txtName, txtCity, txtState, txtLocationDowsingFor}) {
        new CharacterFilter(letters, Rules::filterLetterKey, [this] {
            MsgBox(DowsingMessages::OnlyAlphabet, MsgButtons::Ok, MsgIcon::Information, this);
        });
    }
    new CharacterFilter(txtPhNo, Rules::filterNumberKey,
                        [this] { MsgBox(DowsingMessages::EnterNumber, MsgButtons::Ok, MsgIcon::None, this); });

    connect(cmAddNewRecord, &QPushButton::clicked, this, &frmDowsingMain::cmAddNewRecord_Click);
    connect(mnuAddNewRecor, &QAction::triggered, this, &frmDowsingMain::cmAddNewRecord_Click);
    connect(cmdViewAllrecords, &QPushButton::clicked, this, &frmDowsingMain::cmdViewAllrecords_Click);
    connect(mnuViewAll, &QAction::triggered, this, &frmDowsingMain::cmdViewAllrecords_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDowsingMain::cmdExit_Click);
    connect(menus.mnuExit, &QAction::triggered, this, &frmDowsingMain::cmdExit_Click);
    connect(Label1, &ClickLabel::clicked, this, &frmDowsingMain::Label1_Click);
    connect(cmdCustomersDetailsNext, &QPushButton::clicked, this, &frmDowsingMain::cmdCustomersDetailsNext_Click);
    connect(cmdToolsBack, &QPushButton::clicked, this, &frmDowsingMain::cmdToolsBack_Click);
    connect(cmdToolsNext, &QPushButton::clicked, this, &frmDowsingMain::cmdToolsNext_Click);
    connect(cmdNotesBack, &QPushButton::clicked, this, &frmDowsingMain::cmdNotesBack_Click);
    connect(cmbDowsingTool, &QComboBox::activated, this, &frmDowsingMain::cmbDowsingTool_Click);
    connect(cmbItemDowsingFor, &QComboBox::activated, this, &frmDowsingMain::cmbItemDowsingFor_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmDowsingMain::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDowsingMain::cmdCancel_Click);
    connect(cmdOkItemDowsing, &QPushButton::clicked, this, &frmDowsingMain::cmdOkItemDowsing_Click);
    connect(cmdCancelItemDowsing, &QPushButton::clicked, this, &frmDowsingMain::cmdCancelItemDowsing_Click);
    connect(cmdadd, &QPushButton::clicked, this, &frmDowsingMain::cmdadd_Click);

    setFixedSize(sizeHint());
}

frmDowsingMain::~frmDowsingMain() = default;

void frmDowsingMain::buildFrame() {
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFixedSize(776, 542);
    Look::SetBackground(Frame1, kFrameGrey);
    setCentralWidget(Frame1);

    Label20 = plainLabel(QStringLiteral("Label20"), QStringLiteral("Add New Record"), Frame1, Look::PaleYellow);
    Label20->setFont(Look::Verdana(14, true));
    Label20->setGeometry(16, 8, 400, 28);

    Label1 = new ClickLabel(QStringLiteral("Click On                                  To  Enter New Customer Details"),
                            Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFont(Look::Verdana(9.75, true));
    Look::SetTextColour(Label1, Qt::white);
    Label1->MakeLink();
    const QFontMetrics metrics(Label1->font());
    Label1->setGeometry(16, 40, metrics.horizontalAdvance(Label1->text()) + 4, 30);

    // The button sits in the wide gap of the label's text, clear of the words on either side.
    const QString text = Label1->text();
    const int gapStart = 16 + metrics.horizontalAdvance(QStringLiteral("Click On"));
    const int gapEnd = 16 + metrics.horizontalAdvance(text.left(text.indexOf(QStringLiteral("To"))));
    constexpr int clearance = 6;
    cmAddNewRecord = button(QStringLiteral("cmAddNewRecord"), QStringLiteral("Add New &Record"), Frame1,
                            QRect(gapStart + clearance, 40, gapEnd - gapStart - 2 * clearance, 30));

    Label3 = plainLabel(
        QStringLiteral("Label3"),
        QStringLiteral(
            "Dowsing is one of the most ancient forms of divination and has been practised for around thousands of "
            "years, which detects things like underground water, hidden metal and treasures, oil, lost persons, etc. "
            "Quarrow is a divination software that allows you to keep a track of your different dowsing experiences "
            "in the form a dowsing diary. It helps you to know from a glance what customers you dowsed for, what were "
            "you trying to detect and other comments."),
        Frame1);
    Label3->setWordWrap(true);
    Label3->setGeometry(16, 76, 744, 64);

    Label10 = plainLabel(QStringLiteral("Label10"),
                         QStringLiteral("Just input your customer details  (his name, address, contact number and "
                                        "other additional notes) and enjoy your dowsing experience!"),
                         Frame1, Look::PaleYellow);
    Label10->setWordWrap(true);
    Label10->setGeometry(16, 140, 744, 22);

    cmdViewAllrecords = button(QStringLiteral("cmdViewAllrecords"), QStringLiteral("&View All Records"), Frame1,
                               QRect(632, 200, 128, 34));
    cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("&Exit"), Frame1, QRect(632, 248, 128, 34));
}

void frmDowsingMain::buildCustomerPage() {
    fraCustomersDetails =
        page(QStringLiteral("fraCustomersDetails"), QStringLiteral("Enter Customer's Details:-"), Frame1);
    QWidget* p = fraCustomersDetails;
    txtName = labelledField<QLineEdit>(QStringLiteral("txtName"), QStringLiteral("Name:-"), p, 30);
    txtAddress = labelledField<QPlainTextEdit>(QStringLiteral("txtAddress"), QStringLiteral("Address:-"), p, 60, 46);
    txtAddress->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    KeepWrapFitted(txtAddress);
    txtCity = labelledField<QLineEdit>(QStringLiteral("txtCity"), QStringLiteral("City:-"), p, 112);
    txtState = labelledField<QLineEdit>(QStringLiteral("txtState"), QStringLiteral("State:-"), p, 142);
    txtPin = labelledField<QLineEdit>(QStringLiteral("txtPin"), QStringLiteral("Pin Number:-"), p, 172);
    txtPhNo = labelledField<QLineEdit>(QStringLiteral("txtPhNo"), QStringLiteral("Phone Number:-"), p, 202);
    txtEmail = labelledField<QLineEdit>(QStringLiteral("txtEmail"), QStringLiteral("Email Address:-"), p, 232);
    txtLocationDowsingFor =
        labelledField<QLineEdit>(QStringLiteral("txtLocationDowsingFor"), QStringLiteral("Location:-"), p, 262);
    cmdCustomersDetailsNext =
        button(QStringLiteral("cmdCustomersDetailsNext"), QStringLiteral("&Next >>"), p, QRect(470, 314, 114, 32));
    cmdCustomersDetailsNext->setFont(Look::Verdana(8.25, true));
}

void frmDowsingMain::buildToolsPage() {
    fraTools = page(QStringLiteral("fraTools"), QStringLiteral("Tools And Item Used For Dowsing:-"), Frame1);
    QWidget* p = fraTools;

    Frame2 = innerFrame(QStringLiteral("Frame2"), QStringLiteral("Dowsing Tool:-"), p, QRect(12, 26, 282, 124));
    lblToolHint = plainLabel(QStringLiteral("lblToolHint"), QStringLiteral("Enter The Name of The Dowsing Tool"),
                             Frame2, kHintRed);
    lblToolHint->setGeometry(10, 22, 264, 20);
    cmbDowsingTool = list(QStringLiteral("cmbDowsingTool"), Frame2, QRect(10, 46, 210, 26), true);
    cmbDowsingTool->addItems(Rules::toolEntries());
    cmbDowsingTool->setAccessibleName(QStringLiteral("Dowsing Tool"));
    fraDowsingTool = new QFrame(Frame2);
    fraDowsingTool->setObjectName(QStringLiteral("fraDowsingTool"));
    fraDowsingTool->setFrameShape(QFrame::Box);
    fraDowsingTool->setGeometry(6, 42, 270, 76);
    Look::SetBackground(fraDowsingTool, kInnerGrey);
    txtDowsingTool = new QLineEdit(fraDowsingTool);
    txtDowsingTool->setObjectName(QStringLiteral("txtDowsingTool"));
    txtDowsingTool->setAccessibleName(QStringLiteral("Other dowsing tool"));
    txtDowsingTool->setGeometry(6, 6, 256, 26);
    cmdOk = button(QStringLiteral("cmdOk"), QStringLiteral("&Ok"), fraDowsingTool, QRect(6, 40, 80, 28));
    cmdCancel = button(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), fraDowsingTool, QRect(92, 40, 80, 28));
    fraDowsingTool->hide();

    Frame4 = innerFrame(QStringLiteral("Frame4"), QStringLiteral("Dowsing Item:-"), p, QRect(304, 26, 282, 124));
    lblItemHint = plainLabel(QStringLiteral("lblItemHint"), QStringLiteral("Enter The Name of The Dowsing Item"),
                             Frame4, kHintRed);
    lblItemHint->setGeometry(10, 22, 264, 20);
    cmbItemDowsingFor = list(QStringLiteral("cmbItemDowsingFor"), Frame4, QRect(10, 46, 210, 26), true);
    cmbItemDowsingFor->addItems(Rules::itemEntries());
    cmbItemDowsingFor->setAccessibleName(QStringLiteral("Dowsing Item"));
    fraItemDowsing = new QFrame(Frame4);
    fraItemDowsing->setObjectName(QStringLiteral("fraItemDowsing"));
    fraItemDowsing->setFrameShape(QFrame::Box);
    fraItemDowsing->setGeometry(6, 42, 270, 76);
    Look::SetBackground(fraItemDowsing, kInnerGrey);
    txtItemDowsing = new QLineEdit(fraItemDowsing);
    txtItemDowsing->setObjectName(QStringLiteral("txtItemDowsing"));
    txtItemDowsing->setAccessibleName(QStringLiteral("Other dowsing item"));
    txtItemDowsing->setGeometry(6, 6, 256, 26);
    cmdOkItemDowsing =
        button(QStringLiteral("cmdOkItemDowsing"), QStringLiteral("&Ok"), fraItemDowsing, QRect(6, 40, 80, 28));
    cmdCancelItemDowsing = button(QStringLiteral("cmdCancelItemDowsing"), QStringLiteral("&Cancel"), fraItemDowsing,
                                  QRect(92, 40, 80, 28));
    fraItemDowsing->hide();

    fraDateTime = innerFrame(QStringLiteral("fraDateTime"), QString(), p, QRect(12, 158, 574, 140));
    fraDateTime->setAccessibleName(QStringLiteral("Dowsing Date and Time"));
    auto caption = [this](const QString& name, const QString& text, const QRect& where, QComboBox* buddy) {
        QLabel* label = plainLabel(name, text, fraDateTime, Qt::black);
        label->setFont(Look::Verdana(8.25));
        label->setGeometry(where);
        label->setBuddy(buddy);
        buddy->setAccessibleName(text);
    };
    QLabel* dateRow =
        plainLabel(QStringLiteral("lblDowsingDate"), QStringLiteral("Dowsing Date:-"), fraDateTime, Qt::black);
    dateRow->setGeometry(10, 36, 120, 26);
    cmbMonth = list(QStringLiteral("cmbMonth"), fraDateTime, QRect(136, 36, 120, 26));
    cmbDate = list(QStringLiteral("cmbDate"), fraDateTime, QRect(264, 36, 60, 26));
    cmbYear = list(QStringLiteral("cmbYear"), fraDateTime, QRect(332, 36, 76, 26));
    caption(QStringLiteral("lblMonth"), QStringLiteral("Month"), QRect(136, 14, 120, 20), cmbMonth);
    caption(QStringLiteral("lblDate"), QStringLiteral("Date"), QRect(264, 14, 60, 20), cmbDate);
    caption(QStringLiteral("lblYear"), QStringLiteral("Year"), QRect(332, 14, 76, 20), cmbYear);
    dateRow->setBuddy(cmbMonth);

    QLabel* timeRow =
        plainLabel(QStringLiteral("lblDowsingTime"), QStringLiteral("Dowsing Time:-"), fraDateTime, Qt::black);
    timeRow->setGeometry(10, 98, 120, 26);
    cmbHour = list(QStringLiteral("cmbHour"), fraDateTime, QRect(136, 98, 60, 26));
    cmbMinute = list(QStringLiteral("cmbMinute"), fraDateTime, QRect(204, 98, 60, 26));
    cmbSecond = list(QStringLiteral("cmbSecond"), fraDateTime, QRect(272, 98, 60, 26));
    cmbAMPM = list(QStringLiteral("cmbAMPM"), fraDateTime, QRect(340, 98, 60, 26));
    cmbAMPM->addItems(Rules::ampmEntries());
    caption(QStringLiteral("lblHour"), QStringLiteral("Hour"), QRect(136, 76, 60, 20), cmbHour);
    caption(QStringLiteral("lblMinute"), QStringLiteral("Minute"), QRect(204, 76, 60, 20), cmbMinute);
    caption(QStringLiteral("lblSecond"), QStringLiteral("Second"), QRect(272, 76, 60, 20), cmbSecond);
    cmbAMPM->setAccessibleName(QStringLiteral("AM or PM"));
    timeRow->setBuddy(cmbHour);

    cmdToolsBack = button(QStringLiteral("cmdToolsBack"), QStringLiteral("<< &Back"), p, QRect(12, 314, 114, 32));
    cmdToolsNext = button(QStringLiteral("cmdToolsNext"), QStringLiteral("&Next >>"), p, QRect(472, 314, 114, 32));
    cmdToolsBack->setFont(Look::Verdana(8.25, true));
    cmdToolsNext->setFont(Look::Verdana(8.25, true));
}

void frmDowsingMain::buildNotesPage() {
    fraNotes = page(QStringLiteral("fraNotes"), QStringLiteral("Notes"), Frame1);
    txtNotes = new QPlainTextEdit(fraNotes);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setAccessibleName(QStringLiteral("Notes"));
    txtNotes->setFont(Look::Verdana(8.25));
    txtNotes->setGeometry(16, 30, 568, 270);
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setTabChangesFocus(true);
    KeepWrapFitted(txtNotes);
    cmdNotesBack =
        button(QStringLiteral("cmdNotesBack"), QStringLiteral("<< &Back"), fraNotes, QRect(16, 314, 114, 32));
    cmdadd = button(QStringLiteral("cmdadd"), QStringLiteral("&Add"), fraNotes, QRect(470, 314, 114, 32));
    cmdNotesBack->setFont(Look::Verdana(8.25, true));
    cmdadd->setFont(Look::Verdana(8.25, true));
}

void frmDowsingMain::Form_Load() {
    CheckForUpdateReminder();
    const QString path = ApplicationFile(QString::fromLatin1(DowsingStore::FileName));
    if (!QFileInfo(path).isFile()) {
        MsgBox(DowsingMessages::FileMissing, MsgButtons::Ok, MsgIcon::Critical, this);
        Windows::UnloadForm(this);
        return;
    }
    store_ = std::make_unique<DowsingStore>(path);
    // Said now rather than at the first save; the wizard opens all the same, and a save tries the file again.
    for (StoreStatus opened = store_->open();
         !opened && StoreFailureRetry(StoreFailureText(opened.error()), opened.error(), this);
         opened = store_->open()) {
    }

    fillList(cmbHour, Rules::hourEntries());
    fillList(cmbMinute, Rules::minuteEntries());
    fillList(cmbSecond, Rules::secondEntries());
    fillList(cmbMonth, Rules::monthEntries());
    fillList(cmbDate, Rules::dayEntries());
    fillList(cmbYear, Rules::yearEntries());
    for (QComboBox* combo :
         {cmbMonth, cmbDate, cmbYear, cmbHour, cmbMinute, cmbSecond, cmbDowsingTool, cmbItemDowsingFor, cmbAMPM}) {
        combo->setCurrentIndex(0);
    }
    setPagesEnabled(false);
    BringToFront(fraCustomersDetails);
    MoveToTopLeft();
}

void frmDowsingMain::Form_Unload() {
    store_.reset();
}

void frmDowsingMain::closeEvent(QCloseEvent* event) {
    DowsingChildWindow::closeEvent(event);
    ShowLauncher();
}

QGroupBox* frmDowsingMain::FrontPage() const {
    for (QGroupBox* p : {fraCustomersDetails, fraTools, fraNotes}) {
        if (!p->isHidden()) {
            return p;
        }
    }
    return nullptr;
}

void frmDowsingMain::BringToFront(QGroupBox* front) {
    // Hiding the pages behind also keeps the Tab key from wandering into fields nobody sees. The button that
    // turned the page goes with its page, so the handlers that turn pages give the focus to the new one.
    for (QGroupBox* p : {fraCustomersDetails, fraTools, fraNotes}) {
        p->setVisible(p == front);
    }
    front->raise();
}

void frmDowsingMain::setPagesEnabled(bool enabled) {
    fraCustomersDetails->setEnabled(enabled);
    fraTools->setEnabled(enabled);
    fraNotes->setEnabled(enabled);
}

void frmDowsingMain::cmAddNewRecord_Click() {
    BringToFront(fraCustomersDetails);
    setPagesEnabled(true);
    txtName->setFocus();
}

void frmDowsingMain::cmdViewAllrecords_Click() {
    Windows::HideForm(this);
    if (frmDowsingAllRecord* grid = Windows::Show<frmDowsingAllRecord>()) {
        grid->MoveToTopLeft();
    }
}

void frmDowsingMain::cmdExit_Click() {
    ShowLauncher();
}

void frmDowsingMain::Label1_Click() {
    OpenWebPage(PageKey::Cobrand);
}

void frmDowsingMain::cmdCustomersDetailsNext_Click() {
    if (Rules::emailAccepted(txtEmail->text())) {
        BringToFront(fraTools);
        cmbDowsingTool->setFocus();
        return;
    }
    MsgBox(DowsingMessages::CorrectEmail, MsgButtons::Ok, MsgIcon::Information, this);
    BringToFront(fraCustomersDetails);
    txtEmail->setFocus();
}

void frmDowsingMain::cmdToolsBack_Click() {
    BringToFront(fraCustomersDetails);
    txtName->setFocus();
}

void frmDowsingMain::cmdToolsNext_Click() {
    BringToFront(fraNotes);
    txtNotes->setFocus();
}

void frmDowsingMain::cmdNotesBack_Click() {
    BringToFront(fraTools);
    cmbDowsingTool->setFocus();
}

void frmDowsingMain::cmbDowsingTool_Click(int index) {
    fraItemDowsing->hide();
    if (index == DowsingEntryRules::OtherToolIndex) {
        fraDowsingTool->show();
        fraDowsingTool->raise();
        txtDowsingTool->setFocus();
    }
}

void frmDowsingMain::cmbItemDowsingFor_Click(int index) {
    fraDowsingTool->hide();
    if (index == DowsingEntryRules::OtherItemIndex) {
        fraItemDowsing->show();
        fraItemDowsing->raise();
        txtItemDowsing->setFocus();
    }
}

void frmDowsingMain::cmdOk_Click() {
    if (txtDowsingTool->text().isEmpty()) {
        MsgBox(DowsingMessages::EnterTool, MsgButtons::Ok, MsgIcon::Information, this);
        txtDowsingTool->setFocus();
        return;
    }
    cmbDowsingTool->setEditText(txtDowsingTool->text());
    fraDowsingTool->hide();
    cmbDowsingTool->setFocus();
}

void frmDowsingMain::cmdCancel_Click() {
    fraDowsingTool->hide();
    cmbDowsingTool->setCurrentIndex(0);
    cmbDowsingTool->setEditText(cmbDowsingTool->itemText(0));
    cmbDowsingTool->setFocus();
}

void frmDowsingMain::cmdOkItemDowsing_Click() {
    if (txtItemDowsing->text().isEmpty()) {
        MsgBox(DowsingMessages::EnterItem, MsgButtons::Ok, MsgIcon::Information, this);
        txtItemDowsing->setFocus();
        return;
    }
    cmbItemDowsingFor->setEditText(txtItemDowsing->text());
    fraItemDowsing->hide();
    cmbItemDowsingFor->setFocus();
}

void frmDowsingMain::cmdCancelItemDowsing_Click() {
    fraItemDowsing->hide();
    cmbItemDowsingFor->setCurrentIndex(0);
    cmbItemDowsingFor->setEditText(cmbItemDowsingFor->itemText(0));
    cmbItemDowsingFor->setFocus();
}

DowsingRecord frmDowsingMain::load() const {
    DowsingRecord r;
    r.Date = Rules::dateFromLists(cmbMonth->currentText(), cmbDate->currentText(), cmbYear->currentText());
    r.Name = txtName->text();
    r.Address = StoredText(txtAddress);
    r.City = txtCity->text();
    r.State = txtState->text();
    r.Pin = txtPin->text();
    r.Phone_No = txtPhNo->text();
    r.Email = txtEmail->text();
    r.Time_Dowsing_Occured = Rules::timeText(cmbHour->currentText(), cmbMinute->currentText());
    r.Dowsing_Tool = cmbDowsingTool->currentText();
    r.Item_Dowsing_For = cmbItemDowsingFor->currentText();
    r.Location_Dowsing_Occured = txtLocationDowsingFor->text();
    r.Notes = StoredText(txtNotes);
    return r;
}

void frmDowsingMain::clearFields() {
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(0);
    for (QLineEdit* edit : {txtName, txtCity, txtState, txtPin, txtPhNo, txtEmail}) {
        edit->clear();
    }
    txtAddress->clear();
    cmbHour->setCurrentIndex(0);
    cmbMinute->setCurrentIndex(0);
    cmbSecond->setCurrentIndex(0);
    for (QComboBox* combo : {cmbDowsingTool, cmbItemDowsingFor}) {
        combo->setCurrentIndex(0);
        combo->setEditText(combo->itemText(0));
    }
    txtLocationDowsingFor->clear();
    txtNotes->clear();
}

DowsingStore& frmDowsingMain::store() {
    if (!store_) {
        store_ = std::make_unique<DowsingStore>(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    }
    return *store_;
}

void frmDowsingMain::setMode(Mode mode) {
    mode_ = mode;
    cmdadd->setText(mode == Mode::Updating ? QStringLiteral("&Update") : QStringLiteral("&Add"));
}

void frmDowsingMain::cmdadd_Click() {
    DowsingRecord record = load();
    if (!record.Date.isValid()) {
        MsgBox(DowsingMessages::NoSuchDay(cmbMonth->currentText(), cmbDate->currentText(), cmbYear->currentText()),
               MsgButtons::Ok, MsgIcon::Critical, this);
        BringToFront(fraTools);
        cmbDate->setFocus();
        return;
    }
    if (!InUpdateMode()) {
        // While another program holds the file the user may try again; the entries stay whatever the answer.
        for (StoreResult<qint64> added = store().add(record); !added; added = store().add(record)) {
            if (!StoreFailureRetry(DowsingMessages::NotSaved(added.error().text()), added.error(), this)) {
                return;
            }
        }
        MsgBox(DowsingMessages::Saved, MsgButtons::Ok, MsgIcon::Information, this);
        clearFields();
        BringToFront(fraCustomersDetails);
        fraTools->setEnabled(false);
        fraNotes->setEnabled(false);
        fraCustomersDetails->setEnabled(false);
        // The focus was on a page just disabled; left there, the window would take no mnemonic until clicked.
        cmAddNewRecord->setFocus();
        return;
    }

    // The record the wizard was filled from, whatever the grid or the sheet show by now.
    record.IdNumber = updateId_;
    for (StoreStatus changed = store().change(record); !changed; changed = store().change(record)) {
        if (!StoreFailureRetry(DowsingMessages::NotSaved(changed.error().text()), changed.error(), this)) {
            return;
        }
    }
    MsgBox(DowsingMessages::Edited, MsgButtons::Ok, MsgIcon::Information, this);
    clearFields();
    updateId_ = 0;
    setMode(Mode::Adding);
    cmAddNewRecord->show();
    mnuAddNewRecor->setVisible(true);
    BringToFront(fraCustomersDetails);
    setPagesEnabled(false);
    cmAddNewRecord->setFocus();
    // Back to the grid, read afresh so that it shows the change.
    Windows::HideForm(this);
    frmDowsingAllRecord::Rebuild();
}

void frmDowsingMain::PrepareForEdit() {
    setPagesEnabled(true);
    cmAddNewRecord->hide();
    mnuAddNewRecor->setVisible(false);
}

void frmDowsingMain::EditFoundNoRecord() {
    cmAddNewRecord->show();
    mnuAddNewRecor->setVisible(true);
}

void frmDowsingMain::FillForUpdate(const DowsingRecord& record) {
    if (record.Date.isValid()) {
        cmbMonth->setCurrentIndex(record.Date.month() - 1);
        cmbDate->setCurrentIndex(record.Date.day() - 1);
        const int year = cmbYear->findText(QString::number(record.Date.year()));
        if (year >= 0) {
            cmbYear->setCurrentIndex(year);
        }
    }
    const QString time = record.Time_Dowsing_Occured;
    const int hour = cmbHour->findText(time.left(2));
    if (hour >= 0) {
        cmbHour->setCurrentIndex(hour);
    }
    const int minute = cmbMinute->findText(time.mid(3, 5));
    if (minute >= 0) {
        cmbMinute->setCurrentIndex(minute);
    }
    // Every control takes the record's value, an empty one included, so nothing of an earlier entry
    // is written back into this record.
    txtName->setText(record.Name);
    ShowStoredText(txtAddress, record.Address);
    txtCity->setText(record.City);
    txtState->setText(record.State);
    txtPin->setText(record.Pin);
    txtPhNo->setText(record.Phone_No);
    txtEmail->setText(record.Email);
    cmbDowsingTool->setEditText(record.Dowsing_Tool);
    cmbItemDowsingFor->setEditText(record.Item_Dowsing_For);
    txtLocationDowsingFor->setText(record.Location_Dowsing_Occured);
    ShowStoredText(txtNotes, record.Notes);
    cmbAMPM->setCurrentIndex(cmbHour->currentIndex() > 11 ? 1 : 0);
    setMode(Mode::Updating);
    updateId_ = record.IdNumber;
}
