#pragma once

#include <QIcon>
#include <string>

namespace zentrova {

// The program's icon in every size it is drawn in, read from the hicolor tree beside the data
// folder (`data_folder`/../icons), which the build tree and an installed prefix both have.
QIcon ProgramIcon(const std::string& dataFolder);

// Tells the desktop which program the windows belong to: every window and dialog carries the
// program's icon, and the desktop matches the windows to the menu entry by its id.
void SetDesktopIdentity(const std::string& dataFolder);

}  // namespace zentrova
