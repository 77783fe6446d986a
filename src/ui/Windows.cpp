#include "ui/Windows.h"

#include "ui/MessageBox.h"
#include "ui/ShellServices.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

namespace {
struct Entry {
    std::type_index type;
    Form* form;
};

std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}

bool& closingAll() {
    static bool flag = false;
    return flag;
}

std::vector<Form*>& deferredUnloads() {
    static std::vector<Form*> forms;
    return forms;
}

bool& closeAllDeferred() {
    static bool flag = false;
    return flag;
}
} // namespace

namespace Windows {
namespace detail {

Form* Find(std::type_index type) {
    for (const Entry& entry : registry()) {
        if (entry.type == type) {
            return entry.form;
        }
    }
    return nullptr;
}

void Add(std::type_index type, Form* form) {
    registry().push_back({type, form});
}

Form* Present(Form* form) {
    form->PresentForm();
    return form;
}

} // namespace detail

void HideForm(Form* form) {
    if (IsLoaded(form)) {
        form->HideForm();
    }
}

bool IsLoaded(const Form* form) {
    for (const Entry& entry : registry()) {
        if (entry.form == form) {
            return true;
        }
    }
    return false;
}

void UnloadForm(Form* form) {
    if (InNestedLoop()) {
        auto& waiting = deferredUnloads();
        if (IsLoaded(form) && std::find(waiting.begin(), waiting.end(), form) == waiting.end()) {
            waiting.push_back(form);
        }
        return;
    }
    auto& entries = registry();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->form == form) {
            // Forget it first, so that its unload steps see it as gone and cannot unload it twice.
            entries.erase(it);
            form->KeepPlace();
            form->onUnload();
            form->DisposeForm();
            return;
        }
    }
}

QList<Form*> LoadedForms() {
    QList<Form*> forms;
    for (const Entry& entry : registry()) {
        forms.append(entry.form);
    }
    return forms;
}

namespace {
int& nestedLoops() {
    static int count = 0;
    return count;
}
} // namespace

NestedLoop::NestedLoop() {
    ++nestedLoops();
}

NestedLoop::~NestedLoop() {
    if (--nestedLoops() == 0 && HasDeferredUnloads()) {
        QTimer::singleShot(0, qApp, &RunDeferredUnloads);
    }
}

bool InNestedLoop() {
    return nestedLoops() > 0;
}

bool HasDeferredUnloads() {
    return closeAllDeferred() || !deferredUnloads().empty();
}

void RunDeferredUnloads() {
    if (std::exchange(closeAllDeferred(), false)) {
        deferredUnloads().clear();
        CloseAllWindows();
        return;
    }
    // Still registered means not unloaded meanwhile, so the pointer is still a live window.
    for (Form* form : std::exchange(deferredUnloads(), {})) {
        if (IsLoaded(form)) {
            UnloadForm(form);
        }
    }
}

bool IsClosingAll() {
    return closingAll();
}

void ResetForTests() {
    deferredUnloads().clear();
    closeAllDeferred() = false;
    closingAll() = true;
    while (!registry().empty()) {
        UnloadForm(registry().back().form);
    }
    closingAll() = false;
}

} // namespace Windows

void CloseAllWindows() {
    // A window's own unload steps may ask for this again (the launcher's do); the first call does the work.
    if (closingAll()) {
        return;
    }
    if (Windows::InNestedLoop()) {
        closeAllDeferred() = true;
        return;
    }
    // The flag stays set: the program is ending, and no late event may load the launcher again.
    closingAll() = true;
    while (!registry().empty()) {
        Windows::UnloadForm(registry().back().form);
    }
    EndProgram();
}
