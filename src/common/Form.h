#pragma once

#include <QMainWindow>

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

  private:
    QWidget* self_;
};

// A top-level window with a menu bar whose close box unloads it through the registry.
class FormWindow : public QMainWindow, public Form {
    Q_OBJECT
  public:
    explicit FormWindow(QWidget* parent = nullptr);

  protected:
    // The window's client area: the central widget, named "client", filled with the window's colour and set in
    // Verdana; fixed to the old window's client size when one is given.
    QWidget* MakeClientArea(const QColor& background, QSize fixedSize = QSize());

    void closeEvent(QCloseEvent* event) override;
};
