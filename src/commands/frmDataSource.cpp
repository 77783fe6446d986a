#include "commands/frmDataSource.h"

#include "commands/DataSourceChoice.h"
#include "core/Services.h"
#include "data/ServerSource.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/Remembered.h"
#include "ui/Windows.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// The servers and users already told that no secret store keeps their password.
const QString kNoSecretStoreSaid = QStringLiteral("DataSource/NoSecretStoreSaid");

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

frmDataSource::frmDataSource(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDataSource"));
    setWindowTitle(tr("Data Source"));
    auto* column = new QVBoxLayout(this);
    filesOption_ = named(new QRadioButton(tr("The &files on this computer"), this), "optFiles");
    serverOption_ = named(new QRadioButton(tr("A shared &PostgreSQL database"), this), "optServer");
    column->addWidget(filesOption_);
    column->addWidget(serverOption_);

    auto* form = new QFormLayout();
    hostField_ = named(new QLineEdit(this), "txtHost");
    portField_ = named(new QSpinBox(this), "txtPort");
    portField_->setRange(1, 65535);
    databaseField_ = named(new QLineEdit(this), "txtDatabase");
    userField_ = named(new QLineEdit(this), "txtUser");
    passwordField_ = named(new QLineEdit(this), "txtPassword");
    passwordField_->setEchoMode(QLineEdit::Password);
    tlsModeList_ = named(new QComboBox(this), "cmbTlsMode");
    tlsModeList_->addItems(TlsModes);
    caFileField_ = named(new QLineEdit(this), "txtCaFile");
    browseCaFileButton_ = named(new QPushButton(tr("&Browse…"), this), "cmdBrowseCaFile");
    auto* caRow = new QHBoxLayout();
    caRow->addWidget(caFileField_);
    caRow->addWidget(browseCaFileButton_);
    form->addRow(tr("&Host:"), hostField_);
    form->addRow(tr("P&ort:"), portField_);
    form->addRow(tr("&Database:"), databaseField_);
    form->addRow(tr("&User:"), userField_);
    form->addRow(tr("Pass&word:"), passwordField_);
    form->addRow(tr("&TLS mode:"), tlsModeList_);
    // A row of two widgets takes no buddy by itself: the label's mnemonic goes to the field.
    auto* caLabel = new QLabel(tr("&CA file:"), this);
    caLabel->setBuddy(caFileField_);
    form->addRow(caLabel, caRow);
    column->addLayout(form);

    auto* test = named(new QPushButton(tr("T&est Connection"), this), "cmdTestConnection");
    testResult_ = named(new QLabel(this), "lblTestResult");
    testResult_->setWordWrap(true);
    column->addWidget(test, 0, Qt::AlignLeft);
    column->addWidget(testResult_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    column->addWidget(buttons);

    connect(filesOption_, &QRadioButton::toggled, this, &frmDataSource::followKind);
    connect(browseCaFileButton_, &QPushButton::clicked, this, &frmDataSource::chooseCaFile);
    connect(test, &QPushButton::clicked, this, &frmDataSource::testConnection);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmDataSource::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    show(CurrentServices().sharedDatabase);
}

void frmDataSource::show(const std::optional<SharedDatabase>& database) {
    const SharedDatabase shown = database.value_or(SavedDataSource().value_or(SharedDatabase{}));
    (database ? serverOption_ : filesOption_)->setChecked(true);
    hostField_->setText(shown.host);
    portField_->setValue(shown.port);
    databaseField_->setText(shown.database);
    userField_->setText(shown.user);
    passwordField_->setText(shown.password);
    tlsModeList_->setCurrentText(shown.tlsMode);
    caFileField_->setText(shown.caFile);
    followKind();
}

std::optional<SharedDatabase> frmDataSource::choice() const {
    if (!serverOption_->isChecked()) {
        return std::nullopt;
    }
    SharedDatabase database;
    database.host = hostField_->text().trimmed();
    database.port = portField_->value();
    database.database = databaseField_->text().trimmed();
    database.user = userField_->text().trimmed();
    database.password = passwordField_->text();
    database.tlsMode = tlsModeList_->currentText();
    database.caFile = caFileField_->text().trimmed();
    return database;
}

void frmDataSource::followKind() {
    for (QWidget* field :
         std::initializer_list<QWidget*>{hostField_, portField_, databaseField_, userField_, passwordField_,
                                         tlsModeList_, caFileField_, browseCaFileButton_}) {
        field->setEnabled(serverOption_->isChecked());
    }
}

void frmDataSource::chooseCaFile() {
    const QString file = ChooseOpenFile(tr("Choose the CA file"), caFileField_->text(), this);
    if (!file.isEmpty()) {
        caFileField_->setText(file);
    }
}

bool frmDataSource::testConnection() {
    const std::optional<SharedDatabase> database = choice();
    if (!database) {
        testResult_->setText(tr("The files on this computer need no connection."));
        return true;
    }
    const StoreResult<ServerSource::Schema> schema = ServerSource::probe(*database);
    if (!schema) {
        testResult_->setText(schema.error().text());
        return false;
    }
    switch (*schema) {
    case ServerSource::Schema::Current:
        testResult_->setText(tr("Connected to %1; it holds Velloran's records and diary.").arg(database->name()));
        break;
    case ServerSource::Schema::Empty:
        testResult_->setText(tr("Connected to %1; the database is empty, and Velloran can make its tables there.")
                                 .arg(database->name()));
        break;
    case ServerSource::Schema::Older:
        testResult_->setText(
            tr("Connected to %1; its tables are from an earlier Velloran and can be brought up to date.")
                .arg(database->name()));
        break;
    case ServerSource::Schema::Newer:
        testResult_->setText(
            tr("Connected to %1, but its tables were made by a newer Velloran.").arg(database->name()));
        return false;
    case ServerSource::Schema::Foreign:
        testResult_->setText(
            tr("Connected to %1, but the database holds another program's tables.").arg(database->name()));
        return false;
    }
    return true;
}

void frmDataSource::confirm() {
    const std::optional<SharedDatabase> database = choice();
    const std::optional<SharedDatabase>& now = CurrentServices().sharedDatabase;
    const bool same = database.has_value() == now.has_value() &&
                      (!database || (database->sameAs(*now) && database->password == now->password));
    if (same) {
        accept();
        return;
    }
    if (database) {
        if (database->user.isEmpty() || database->database.isEmpty() || database->host.isEmpty()) {
            testResult_->setText(tr("Fill in the host, the database and the user."));
            return;
        }
        if (!testConnection()) {
            return;
        }
        if (!DataSourceChoice::KeepPassword(*database)) {
            // Said once for each server and user: the desktop will not grow a secret store between two choices.
            QStringList said = Remembered::Value(kNoSecretStoreSaid).toStringList();
            if (!said.contains(database->name())) {
                MsgBox(tr("No secret store of the desktop keeps the password, so Velloran asks for it at each start."),
                       MsgButtons::Ok, MsgIcon::Information, this);
                said << database->name();
                Remembered::SetValue(kNoSecretStoreSaid, said);
            }
        }
    }
    accept();
    DataSourceChoice::UseFromNowOn(database);
    if (database) {
        DataSourceChoice::PrepareSharedDatabase(nullptr);
    }
}

void frmDataSource::Choose(QWidget* parent) {
    frmDataSource dialog(VisibleWindowFor(parent));
    dialog.setWindowModality(Qt::ApplicationModal);
    const Windows::NestedLoop open;
    dialog.exec();
}
