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

    recordsFrame_ = new QFrame(this);
    recordsFrame_->setObjectName(QStringLiteral("frmFourItem"));
    recordsFrame_->setFrameShape(QFrame::Box);
    recordsFrame_->setFixedSize(Look::Twips(10830), Look::Twips(5685));
    Look::SetBackground(recordsFrame_, kFrameGrey);
    setCentralWidget(recordsFrame_);

    titleLabel_ = new QLabel(tr("Short Summary Of Dowsing Records"), recordsFrame_);
    titleLabel_->setObjectName(QStringLiteral("Label2"));
    titleLabel_->setTextFormat(Qt::PlainText);
    titleLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_->setFont(Look::Verdana(12, true));
    Look::SetTextColour(titleLabel_, kYellow);
    titleLabel_->setGeometry(8, 8, 706, 26);

    // The grid's caption bar sits on top of its column headers.
    gridCaption_ = new QLabel(tr("Dowsing Records"), recordsFrame_);
    gridCaption_->setObjectName(QStringLiteral("DataGridCaption"));
    gridCaption_->setTextFormat(Qt::PlainText);
    gridCaption_->setAlignment(Qt::AlignCenter);
    gridCaption_->setFrameShape(QFrame::Panel);
    gridCaption_->setFrameShadow(QFrame::Raised);
    gridCaption_->setFont(Look::Verdana(8.25, true));
    Look::SetBackground(gridCaption_, palette().color(QPalette::Button));
    Look::SetTextColour(gridCaption_, palette().color(QPalette::ButtonText));
    gridCaption_->setGeometry(8, 40, 706, 22);

    recordsGrid_ = new QTableView(recordsFrame_);
    recordsGrid_->setObjectName(QStringLiteral("DataGrid"));
    recordsGrid_->setAccessibleName(tr("Dowsing Records"));
    recordsGrid_->setFont(Look::Verdana(8.25));
    recordsGrid_->setGeometry(8, 62, 706, 244);
    recordsGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    recordsGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    recordsGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    recordsGrid_->setWordWrap(false);
    recordsGrid_->setTabKeyNavigation(false);
    recordsGrid_->setVerticalHeader(new RecordSelector(recordsGrid_));
    recordsGrid_->horizontalHeader()->setFont(Look::Verdana(8.25, true));
    // Fixed row heights: the view must never measure 32,767 rows to lay them out.
    recordsGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    recordsGrid_->verticalHeader()->setDefaultSectionSize(recordsGrid_->fontMetrics().height() + 6);
    recordsGrid_->verticalHeader()->setFixedWidth(20);
    recordsGrid_->horizontalHeader()->setDefaultSectionSize(110);

    instructionsLabel_ = new QLabel(DowsingGridMessages::Instructions(), recordsFrame_);
    instructionsLabel_->setObjectName(QStringLiteral("Label1"));
    instructionsLabel_->setTextFormat(Qt::PlainText);
    instructionsLabel_->setWordWrap(true);
    instructionsLabel_->setFont(Look::Verdana(8.25, true));
    Look::SetTextColour(instructionsLabel_, kGreen);
    instructionsLabel_->setGeometry(8, 314, 560, 56);

    backButton_ = new QPushButton(tr("&Back"), recordsFrame_);
    backButton_->setObjectName(QStringLiteral("cmdBack"));
    backButton_->setFont(Look::Verdana(8.25, true));
    backButton_->setGeometry(604, 322, 110, 36);

    // The frame's menu bar shows this menu while the grid is the active window.
    fileMenu_ = new QMenu(tr("&File"), this);
    fileMenu_->setObjectName(QStringLiteral("mnuFile"));
    fileMenu_->setFont(Look::Verdana(8.25));
    printItem_ = fileMenu_->addAction(tr("&Print"));
    printItem_->setObjectName(QStringLiteral("mnuPrint"));
    // Stored unavailable: the grid holds no document to print; the record sheet prints.
    printItem_->setEnabled(false);
    backItem_ = fileMenu_->addAction(tr("&Back"));
    backItem_->setObjectName(QStringLiteral("mnuBack"));

    connect(backButton_, &QPushButton::clicked, this, &frmDowsingAllRecord::backToWizard);
    connect(backItem_, &QAction::triggered, this, &frmDowsingAllRecord::backToWizard);
    // A double click anywhere on the grid opens the current row, the one the arrow marks: on a cell, below the
    // last row, on the record selectors or on the column captions alike.
    for (QWidget* part : {recordsGrid_->viewport(), recordsGrid_->verticalHeader()->viewport(),
                          recordsGrid_->horizontalHeader()->viewport()}) {
        part->installEventFilter(this);
    }

    setFixedSize(sizeHint());
}

frmDowsingAllRecord::~frmDowsingAllRecord() = default;

QList<QAction*> frmDowsingAllRecord::frameMenuItems() const {
    return {fileMenu_->menuAction()};
}

void frmDowsingAllRecord::onLoad() {
    store_ = std::make_unique<DowsingStore>(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    model_ = std::make_unique<DowsingGridModel>(*store_);
    // A file that cannot be read is said to be so, never shown as an empty table.
    StoreStatus loaded = model_->reload();
    while (!loaded && StoreFailureRetry(StoreFailureText(loaded.error()), loaded.error(), this)) {
        loaded = model_->reload();
    }
    recordsGrid_->setModel(model_.get());
    connect(recordsGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, recordsGrid_->verticalHeader(),
            [this] { recordsGrid_->verticalHeader()->viewport()->update(); });
    // Said after the paint that found it; the page stays failed, and unread, until the user chooses.
    connect(model_.get(), &DowsingGridModel::readFailed, this, &frmDowsingAllRecord::sayUnreadRecords,
            Qt::QueuedConnection);
    // The records changed, here or in another program: the grid shows them as they are now, near the row it
    // was on.
    connect(model_.get(), &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { rowBeforeChange_ = recordsGrid_->currentIndex().row(); });
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &frmDowsingAllRecord::followRecords);
    if (!loaded) {
        recordsGrid_->setEnabled(false);
        return;
    }
    if (model_->rowCount() == 0) {
        MsgBox(DowsingGridMessages::NoRecord(), MsgButtons::Ok, MsgIcon::Information, this);
        recordsGrid_->setEnabled(false);
        return;
    }
    recordsGrid_->setCurrentIndex(model_->index(0, 0));
}

void frmDowsingAllRecord::followRecords() {
    const int rows = model_->rowCount();
    recordsGrid_->setEnabled(rows > 0);
    if (rows > 0) {
        recordsGrid_->setCurrentIndex(model_->index(std::clamp(rowBeforeChange_, 0, rows - 1), 0));
    }
}

void frmDowsingAllRecord::sayUnreadRecords(const StoreError& error) {
    if (model_ && model_->hasUnreadPages() && StoreFailureRetry(StoreFailureText(error), error, this)) {
        model_->retry();
    }
}

void frmDowsingAllRecord::onUnload() {
    recordsGrid_->setModel(nullptr);
    model_.reset();
    store_.reset();
}

void frmDowsingAllRecord::openCurrentRecord() {
    if (!recordsGrid_->isEnabled() || !model_) {
        return;
    }
    const QModelIndex current = recordsGrid_->currentIndex();
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
        (watched == recordsGrid_->viewport() || watched == recordsGrid_->verticalHeader()->viewport() ||
         watched == recordsGrid_->horizontalHeader()->viewport())) {
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
