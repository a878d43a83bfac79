// Keeping a System.tri that could not be loaded: the next save would replace the user's file
// with the few entries that were read, so before the first save of the run it is copied once,
// byte for byte, to System.tri.bak beside it.
#pragma once

#include <string>

namespace tintor {

class SettingsBackup {
public:
    // The file at path failed to load this run: keep it before it is next replaced.
    void Arm(const std::string& path);
    bool Armed() const { return !path_.empty(); }
    // Run before every save: the first one after Arm copies the file (replacing an older
    // backup). EFCreateError(backup path) when the copy cannot be made; the save must not go on
    // then, and the next save tries again. A file that is gone meanwhile leaves nothing to keep.
    void BeforeSave();

    static std::string BackupPath(const std::string& path) { return path + ".bak"; }

private:
    std::string path_;
};

} // namespace tintor
