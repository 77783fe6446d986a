#pragma once

#include <QObject>

class QCoreApplication;

// Enter and Return press the push button that has the focus, on every window, as they do on the desktops
// users know; Qt's own buttons answer only to Space outside dialogs.
class EnterPressesButtons : public QObject {
    Q_OBJECT
  public:
    explicit EnterPressesButtons(QObject* parent = nullptr) : QObject(parent) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs EnterPressesButtons on the application, once.
void InstallKeyboardConventions(QCoreApplication* app);
