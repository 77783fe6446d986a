#include "diary/frmPaganDiaryMain.h"

#include "data/DataSource.h"
#include "diary/DiaryStore.h"
#include "diary/DiaryValues.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "ui/BrandFrame.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Pictures.h"
#include "ui/Remembered.h"
#include "ui/SharedMenus.h"
#include "ui/ShellServices.h"
#include "ui/Windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString kLastSection = QStringLiteral("Diary/LastSection");

void captionLabel(int index, const QString& text, const QRect& where, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblCaptions_%1").arg(index));
    label->setGeometry(where);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(Look::Verdana(8.25));
    Look::SetTextColour(label, Qt::white);
}
} // namespace

frmPaganDiaryMain::frmPaganDiaryMain() {
    setObjectName(QStringLiteral("frmPaganDiaryMain"));
    setWindowTitle(tr("Velloran Diary"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QWidget* client = MakeClientArea(Qt::black, QSize(520, 470));

    ClickLabel* forumLine = MakeForumLabel(client);
    forumLine->setGeometry(8, 6, 504, 34);

    captionLabel(0,
                 tr("Velloran Diary is an easy to use advanced software. It is a personal book of spells and also acts "
                    "as a key to the mysteries of the Pagan culture. Velloran Diary software is the ultimate tool for "
                    "safekeeping everything related to the Pagan and the Wiccan rituals and spells, and as such, it is "
                    "a MUST HAVE for all Pagan followers."),
                 QRect(8, 48, 504, 80), client);
    captionLabel(1,
                 tr("Velloran Diary has divided the Diary into the following options for your convenience. Choose any "
                    "one of the options which you feel is appropriate for your entry."),
                 QRect(8, 132, 504, 48), client);
    // Caption 2 belongs to no visible label.
    captionLabel(3, tr("Click on Continue to Proceed."), QRect(8, 182, 504, 20), client);

    auto* optionFrame = new QGroupBox(tr("Select An Option"), client);
    optionFrame->setObjectName(QStringLiteral("Frame2"));
    optionFrame->setGeometry(8, 206, 504, 150);
    optionFrame->setFont(Look::Verdana(8.25, true));
    Look::SetBackground(optionFrame, Qt::black);
    Look::SetTextColour(optionFrame, Qt::white);
    const std::array<QString, 4> options{tr("Spell Section"), tr("Incense Section"), tr("Recipes Section"),
                                         tr("Rituals Section")};
    for (int i = 0; i < 4; ++i) {
        sectionOptions_[i] = new QRadioButton(options[i], optionFrame);
        sectionOptions_[i]->setObjectName(QStringLiteral("optOption_%1").arg(i));
        sectionOptions_[i]->setGeometry(24, 28 + 28 * i, 220, 24);
        sectionOptions_[i]->setFont(Look::Verdana(8.25));
        Look::SetTextColour(sectionOptions_[i], Qt::white);
    }
    auto* book = new QLabel(optionFrame);
    book->setObjectName(QStringLiteral("Picture1"));
    book->setGeometry(380, 24, 112, 112);
    book->setAlignment(Qt::AlignCenter);
    book->setPixmap(Pictures::BookOfShadows(104));

    auto* continueButton = new QPushButton(tr("&Continue"), client);
    continueButton->setObjectName(QStringLiteral("cmdContinue"));
    continueButton->setGeometry(8, 368, 504, 30);
    continueButton->setFont(Look::Verdana(8.25, true));

    auto* brand = new BrandFrame(client);
    brand->setGeometry(8, 404, 504, 60);
    Look::SetBackground(brand, Qt::black);
    brand->BringToFront(BrandFrame::Front::FullBrand);

    const SharedMenus menus = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    // The menus keep the desktop's colours: black on the window's black would hide them.

    // Continue comes first in the tab order and so holds the focus when the window opens.
    setTabOrder(continueButton, sectionOptions_[0]);
    for (int i = 0; i < 3; ++i) {
        setTabOrder(sectionOptions_[i], sectionOptions_[i + 1]);
    }
    continueButton->setFocus();

    for (int i = 0; i < 4; ++i) {
        // Arrow keys move the choice within the group as well as clicks do; both mark the option.
        connect(sectionOptions_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) {
                chooseSection(i);
            }
        });
    }
    connect(continueButton, &QPushButton::clicked, this, &frmPaganDiaryMain::openKeywordBook);
    connect(menus.exitItem, &QAction::triggered, this, &frmPaganDiaryMain::exitToLauncher);
    setFixedSize(sizeHint());
}

void frmPaganDiaryMain::chooseSection(int index) {
    const auto section = DiarySectionFromIndex(index);
    if (!section) {
        return;
    }
    chosen_ = *section;
}

bool frmPaganDiaryMain::readyToContinue() {
    bool chosen = false;
    for (QRadioButton* option : sectionOptions_) {
        if (option->isChecked()) {
            chosen = true;
            break;
        }
    }
    // The file test comes first: with both wrong, only the missing file is reported.
    if (!DataSource::of(DiaryFilePath()).isThere()) {
        MsgBox(tr("Required Files Are Missing\rPlease Reinstall The Software"), MsgButtons::Ok, MsgIcon::Critical,
               this);
        return false;
    }
    if (chosen) {
        return true;
    }
    MsgBox(tr("Please Select An Option"), MsgButtons::Ok, MsgIcon::Critical, this);
    return false;
}

void frmPaganDiaryMain::openKeywordBook() {
    if (!readyToContinue()) {
        return;
    }
    frmPaganDiaryResultBOS::ShowSection(chosen_);
    Remembered::SetValue(kLastSection, int(chosen_));
    Windows::HideForm(this);
}

void frmPaganDiaryMain::onLoad() {
    // The section the user went on to last time is marked at the first opening of a run.
    bool read = false;
    const int last = Remembered::FromEarlierRun(kLastSection).toInt(&read);
    if (read && DiarySectionFromIndex(last)) {
        sectionOptions_[std::size_t(last)]->setChecked(true);
    }
}

void frmPaganDiaryMain::exitToLauncher() {
    close();
}

void frmPaganDiaryMain::onUnload() {
    ShowLauncher();
}
