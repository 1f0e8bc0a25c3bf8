#include "session/user_settings.h"

#include "base/plain_name.h"
#include "platform/settings_store.h"
#include "profile/profile_file.h"

namespace kw {

std::string userSettingsPath(std::string_view appName, std::string_view configHome) {
    return settingsFilePath(isPlainName(appName) ? appName : kDefaultAppName, configHome);
}

std::string userSettingsPath(const ProgramFiles& files, std::string_view configHome) {
    CProfileFile profile;
    (void)profile.open(files.profileToRead("Program.ini"), {.createIfMissing = false});
    return userSettingsPath(profile.get("Setup", "AppName"), configHome);
}

}  // namespace kw
