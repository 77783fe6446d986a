#include "dowsing/frmDowsingMain.h"

#include "core/Application.h"
#include "data/DataSource.h"
#include "dowsing/DowsingEntryRules.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/ShellServices.h"
#include "ui/StoreMessages.h"
#include "ui/TextBoxes.h"
#include "ui/UpdateReminder.h"
#include "ui/WebPages.h"
#include "ui/Windows.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QRegularExpression>
#include <limits>

namespace Rules = DowsingEntryRules;

namespace DowsingMessages {
QString FileMissing() {
    return frmDowsingMain::tr("Required File Is Missing\rPlease Reinstall Software");
}

QString OnlyAlphabet() {
    return frmDowsingMain::tr("Please Enter Only Alphabet");
}

QString EnterNumber() {
    return frmDowsingMain::tr("Please Enter Number");
}

QString CorrectEmail() {
    return frmDowsingMain::tr("Please Enter Correct Email Address !");
}

QString EnterTool() {
    return frmDowsingMain::tr("Please Enter Dowsing Tool !");
}

QString EnterItem() {
    return frmDowsingMain::tr("Please Enter Dowsing Item !");
}

QString Saved() {
    return frmDowsingMain::tr("Record Saved Succesfully !");
}

QString Edited() {
    return frmDowsingMain::tr("Record Edited Succesfully !");
}

QString NotSaved(const QString& reason) {
    return frmDowsingMain::tr("The record was not saved.\r\n%1.\r\nYour entries are kept; try again when the "
                              "problem is solved.")
        .arg(reason);
}

QString NotSaved(const StoreError& error) {
    // A save whose outcome the server did not say is not said to have failed.
    return error.cause == StoreCause::Unknown ? StoreFailureText(error) : NotSaved(error.text());
}

QString RemovedWhileEdited(qint64 number) {
    return frmDowsingMain::tr("Someone else removed the record %1 while you were editing it.\r\nSave what you typed as "
                              "a new record, or leave it removed? What you typed stays in the window either way.")
        .arg(number);
}

QString NoSuchDay(const QString& month, const QString& day, const QString& year) {
    //: "There is no 30 February in 2007."
    return frmDowsingMain::tr("There is no %1 %2 in %3.\r\nPlease choose another day; the record was not saved.")
        .arg(day, month, year);
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
    menus_ = BuildSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::CheckFor);
    addRecordItem_ = new QAction(tr("&Add New Record"), this);
    addRecordItem_->setObjectName(QStringLiteral("mnuAddNewRecor"));
    auto* viewAllItem = new QAction(tr("&View All  Records"), this);
    viewAllItem->setObjectName(QStringLiteral("mnuViewAll"));
    menus_.fileMenu->insertAction(menus_.exitItem, addRecordItem_);
    menus_.fileMenu->insertAction(menus_.exitItem, viewAllItem);

    // No length limit of our own: a one-line box would otherwise cut a longer value short, and an Update would
    // write the cut value back.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->setMaxLength(std::numeric_limits<int>::max());
    }

    for (QLineEdit* letters : {nameField_, cityField_, stateField_, locationField_}) {
        new CharacterFilter(letters, Rules::filterLetterKey, [this] {
            MsgBox(DowsingMessages::OnlyAlphabet(), MsgButtons::Ok, MsgIcon::Information, this);
        });
    }
    new CharacterFilter(phoneField_, Rules::filterNumberKey,
                        [this] { MsgBox(DowsingMessages::EnterNumber(), MsgButtons::Ok, MsgIcon::None, this); });

    connect(addRecordItem_, &QAction::triggered, this, &frmDowsingMain::startNewRecord);
    connect(viewAllItem, &QAction::triggered, this, &frmDowsingMain::ShowAllRecords);
    connect(menus_.exitItem, &QAction::triggered, this, &frmDowsingMain::exitToLauncher);
    connect(toolList_, &QComboBox::activated, this, [this](int index) { offerOther(otherTool_, otherItem_, index); });
    connect(itemList_, &QComboBox::activated, this, [this](int index) { offerOther(otherItem_, otherTool_, index); });

    setFixedSize(sizeHint());
}

frmDowsingMain::~frmDowsingMain() = default;

void frmDowsingMain::buildFrame() {
    wizardFrame_ = new QFrame(this);
    wizardFrame_->setObjectName(QStringLiteral("Frame1"));
    wizardFrame_->setFrameShape(QFrame::Box);
    wizardFrame_->setFixedSize(776, 542);
    Look::SetBackground(wizardFrame_, kFrameGrey);
    setCentralWidget(wizardFrame_);

    QLabel* title = plainLabel(QStringLiteral("Label20"), tr("Add New Record"), wizardFrame_, Look::PaleYellow);
    title->setFont(Look::Verdana(14, true));
    title->setGeometry(16, 8, 400, 28);

    auto* newRecordLine = new ClickLabel(
        //: The wide gap holds the button "Add New Record"; keep it as wide.
        tr("Click On                                  To  Enter New Customer Details"), wizardFrame_);
    newRecordLine->setObjectName(QStringLiteral("Label1"));
    newRecordLine->setTextFormat(Qt::PlainText);
    newRecordLine->setFont(Look::Verdana(9.75, true));
    Look::SetTextColour(newRecordLine, Qt::white);
    newRecordLine->MakeLink();
    const QFontMetrics metrics(newRecordLine->font());
    newRecordLine->setGeometry(16, 40, metrics.horizontalAdvance(newRecordLine->text()) + 4, 30);

    // The button sits in the wide gap of the line's text, clear of the words on either side; in every language the
    // gap is the line's one run of several blanks.
    const QString text = newRecordLine->text();
    static const QRegularExpression wideGap(QStringLiteral(" {3,}"));
    const QRegularExpressionMatch gap = wideGap.match(text);
    const qsizetype gapFrom = gap.hasMatch() ? gap.capturedStart() : text.size();
    const int gapStart = 16 + metrics.horizontalAdvance(text.left(gapFrom));
    const int gapEnd = 16 + metrics.horizontalAdvance(text.left(gap.hasMatch() ? gap.capturedEnd() : text.size()));
    constexpr int clearance = 6;
    addRecordButton_ = button(QStringLiteral("cmAddNewRecord"), tr("Add New &Record"), wizardFrame_,
                              QRect(gapStart + clearance, 40, gapEnd - gapStart - 2 * clearance, 30));

    QLabel* introduction = plainLabel(
        QStringLiteral("Label3"),
        tr("Dowsing is one of the most ancient forms of divination and has been practised for around thousands of "
           "years, which detects things like underground water, hidden metal and treasures, oil, lost persons, etc. "
           "Quarrow is a divination software that allows you to keep a track of your different dowsing experiences "
           "in the form a dowsing diary. It helps you to know from a glance what customers you dowsed for, what were "
           "you trying to detect and other comments."),
        wizardFrame_);
    introduction->setWordWrap(true);
    introduction->setGeometry(16, 76, 744, 64);

    QLabel* invitation = plainLabel(QStringLiteral("Label10"),
                                    tr("Just input your customer details  (his name, address, contact number "
                                       "and other additional notes) and enjoy your dowsing experience!"),
                                    wizardFrame_, Look::PaleYellow);
    invitation->setWordWrap(true);
    invitation->setGeometry(16, 140, 744, 22);

    QPushButton* viewAllButton =
        button(QStringLiteral("cmdViewAllrecords"), tr("&View All Records"), wizardFrame_, QRect(632, 200, 128, 34));
    QPushButton* exitButton = button(QStringLiteral("cmdExit"), tr("&Exit"), wizardFrame_, QRect(632, 248, 128, 34));

    connect(addRecordButton_, &QPushButton::clicked, this, &frmDowsingMain::startNewRecord);
    connect(newRecordLine, &ClickLabel::clicked, this, &frmDowsingMain::openCobrandPage);
    connect(viewAllButton, &QPushButton::clicked, this, &frmDowsingMain::ShowAllRecords);
    connect(exitButton, &QPushButton::clicked, this, &frmDowsingMain::exitToLauncher);
}

void frmDowsingMain::buildCustomerPage() {
    customerPage_ = page(QStringLiteral("fraCustomersDetails"), tr("Enter Customer's Details:-"), wizardFrame_);
    QWidget* p = customerPage_;
    nameField_ = labelledField<QLineEdit>(QStringLiteral("txtName"), tr("Name:-"), p, 30);
    addressField_ = labelledField<QPlainTextEdit>(QStringLiteral("txtAddress"), tr("Address:-"), p, 60, 46);
    addressField_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    KeepWrapFitted(addressField_);
    cityField_ = labelledField<QLineEdit>(QStringLiteral("txtCity"), tr("City:-"), p, 112);
    stateField_ = labelledField<QLineEdit>(QStringLiteral("txtState"), tr("State:-"), p, 142);
    pinField_ = labelledField<QLineEdit>(QStringLiteral("txtPin"), tr("Pin Number:-"), p, 172);
    phoneField_ = labelledField<QLineEdit>(QStringLiteral("txtPhNo"), tr("Phone Number:-"), p, 202);
    emailField_ = labelledField<QLineEdit>(QStringLiteral("txtEmail"), tr("Email Address:-"), p, 232);
    locationField_ = labelledField<QLineEdit>(QStringLiteral("txtLocationDowsingFor"), tr("Location:-"), p, 262);
    QPushButton* nextButton =
        button(QStringLiteral("cmdCustomersDetailsNext"), tr("&Next >>"), p, QRect(470, 314, 114, 32));
    nextButton->setFont(Look::Verdana(8.25, true));

    // Focus moves through the page in its order, then to its Next button.
    setTabOrder(nameField_, addressField_);
    setTabOrder(addressField_, cityField_);
    setTabOrder(cityField_, stateField_);
    setTabOrder(stateField_, pinField_);
    setTabOrder(pinField_, phoneField_);
    setTabOrder(phoneField_, emailField_);
    setTabOrder(emailField_, locationField_);
    setTabOrder(locationField_, nextButton);
    addressField_->setTabChangesFocus(true);

    connect(nextButton, &QPushButton::clicked, this, &frmDowsingMain::acceptCustomerDetails);
}

void frmDowsingMain::buildToolsPage() {
    toolsPage_ = page(QStringLiteral("fraTools"), tr("Tools And Item Used For Dowsing:-"), wizardFrame_);
    QWidget* p = toolsPage_;

    QGroupBox* toolFrame = innerFrame(QStringLiteral("Frame2"), tr("Dowsing Tool:-"), p, QRect(12, 26, 282, 124));
    QLabel* toolHint =
        plainLabel(QStringLiteral("lblToolHint"), tr("Enter The Name of The Dowsing Tool"), toolFrame, kHintRed);
    toolHint->setGeometry(10, 22, 264, 20);
    toolList_ = list(QStringLiteral("cmbDowsingTool"), toolFrame, QRect(10, 46, 210, 26), true);
    toolList_->addItems(Rules::toolEntries());
    toolList_->setAccessibleName(tr("Dowsing Tool"));
    // The box typed into is a control of its own to a screen reader; it answers to the list's name.
    toolList_->lineEdit()->setAccessibleName(toolList_->accessibleName());
    otherTool_ =
        otherEntry(toolFrame, {"fraDowsingTool", "txtDowsingTool", "cmdOk", "cmdCancel"}, tr("Other dowsing tool"),
                   toolList_, DowsingEntryRules::OtherToolIndex, &DowsingMessages::EnterTool);

    QGroupBox* itemFrame = innerFrame(QStringLiteral("Frame4"), tr("Dowsing Item:-"), p, QRect(304, 26, 282, 124));
    QLabel* itemHint =
        plainLabel(QStringLiteral("lblItemHint"), tr("Enter The Name of The Dowsing Item"), itemFrame, kHintRed);
    itemHint->setGeometry(10, 22, 264, 20);
    itemList_ = list(QStringLiteral("cmbItemDowsingFor"), itemFrame, QRect(10, 46, 210, 26), true);
    itemList_->addItems(Rules::itemEntries());
    itemList_->setAccessibleName(tr("Dowsing Item"));
    itemList_->lineEdit()->setAccessibleName(itemList_->accessibleName());
    otherItem_ =
        otherEntry(itemFrame, {"fraItemDowsing", "txtItemDowsing", "cmdOkItemDowsing", "cmdCancelItemDowsing"},
                   tr("Other dowsing item"), itemList_, DowsingEntryRules::OtherItemIndex, &DowsingMessages::EnterItem);

    QGroupBox* dateTimeFrame = innerFrame(QStringLiteral("fraDateTime"), QString(), p, QRect(12, 158, 574, 140));
    dateTimeFrame->setAccessibleName(tr("Dowsing Date and Time"));
    auto caption = [dateTimeFrame](const QString& name, const QString& text, const QRect& where, QComboBox* buddy) {
        QLabel* label = plainLabel(name, text, dateTimeFrame, Qt::black);
        label->setFont(Look::Verdana(8.25));
        label->setGeometry(where);
        label->setBuddy(buddy);
        buddy->setAccessibleName(text);
    };
    QLabel* dateRow = plainLabel(QStringLiteral("lblDowsingDate"), tr("Dowsing Date:-"), dateTimeFrame, Qt::black);
    dateRow->setGeometry(10, 36, 120, 26);
    monthList_ = list(QStringLiteral("cmbMonth"), dateTimeFrame, QRect(136, 36, 120, 26));
    dayList_ = list(QStringLiteral("cmbDate"), dateTimeFrame, QRect(264, 36, 60, 26));
    yearList_ = list(QStringLiteral("cmbYear"), dateTimeFrame, QRect(332, 36, 76, 26));
    caption(QStringLiteral("lblMonth"), tr("Month"), QRect(136, 14, 120, 20), monthList_);
    caption(QStringLiteral("lblDate"), tr("Date"), QRect(264, 14, 60, 20), dayList_);
    caption(QStringLiteral("lblYear"), tr("Year"), QRect(332, 14, 76, 20), yearList_);
    dateRow->setBuddy(monthList_);

    QLabel* timeRow = plainLabel(QStringLiteral("lblDowsingTime"), tr("Dowsing Time:-"), dateTimeFrame, Qt::black);
    timeRow->setGeometry(10, 98, 120, 26);
    hourList_ = list(QStringLiteral("cmbHour"), dateTimeFrame, QRect(136, 98, 60, 26));
    minuteList_ = list(QStringLiteral("cmbMinute"), dateTimeFrame, QRect(204, 98, 60, 26));
    secondList_ = list(QStringLiteral("cmbSecond"), dateTimeFrame, QRect(272, 98, 60, 26));
    amPmList_ = list(QStringLiteral("cmbAMPM"), dateTimeFrame, QRect(340, 98, 60, 26));
    amPmList_->addItems(Rules::ampmEntries());
    caption(QStringLiteral("lblHour"), tr("Hour"), QRect(136, 76, 60, 20), hourList_);
    caption(QStringLiteral("lblMinute"), tr("Minute"), QRect(204, 76, 60, 20), minuteList_);
    caption(QStringLiteral("lblSecond"), tr("Second"), QRect(272, 76, 60, 20), secondList_);
    amPmList_->setAccessibleName(tr("AM or PM"));
    timeRow->setBuddy(hourList_);

    QPushButton* backButton = button(QStringLiteral("cmdToolsBack"), tr("<< &Back"), p, QRect(12, 314, 114, 32));
    QPushButton* nextButton = button(QStringLiteral("cmdToolsNext"), tr("&Next >>"), p, QRect(472, 314, 114, 32));
    backButton->setFont(Look::Verdana(8.25, true));
    nextButton->setFont(Look::Verdana(8.25, true));

    connect(backButton, &QPushButton::clicked, this, &frmDowsingMain::showCustomerPage);
    connect(nextButton, &QPushButton::clicked, this, &frmDowsingMain::showNotesPage);
}

void frmDowsingMain::buildNotesPage() {
    notesPage_ = page(QStringLiteral("fraNotes"), tr("Notes"), wizardFrame_);
    notesField_ = new QPlainTextEdit(notesPage_);
    notesField_->setObjectName(QStringLiteral("txtNotes"));
    notesField_->setAccessibleName(tr("Notes"));
    notesField_->setFont(Look::Verdana(8.25));
    notesField_->setGeometry(16, 30, 568, 270);
    notesField_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notesField_->setTabChangesFocus(true);
    KeepWrapFitted(notesField_);
    QPushButton* backButton =
        button(QStringLiteral("cmdNotesBack"), tr("<< &Back"), notesPage_, QRect(16, 314, 114, 32));
    saveButton_ = button(QStringLiteral("cmdadd"), tr("&Add"), notesPage_, QRect(470, 314, 114, 32));
    backButton->setFont(Look::Verdana(8.25, true));
    saveButton_->setFont(Look::Verdana(8.25, true));

    connect(backButton, &QPushButton::clicked, this, &frmDowsingMain::showToolsPage);
    connect(saveButton_, &QPushButton::clicked, this, &frmDowsingMain::saveRecord);
}

void frmDowsingMain::onLoad() {
    CheckForUpdateReminder();
    const QString path = ApplicationFile(QString::fromLatin1(DowsingStore::FileName));
    if (!DataSource::of(path).isThere()) {
        MsgBox(DowsingMessages::FileMissing(), MsgButtons::Ok, MsgIcon::Critical, this);
        Windows::UnloadForm(this);
        return;
    }
    store_ = std::make_unique<DowsingStore>(path);
    // Said now rather than at the first save; the wizard opens all the same, and a save tries the file again.
    for (StoreStatus opened = store_->open();
         !opened && StoreFailureRetry(StoreFailureText(opened.error()), opened.error(), this);
         opened = store_->open()) {
    }

    fillList(hourList_, Rules::hourEntries());
    fillList(minuteList_, Rules::minuteEntries());
    fillList(secondList_, Rules::secondEntries());
    fillList(monthList_, Rules::monthEntries());
    fillList(dayList_, Rules::dayEntries());
    fillList(yearList_, Rules::yearEntries());
    for (QComboBox* combo :
         {monthList_, dayList_, yearList_, hourList_, minuteList_, secondList_, toolList_, itemList_, amPmList_}) {
        combo->setCurrentIndex(0);
    }
    setPagesEnabled(false);
    bringPageToFront(customerPage_);
    MoveToTopLeft();
}

void frmDowsingMain::onUnload() {
    store_.reset();
}

void frmDowsingMain::closeEvent(QCloseEvent* event) {
    DowsingChildWindow::closeEvent(event);
    ShowLauncher();
}

QGroupBox* frmDowsingMain::FrontPage() const {
    for (QGroupBox* p : {customerPage_, toolsPage_, notesPage_}) {
        if (!p->isHidden()) {
            return p;
        }
    }
    return nullptr;
}

void frmDowsingMain::bringPageToFront(QGroupBox* front) {
    // Hiding the pages behind also keeps the Tab key from wandering into fields nobody sees. The button that
    // turned the page goes with its page, so the handlers that turn pages give the focus to the new one.
    for (QGroupBox* p : {customerPage_, toolsPage_, notesPage_}) {
        p->setVisible(p == front);
    }
    front->raise();
}

void frmDowsingMain::setPagesEnabled(bool enabled) {
    customerPage_->setEnabled(enabled);
    toolsPage_->setEnabled(enabled);
    notesPage_->setEnabled(enabled);
}

void frmDowsingMain::startNewRecord() {
    bringPageToFront(customerPage_);
    setPagesEnabled(true);
    nameField_->setFocus();
}

void frmDowsingMain::ShowAllRecords() {
    Windows::HideForm(this);
    if (frmDowsingAllRecord* grid = Windows::Show<frmDowsingAllRecord>()) {
        grid->MoveToTopLeft();
    }
}

void frmDowsingMain::exitToLauncher() {
    ShowLauncher();
}

void frmDowsingMain::openCobrandPage() {
    OpenWebPage(PageKey::Cobrand);
}

void frmDowsingMain::acceptCustomerDetails() {
    if (Rules::emailAccepted(emailField_->text())) {
        bringPageToFront(toolsPage_);
        toolList_->setFocus();
        return;
    }
    MsgBox(DowsingMessages::CorrectEmail(), MsgButtons::Ok, MsgIcon::Information, this);
    bringPageToFront(customerPage_);
    emailField_->setFocus();
}

void frmDowsingMain::showCustomerPage() {
    bringPageToFront(customerPage_);
    nameField_->setFocus();
}

void frmDowsingMain::showNotesPage() {
    bringPageToFront(notesPage_);
    notesField_->setFocus();
}

void frmDowsingMain::showToolsPage() {
    bringPageToFront(toolsPage_);
    toolList_->setFocus();
}

frmDowsingMain::OtherEntry frmDowsingMain::otherEntry(QWidget* frame, const OtherEntryNames& names,
                                                      const QString& accessibleName, QComboBox* list, int otherIndex,
                                                      QString (*emptyMessage)()) {
    OtherEntry entry{new QFrame(frame), nullptr, list, otherIndex, emptyMessage};
    entry.box->setObjectName(QLatin1String(names.box));
    entry.box->setFrameShape(QFrame::Box);
    entry.box->setGeometry(6, 42, 270, 76);
    Look::SetBackground(entry.box, kInnerGrey);
    entry.field = new QLineEdit(entry.box);
    entry.field->setObjectName(QLatin1String(names.field));
    entry.field->setAccessibleName(accessibleName);
    entry.field->setGeometry(6, 6, 256, 26);
    QPushButton* ok = button(QLatin1String(names.ok), tr("&Ok"), entry.box, QRect(6, 40, 80, 28));
    QPushButton* cancel = button(QLatin1String(names.cancel), tr("&Cancel"), entry.box, QRect(92, 40, 80, 28));
    entry.box->hide();
    connect(ok, &QPushButton::clicked, this, [this, entry] { acceptOther(entry); });
    connect(cancel, &QPushButton::clicked, this, [entry] { cancelOther(entry); });
    return entry;
}

void frmDowsingMain::offerOther(const OtherEntry& entry, const OtherEntry& theOther, int index) {
    theOther.box->hide();
    if (index == entry.otherIndex) {
        entry.box->show();
        entry.box->raise();
        entry.field->setFocus();
    }
}

void frmDowsingMain::acceptOther(const OtherEntry& entry) {
    if (entry.field->text().isEmpty()) {
        MsgBox(entry.emptyMessage(), MsgButtons::Ok, MsgIcon::Information, this);
        entry.field->setFocus();
        return;
    }
    entry.list->setEditText(entry.field->text());
    entry.box->hide();
    entry.list->setFocus();
}

void frmDowsingMain::cancelOther(const OtherEntry& entry) {
    entry.box->hide();
    entry.list->setCurrentIndex(0);
    entry.list->setEditText(entry.list->itemText(0));
    entry.list->setFocus();
}

DowsingRecord frmDowsingMain::recordFromFields() const {
    DowsingRecord r;
    r.Date = Rules::dateFromLists(monthList_->currentText(), dayList_->currentText(), yearList_->currentText());
    r.Name = nameField_->text();
    r.Address = StoredText(addressField_);
    r.City = cityField_->text();
    r.State = stateField_->text();
    r.Pin = pinField_->text();
    r.Phone_No = phoneField_->text();
    r.Email = emailField_->text();
    r.Time_Dowsing_Occured = Rules::timeText(hourList_->currentText(), minuteList_->currentText());
    r.Dowsing_Tool = toolList_->currentText();
    r.Item_Dowsing_For = itemList_->currentText();
    r.Location_Dowsing_Occured = locationField_->text();
    r.Notes = StoredText(notesField_);
    return r;
}

void frmDowsingMain::clearFields() {
    dayList_->setCurrentIndex(0);
    monthList_->setCurrentIndex(0);
    yearList_->setCurrentIndex(0);
    for (QLineEdit* edit : {nameField_, cityField_, stateField_, pinField_, phoneField_, emailField_}) {
        edit->clear();
    }
    addressField_->clear();
    hourList_->setCurrentIndex(0);
    minuteList_->setCurrentIndex(0);
    secondList_->setCurrentIndex(0);
    for (QComboBox* combo : {toolList_, itemList_}) {
        combo->setCurrentIndex(0);
        combo->setEditText(combo->itemText(0));
    }
    locationField_->clear();
    notesField_->clear();
}

DowsingStore& frmDowsingMain::store() {
    if (!store_) {
        store_ = std::make_unique<DowsingStore>(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    }
    return *store_;
}

void frmDowsingMain::setMode(Mode mode) {
    mode_ = mode;
    saveButton_->setText(mode == Mode::Updating ? tr("&Update") : tr("&Add"));
}

void frmDowsingMain::saveRecord() {
    DowsingRecord record = recordFromFields();
    if (!record.Date.isValid()) {
        MsgBox(DowsingMessages::NoSuchDay(monthList_->currentText(), dayList_->currentText(), yearList_->currentText()),
               MsgButtons::Ok, MsgIcon::Critical, this);
        bringPageToFront(toolsPage_);
        dayList_->setFocus();
        return;
    }
    if (!InUpdateMode()) {
        // While another program holds the file the user may try again; the entries stay whatever the answer.
        // One key for the save and its retries: a retry after a lost answer finds the record instead of adding it
        // again.
        const QUuid key = QUuid::createUuid();
        for (StoreResult<qint64> added = store().add(record, key); !added; added = store().add(record, key)) {
            if (!StoreFailureRetry(DowsingMessages::NotSaved(added.error()), added.error(), this)) {
                return;
            }
        }
        MsgBox(DowsingMessages::Saved(), MsgButtons::Ok, MsgIcon::Information, this);
        clearFields();
        bringPageToFront(customerPage_);
        toolsPage_->setEnabled(false);
        notesPage_->setEnabled(false);
        customerPage_->setEnabled(false);
        // The focus was on a page just disabled; left there, the window would take no mnemonic until clicked.
        addRecordButton_->setFocus();
        return;
    }

    // The record the wizard was filled from, whatever the grid or the sheet show by now.
    record.IdNumber = updateId_;
    std::optional<DowsingRecord> shown = editedFrom_;
    bool keptTheirs = false;
    for (StoreStatus changed = store().change(record, shown); !changed; changed = store().change(record, shown)) {
        if (changed.error().cause == StoreCause::Changed) {
            // Someone else saved this record since it was shown: never written over without the user's word.
            const MsgResult choice = AskAboutChangedRecord(changed.error(), this);
            if (choice == MsgResult::KeepTheirs) {
                keptTheirs = true;
                break;
            }
            if (choice == MsgResult::SaveAsNew) {
                if (const StoreResult<qint64> added = store().add(record); !added) {
                    StoreFailureRetry(DowsingMessages::NotSaved(added.error()), added.error(), this);
                    return;
                }
                break;
            }
            shown.reset();
        } else if (changed.error().cause == StoreCause::NoSuchRow) {
            // Trying again could never work: the user chooses, and the default writes nothing.
            if (MsgBox(DowsingMessages::RemovedWhileEdited(record.IdNumber), MsgButtons::NewOrLeaveRemoved,
                       MsgIcon::Information, this) != MsgResult::SaveAsNew) {
                return;
            }
            const StoreResult<qint64> added = store().add(record);
            if (!added) {
                StoreFailureRetry(DowsingMessages::NotSaved(added.error()), added.error(), this);
                return;
            }
            // The wizard goes on editing what it holds, now the new record.
            updateId_ = *added;
            editedFrom_ = record;
            editedFrom_->IdNumber = *added;
            MsgBox(DowsingMessages::Saved(), MsgButtons::Ok, MsgIcon::Information, this);
            return;
        } else if (!StoreFailureRetry(DowsingMessages::NotSaved(changed.error()), changed.error(), this)) {
            return;
        }
    }
    editedFrom_.reset();
    if (!keptTheirs) {
        MsgBox(DowsingMessages::Edited(), MsgButtons::Ok, MsgIcon::Information, this);
    }
    clearFields();
    updateId_ = 0;
    setMode(Mode::Adding);
    addRecordButton_->show();
    addRecordItem_->setVisible(true);
    bringPageToFront(customerPage_);
    setPagesEnabled(false);
    addRecordButton_->setFocus();
    // Back to the grid, read afresh so that it shows the change.
    Windows::HideForm(this);
    frmDowsingAllRecord::Rebuild();
}

void frmDowsingMain::PrepareForEdit() {
    setPagesEnabled(true);
    addRecordButton_->hide();
    addRecordItem_->setVisible(false);
}

void frmDowsingMain::EditFoundNoRecord() {
    addRecordButton_->show();
    addRecordItem_->setVisible(true);
}

void frmDowsingMain::FillForUpdate(const DowsingRecord& record) {
    if (record.Date.isValid()) {
        monthList_->setCurrentIndex(record.Date.month() - 1);
        dayList_->setCurrentIndex(record.Date.day() - 1);
        const int year = yearList_->findText(QString::number(record.Date.year()));
        if (year >= 0) {
            yearList_->setCurrentIndex(year);
        }
    }
    const QString time = record.Time_Dowsing_Occured;
    const int hour = hourList_->findText(time.left(2));
    if (hour >= 0) {
        hourList_->setCurrentIndex(hour);
    }
    const int minute = minuteList_->findText(time.mid(3, 5));
    if (minute >= 0) {
        minuteList_->setCurrentIndex(minute);
    }
    // Every control takes the record's value, an empty one included, so nothing of an earlier entry
    // is written back into this record.
    nameField_->setText(record.Name);
    ShowStoredText(addressField_, record.Address);
    cityField_->setText(record.City);
    stateField_->setText(record.State);
    pinField_->setText(record.Pin);
    phoneField_->setText(record.Phone_No);
    emailField_->setText(record.Email);
    toolList_->setEditText(record.Dowsing_Tool);
    itemList_->setEditText(record.Item_Dowsing_For);
    locationField_->setText(record.Location_Dowsing_Occured);
    ShowStoredText(notesField_, record.Notes);
    amPmList_->setCurrentIndex(hourList_->currentIndex() > 11 ? 1 : 0);
    setMode(Mode::Updating);
    updateId_ = record.IdNumber;
    editedFrom_ = record;
}
