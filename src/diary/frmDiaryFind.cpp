#include "diary/frmDiaryFind.h"

#include "commands/Exports.h"
#include "diary/DiaryValues.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Windows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

namespace DiaryFindTexts {
QString Caption() {
    return frmDiaryFind::tr("Find in the Diary");
}

QString AllSections() {
    return frmDiaryFind::tr("Search &all four sections");
}

QString FinishFirst() {
    return frmDiaryFind::tr("Save the entry you are adding or editing first.");
}

QString Gone() {
    return frmDiaryFind::tr("This entry is no longer in the diary.");
}

QString Count(qsizetype found, qsizetype listed) {
    if (found == 1) {
        return frmDiaryFind::tr("1 entry found");
    }
    if (found == 0) {
        return frmDiaryFind::tr("No entry found");
    }
    if (listed < found) {
        return frmDiaryFind::tr("%1 entries found; the first %2 are listed, more words find fewer")
            .arg(QString::number(found), QString::number(listed));
    }
    return frmDiaryFind::tr("%1 entries found").arg(found);
}
} // namespace DiaryFindTexts

namespace {
constexpr int kSectionRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
} // namespace

StoreStatus FindDiaryEntries(DiaryStore& store, const QList<DiarySection>& sections, const QString& text,
                             QList<DiaryFound>& out, qsizetype* total, qsizetype limit) {
    out.clear();
    qsizetype counted = 0;
    if (total) {
        *total = 0;
    }
    const auto take = [&](DiarySection section, const DiaryEntry& entry) {
        if (counted++ < limit) {
            out.append({section, entry});
        }
    };
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList words = Exports::FoldForSearch(text).split(blanks, Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return Done{};
    }
    for (const DiarySection section : sections) {
        StoreStatus read = store.entriesThatMayHold(section, words, [&](const DiaryEntry& entry, bool surely) {
            if (surely) {
                take(section, entry);
                return;
            }
            const QString folded =
                Exports::FoldForSearch(entry.keyword) + QLatin1Char('\n') + Exports::FoldForSearch(entry.meaning);
            if (std::all_of(words.cbegin(), words.cend(), [&folded](const QString& w) { return folded.contains(w); })) {
                take(section, entry);
            }
        });
        if (!read) {
            return read;
        }
    }
    if (total) {
        *total = counted;
    }
    return Done{};
}

frmDiaryFind::frmDiaryFind() : store_(DiaryFilePath()) {
    setObjectName(QStringLiteral("frmDiaryFind"));
    setWindowTitle(DiaryFindTexts::Caption());
    setFont(Look::Verdana(8.25));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    auto* grid = new QGridLayout(client);

    findLabel_ = new QLabel(tr("&Find:"), client);
    findLabel_->setObjectName(QStringLiteral("lblFind"));
    searchField_ = new QLineEdit(client);
    searchField_->setObjectName(QStringLiteral("txtFind"));
    searchField_->setClearButtonEnabled(true);
    findLabel_->setBuddy(searchField_);
    grid->addWidget(findLabel_, 0, 0);
    grid->addWidget(searchField_, 0, 1);
    allSectionsBox_ = new QCheckBox(DiaryFindTexts::AllSections(), client);
    allSectionsBox_->setObjectName(QStringLiteral("chkAllSections"));
    grid->addWidget(allSectionsBox_, 1, 1);

    foundList_ = new QTreeWidget(client);
    foundList_->setAccessibleName(tr("Entries found"));
    foundList_->setObjectName(QStringLiteral("lstFound"));
    foundList_->setColumnCount(2);
    foundList_->setHeaderLabels({tr("Keyword"), tr("Section")});
    foundList_->setRootIsDecorated(false);
    foundList_->setUniformRowHeights(true);
    foundList_->header()->setStretchLastSection(false);
    foundList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid->addWidget(foundList_, 2, 0, 1, 2);

    countLabel_ = new QLabel(client);
    countLabel_->setObjectName(QStringLiteral("lblCount"));
    grid->addWidget(countLabel_, 3, 0, 1, 2);
    closeButton_ = new QPushButton(tr("&Close"), client);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    grid->addWidget(closeButton_, 4, 1, Qt::AlignRight);

    connect(searchField_, &QLineEdit::textChanged, this, &frmDiaryFind::search);
    connect(allSectionsBox_, &QCheckBox::toggled, this, &frmDiaryFind::search);
    connect(&store_.source(), &DataSource::changed, this, &frmDiaryFind::searchSoon);
    searchSoon_.setSingleShot(true);
    searchSoon_.setInterval(0);
    connect(&searchSoon_, &QTimer::timeout, this, &frmDiaryFind::search);
    connect(foundList_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { showFoundEntry(item); });
    connect(foundList_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { showFoundEntry(item); });
    connect(closeButton_, &QPushButton::clicked, this, [this] { Windows::UnloadForm(this); });
    resize(420, 360);
}

void frmDiaryFind::onLoad() {
    search();
}

void frmDiaryFind::searchSoon() {
    // A zero-time single shot that starting again does not repeat: a run of changes makes one search.
    searchSoon_.start();
}

void frmDiaryFind::search() {
    foundList_->clear();
    QList<DiarySection> sections;
    if (allSectionsBox_->isChecked()) {
        sections = QList<DiarySection>(AllDiarySections.cbegin(), AllDiarySections.cend());
    } else if (frmPaganDiaryResultBOS* book = Windows::Loaded<frmPaganDiaryResultBOS>()) {
        sections = {book->section()};
    } else {
        sections = {DiarySection::Spell};
    }
    QList<DiaryFound> found;
    qsizetype total = 0;
    if (const StoreStatus read = FindDiaryEntries(store_, sections, searchField_->text(), found, &total, MaxListed);
        !read) {
        countLabel_->setText(read.error().text());
        return;
    }
    QList<QTreeWidgetItem*> items;
    for (const DiaryFound& hit : found) {
        auto* item = new QTreeWidgetItem({hit.entry.keyword, DiarySectionName(hit.section)});
        item->setData(0, kSectionRole, int(hit.section));
        item->setData(0, kIndexRole, hit.entry.Index);
        item->setToolTip(0, hit.entry.meaning);
        items << item;
    }
    foundList_->addTopLevelItems(items);
    countLabel_->setText(searchField_->text().trimmed().isEmpty() ? QString()
                                                                  : DiaryFindTexts::Count(total, found.size()));
}

void frmDiaryFind::showFoundEntry(QTreeWidgetItem* item) {
    if (!item) {
        return;
    }
    frmPaganDiaryResultBOS* book = Windows::Loaded<frmPaganDiaryResultBOS>();
    if (!book) {
        return;
    }
    const auto section = DiarySectionFromIndex(item->data(0, kSectionRole).toInt()).value_or(DiarySection::Spell);
    switch (book->ShowEntry(section, item->data(0, kIndexRole).toLongLong())) {
    case frmPaganDiaryResultBOS::Shown::Yes:
        book->raise();
        book->activateWindow();
        break;
    case frmPaganDiaryResultBOS::Shown::Busy:
        MsgBox(DiaryFindTexts::FinishFirst(), MsgButtons::Ok, MsgIcon::Information, this);
        break;
    case frmPaganDiaryResultBOS::Shown::Gone:
        MsgBox(DiaryFindTexts::Gone(), MsgButtons::Ok, MsgIcon::Information, this);
        search();
        break;
    case frmPaganDiaryResultBOS::Shown::Failed:
        break;
    }
}
