#pragma once

#include <QLabel>

// A label that acts on a click and tells when the mouse moves over it (the old labels' Click and MouseMove).
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent = nullptr);
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    // Makes it look and act like a link: hand pointer, reachable by Tab, Enter or Space clicks it.
    void MakeLink();

  signals:
    void clicked();
    void mouseMoved();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Reports mouse moves over a widget's own area (not over its children), as the old frames' MouseMove did.
class MouseMoveWatcher : public QObject {
    Q_OBJECT
  public:
    explicit MouseMoveWatcher(QWidget* watched);

  signals:
    void mouseMoved();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
