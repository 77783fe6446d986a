#include "ui/Keyboard.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTextEdit>
#include <QTimer>

bool EnterPressesButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            if (auto* button = qobject_cast<QPushButton*>(watched); button && button->isEnabled()) {
                button->click();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool UndoPassesEmptyBoxes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo)) {
        return QObject::eventFilter(watched, event);
    }
    // Kept from the box, the key goes on to the window's shortcuts.
    if (const auto* line = qobject_cast<QLineEdit*>(watched)) {
        return !line->isUndoAvailable();
    }
    if (const auto* plain = qobject_cast<QPlainTextEdit*>(watched)) {
        return !plain->document()->isUndoAvailable();
    }
    if (const auto* rich = qobject_cast<QTextEdit*>(watched)) {
        return !rich->document()->isUndoAvailable();
    }
    return QObject::eventFilter(watched, event);
}

void InstallKeyboardConventions(QCoreApplication* app) {
    if (!app->findChild<EnterPressesButtons*>(QString(), Qt::FindDirectChildrenOnly)) {
        app->installEventFilter(new EnterPressesButtons(app));
    }
    if (!app->findChild<UndoPassesEmptyBoxes*>(QString(), Qt::FindDirectChildrenOnly)) {
        app->installEventFilter(new UndoPassesEmptyBoxes(app));
    }
}

bool IsEditingCommand(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        return true;
    }
    // Return, Enter and Backspace are typed characters to the rules, whatever the standard keys say of them.
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
        return false;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    // The rest of the standard editing keys (Shift+Insert pastes, Shift+Delete cuts, arrows, Home...).
    // Past the last standard key of any Qt 6 release; a number no key stands for matches nothing.
    constexpr int beyondLastStandardKey = 128;
    for (int standard = QKeySequence::HelpContents; standard < beyondLastStandardKey; ++standard) {
        if (key->matches(static_cast<QKeySequence::StandardKey>(standard))) {
            return true;
        }
    }
    return false;
}

QAction* StandardPasteAction(const QMenu* menu) {
    // Named since Qt 6.6; before that known by its caption, in the user's language, before the shortcut.
    // Qt's own caption, as Qt's translation gives it: the context is named apart so that it is not taken for one of
    // the program's texts.
    const char* const lineEditContext = "QLineEdit";
    const QString caption = QCoreApplication::translate(lineEditContext, "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().section(QLatin1Char('\t'), 0, 0) == caption) {
            return action;
        }
    }
    return nullptr;
}

CharacterFilter::CharacterFilter(QLineEdit* box, CharacterRule rule, std::function<void()> complain)
    : QObject(box), box_(box), rule_(std::move(rule)), complain_(std::move(complain)), quiet_(new QTimer(this)) {
    quiet_->setSingleShot(true);
    quiet_->setInterval(QGuiApplication::styleHints()->keyboardInputInterval());
    connect(quiet_, &QTimer::timeout, this, &CharacterFilter::tellPending);
    box->installEventFilter(this);
}

int CharacterFilter::insert(const QString& text) {
    QString kept;
    int refused = 0;
    for (const QChar c : text) {
        const CharacterVerdict verdict = rule_(c);
        refused += verdict.complain ? 1 : 0;
        // Control characters that pass (Enter in a letters box) are keys, not text to put in the box.
        if (verdict.keep && verdict.character.unicode() >= u' ' && verdict.character.unicode() != 0x7f) {
            kept += verdict.character;
        }
    }
    if (!kept.isEmpty()) {
        box_->insert(kept);
    }
    return refused;
}

bool CharacterFilter::unchanged(const QString& text) const {
    for (const QChar c : text) {
        const CharacterVerdict verdict = rule_(c);
        if (!verdict.keep || verdict.character != c) {
            return false;
        }
    }
    return true;
}

bool CharacterFilter::typed(const QString& text) {
    // A key whose characters all pass unchanged is left to the box (Backspace and Enter keep their own work).
    if (unchanged(text)) {
        return false;
    }
    complainLater(insert(text));
    return true;
}

void CharacterFilter::pasteFrom(QClipboard::Mode mode) {
    if (box_->isReadOnly()) {
        return;
    }
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (insert(text) > 0) {
        complainLater(1);
    }
}

void CharacterFilter::complainLater(int times) {
    pending_ += times;
    if (pending_ > 0) {
        // (Re)started by every key that reaches the box, so the message waits for a pause in the typing.
        quiet_->start();
    }
}

void CharacterFilter::tellPending() {
    while (pending_ > 0) {
        --pending_;
        complain_();
    }
}

bool CharacterFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (quiet_->isActive()) {
            quiet_->start(); // still typing: the message waits
        }
        if (key->matches(QKeySequence::Paste)) {
            pasteFrom(QClipboard::Clipboard);
            return true;
        }
        if (IsEditingCommand(key)) {
            return false;
        }
        // An Alt key that no button or menu took is a missed mnemonic, never a typed character.
        if ((key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier)) {
            return true;
        }
        QString text = key->text();
        if (key->key() == Qt::Key_Backspace) {
            text = QChar(char16_t(8));
        } else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            text = QChar(char16_t(13));
        }
        return !text.isEmpty() && typed(text);
    }
    case QEvent::InputMethod: {
        // Composed characters (dead keys, input methods) pass the same rule as typed ones.
        const auto* composed = static_cast<QInputMethodEvent*>(event);
        if (!composed->preeditString().isEmpty() || composed->commitString().isEmpty()) {
            return false;
        }
        return typed(composed->commitString());
    }
    case QEvent::ContextMenu: {
        // The box's own menu, with its Paste going through the rule.
        QMenu* menu = box_->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (QAction* paste = StandardPasteAction(menu)) {
            disconnect(paste, &QAction::triggered, nullptr, nullptr);
            connect(paste, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
        }
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the selection on desktops that have one.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection() ||
            !box_->rect().contains(mouse->position().toPoint())) {
            return false;
        }
        box_->deselect();
        box_->setCursorPosition(box_->cursorPositionAt(mouse->position().toPoint()));
        pasteFrom(QClipboard::Selection);
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (box_->isReadOnly() || !drop->mimeData()->hasText()) {
            return false;
        }
        const QString text = drop->mimeData()->text();
        if (unchanged(text)) {
            return false; // the box's own drop, moving text within the box included
        }
        box_->deselect();
        box_->setCursorPosition(box_->cursorPositionAt(drop->position().toPoint()));
        if (insert(text) > 0) {
            complainLater(1);
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        box_->setFocus(Qt::MouseFocusReason);
        return true;
    }
    default:
        return false;
    }
}
