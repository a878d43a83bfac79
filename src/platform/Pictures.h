// The program's pictures. They are compiled in as XPM arrays and built from those, so no image
// file is read and no image format plugin is looked up.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tintor {

// The title strip picture (16 x 16).
QPixmap TitlePicture();
// The settings and minimise buttons' pictures (16 x 16).
QIcon SettingButtonIcon();
QIcon MinimizeButtonIcon();
// The program's and its windows' icon (32 x 32).
QIcon ProgramIcon();

} // namespace tintor
