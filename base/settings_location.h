// Where tarv.ini lives: beside the program while its folder takes new
// files (the portable way), otherwise in the user's own folder, so that a
// copy in Program Files or on a read-only share still keeps its settings.
#pragma once

namespace quivra {

struct SettingsFolders {
    bool program_folder_writable;
    bool beside_exists;     // a tarv.ini beside the program
    bool beside_read_only;  // ... which the user marked read-only
    bool user_file_exists;  // a tarv.ini in the user's folder
};

enum class SettingsFile { beside_program, in_user_folder };

struct SettingsFiles {
    SettingsFile read;
    SettingsFile write;
};

// A file marked read-only beside the program is read and left alone, as it
// always was; a folder that takes files wins over the user's folder.
constexpr SettingsFiles settings_files(const SettingsFolders& found) {
    if (found.beside_read_only || found.program_folder_writable)
        return {SettingsFile::beside_program, SettingsFile::beside_program};
    bool read_beside = !found.user_file_exists && found.beside_exists;
    return {read_beside ? SettingsFile::beside_program : SettingsFile::in_user_folder, SettingsFile::in_user_folder};
}

}  // namespace quivra
