#pragma once

#include "data/Database.h"
#include "ui/Form.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <memory>
#include <optional>

namespace CsvImport {
class Imported;
}

// The frame the dowsing windows live in. It is never opened by name: showing
// a dowsing window loads and shows it first. Closing it ends the dowsing tool.
class MDIDowsingForm1 : public FormWindow {
    Q_OBJECT
  public:
    MDIDowsingForm1();

    void onLoad() override;
    void onUnload() override;
    // Its size comes back; it stays centred on the screen.
    std::optional<Remembered::Place> rememberedPlace() const override { return Remembered::Place::Centred; }
    // The page about the dowsing window in front.
    QString manualPage() const override;

    // Puts the menus of the dowsing window in front into the menu bar, before the Tools menu.
    void ShowActiveWindowMenus();

    // A dowsing window's sub-window joins the frame's window area; BringToFront shows it in front of the others.
    void AddWindow(QMdiSubWindow* window);
    void BringToFront(QMdiSubWindow* window);
    // True while any dowsing window is on show in the frame.
    bool ShowsAnyWindow() const;

    // A record deleted from the sheet, as the file held it: Undo in the Tools menu puts it back while the frame
    // is open, the latest first.
    void NoteDeleted(const KeptRow& record);
    // Undoes the latest of the deletions and imports.
    void UndoDeletion();
    // A file imported while the frame is open: Undo Import takes it out again, as Undo does while it is the latest.
    void NoteImported(std::shared_ptr<CsvImport::Imported> imported);
    // Undoes the latest import.
    void UndoImport();

  private:
    void nameUndoItem();

    QMdiArea* windowArea_;
    QMenu* toolsMenu_ = nullptr;
    QAction* undoItem_ = nullptr;
    // What Undo takes back, the latest last: a deleted record as the file held it, or an import.
    struct Undoable {
        std::optional<KeptRow> record;
        std::shared_ptr<CsvImport::Imported> imported;
    };
    QList<Undoable> deleted_;
    QList<QPointer<QAction>> shownWindowMenus_;
};

// A window of the dowsing tool: it appears in a sub-window of the frame
// instead of on its own, and showing it brings the frame up first.
class DowsingChildWindow : public FormWindow {
    Q_OBJECT
  public:
    explicit DowsingChildWindow(QWidget* parent = nullptr);

    void PresentForm() override;
    void HideForm() override;
    void DisposeForm() override;
    // A dowsing window is placed in the frame by its own code; a window of the frame that the user may resize
    // says so (remembersSize) and its size comes back.
    std::optional<Remembered::Place> rememberedPlace() const override { return std::nullopt; }
    void KeepPlace() const override;
    virtual bool remembersSize() const { return false; }

    // What the frame's menu bar shows, before its Tools menu, while this window is in front. A dowsing window
    // has no menu bar of its own.
    virtual QList<QAction*> frameMenuItems() const { return {}; }

    // The frame's sub-window that holds this window, once it has been shown.
    QMdiSubWindow* subWindow() const { return subWindow_; }
    // Places the window at the top-left corner of the frame's client area.
    void MoveToTopLeft();

  private:
    QPointer<QMdiSubWindow> subWindow_;
};
