#include "dowsing/frmDowsingFind.h"

#include "core/Application.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/StoreMessages.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProgressDialog>

namespace DowsingFindTexts {
QString Caption() {
    return frmDowsingFind::tr("Find Records");
}

QString Hint() {
    return frmDowsingFind::tr("Type any words of a record or its date. Double click a record to see its sheet; click a "
                              "column caption to sort.");
}

QString Count(int shown, bool more, std::optional<qint64> found) {
    if (more && found) {
        return frmDowsingFind::tr("%L1 records found; %L2 shown, scroll down for more")
            .arg(QLocale().toString(*found), QLocale().toString(shown));
    }
    if (more) {
        return frmDowsingFind::tr("%1 records shown; scroll down for more").arg(shown);
    }
    if (shown == 1) {
        return frmDowsingFind::tr("1 record found");
    }
    return shown == 0 ? frmDowsingFind::tr("No record found") : frmDowsingFind::tr("%1 records found").arg(shown);
}

QString NotSearchable(const QString& reason) {
    return frmDowsingFind::tr("The records cannot be searched.\r\n%1").arg(reason);
}

QString WaitingForIndex(int percent) {
    return frmDowsingFind::tr("Words are looked for once the search index is made (%1% so far).").arg(percent);
}

QString NotRead(const QString& reason) {
    return frmDowsingFind::tr("The next records found could not be read.\r\n%1").arg(reason);
}

QString Gone() {
    return frmDowsingFind::tr("This record was deleted meanwhile.");
}

QString MakingIndex() {
    return frmDowsingFind::tr("Making the search index of the records…");
}
} // namespace DowsingFindTexts

frmDowsingFind::frmDowsingFind() {
    setObjectName(QStringLiteral("frmDowsingFind"));
    setWindowTitle(DowsingFindTexts::Caption());
    setFont(Look::Verdana(8.25));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(8, 8, 8, 8);

    findLabel_ = new QLabel(tr("&Find:"), client);
    findLabel_->setObjectName(QStringLiteral("lblFind"));
    searchField_ = new QLineEdit(client);
    searchField_->setObjectName(QStringLiteral("txtFind"));
    searchField_->setClearButtonEnabled(true);
    findLabel_->setBuddy(searchField_);
    grid->addWidget(findLabel_, 0, 0);
    grid->addWidget(searchField_, 0, 1, 1, 2);

    foundGrid_ = new QTableView(client);
    foundGrid_->setObjectName(QStringLiteral("grdFound"));
    foundGrid_->setAccessibleName(DowsingFindTexts::Caption());
    foundGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    foundGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    foundGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    foundGrid_->setWordWrap(false);
    foundGrid_->setTabKeyNavigation(false);
    foundGrid_->verticalHeader()->hide();
    foundGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    foundGrid_->verticalHeader()->setDefaultSectionSize(foundGrid_->fontMetrics().height() + 6);
    foundGrid_->horizontalHeader()->setDefaultSectionSize(110);
    foundGrid_->horizontalHeader()->setFont(Look::Verdana(8.25, true));
    grid->addWidget(foundGrid_, 1, 0, 1, 3);

    countLabel_ = new QLabel(client);
    countLabel_->setObjectName(QStringLiteral("lblCount"));
    countLabel_->setFont(Look::Verdana(8.25, true));
    indexProgress_ = new QProgressBar(client);
    indexProgress_->setObjectName(QStringLiteral("prgIndex"));
    indexProgress_->setFormat(tr("Search index %p%"));
    indexProgress_->setAccessibleName(tr("Search index made so far"));
    indexProgress_->setRange(0, 100);
    indexProgress_->hide();
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(countLabel_, 1);
    countRow->addWidget(indexProgress_);
    grid->addLayout(countRow, 2, 0, 1, 2);
    closeButton_ = new QPushButton(tr("&Close"), client);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    grid->addWidget(closeButton_, 2, 2);
    hintLabel_ = new QLabel(DowsingFindTexts::Hint(), client);
    hintLabel_->setObjectName(QStringLiteral("lblHint"));
    hintLabel_->setWordWrap(true);
    grid->addWidget(hintLabel_, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(searchField_, &QLineEdit::textChanged, this, &frmDowsingFind::search);
    searchSoon_.setSingleShot(true);
    searchSoon_.setInterval(0);
    connect(&searchSoon_, &QTimer::timeout, this, &frmDowsingFind::search);
    countSoon_.setSingleShot(true);
    countSoon_.setInterval(150);
    connect(&countSoon_, &QTimer::timeout, this, [this] {
        if (model_) {
            model_->matchCount();
            // Tried once: a count the records would not give is tried again at the next page or search, not every
            // moment the window stays open.
            showCount(false);
        }
    });
    connect(closeButton_, &QPushButton::clicked, this, [this] { Windows::UnloadForm(this); });
    // Return opens the record chosen, from the list or from the box the words are typed in.
    connect(searchField_, &QLineEdit::returnPressed, this, &frmDowsingFind::openCurrentRecord);
    foundGrid_->installEventFilter(this);
    foundGrid_->viewport()->installEventFilter(this);
    setMinimumSize(722, 379);
    resize(722, 379);
}

frmDowsingFind::~frmDowsingFind() = default;

void frmDowsingFind::onLoad() {
    store_ = std::make_unique<DowsingStore>(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    StoreResult<QSqlDatabase> db = store_->database();
    while (!db && StoreFailureRetry(StoreFailureText(db.error()), db.error(), this)) {
        db = store_->database();
    }
    if (!db) {
        // Said already; the window stays, with nothing to search, until the user closes it.
        searchField_->setEnabled(false);
        countLabel_->setText(db.error().text().replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        return;
    }
    useModelOn(*db);
    // What is listed follows every change to the records, by this program or another.
    connect(&store_->source(), &DataSource::changed, this, [this](const DataChange& change) {
        // This program's own changes tell the index which records to look at again.
        if (!change.elsewhere && change.kind != DataChange::Kind::Unknown) {
            changedHere_ << change.key;
        }
        searchSoon();
    });
    if (store_->source().keepsWordsItself()) {
        indexReady_ = true;
    } else {
        // Every record is listed at once, without the words index; it is made, or caught up, meanwhile.
        indexMaker_ = std::make_unique<IndexMaker>(store_->filePath());
        connect(indexMaker_.get(), &IndexMaker::progressed, this, &frmDowsingFind::showIndexProgress);
        connect(indexMaker_.get(), &IndexMaker::finished, this, &frmDowsingFind::indexMade);
        indexMaker_->start();
    }
    search();
    searchField_->setFocus();
}

void frmDowsingFind::showIndexProgress(qint64 done, qint64 total) {
    indexProgress_->setValue(total > 0 ? int(done * 100 / total) : 0);
    indexProgress_->show();
    sayIfWaitingForIndex();
}

bool frmDowsingFind::sayIfWaitingForIndex() {
    if (DowsingSearch::ParseTerms(searchField_->text()).match.isEmpty()) {
        return false;
    }
    countLabel_->setText(DowsingFindTexts::WaitingForIndex(indexProgress_->value()));
    return true;
}

void frmDowsingFind::indexMade(const QString& why) {
    // Heard after the window was put away: nothing to show it in.
    if (!indexMaker_) {
        return;
    }
    indexProgress_->hide();
    if (!why.isEmpty()) {
        notSearchable(why, why != DowsingSearch::IndexStopped());
        return;
    }
    indexReady_ = true;
    search();
}

void frmDowsingFind::notSearchable(const QString& why, bool sayInBox) {
    searchField_->setEnabled(false);
    if (sayInBox) {
        MsgBox(DowsingFindTexts::NotSearchable(why), MsgButtons::Ok, MsgIcon::Critical, this);
    } else {
        countLabel_->setText(DowsingFindTexts::NotSearchable(why).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    }
}

void frmDowsingFind::useModelOn(const QSqlDatabase& db) {
    if (model_ && model_->database().connectionName() == db.connectionName()) {
        return;
    }
    // In number order at first, then in the order the user chose.
    const int column = model_ ? foundGrid_->horizontalHeader()->sortIndicatorSection() : 13;
    const Qt::SortOrder order = model_ ? foundGrid_->horizontalHeader()->sortIndicatorOrder() : Qt::AscendingOrder;
    auto made = std::make_unique<DowsingFindModel>(db, &store_->source());
    foundGrid_->setModel(made.get());
    model_ = std::move(made);
    connect(model_.get(), &QAbstractItemModel::rowsInserted, this, [this] { showCount(); });
    connect(model_.get(), &DowsingFindModel::pageFailed, this, &frmDowsingFind::sayUnreadPage, Qt::QueuedConnection);
    foundGrid_->setSortingEnabled(true);
    foundGrid_->horizontalHeader()->setSortIndicator(column, order);
}

QString frmDowsingFind::makeIndex(const QSqlDatabase& db) {
    if (store_->source().keepsWordsItself()) {
        return {};
    }
    // The index is made, or caught up with the records, now; a large one shows how far it got and can be stopped.
    // The dialog is made only when there is something to do: every search asks.
    const Windows::NestedLoop progressMayShow;
    std::unique_ptr<QProgressDialog> making;
    QString why = DowsingSearch::EnsureIndex(
        db,
        [this, &making](qint64 done, qint64 total) {
            if (!making) {
                making = std::make_unique<QProgressDialog>(DowsingFindTexts::MakingIndex(), tr("Cancel"), 0, 100,
                                                           VisibleWindowFor(this));
                making->setWindowTitle(DowsingFindTexts::Caption());
                making->setWindowModality(Qt::ApplicationModal);
                making->setMinimumDuration(500);
                making->setAutoClose(false);
                making->setAutoReset(false);
            }
            making->setValue(total > 0 ? int(done * 100 / total) : 0);
            return !making->wasCanceled();
        },
        changedHere_);
    if (why.isEmpty()) {
        changedHere_.clear();
    }
    return why;
}

void frmDowsingFind::onUnload() {
    // Stops the making of the index and waits for its thread; what it made is kept.
    indexMaker_.reset();
    foundGrid_->setModel(nullptr);
    model_.reset();
    store_.reset();
}

void frmDowsingFind::searchSoon() {
    // A zero-time single shot that starting again does not repeat: a run of changes makes one search.
    searchSoon_.start();
}

void frmDowsingFind::search() {
    if (!model_ || !searchField_->isEnabled()) {
        return;
    }
    const StoreResult<QSqlDatabase> db = store_->database();
    if (!db) {
        countLabel_->setText(
            DowsingFindTexts::NotSearchable(db.error().text()).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        return;
    }
    if (!indexReady_) {
        // Everything, or words without a letter or digit, can be listed without the index.
        if (sayIfWaitingForIndex()) {
            return;
        }
    } else if (const QString why = makeIndex(*db); !why.isEmpty()) {
        // The records may have changed since, here or in another program; when they have not, a look at the records
        // file's stamp costs a fraction of a millisecond.
        countLabel_->setText(DowsingFindTexts::NotSearchable(why).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        return;
    }
    useModelOn(*db);
    const qint64 shownId = currentRecordId();
    model_->setSearch(searchField_->text());
    if (model_->rowCount() > 0) {
        // Back on the record that was current, when it is still listed.
        int row = 0;
        for (int at = 0; shownId != 0 && at < model_->rowCount(); ++at) {
            if (model_->record(at)->IdNumber == shownId) {
                row = at;
                break;
            }
        }
        foundGrid_->setCurrentIndex(model_->index(row, 0));
    }
    showCount();
}

qint64 frmDowsingFind::currentRecordId() const {
    const QModelIndex current = foundGrid_->currentIndex();
    const std::optional<DowsingRecord> record = current.isValid() ? model_->record(current.row()) : std::nullopt;
    return record ? record->IdNumber : 0;
}

void frmDowsingFind::showCount(bool countLater) {
    if (!model_->lastError().isEmpty()) {
        countLabel_->setText(
            DowsingFindTexts::NotSearchable(model_->lastError()).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        return;
    }
    std::optional<qint64> found = model_->knownMatchCount();
    // With nothing typed every record matches, and the file keeps their count.
    if (!found && model_->terms().isEmpty()) {
        found = store_->count().value_or(-1);
        if (*found < 0) {
            found.reset();
        }
    }
    if (!found && countLater && model_->terms().likeTexts.isEmpty()) {
        countSoon_.start();
    }
    countLabel_->setText(DowsingFindTexts::Count(model_->rowCount(), model_->hasMore(), found));
}

void frmDowsingFind::sayUnreadPage(StoreError error) {
    showCount();
    error.file = store_->filePath();
    if (StoreFailureRetry(DowsingFindTexts::NotRead(error.text()), error, this)) {
        model_->retryPage();
        showCount();
    }
}

void frmDowsingFind::openCurrentRecord() {
    if (!model_) {
        return;
    }
    const qint64 id = currentRecordId();
    if (id == 0) {
        return;
    }
    // Read again: the list may be a moment behind a change made elsewhere, and a sheet must show what the file
    // holds, never a record that is gone.
    StoreResult<DowsingRecord> record = store_->find(id);
    while (!record && record.error().cause != StoreCause::NoSuchRow &&
           StoreFailureRetry(StoreFailureText(record.error()), record.error(), this)) {
        record = store_->find(id);
    }
    if (!record) {
        if (record.error().cause == StoreCause::NoSuchRow) {
            MsgBox(DowsingFindTexts::Gone(), MsgButtons::Ok, MsgIcon::Information, this);
            search();
        }
        return;
    }
    // The sheet's Edit and Delete count on the record's place in the table, as the grid gives it.
    const std::optional<qint64> row = model_->tableRow(record->IdNumber);
    OpenOnRecordSheet(*record, row.value_or(0), nullptr);
}

bool frmDowsingFind::eventFilter(QObject* watched, QEvent* event) {
    if (watched == foundGrid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openCurrentRecord();
            return true;
        }
    }
    if (watched == foundGrid_->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openCurrentRecord();
        return true;
    }
    return DowsingChildWindow::eventFilter(watched, event);
}
