#pragma once

class QWidget;

namespace ServerCopy {

// Tools > Copy Local Files to the Shared Database…: refused into a database that already holds records unless the
// user chooses to add to them; the copy itself is data's (ServerCopy::FilesToServer).
void CopyLocalFiles(QWidget* parent);

} // namespace ServerCopy
