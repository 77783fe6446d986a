#include "diary/frmPaganDiaryMain.h"

#include "common/Look.h"
#include "common/MessageBox.h"
#include "common/Pictures.h"
#include "common/ShellServices.h"
#include "common/Windows.h"
#include "diary/DiaryStore.h"
#include "diary/DiaryValues.h"
#include "diary/frmPaganDiaryResultBOS.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {
QLabel* captionLabel(int index, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblCaptions_%1").arg(index));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(Look::Verdana(8.25));
    Look::SetTextColour(label, Qt::white);
    return label;
}
} // namespace

frmPaganDiaryMain::frmPaganDiaryMain() {
    setObjectName(QStringLiteral("frmPaganDiaryMain"));
    setWindowTitle(QStringLiteral("Velloran Diary"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QWidget* client = MakeClientArea(Qt::black, QSize(520, 470));

    Label14 = MakeForumLabel(client);
    Label14->setGeometry(8, 6, 504, 34);

    lblCaptions[0] = captionLabel(
        0,
        QStringLiteral("Velloran Diary is an easy to use advanced software. It is a personal book of spells and also "
                       "acts as a key to the mysteries of the Pagan culture. Velloran Diary software is the ultimate "
                       "tool for safekeeping everything related to the Pagan and the Wiccan rituals and spells, and as "
                       "such, it is a MUST HAVE for all Pagan followers."),
        client);
    lblCaptions[0]->setGeometry(8, 48, 504, 80);
    lblCaptions[1] = captionLabel(1,
                                  QStringLiteral("Velloran Diary has divided the Diary into the following options for "
                                                 "your convenience. Choose any one of the options which you feel is "
                                                 "appropriate for your entry."),
                                  client);
    lblCaptions[1]->setGeometry(8, 132, 504, 48);
    lblCaptions[3] = captionLabel(3, QStringLiteral("Click on Continue to Proceed."), client);
    lblCaptions[3]->setGeometry(8, 182, 504, 20);

    Frame2 = new QGroupBox(QStringLiteral("Select An Option"), client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(8, 206, 504, 150);
    Frame2->setFont(Look::Verdana(8.25, true));
    Look::SetBackground(Frame2, Qt::black);
    Look::SetTextColour(Frame2, Qt::white);
    const std::array<QString, 4> options{QStringLiteral("Spell Section"), QStringLiteral("Incense Section"),
                                         QStringLiteral("Recipes Section"), QStringLiteral("Rituals Section")};
    for (int i = 0; i < 4; ++i) {
        optOption[i] = new QRadioButton(options[i], Frame2);
        optOption[i]->setObjectName(QStringLiteral("optOption_%1").arg(i));
        optOption[i]->setGeometry(24, 28 + 28 * i, 220, 24);
        optOption[i]->setFont(Look::Verdana(8.25));
        Look::SetTextColour(optOption[i], Qt::white);
    }
    Picture1 = new QLabel(Frame2);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(380, 24, 112, 112);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(Pictures::BookOfShadows(104));

    cmdContinue = new QPushButton(QStringLiteral("&Continue"), client);
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdContinue->setGeometry(8, 368, 504, 30);
    cmdContinue->setFont(Look::Verdana(8.25, true));

    fraFullBrand = new BrandFrame(client);
    fraFullBrand->setGeometry(8, 404, 504, 60);
    Look::SetBackground(fraFullBrand, Qt::black);
    fraFullBrand->BringToFront(BrandFrame::Front::FullBrand);

    menus = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    // The menus keep the desktop's colours: black on the window's black would hide them.

    // Continue comes first in the tab order and so holds the focus when the window opens.
    setTabOrder(cmdContinue, optOption[0]);
    for (int i = 0; i < 3; ++i) {
        setTabOrder(optOption[i], optOption[i + 1]);
    }
    cmdContinue->setFocus();

    for (int i = 0; i < 4; ++i) {
        // Arrow keys move the choice within the group as well as clicks do; both mark the option.
        connect(optOption[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) {
                optOption_Click(i);
            }
        });
    }
    connect(cmdContinue, &QPushButton::clicked, this, &frmPaganDiaryMain::cmdContinue_Click);
    connect(menus.mnuExit, &QAction::triggered, this, &frmPaganDiaryMain::mnuExit_Click);
    setFixedSize(sizeHint());
}

void frmPaganDiaryMain::optOption_Click(int index) {
    const auto section = DiarySectionFromIndex(index);
    if (!section) {
        return;
    }
    chosen_ = *section;
}

bool frmPaganDiaryMain::CheckSelection() {
    bool chosen = false;
    for (QRadioButton* option : optOption) {
        if (option->isChecked()) {
            chosen = true;
            break;
        }
    }
    // The file test comes first: with both wrong, only the missing file is reported.
    if (!QFileInfo(DiaryFilePath()).isFile()) {
        MsgBox(QStringLiteral("Required Files Are Missing\rPlease Reinstall The Software"), MsgButtons::Ok,
               MsgIcon::Critical, this);
        return false;
    }
    if (chosen) {
        return true;
    }
    MsgBox(QStringLiteral("Please Select An Option"), MsgButtons::Ok, MsgIcon::Critical, this);
    return false;
}

void frmPaganDiaryMain::cmdContinue_Click() {
    if (!CheckSelection()) {
        return;
    }
    frmPaganDiaryResultBOS::ShowSection(chosen_);
    Windows::HideForm(this);
}

void frmPaganDiaryMain::mnuExit_Click() {
    close();
}

void frmPaganDiaryMain::Form_Unload() {
    ShowLauncher();
}
