#include "diary/frmPaganDiaryResultBOS.h"

#include "commands/frmImportCsv.h"
#include "data/DataBackup.h"
#include "diary/DiaryKeywordModel.h"
#include "diary/DiaryTools.h"
#include "diary/DiaryValues.h"
#include "diary/Log.h"
#include "diary/frmDiaryFind.h"
#include "diary/frmPaganDiaryMain.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/ShellServices.h"
#include "ui/StoreMessages.h"
#include "ui/TextBoxes.h"
#include "ui/Windows.h"

#include <QCoreApplication>
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
    return frmPaganDiaryResultBOS::tr("The entry you were editing is no longer in the %1 section; another program may "
                                      "have removed it.\r\nDo you want to add what you typed as a new entry?")
        .arg(word);
}

QString UndoCaption(const QString& keyword) {
    if (keyword.isNull()) {
        return frmPaganDiaryResultBOS::tr("&Undo");
    }
    // An ampersand of the keyword is a letter, not the item's mnemonic.
    return frmPaganDiaryResultBOS::tr("&Undo Removal of “%1”")
        .arg(ShortName(keyword).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

QString PutBackAsNew(const QString& keyword, const QString& word) {
    return frmPaganDiaryResultBOS::tr("“%1” is back in the %2 section as a new entry: another entry has taken "
                                      "its place meanwhile.")
        .arg(keyword, word);
}

QString RemoveChangedEntry(const QString& changed) {
    return changed + frmPaganDiaryResultBOS::tr(".\r\nRemove it all the same?");
}
} // namespace DiaryBookMessages

namespace {

struct SectionTexts {
    QString title;
    QString hint;
    QString description;
};

// Made at each call, so that they are always in the language in force.
std::array<SectionTexts, 4> sectionTexts() {
    return {{
        {frmPaganDiaryResultBOS::tr("Spell Section"),
         frmPaganDiaryResultBOS::tr("Click on Open Spell to Access the Spells Section"),
         frmPaganDiaryResultBOS::tr("Add your new spell secrets and save them. Add, edit or remove the selected spells "
                                    "according to your preferences.")},
        {frmPaganDiaryResultBOS::tr("Incense Section"),
         frmPaganDiaryResultBOS::tr("Click on Open Incense to Access the Incense Section"),
         frmPaganDiaryResultBOS::tr("Add your new incense secrets and save them. Add, edit or remove the selected "
                                    "incense according to your preferences.")},
        {frmPaganDiaryResultBOS::tr("Recipes Section"),
         frmPaganDiaryResultBOS::tr("Click on Open Recipes to Access the Recipes Section"),
         frmPaganDiaryResultBOS::tr("Add your new recipe secrets and save them. Add, edit or remove the selected "
                                    "recipes according to your preferences.")},
        {frmPaganDiaryResultBOS::tr("Rituals Section"),
         frmPaganDiaryResultBOS::tr("Click on Open Rituals to Access the Rituals Section"),
         frmPaganDiaryResultBOS::tr("Add your new ritual secrets and save them. Add, edit or remove the selected "
                                    "rituals according to your preferences.")},
    }};
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
    setWindowTitle(tr("Velloran Diary"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QWidget* client = MakeClientArea(Qt::black, QSize(520, 640));

    forumLink_ = MakeForumLabel(client);
    forumLink_->setGeometry(8, 6, 504, 34);

    const SectionTexts first = sectionTexts()[0];
    const std::array<QString, 3> designed{QStringLiteral("Caption"), first.hint, first.description};
    const std::array<QFont, 3> fonts{Look::Verdana(14, true), Look::Verdana(8.25, true), Look::Verdana(8.25)};
    const std::array<QRect, 3> places{QRect(8, 44, 504, 30), QRect(8, 76, 504, 20), QRect(8, 98, 504, 36)};
    for (int i = 0; i < 3; ++i) {
        captions_[i] = new QLabel(designed[i], client);
        captions_[i]->setObjectName(QStringLiteral("lblCaption_%1").arg(i));
        captions_[i]->setTextFormat(Qt::PlainText);
        captions_[i]->setWordWrap(true);
        captions_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        captions_[i]->setFont(fonts[i]);
        captions_[i]->setGeometry(places[i]);
        Look::SetTextColour(captions_[i], Qt::white);
    }

    keywordList_ = new QListView(client);
    keywordList_->setObjectName(QStringLiteral("lstKeyword"));
    keywordList_->setAccessibleName(tr("Keywords"));
    keywordList_->setGeometry(8, 140, 504, 124);
    keywords_ = new DiaryKeywordModel(DiaryFilePath(), this);
    keywordList_->setModel(keywords_);
    keywordList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    keywordList_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Keywords are one line each; a long one is cut at the edge rather than wrapped.
    keywordList_->setUniformItemSizes(true);
    // The view places every line of the section before it knows its scroll range; in batches, the first
    // screen is shown at once and the rest is placed between the user's clicks.
    keywordList_->setLayoutMode(QListView::Batched);
    keywordList_->setBatchSize(1000);
    whiteOnBlack(keywordList_);

    openCloseButton_ = commandButton(QStringLiteral("Command1"), tr("&Open"), client);
    addSaveButton_ = commandButton(QStringLiteral("Command2"), tr("&Add"), client);
    removeButton_ = commandButton(QStringLiteral("Command3"), tr("&Remove"), client);
    editSaveButton_ = commandButton(QStringLiteral("Command4"), tr("&Edit"), client);
    exitButton_ = commandButton(QStringLiteral("Command5"), tr("E&xit"), client);
    int y = 270;
    for (QPushButton* button : {openCloseButton_, addSaveButton_, removeButton_, editSaveButton_, exitButton_}) {
        button->setGeometry(8, y, 504, 26);
        y += 29;
    }

    keywordBox_ = new QLineEdit(client);
    keywordBox_->setObjectName(QStringLiteral("txtKeyword"));
    keywordBox_->setGeometry(8, 434, 504, 24);
    // A line edit stops at 32,767 characters by default; a longer keyword would come back cut short and an
    // edit would then store it so.
    keywordBox_->setMaxLength(std::numeric_limits<int>::max());
    whiteOnBlack(keywordBox_);
    meaningBox_ = new QPlainTextEdit(client);
    meaningBox_->setObjectName(QStringLiteral("txtMeaning"));
    meaningBox_->setGeometry(8, 478, 504, 92);
    meaningBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    meaningBox_->setTabChangesFocus(true);
    KeepWrapFitted(meaningBox_);
    whiteOnBlack(meaningBox_);
    keywordLabel_ = fieldLabel(QStringLiteral("Label1"), tr("Keyword"), keywordBox_, client);
    keywordLabel_->setGeometry(8, 416, 200, 16);
    meaningLabel_ = fieldLabel(QStringLiteral("Label2"), tr("Meaning"), meaningBox_, client);
    meaningLabel_->setGeometry(8, 460, 200, 16);

    brandFrame_ = new BrandFrame(client);
    brandFrame_->setGeometry(8, 576, 504, 58);
    Look::SetBackground(brandFrame_, Qt::black);
    brandFrame_->BringToFront(BrandFrame::Front::FullBrand);

    menus_ = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    // The book's own additions, after the menus it always had; Undo first.
    QMenu* tools = DiaryTools::InstallToolsMenu(this);
    undoItem_ = InsertUndoItem(tools, this);
    nameUndoItem();
    // The menus keep the desktop's colours: black on the window's black would hide them.
    backItem_ = new QAction(tr("&Back"), this);
    backItem_->setObjectName(QStringLiteral("mnuBack"));
    menus_.fileMenu->insertAction(menus_.exitItem, backItem_);
    backSeparator_ = AddNamedSeparator(menus_.fileMenu, QStringLiteral("mnuBackSep"), menus_.exitItem);

    setTabOrder(openCloseButton_, addSaveButton_);
    setTabOrder(addSaveButton_, removeButton_);
    setTabOrder(removeButton_, editSaveButton_);
    setTabOrder(editSaveButton_, exitButton_);
    setTabOrder(exitButton_, keywordList_);
    setTabOrder(keywordList_, keywordBox_);
    setTabOrder(keywordBox_, meaningBox_);

    // A line chosen by the mouse or by moving the selection with the keys shows its entry; a click on the
    // line already chosen shows it again, as the entry may have been typed over meanwhile. A press that
    // changed the selection has shown the entry already, so its click does not read it twice.
    keywordList_->viewport()->installEventFilter(this);
    connect(keywordList_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        pressChangedSelection_ = true;
        showSelectedEntry();
    });
    connect(keywordList_, &QAbstractItemView::clicked, this, [this] {
        if (!pressChangedSelection_) {
            showSelectedEntry();
        }
    });
    // Lines that could not be read are said, never left blank without a word; said after the paint that met them.
    connect(
        keywords_, &DiaryKeywordModel::readFailed, this,
        [this](const StoreError& error) {
            if (reportStoreError(error)) {
                keywords_->retryUnreadLines();
                keywordList_->viewport()->update();
            }
        },
        Qt::QueuedConnection);
    connect(openCloseButton_, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::openOrCloseBook);
    connect(addSaveButton_, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::startAddingOrSaveNewEntry);
    connect(removeButton_, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::removeSelectedEntry);
    connect(editSaveButton_, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::startEditingOrSaveEditedEntry);
    connect(exitButton_, &QPushButton::clicked, this, &frmPaganDiaryResultBOS::exitSection);
    connect(backItem_, &QAction::triggered, this, &frmPaganDiaryResultBOS::backToChooser);
    connect(undoItem_, &QAction::triggered, this, &frmPaganDiaryResultBOS::undoRemoval);
    connect(menus_.exitItem, &QAction::triggered, this, &QWidget::close);

    setMode(Mode::Closed);
    setFixedSize(sizeHint());
}

frmPaganDiaryResultBOS* frmPaganDiaryResultBOS::ShowSection(DiarySection section) {
    frmPaganDiaryResultBOS* book = Windows::Load<frmPaganDiaryResultBOS>();
    if (!book) {
        return nullptr;
    }
    book->turnTo(section);
    return Windows::Show<frmPaganDiaryResultBOS>();
}

void frmPaganDiaryResultBOS::onLoad() {
    DataBackup::NoteToolOpened();
}

void frmPaganDiaryResultBOS::turnTo(DiarySection section) {
    section_ = section;
    const QString word = DiarySectionName(section);
    const SectionTexts texts = sectionTexts()[std::size_t(section_)];
    captions_[0]->setText(texts.title);
    captions_[1]->setText(texts.hint);
    captions_[2]->setText(texts.description);
    removeButton_->setText(tr("&Remove %1").arg(word));
    exitButton_->setText(tr("E&xit %1").arg(word));
    setMode(Mode::Closed);
    refreshKeywords();
    openCloseButton_->setFocus();
}

// The captions the user sees and what responds, mode by mode.
void frmPaganDiaryResultBOS::setMode(Mode mode) {
    mode_ = mode;
    const QString word = DiarySectionName(section_);
    const bool open = mode == Mode::Open;
    openCloseButton_->setText((mode == Mode::Closed ? tr("&Open %1") : tr("&Close %1")).arg(word));
    openCloseButton_->setEnabled(mode == Mode::Closed || open);
    addSaveButton_->setText((mode == Mode::Adding ? tr("&Save %1") : tr("&Add %1")).arg(word));
    addSaveButton_->setEnabled(open || mode == Mode::Adding);
    removeButton_->setEnabled(open);
    editSaveButton_->setText((mode == Mode::Editing ? tr("&Save %1") : tr("&Edit %1")).arg(word));
    editSaveButton_->setEnabled(open || mode == Mode::Editing);
    exitButton_->setEnabled(open);
    keywordList_->setEnabled(open);
    keywordBox_->setEnabled(mode != Mode::Closed);
    meaningBox_->setEnabled(mode != Mode::Closed);
}

bool frmPaganDiaryResultBOS::eventFilter(QObject* watched, QEvent* event) {
    if (watched == keywordList_->viewport() && event->type() == QEvent::MouseButtonPress) {
        pressChangedSelection_ = false;
    }
    return FormWindow::eventFilter(watched, event);
}

int frmPaganDiaryResultBOS::selectedPosition() const {
    const QModelIndexList selected = keywordList_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

bool frmPaganDiaryResultBOS::reportStoreError(const StoreError& error) {
    return StoreFailureRetry(StoreFailureText(error), error, this);
}

void frmPaganDiaryResultBOS::refreshKeywords() {
    const QSignalBlocker quiet(keywordList_->selectionModel());
    for (StoreStatus loaded = keywords_->load(section_); !loaded; loaded = keywords_->load(section_)) {
        if (!reportStoreError(loaded.error())) {
            return;
        }
    }
}

void frmPaganDiaryResultBOS::forgetSelection() {
    const QSignalBlocker quiet(keywordList_->selectionModel());
    keywordList_->selectionModel()->clear();
    // Lines the file would not give up before are tried again at the next look.
    keywords_->retryUnreadLines();
    keywordList_->viewport()->update();
}

std::optional<StoreResult<qint64>> frmPaganDiaryResultBOS::selectedIndex() {
    const int position = selectedPosition();
    if (position < 0) {
        return std::nullopt;
    }
    // A line whose page could not be read has no "Index" yet: acting on it would act on nothing without a word.
    StoreResult<qint64> index = keywords_->readIndexAt(position);
    while (!index && reportStoreError(index.error())) {
        index = keywords_->readIndexAt(position);
    }
    if (index) {
        keywordList_->viewport()->update();
    }
    return index;
}

void frmPaganDiaryResultBOS::showSelectedEntry() {
    const auto index = selectedIndex();
    if (!index || !*index) {
        return;
    }
    const StoreResult<DiaryEntry> entry = keywords_->store().entryWithIndex(section_, **index);
    shownEntry_.reset();
    if (entry) {
        shownEntry_ = *entry;
        keywordBox_->setText(entry->keyword);
        ShowStoredText(meaningBox_, entry->meaning);
    } else if (entry.error().cause != StoreCause::NoSuchRow) {
        // A row removed meanwhile leaves its line, which the list takes away as it follows the change.
        reportStoreError(entry.error());
    }
}

void frmPaganDiaryResultBOS::openOrCloseBook() {
    if (mode_ == Mode::Closed) {
        setMode(Mode::Open);
    } else if (mode_ == Mode::Open) {
        setMode(Mode::Closed);
    }
}

void frmPaganDiaryResultBOS::startAddingOrSaveNewEntry() {
    if (mode_ == Mode::Open) {
        setMode(Mode::Adding);
        keywordBox_->clear();
        meaningBox_->clear();
        keywordBox_->setFocus();
        return;
    }
    if (mode_ != Mode::Adding) {
        return;
    }
    // The checks look at the text as typed: a keyword of blanks passes and is stored empty. A failed check
    // keeps what was typed and puts the focus where something is missing; with nothing typed there is nothing
    // to keep, and the book goes back to Open so that the user is not held in Adding.
    const QString keyword = keywordBox_->text();
    const QString meaning = StoredText(meaningBox_);
    if (keyword.isEmpty() && meaning.isEmpty()) {
        MsgBox(tr("Please Enter Keyword And Its Corresponding Meaning"), MsgButtons::Ok, MsgIcon::Critical, this);
        setMode(Mode::Open);
        keywordBox_->setFocus();
        return;
    }
    if (keyword.isEmpty()) {
        MsgBox(tr("Please Enter The Keyword"), MsgButtons::Ok, MsgIcon::Critical, this);
        keywordBox_->setFocus();
        return;
    }
    if (meaning.isEmpty()) {
        MsgBox(tr("Please Enter The Meaning Of The Keyword"), MsgButtons::Ok, MsgIcon::Critical, this);
        meaningBox_->setFocus();
        return;
    }
    // One key for the add and its retries: a retry after a lost answer finds the entry instead of adding it again.
    const QUuid key = QUuid::createUuid();
    for (StoreResult<qint64> added = keywords_->store().add(section_, keyword, meaning, key); !added;
         added = keywords_->store().add(section_, keyword, meaning, key)) {
        // Still adding, with the typed text, so the user can try again or copy it away.
        if (!reportStoreError(added.error())) {
            keywordBox_->setFocus();
            return;
        }
    }
    // The list has taken in the new line as it follows the change.
    setMode(Mode::Open);
    keywordBox_->clear();
    meaningBox_->clear();
    keywordBox_->setFocus();
    forgetSelection();
}

void frmPaganDiaryResultBOS::removeSelectedEntry() {
    if (mode_ != Mode::Open) {
        return;
    }
    const auto index = selectedIndex();
    if (!index) {
        // With no line selected nothing is removed, and the list is read again.
        refreshKeywords();
        forgetSelection();
        return;
    }
    if (!*index) {
        return; // said already, and the user chose not to try again
    }
    // The line reaches its row by the "Index" read with the list, so the row removed is the one the line
    // shows even if another program has changed the table since; the list takes its line away as it follows
    // the change.
    // Given the entry as the boxes showed it, so that a change someone else made since is not removed unseen.
    std::optional<DiaryEntry> shown =
        shownEntry_ && shownEntry_->Index == **index ? shownEntry_ : std::optional<DiaryEntry>();
    const auto removeEntry = [&] {
        // The list moves its selection off the line it takes away; the boxes are emptied after, so no other entry is
        // read and shown meanwhile.
        const QSignalBlocker quiet(keywordList_->selectionModel());
        return keywords_->store().removeKept(section_, **index, shown);
    };
    StoreResult<KeptRow> removed = removeEntry();
    while (!removed && removed.error().cause != StoreCause::NoSuchRow) {
        if (removed.error().cause == StoreCause::Changed) {
            if (MsgBox(DiaryBookMessages::RemoveChangedEntry(removed.error().what), MsgButtons::YesNo,
                       MsgIcon::Information, this) != MsgResult::Yes) {
                showSelectedEntry();
                return;
            }
            shown.reset();
        } else if (!reportStoreError(removed.error())) {
            break;
        }
        removed = removeEntry();
    }
    if (removed || removed.error().cause == StoreCause::NoSuchRow) {
        // Set rather than cleared: a box's own undo would bring the removed text back into the box, not the entry.
        keywordBox_->setText(QString());
        meaningBox_->clear();
    }
    if (removed) {
        removed_.append({*removed, nullptr});
        nameUndoItem();
    }
    forgetSelection();
}

void frmPaganDiaryResultBOS::nameUndoItem() {
    undoItem_->setEnabled(!removed_.isEmpty());
    if (!removed_.isEmpty() && removed_.constLast().imported) {
        undoItem_->setText(frmImportCsv::UndoCaption(removed_.constLast().imported->fileName));
    } else {
        undoItem_->setText(DiaryBookMessages::UndoCaption(
            removed_.isEmpty() ? QString() : removed_.constLast().entry->text(QStringLiteral("keyword"))));
    }
    if (auto* undoImport = findChild<QAction*>(QStringLiteral("mnuUndoImport"))) {
        undoImport->setEnabled(std::any_of(removed_.cbegin(), removed_.cend(),
                                           [](const Undoable& undoable) { return bool(undoable.imported); }));
    }
}

void frmPaganDiaryResultBOS::NoteImported(std::shared_ptr<CsvImport::Imported> imported) {
    removed_.append({std::nullopt, std::move(imported)});
    nameUndoItem();
}

void frmPaganDiaryResultBOS::UndoImport() {
    for (auto latest = removed_.size() - 1; latest >= 0; --latest) {
        if (const std::shared_ptr<CsvImport::Imported> imported = removed_.at(latest).imported) {
            if (frmImportCsv::UndoImport(*imported, this)) {
                removed_.removeAt(latest);
                nameUndoItem();
            }
            return;
        }
    }
}

void frmPaganDiaryResultBOS::undoRemoval() {
    if (removed_.isEmpty()) {
        return;
    }
    if (removed_.constLast().imported) {
        UndoImport();
        return;
    }
    const KeptRow row = *removed_.constLast().entry;
    StoreResult<RowPutBack> back = keywords_->store().putBack(row);
    while (!back && reportStoreError(back.error())) {
        back = keywords_->store().putBack(row);
    }
    if (!back) {
        return;
    }
    removed_.removeLast();
    qCInfo(VelloranDiaryLog, "entry %lld of %s put back as %lld", row.key, qUtf8Printable(row.table), back->key);
    nameUndoItem();
    const std::optional<DiarySection> section = DiaryStore::sectionOf(row);
    if (!back->underOwnKey && section) {
        MsgBox(DiaryBookMessages::PutBackAsNew(row.text(QStringLiteral("keyword")), DiarySectionName(*section)),
               MsgButtons::Ok, MsgIcon::Information, this);
    }
    // Shown as a click on its line shows it, unless an entry is being added or edited.
    if (section) {
        ShowEntry(*section, back->key);
    }
}

void frmPaganDiaryResultBOS::startEditingOrSaveEditedEntry() {
    if (mode_ == Mode::Editing) {
        saveEditedEntry();
        return;
    }
    if (mode_ != Mode::Open) {
        return;
    }
    const auto index = selectedIndex();
    if (index && !*index) {
        return; // the selected line could not be read: said, and the book stays Open
    }
    editing_ = index ? std::optional<qint64>(**index) : std::nullopt;
    editedFrom_.reset();
    if (editing_) {
        // Without the entry as it stands now, a save could only write blind over whatever someone else saved since:
        // no editing until it can be read.
        StoreResult<DiaryEntry> entry = keywords_->store().entryWithIndex(section_, *editing_);
        while (!entry && reportStoreError(entry.error())) {
            entry = keywords_->store().entryWithIndex(section_, *editing_);
        }
        if (!entry) {
            editing_.reset();
            return;
        }
        editedFrom_ = *entry;
    }
    setMode(Mode::Editing);
    keywordBox_->setFocus();
}

void frmPaganDiaryResultBOS::saveEditedEntry() {
    DiaryStore& store = keywords_->store();
    if (editing_) {
        const QString keyword = keywordBox_->text();
        const QString meaning = StoredText(meaningBox_);
        std::optional<DiaryEntry> shown = editedFrom_;
        StoreStatus saved = store.update(section_, *editing_, keyword, meaning, shown);
        bool asNew = false;
        while (!saved && saved.error().cause != StoreCause::NoSuchRow) {
            if (saved.error().cause == StoreCause::Changed) {
                // Someone else saved this entry since editing began: the user chooses whose text stays.
                const MsgResult choice = AskAboutChangedRecord(saved.error(), this);
                if (choice != MsgResult::SaveMine) {
                    asNew = choice == MsgResult::SaveAsNew;
                    break;
                }
                shown.reset();
            } else if (!reportStoreError(saved.error())) {
                keywordBox_->setFocus();
                return;
            }
            saved = store.update(section_, *editing_, keyword, meaning, shown);
        }
        // Another program removed the row: the text would be lost without a word unless it goes in as new.
        if (!saved && saved.error().cause == StoreCause::NoSuchRow) {
            asNew = MsgBox(DiaryBookMessages::EntryGone(DiarySectionName(section_)), MsgButtons::YesNo, MsgIcon::None,
                           this) == MsgResult::Yes;
        }
        if (asNew) {
            if (const StoreResult<qint64> added = store.add(section_, keyword, meaning); !added) {
                reportStoreError(added.error());
                keywordBox_->setFocus();
                return;
            }
        }
    }
    const bool hadTarget = editing_.has_value();
    editing_.reset();
    editedFrom_.reset();
    setMode(Mode::Open);
    keywordBox_->setFocus();
    if (!hadTarget) {
        // Nothing was selected, so nothing was written; the list is read again all the same.
        refreshKeywords();
    }
    forgetSelection();
}

void frmPaganDiaryResultBOS::exitSection() {
    if (mode_ == Mode::Open) {
        backToChooser();
    }
}

// Back to the chooser with its earlier choice; the launcher stays hidden.
void frmPaganDiaryResultBOS::backToChooser() {
    Windows::Show<frmPaganDiaryMain>();
    leavingToChooser_ = true;
    Windows::UnloadForm(this);
}

frmPaganDiaryResultBOS::Shown frmPaganDiaryResultBOS::ShowEntry(DiarySection section, qint64 index) {
    if (mode_ == Mode::Adding || mode_ == Mode::Editing) {
        return Shown::Busy;
    }
    if (section != section_) {
        // As the chooser would have opened that section.
        turnTo(section);
    }
    if (mode_ == Mode::Closed) {
        setMode(Mode::Open);
    }
    StoreResult<qint64> position = keywords_->store().positionOfIndex(section_, index);
    while (!position && position.error().cause != StoreCause::NoSuchRow) {
        if (!reportStoreError(position.error())) {
            return Shown::Failed;
        }
        position = keywords_->store().positionOfIndex(section_, index);
    }
    if (!position) {
        return Shown::Gone;
    }
    // Another program may have changed the section since the list was read: its lines would be out of place.
    keywords_->store().source().checkForOutsideChanges();
    if (*position >= keywords_->rowCount() || keywords_->indexAt(int(*position)) != index) {
        refreshKeywords();
    }
    const QModelIndex line = keywords_->index(int(*position), 0);
    {
        const QSignalBlocker quiet(keywordList_->selectionModel());
        keywordList_->selectionModel()->setCurrentIndex(line, QItemSelectionModel::ClearAndSelect);
    }
    keywordList_->scrollTo(line);
    showSelectedEntry();
    return Shown::Yes;
}

void frmPaganDiaryResultBOS::onUnload() {
    Windows::Unload<frmDiaryFind>();
    DataBackup::BackUpIfChangedSinceToolOpened();
    if (!leavingToChooser_) {
        ShowLauncher();
    }
}
