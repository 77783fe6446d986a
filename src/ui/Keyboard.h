#pragma once

#include <QClipboard>
#include <QObject>
#include <functional>

class QAction;
class QCoreApplication;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QTimer;

// Enter and Return press the push button that has the focus, on every window, as they do on the desktops
// users know; Qt's own buttons answer only to Space outside dialogs.
class EnterPressesButtons : public QObject {
    Q_OBJECT
  public:
    explicit EnterPressesButtons(QObject* parent = nullptr) : QObject(parent) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Ctrl+Z in a text box that has nothing of its own to undo reaches the window's Undo command (which brings back
// a removed entry), as it does in the mail and file programs of the desktop; a box with typing to undo keeps it.
class UndoPassesEmptyBoxes : public QObject {
    Q_OBJECT
  public:
    explicit UndoPassesEmptyBoxes(QObject* parent = nullptr) : QObject(parent) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs EnterPressesButtons and UndoPassesEmptyBoxes on the application, once.
void InstallKeyboardConventions(QCoreApplication* app);

// What a guarded one-line box makes of one character that reaches it.
struct CharacterVerdict {
    bool keep = true;      // the character reaches the box
    QChar character;       // as it reaches it (a rule may make it a capital)
    bool complain = false; // the user is told what the box takes
};
using CharacterRule = std::function<CharacterVerdict(QChar)>;

// Guards a one-line box with a rule over the characters it receives, however they come: typed (several at once
// when the keys come quickly), composed, pasted by key, menu or middle button, or dropped. Editing shortcuts
// (select all, copy, cut, undo...) are commands, not characters, and do their work untouched.
//
// Refused characters are dropped at once; the message about them waits until the typing pauses, so that the
// keys that follow a refused one still reach the box instead of the message. A typed refused character is told
// once each, a paste or drop once.
class CharacterFilter : public QObject {
    Q_OBJECT
  public:
    CharacterFilter(QLineEdit* box, CharacterRule rule, std::function<void()> complain);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Puts the text into the box at the cursor as if typed there; returns how many characters were refused.
    int insert(const QString& text);
    bool unchanged(const QString& text) const;
    bool typed(const QString& text);
    void pasteFrom(QClipboard::Mode mode);
    void complainLater(int times);
    void tellPending();

    QLineEdit* box_;
    CharacterRule rule_;
    std::function<void()> complain_;
    QTimer* quiet_;
    int pending_ = 0;
};

// True for a key press that is an editing or navigation command rather than a typed character.
bool IsEditingCommand(const QKeyEvent* key);
// The Paste item of a one-line box's standard context menu.
QAction* StandardPasteAction(const QMenu* menu);
