#pragma once

#include "core/SharedDatabase.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Tools > Data Source…: where the records and the diary live, the files on this computer or a shared PostgreSQL
// database, with a test of the connection that says in words what is wrong. The choice is remembered for the user;
// the password goes to the desktop's secret store, never to the settings file.
class frmDataSource : public QDialog {
    Q_OBJECT
  public:
    explicit frmDataSource(QWidget* parent = nullptr);

    // Shows the dialog; a new choice is put in force (and remembered) when the user confirms it.
    static void Choose(QWidget* parent);

    // The choice the controls show: nothing for the files.
    std::optional<SharedDatabase> choice() const;
    void show(const std::optional<SharedDatabase>& database);
    // Connects with what the controls show and says what came of it in the window; true when it worked.
    bool testConnection();

  private:
    void followKind();
    void chooseCaFile();
    void confirm();

    QRadioButton* filesOption_;
    QRadioButton* serverOption_;
    QLineEdit* hostField_;
    QSpinBox* portField_;
    QLineEdit* databaseField_;
    QLineEdit* userField_;
    QLineEdit* passwordField_;
    QComboBox* tlsModeList_;
    QPushButton* browseCaFileButton_ = nullptr;
    QLineEdit* caFileField_;
    QLabel* testResult_;
};
