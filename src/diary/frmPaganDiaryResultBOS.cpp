#include "diary/frmPaganDiaryResultBOS.h"

#include "common/DataBackup.h"
#include "common/Look.h"
#include "common/MessageBox.h"
#include "common/ShellServices.h"
#include "common/StoreMessages.h"
#include "common/TextBoxes.h"
#include "common/Windows.h"
#include "diary/DiaryKeywordModel.h"
#include "diary/DiaryTools.h"
#include "diary/DiaryValues.h"
#include "diary/frmDiaryFind.h"
#include "diary/frmPaganDiaryMain.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <limits>

namespace DiaryBookMessages {
QString EntryGone(const QString& word) {
    return QStringLiteral("The entry you were editing is no longer in the %1 section; another program may have "
                          "removed it.\r\nDo you want to add what you typed as a new entry?")
        .arg(word);
}
} // namespace DiaryBookMessages

namespace {

struct SectionTexts {
    QString title;
    QString hint;
    QString description;
};

const std::array<SectionTexts, 4>& sectionTexts() {
    static const std::array<SectionTexts, 4> texts{{
        {QStringLiteral("Spell Section"), QStringLiteral("Click on Open Spell to Access the Spells Section"),
         QStringLiteral("Add your new spell secrets and save them. Add, edit or remove the selected spells according "
                        "to your preferences.")},
        {QStringLiteral("Incense Section"), QStringLiteral("Click on Open Incense to Access the Incense Section"),
         QStringLiteral("Add your new incense secrets and save them. Add, edit or remove the selected incense "
                        "according to your preferences.")},
        {QStringLiteral("Recipes Section"), QStringLiteral("Click on Open Recipes to Access the Recipes Section"),
         QStringLiteral("Add your new recipe secrets and save them. Add, edit or remove the selected recipes "
                        "according to your preferences.")},
        {QStringLiteral("Rituals Section"), QStringLiteral("Click on Open Rituals to Access the Rituals Section"),
         QStringLiteral("Add your new ritual secrets and save them. Add, edit or remove the selected rituals "
                        "according to your preferences.")},
    }};
    return texts;
}

// White text on black with a grey edge (a black box would vanish into the black window); greyed out while
// the control is disabled.
void whiteOnBlack(QWidget* widget) {
    const QString type = QString::fromLatin1(widget->metaObject()->className());
    widget->setStyleSheet(QStringLiteral("%1 { background-color: black; color: white; border: 1px solid #808080; }"
                                         " %1:disabled { color: #808080; }")
                              .arg(type));
}

QPushButton* commandButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(Look::Verdana(8.25));
    return button;
}

QLabel* fieldLabel(const QString& name, const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(Look::Verdana(7, true));
    Look::SetTextColour(label, Qt::white);
    label->setBuddy(buddy);
    return label;
}

} // namespace

frmPaganDiaryResultBOS::frmPaganDiaryResultBOS() {
    setObjectName(QStringLiteral("frmPaganDiaryResultBOS"));
    setWindowTitle(QStringLiteral("Velloran Diary"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QWidget* client = MakeClientArea(Qt::black, QSize(520, 640));

    Label14 = MakeForumLabel(client);
    Label14->setGeometry(8, 6, 504, 34);

    const std::array<QString, 3> designed{QStringLiteral("Caption"), sectionTexts()[0].hint,
                                          sectionTexts()[0].description};
    const std::array<QFont, 3> fonts{Look::Verdana(14, true), Look::Verdana(8.25, true), Look::Verdana(8.25)};
    const std::array<QRect, 3> places{QRect(8, 44, 504, 30), QRect(8, 76, 504, 20), QRect(8, 98, 504, 36)};
    for (int i = 0; i < 3; ++i) {
        lblCaption[i] = new QLabel(designed[i], client);
        lblCaption[i]->setObjectName(QStringLiteral("lblCaption_%1").arg(i));
        lblCaption[i]->setTextFormat(Qt::PlainText);
        lblCaption[i]->setWordWrap(true);
        lblCaption[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        lblCaption[i]->setFont(fonts[i]);
        lblCaption[i]->setGeometry(places[i]);
        Look::SetTextColour(lblCaption[i], Qt::white);
    }

    lstKeyword = new QListView(client);
    lstKeyword->setObjectName(QStringLiteral("lstKeyword"));
    lstKeyword->setGeometry(8, 140, 504, 124);
    keywords_ = new DiaryKeywordModel(this);
    lstKeyword->setModel(keywords_);
    lstKeyword->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstKeyword->setSelectionMode(QAbstractItemView::SingleSelection);
    // Keywords are one line each; a long one is cut at the edge rather than wrapped.
    lstKeyword->setUniformItemSizes(true);
    // The view places every line of the section before it knows its scroll range; in batches, the first
    // screen is shown at once and the rest is placed between the user's clicks.
    lstKeyword->setLayoutMode(QListView::Batched);
    lstKeyword->setBatchSize(1000);
    whiteOnBlack(lstKeyword);

    Command1 = commandButton(QStringLiteral("Command1"), QStringLiteral("&Open"), client);
    Command2 = commandButton(QStringLiteral("Command2"), QStringLiteral("&Add"), client);
    Command3 = commandButton(QStringLiteral("Command3"), QStringLiteral("&Remove"), client);
    Command4 = commandButton(QStringLiteral("Command4"), QStringLiteral("&Edit"), client);
    Command5 = commandButton(QStringLiteral("Command5"), QStringLiteral("E&xit"), client);
    int y = 270;
    for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5}) {
        button->setGeometry(8, y, 504, 26);
        y += 29;
    }

    txtKeyword = new QLineEdit(client);
    txtKeyword->setObjectName(QStringLiteral("txtKeyword"));
    txtKeyword->setGeometry(8, 434, 504, 24);
    // A line edit stops at 32,767 characters by default; a longer keyword would come back cut short and an
    // edit would then store it so.
    txtKeyword->setMaxLength(std::numeric_limits<int>::max());
    whiteOnBlack(txtKeyword);
    txtMeaning = new QPlainTextEdit(client);
    txtMeaning->setObjectName(QStringLiteral("txtMeaning"));
    txtMeaning->setGeometry(8, 478, 504, 92);
    txtMeaning->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMeaning->setTabChangesFocus(true);
    KeepWrapFitted(txtMeaning);
    whiteOnBlack(txtMeaning);
    Label1 = fieldLabel(QStringLiteral("Label1"), QStringLiteral("Keyword"), txtKeyword, client);
    Label1->setGeometry(8, 416, 200, 16);
    Label2 = fieldLabel(QStringLiteral("Label2"), QStringLiteral("Meaning"), txtMeaning, client);
    Label2->setGeometry(8, 460, 200, 16);

    fraFullBrand = new BrandFrame(client);
    fraFullBrand->setGeometry(8, 576, 504, 58);
    Look::SetBackground(fraFullBrand, Qt::black);
    fraFullBrand->BringToFront(BrandFrame::Front::FullBrand);

    menus = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    // The book's own additions, after the menus it always had.
    DiaryTools::InstallToolsMenu(this);
    // The menus keep the desktop's colours: black on the window's black would hide them.
    mnuBack = new QAction(QStringLiteral("&Back"), this);
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    menus.fileMenu->insertAction(menus.mnuExit, mnuBack);
    mnuBackSep = AddNamedSeparator(menus.fileMenu, QStringLiteral("mnuBackSep"), menus.mnuExit);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, lstKeyword);
    setTabOrder(lstKeyword, txtKeyword);
    setTabOrder(txtKeyword, txtMeaning);

    // A line chosen by the mouse or by moving the selection with the keys shows its entry; a click on the
    // line already chosen shows it again, as the entry may have been typed over meanwhile. A press that
    // changed the selection has shown the entry already, so its click does not read it twice.
    lstKeyword->viewport()->installEventFilter(this);
    connect(lstKeyword->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        pressChangedSelection_ = true;
        lstKeyword_Click();
    });
    connect(lstKeyword, &QAbstractItemView::clicked, this, [this] {
        if (!pressChangedSelection_) {
            lstKeyword_Click();
        }
    });
    connect(Command1, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::Command5_Click);
    connect(mnuBack, &QAction::triggered, this, &frmPaganDiaryResultBOS::mnuBack_Click);
    connect(menus.mnuExit, &QAction::triggered, this, &frmPaganDiaryResultBOS::mnuExit_Click);

    setMode(Mode::Closed);
    setFixedSize(sizeHint());
}

void frmPaganDiaryResultBOS::Form_Load() {
    DataBackup::NoteToolOpened();
    loadSection();
}

void frmPaganDiaryResultBOS::loadSection() {
    section_ = DiarySectionFromIndex(CurrentSectionIndex).value_or(DiarySection::Spell);
    const SectionTexts& texts = sectionTexts()[std::size_t(section_)];
    lblCaption[0]->setText(texts.title);
    lblCaption[1]->setText(texts.hint);
    lblCaption[2]->setText(texts.description);
    Command3->setText(QStringLiteral("&Remove ") + CurrentSectionWord);
    Command5->setText(QStringLiteral("E&xit ") + CurrentSectionWord);
    setMode(Mode::Closed);
    cmdRefresh_Click();
    Command1->setFocus();
}

// The captions the user sees and what responds, mode by mode.
void frmPaganDiaryResultBOS::setMode(Mode mode) {
    mode_ = mode;
    const QString& word = CurrentSectionWord;
    const bool open = mode == Mode::Open;
    Command1->setText((mode == Mode::Closed ? QStringLiteral("&Open ") : QStringLiteral("&Close ")) + word);
    Command1->setEnabled(mode == Mode::Closed || open);
    Command2->setText((mode == Mode::Adding ? QStringLiteral("&Save ") : QStringLiteral("&Add ")) + word);
    Command2->setEnabled(open || mode == Mode::Adding);
    Command3->setEnabled(open);
    Command4->setText((mode == Mode::Editing ? QStringLiteral("&Save ") : QStringLiteral("&Edit ")) + word);
    Command4->setEnabled(open || mode == Mode::Editing);
    Command5->setEnabled(open);
    lstKeyword->setEnabled(open);
    txtKeyword->setEnabled(mode != Mode::Closed);
    txtMeaning->setEnabled(mode != Mode::Closed);
}

bool frmPaganDiaryResultBOS::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstKeyword->viewport() && event->type() == QEvent::MouseButtonPress) {
        pressChangedSelection_ = false;
    }
    return FormWindow::eventFilter(watched, event);
}

int frmPaganDiaryResultBOS::selectedPosition() const {
    const QModelIndexList selected = lstKeyword->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

bool frmPaganDiaryResultBOS::reportStoreError(const DiaryStore& store) {
    return StoreFailureRetry(StoreFailureText(store.error()), store.error(), this);
}

void frmPaganDiaryResultBOS::cmdRefresh_Click() {
    const QSignalBlocker quiet(lstKeyword->selectionModel());
    DiaryStore store(DiaryFilePath());
    while (!keywords_->load(store, section_)) {
        if (!reportStoreError(store)) {
            return;
        }
    }
}

void frmPaganDiaryResultBOS::forgetSelection() {
    const QSignalBlocker quiet(lstKeyword->selectionModel());
    lstKeyword->selectionModel()->clear();
    // Lines the file would not give up before are tried again at the next look.
    keywords_->retryUnreadLines();
    lstKeyword->viewport()->update();
}

std::optional<qint64> frmPaganDiaryResultBOS::selectedIndex() const {
    const int position = selectedPosition();
    return position < 0 ? std::nullopt : keywords_->indexAt(position);
}

void frmPaganDiaryResultBOS::lstKeyword_Click() {
    const auto index = selectedIndex();
    if (!index) {
        return;
    }
    DiaryStore store(DiaryFilePath());
    DiaryEntry entry;
    bool found = false;
    if (!store.entryWithIndex(section_, *index, entry, found)) {
        reportStoreError(store);
        return;
    }
    if (found) {
        txtKeyword->setText(entry.keyword);
        ShowStoredText(txtMeaning, entry.meaning);
    }
}

void frmPaganDiaryResultBOS::Command1_Click() {
    if (mode_ == Mode::Closed) {
        setMode(Mode::Open);
    } else if (mode_ == Mode::Open) {
        setMode(Mode::Closed);
    }
}

void frmPaganDiaryResultBOS::Command2_Click() {
    if (mode_ == Mode::Open) {
        setMode(Mode::Adding);
        txtKeyword->clear();
        txtMeaning->clear();
        txtKeyword->setFocus();
        return;
    }
    if (mode_ != Mode::Adding) {
        return;
    }
    // The checks look at the text as typed: a keyword of blanks passes and is stored empty. A failed check
    // keeps what was typed and puts the focus where something is missing; with nothing typed there is nothing
    // to keep, and the book goes back to Open so that the user is not held in Adding.
    const QString keyword = txtKeyword->text();
    const QString meaning = StoredText(txtMeaning);
    if (keyword.isEmpty() && meaning.isEmpty()) {
        MsgBox(QStringLiteral("Please Enter Keyword And Its Corresponding Meaning"), MsgButtons::Ok, MsgIcon::Critical,
               this);
        setMode(Mode::Open);
        txtKeyword->setFocus();
        return;
    }
    if (keyword.isEmpty()) {
        MsgBox(QStringLiteral("Please Enter The Keyword"), MsgButtons::Ok, MsgIcon::Critical, this);
        txtKeyword->setFocus();
        return;
    }
    if (meaning.isEmpty()) {
        MsgBox(QStringLiteral("Please Enter The Meaning Of The Keyword"), MsgButtons::Ok, MsgIcon::Critical, this);
        txtMeaning->setFocus();
        return;
    }
    DiaryStore store(DiaryFilePath());
    const bool inStep = keywords_->inStepWithFile();
    qint64 added = 0;
    while (!store.add(section_, keyword, meaning, added)) {
        // Still adding, with the typed text, so the user can try again or copy it away.
        if (!reportStoreError(store)) {
            txtKeyword->setFocus();
            return;
        }
    }
    setMode(Mode::Open);
    txtKeyword->clear();
    txtMeaning->clear();
    txtKeyword->setFocus();
    if (inStep) {
        // The new row has the highest "Index", so its line is the last: only that line joins the list.
        keywords_->appendLine(added, DiaryStore::trimBlanks(keyword));
        keywords_->markInStep();
    } else {
        // Another program has changed the section since the list was read.
        cmdRefresh_Click();
    }
    forgetSelection();
}

void frmPaganDiaryResultBOS::Command3_Click() {
    if (mode_ != Mode::Open) {
        return;
    }
    // The line reaches its row by the "Index" read with the list, so the row removed is the one the line
    // shows even if another program has changed the table since.
    const int position = selectedPosition();
    const auto index = selectedIndex();
    bool inStep = keywords_->inStepWithFile();
    if (index) {
        DiaryStore store(DiaryFilePath());
        bool removed = false;
        if (!store.removeWithIndex(section_, *index, removed)) {
            reportStoreError(store);
            return;
        }
        if (removed) {
            const QSignalBlocker quiet(lstKeyword->selectionModel());
            if (inStep) {
                keywords_->removeLine(position);
                keywords_->markInStep();
            }
            txtKeyword->clear();
            txtMeaning->clear();
        }
    }
    if (!inStep) {
        cmdRefresh_Click();
    }
    forgetSelection();
}

void frmPaganDiaryResultBOS::Command4_Click() {
    if (mode_ == Mode::Open) {
        setMode(Mode::Editing);
        txtKeyword->setFocus();
        return;
    }
    if (mode_ != Mode::Editing) {
        return;
    }
    // The selection made before editing began: the list could not change meanwhile, but the table could.
    const int position = selectedPosition();
    bool inStep = keywords_->inStepWithFile();
    if (const auto index = selectedIndex()) {
        DiaryStore store(DiaryFilePath());
        bool changed = false;
        while (!store.updateWithIndex(section_, *index, txtKeyword->text(), StoredText(txtMeaning), changed)) {
            if (!reportStoreError(store)) {
                txtKeyword->setFocus();
                return;
            }
        }
        // Another program removed the row: the text would be lost without a word unless it goes in as new.
        if (!changed && MsgBox(DiaryBookMessages::EntryGone(CurrentSectionWord), MsgButtons::YesNo, MsgIcon::None,
                               this) == MsgResult::Yes) {
            qint64 added = 0;
            if (!store.add(section_, txtKeyword->text(), StoredText(txtMeaning), added)) {
                reportStoreError(store);
                txtKeyword->setFocus();
                return;
            }
            inStep = false;
        }
        if (changed && inStep) {
            keywords_->renameLine(position, DiaryStore::trimBlanks(txtKeyword->text()));
            keywords_->markInStep();
        }
    }
    setMode(Mode::Open);
    txtKeyword->setFocus();
    if (!inStep) {
        cmdRefresh_Click();
    }
    forgetSelection();
}

void frmPaganDiaryResultBOS::Command5_Click() {
    if (mode_ == Mode::Open) {
        mnuBack_Click();
    }
}

// Back to the chooser with its earlier choice; the launcher stays hidden.
void frmPaganDiaryResultBOS::mnuBack_Click() {
    Windows::Show<frmPaganDiaryMain>();
    leavingToChooser_ = true;
    Windows::UnloadForm(this);
}

void frmPaganDiaryResultBOS::mnuExit_Click() {
    close();
}

frmPaganDiaryResultBOS::Shown frmPaganDiaryResultBOS::ShowEntry(DiarySection section, qint64 index) {
    if (mode_ == Mode::Adding || mode_ == Mode::Editing) {
        return Shown::Busy;
    }
    if (section != section_) {
        // As the chooser would have opened that section.
        CurrentSectionIndex = qint16(section);
        CurrentSectionWord = DiarySectionWord(section);
        loadSection();
    }
    if (mode_ == Mode::Closed) {
        setMode(Mode::Open);
    }
    DiaryStore store(DiaryFilePath());
    std::optional<qint64> position;
    while (!store.positionOfIndex(section_, index, position)) {
        if (!reportStoreError(store)) {
            return Shown::Failed;
        }
    }
    if (!position) {
        return Shown::Gone;
    }
    // Another program may have changed the section since the list was read: its lines would be out of place.
    if (!keywords_->inStepWithFile() || *position >= keywords_->rowCount()) {
        cmdRefresh_Click();
    }
    const QModelIndex line = keywords_->index(int(*position), 0);
    {
        const QSignalBlocker quiet(lstKeyword->selectionModel());
        lstKeyword->selectionModel()->setCurrentIndex(line, QItemSelectionModel::ClearAndSelect);
    }
    lstKeyword->scrollTo(line);
    lstKeyword_Click();
    return Shown::Yes;
}

void frmPaganDiaryResultBOS::Form_Unload() {
    Windows::Unload<frmDiaryFind>();
    DataBackup::BackUpIfChangedSinceToolOpened();
    if (!leavingToChooser_) {
        ShowLauncher();
    }
}
