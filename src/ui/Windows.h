#pragma once

#include "ui/Form.h"

#include <QList>
#include <type_traits>
#include <typeindex>

// Window lifetimes, in the spirit of a window manager: every window class has at most one loaded instance.
// Showing a window that is not loaded loads it first (constructs it, runs its load steps); hiding keeps it
// with its state; unloading runs its unload steps and discards it, so the next showing starts afresh.
namespace Windows {

namespace detail {
Form* Find(std::type_index type);
void Add(std::type_index type, Form* form);
Form* Present(Form* form);
} // namespace detail

// The loaded instance, or nullptr.
template <class W> W* Loaded() {
    return dynamic_cast<W*>(detail::Find(typeid(W)));
}

template <class W> bool IsLoaded() {
    return Loaded<W>() != nullptr;
}

// Loads the window if needed without showing it. Returns nullptr when its load steps unloaded it again.
template <class W> W* Load() {
    static_assert(std::is_base_of_v<Form, W>, "a window must be a Form");
    if (W* loaded = Loaded<W>()) {
        return loaded;
    }
    W* window = new W();
    detail::Add(typeid(W), window);
    window->onLoad();
    return Loaded<W>();
}

template <class W> W* Show() {
    W* window = Load<W>();
    if (window) {
        detail::Present(window);
    }
    return Loaded<W>();
}

void HideForm(Form* form);
template <class W> void Hide() {
    if (W* window = Loaded<W>()) {
        HideForm(window);
    }
}

// Unloads a window if it is loaded (running its unload steps); safe to call from the window's own handlers.
// While a message box is open the unload waits until the box has returned, so that no window (the box's
// owner, or one whose handler is waiting for the answer) is destroyed under it.
void UnloadForm(Form* form);
// The unloads (and the CloseAllWindows) that waited for a message box; the box routine runs them.
bool HasDeferredUnloads();
void RunDeferredUnloads();

// Marks a nested event loop for as long as it lives: a message box, a file, folder or print dialog, a print
// preview, a progress dialog. While one runs, no window is unloaded: the code that opened it is still on the
// stack and would return into a window that is gone. Unloads asked for meanwhile run once the last one ends and
// its caller has finished.
class NestedLoop {
  public:
    NestedLoop();
    ~NestedLoop();
    NestedLoop(const NestedLoop&) = delete;
    NestedLoop& operator=(const NestedLoop&) = delete;
};
bool InNestedLoop();
template <class W> void Unload() {
    if (W* window = Loaded<W>()) {
        UnloadForm(window);
    }
}

bool IsLoaded(const Form* form);
// Every loaded window, in the order they were loaded.
QList<Form*> LoadedForms();

// True while CloseAllWindows runs; unload steps that would bring the launcher back then keep still.
bool IsClosingAll();

// Unloads every window silently and forgets a finished CloseAllWindows; for tests between cases.
void ResetForTests();

} // namespace Windows

// Unloads every loaded window, shown or hidden, newest first, and ends the program. The launcher is never
// brought back while it runs.
void CloseAllWindows();
