// The pictures from their XPM arrays (resources/*.xpm), built on first use.
#include "platform/Pictures.h"

#include "IconImg.xpm"
#include "SBMinimize.xpm"
#include "SBSetting.xpm"
#include "tintor32.xpm"

namespace tintor {

QPixmap TitlePicture() {
    return QPixmap(IconImg_xpm);
}

QIcon SettingButtonIcon() {
    return QIcon(QPixmap(SBSetting_xpm));
}

QIcon MinimizeButtonIcon() {
    return QIcon(QPixmap(SBMinimize_xpm));
}

QIcon ProgramIcon() {
    static const QIcon icon{QPixmap(tintor32_xpm)};
    return icon;
}

} // namespace tintor
