// Copying the settings file that failed to load to its backup before it is replaced.
#include "settings/SettingsBackup.h"

#include "core/Errors.h"

#include <filesystem>
#include <system_error>

namespace tintor {

namespace fs = std::filesystem;

void SettingsBackup::Arm(const std::string& path) {
    path_ = path;
}

void SettingsBackup::BeforeSave() {
    if (path_.empty()) return;
    std::error_code ec;
    if (!fs::exists(path_, ec) && !ec) {
        path_.clear();
        return;
    }
    const std::string backup = BackupPath(path_);
    if (!fs::copy_file(path_, backup, fs::copy_options::overwrite_existing, ec) || ec)
        throw EFCreateError(backup);
    path_.clear();
}

} // namespace tintor
