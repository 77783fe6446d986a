#pragma once

#include "ui/Remembered.h"

#include <QMainWindow>
#include <optional>

// A window of the program: one program-wide instance, loaded when first shown and discarded on unload,
// managed by the Windows registry. Load and unload steps are the window's own.
class Form {
  public:
    explicit Form(QWidget* self) : self_(self) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QWidget* widget() const { return self_; }

    // Runs once per load, right after construction, before the window is first shown.
    virtual void onLoad() {}
    // Runs once per unload, before the window is discarded.
    virtual void onUnload() {}

    // How the window appears and disappears: top-level by default. Windows that live inside a frame
    // (the dowsing windows in their multiple-document frame) override these three.
    virtual void PresentForm();
    virtual void HideForm();
    // Called after onUnload; must make the window go away and be deleted later (never at once: the
    // unload may come from one of the window's own handlers).
    virtual void DisposeForm();

    // How the window comes back when it is loaded again, in this run or the next: with its own place (and its
    // size, when the user can resize it), centred with its size, or as it was made (a window that places itself).
    virtual std::optional<Remembered::Place> rememberedPlace() const { return Remembered::Place::Kept; }
    // Notes the window's place and size for its next loading; the registry calls it before the unload steps.
    virtual void KeepPlace() const;
    // The page of the user's manual about the window ("dowsing.html#sheet"), which F1 opens.
    virtual QString manualPage() const;
    // Whether the window stays when the user moves the data to another place (the files, a shared database): one that
    // may show records or entries goes, so that none goes on showing those of the place left behind.
    virtual bool staysWhenTheDataMoves() const { return false; }

  private:
    QWidget* self_;
    bool presented_ = false;
};

// A top-level window with a menu bar whose close box unloads it through the registry.
class FormWindow : public QMainWindow, public Form {
    Q_OBJECT
  public:
    explicit FormWindow(QWidget* parent = nullptr);

    // "Velloran Manual", F1 anywhere in the window; a Tools menu shows it too. Null for a window that lives in
    // another's frame, whose F1 is the frame's.
    QAction* manualCommand() const { return manualCommand_; }

  protected:
    // The window's client area: the central widget, named "client", filled with the window's colour and set in
    // Verdana; fixed to the old window's client size when one is given.
    QWidget* MakeClientArea(const QColor& background, QSize fixedSize = QSize());

    void closeEvent(QCloseEvent* event) override;
    // For a window inside another's frame: one F1 in a window, or neither would work.
    void DropManualCommand();

  private:
    QAction* manualCommand_ = nullptr;
};
