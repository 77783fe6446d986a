#include "dowsing/frmDowsingAllRecord.h"

#include "core/Application.h"
#include "dowsing/DowsingSheet.h"
#include "dowsing/frmDowsingMain.h"
#include "dowsing/frmDowsingSave.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/StoreMessages.h"
#include "ui/TextBoxes.h"
#include "ui/Windows.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QTextCursor>
#include <QTextEdit>

namespace DowsingGridMessages {
QString NoRecord() {
    return frmDowsingAllRecord::tr("There Is No Record !");
}

QString Instructions() {
    return frmDowsingAllRecord::tr("To Select Your Record, Move the Arrow Up and Down to the Chosen Row and  Double "
                                   "Click to See Complete Record Details. ");
}
} // namespace DowsingGridMessages

namespace {
const QColor kFrameGrey{128, 128, 128};
const QColor kYellow{255, 255, 0};
const QColor kGreen{0, 255, 0};
const QString kLineBreak = QStringLiteral("\r\n");

// The record selector down the grid's left side: an arrow marks the current row, the one a double click opens.
class RecordSelector : public QHeaderView {
  public:
    explicit RecordSelector(QTableView* grid) : QHeaderView(Qt::Vertical, grid), grid_(grid) {}

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        if (logicalIndex != grid_->currentIndex().row()) {
            return;
        }
        const int h = std::min(rect.height(), rect.width()) / 3;
        const QPoint c = rect.center();
        const QPolygon arrow(
            {QPoint(c.x() - h / 2, c.y() - h), QPoint(c.x() - h / 2, c.y() + h), QPoint(c.x() + h / 2 + 1, c.y())});
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::ButtonText));
        painter->drawPolygon(arrow);
        painter->restore();
    }

  private:
    QTableView* grid_;
};
} // namespace

namespace {
void writeParagraphs(QTextDocument* document, const QList<DowsingSheetParagraph>& paragraphs) {
    document->clear();
    QTextCursor caret(document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const DowsingSheetParagraph& paragraph : paragraphs) {
        caret.insertText(paragraph.label + paragraph.text + kLineBreak + kLineBreak, bold);
    }
}
} // namespace

void WriteSheetText(QTextDocument* document, const DowsingRecord& record) {
    writeParagraphs(document, DowsingSheetParagraphs(record));
}

void WriteSheetText(QTextEdit* box, const DowsingRecord& record) {
    box->clear();
    const QList<DowsingSheetParagraph> paragraphs = DowsingSheetParagraphs(record);
    QString whole;
    for (const DowsingSheetParagraph& paragraph : paragraphs) {
        whole += paragraph.text + kLineBreak;
    }
    FitWrapToText(box, whole);
    writeParagraphs(box->document(), paragraphs);
    box->moveCursor(QTextCursor::Start);
}

void OpenOnRecordSheet(const DowsingRecord& record, qint64 rowIndex, Form* from) {
    frmDowsingSave* sheet = Windows::Load<frmDowsingSave>();
    if (!sheet) {
        return;
    }
    sheet->ShowRecord(record, rowIndex);
    if (from) {
        Windows::HideForm(from);
    }
    if (Windows::Show<frmDowsingSave>()) {
        sheet->MoveToTopLeft();
    }
}

frmDowsingAllRecord::frmDowsingAllRecord() {
    setObjectName(QStringLiteral("frmDowsingAllRecord"));
    setWindowTitle(QStringLiteral("Quarrow"));
    setFont(Look::Verdana(8.25));

    frmFourItem = new QFrame(this);
    frmFourItem->setObjectName(QStringLiteral("frmFourItem"));
    frmFourItem->setFrameShape(QFrame::Box);
    frmFourItem->setFixedSize(Look::Twips(10830), Look::Twips(5685));
    Look::SetBackground(frmFourItem, kFrameGrey);
    setCentralWidget(frmFourItem);

    titleLabel = new QLabel(tr("Short Summary Of Dowsing Records"), frmFourItem);
    titleLabel->setObjectName(QStringLiteral("Label2"));
    titleLabel->setTextFormat(Qt::PlainText);
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setFont(Look::Verdana(12, true));
    Look::SetTextColour(titleLabel, kYellow);
    titleLabel->setGeometry(8, 8, 706, 26);

    // The grid's caption bar sits on top of its column headers.
    DataGridCaption = new QLabel(tr("Dowsing Records"), frmFourItem);
    DataGridCaption->setObjectName(QStringLiteral("DataGridCaption"));
    DataGridCaption->setTextFormat(Qt::PlainText);
    DataGridCaption->setAlignment(Qt::AlignCenter);
    DataGridCaption->setFrameShape(QFrame::Panel);
    DataGridCaption->setFrameShadow(QFrame::Raised);
    DataGridCaption->setFont(Look::Verdana(8.25, true));
    Look::SetBackground(DataGridCaption, palette().color(QPalette::Button));
    Look::SetTextColour(DataGridCaption, palette().color(QPalette::ButtonText));
    DataGridCaption->setGeometry(8, 40, 706, 22);

    DataGrid = new QTableView(frmFourItem);
    DataGrid->setObjectName(QStringLiteral("DataGrid"));
    DataGrid->setAccessibleName(tr("Dowsing Records"));
    DataGrid->setFont(Look::Verdana(8.25));
    DataGrid->setGeometry(8, 62, 706, 244);
    DataGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid->setWordWrap(false);
    DataGrid->setTabKeyNavigation(false);
    DataGrid->setVerticalHeader(new RecordSelector(DataGrid));
    DataGrid->horizontalHeader()->setFont(Look::Verdana(8.25, true));
    // Fixed row heights: the view must never measure 32,767 rows to lay them out.
    DataGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DataGrid->verticalHeader()->setDefaultSectionSize(DataGrid->fontMetrics().height() + 6);
    DataGrid->verticalHeader()->setFixedWidth(20);
    DataGrid->horizontalHeader()->setDefaultSectionSize(110);

    instructionsLabel = new QLabel(DowsingGridMessages::Instructions(), frmFourItem);
    instructionsLabel->setObjectName(QStringLiteral("Label1"));
    instructionsLabel->setTextFormat(Qt::PlainText);
    instructionsLabel->setWordWrap(true);
    instructionsLabel->setFont(Look::Verdana(8.25, true));
    Look::SetTextColour(instructionsLabel, kGreen);
    instructionsLabel->setGeometry(8, 314, 560, 56);

    cmdBack = new QPushButton(tr("&Back"), frmFourItem);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setFont(Look::Verdana(8.25, true));
    cmdBack->setGeometry(604, 322, 110, 36);

    // The frame's menu bar shows this menu while the grid is the active window.
    mnuFile = new QMenu(tr("&File"), this);
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->setFont(Look::Verdana(8.25));
    mnuPrint = mnuFile->addAction(tr("&Print"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    // Stored unavailable: the grid holds no document to print; the record sheet prints.
    mnuPrint->setEnabled(false);
    mnuBack = mnuFile->addAction(tr("&Back"));
    mnuBack->setObjectName(QStringLiteral("mnuBack"));

    connect(cmdBack, &QPushButton::clicked, this, &frmDowsingAllRecord::backToWizard);
    connect(mnuBack, &QAction::triggered, this, &frmDowsingAllRecord::backToWizard);
    // A double click anywhere on the grid opens the current row, the one the arrow marks: on a cell, below the
    // last row, on the record selectors or on the column captions alike.
    for (QWidget* part :
         {DataGrid->viewport(), DataGrid->verticalHeader()->viewport(), DataGrid->horizontalHeader()->viewport()}) {
        part->installEventFilter(this);
    }

    setFixedSize(sizeHint());
}

frmDowsingAllRecord::~frmDowsingAllRecord() = default;

QList<QAction*> frmDowsingAllRecord::frameMenuItems() const {
    return {mnuFile->menuAction()};
}

void frmDowsingAllRecord::onLoad() {
    store_ = std::make_unique<DowsingStore>(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    model_ = std::make_unique<DowsingGridModel>(*store_);
    // A file that cannot be read is said to be so, never shown as an empty table.
    StoreStatus loaded = model_->reload();
    while (!loaded && StoreFailureRetry(StoreFailureText(loaded.error()), loaded.error(), this)) {
        loaded = model_->reload();
    }
    DataGrid->setModel(model_.get());
    connect(DataGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, DataGrid->verticalHeader(),
            [this] { DataGrid->verticalHeader()->viewport()->update(); });
    // Said after the paint that found it; the page stays failed, and unread, until the user chooses.
    connect(model_.get(), &DowsingGridModel::readFailed, this, &frmDowsingAllRecord::sayUnreadRecords,
            Qt::QueuedConnection);
    // The records changed, here or in another program: the grid shows them as they are now, near the row it
    // was on.
    connect(model_.get(), &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { rowBeforeChange_ = DataGrid->currentIndex().row(); });
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &frmDowsingAllRecord::followRecords);
    if (!loaded) {
        DataGrid->setEnabled(false);
        return;
    }
    if (model_->rowCount() == 0) {
        MsgBox(DowsingGridMessages::NoRecord(), MsgButtons::Ok, MsgIcon::Information, this);
        DataGrid->setEnabled(false);
        return;
    }
    DataGrid->setCurrentIndex(model_->index(0, 0));
}

void frmDowsingAllRecord::followRecords() {
    const int rows = model_->rowCount();
    DataGrid->setEnabled(rows > 0);
    if (rows > 0) {
        DataGrid->setCurrentIndex(model_->index(std::clamp(rowBeforeChange_, 0, rows - 1), 0));
    }
}

void frmDowsingAllRecord::sayUnreadRecords(const StoreError& error) {
    if (model_ && model_->hasUnreadPages() && StoreFailureRetry(StoreFailureText(error), error, this)) {
        model_->retry();
    }
}

void frmDowsingAllRecord::onUnload() {
    DataGrid->setModel(nullptr);
    model_.reset();
    store_.reset();
}

void frmDowsingAllRecord::openCurrentRecord() {
    if (!DataGrid->isEnabled() || !model_) {
        return;
    }
    const QModelIndex current = DataGrid->currentIndex();
    if (!current.isValid()) {
        return;
    }
    // The user acts on a row whose page could not be read: that is the time to try the file again.
    if (model_->hasUnreadPages()) {
        model_->retry();
    }
    const std::optional<DowsingRecord> record = model_->record(current.row());
    if (!record) {
        return;
    }
    OpenOnRecordSheet(*record, current.row(), this);
}

bool frmDowsingAllRecord::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        (watched == DataGrid->viewport() || watched == DataGrid->verticalHeader()->viewport() ||
         watched == DataGrid->horizontalHeader()->viewport())) {
        openCurrentRecord();
        return true;
    }
    return DowsingChildWindow::eventFilter(watched, event);
}

void frmDowsingAllRecord::backToWizard() {
    Windows::Show<frmDowsingMain>();
    Windows::UnloadForm(this);
}

void frmDowsingAllRecord::Rebuild() {
    if (frmDowsingAllRecord* grid = Windows::Loaded<frmDowsingAllRecord>()) {
        grid->backToWizard();
    }
    if (frmDowsingMain* wizard = Windows::Show<frmDowsingMain>()) {
        wizard->ShowAllRecords();
    }
}
