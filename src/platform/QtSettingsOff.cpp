// Keeping Qt's own settings out of the user's configuration directory.
#include "platform/QtSettingsOff.h"

#include <QSettings>
#include <QString>

namespace tintor {

void KeepQtSettingsOff() {
    // "/dev/null" is a file, so no settings directory can be made below it.
    const QString nowhere = QStringLiteral("/dev/null");
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, nowhere);
}

} // namespace tintor
