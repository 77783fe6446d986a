#include "dowsing/DowsingTool.h"

#include "dowsing/MDIDowsingForm1.h"
#include "dowsing/frmDowsingMain.h"
#include "ui/Windows.h"

bool ShowDowsingTool() {
    // The frame comes first; loading it loads the wizard, whose load steps may find the file missing.
    const bool frameWasLoaded = Windows::IsLoaded<MDIDowsingForm1>();
    Windows::Load<MDIDowsingForm1>();
    // A wizard that closed itself while the frame loaded must not be loaded (and asked) a second time.
    const bool wizardClosedAtLoad = !frameWasLoaded && !Windows::IsLoaded<frmDowsingMain>();
    if (!wizardClosedAtLoad && Windows::Show<frmDowsingMain>()) {
        return true;
    }
    // No wizard to show: an empty frame would only stand in the way.
    if (MDIDowsingForm1* frame = Windows::Loaded<MDIDowsingForm1>(); frame && !frame->ShowsAnyWindow()) {
        Windows::UnloadForm(frame);
    }
    return false;
}
