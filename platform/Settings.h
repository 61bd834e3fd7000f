// The program's stored settings: the platform's native settings store (the registry on Windows, an ini
// file under the user's configuration folder elsewhere), organisation "QuorinTarvelo20", application
// "Quorin Tarvelo v20.0". The only value written is the visual look.
#pragma once

#include <QString>

namespace tarvelo::platform {

inline constexpr const char* kSettingsOrganisation = "QuorinTarvelo20";
inline constexpr const char* kSettingsApplication = "Quorin Tarvelo v20.0";
inline constexpr const char* kWorkspaceSection = "Workspace";
inline constexpr const char* kApplicationLookValue = "ApplicationLook";

// Reads "Workspace/ApplicationLook"; the default when it is missing or not a number.
unsigned ReadApplicationLook(unsigned defaultId);
void WriteApplicationLook(unsigned id);

// Where the settings live (for people and tests).
QString SettingsLocation();

} // namespace tarvelo::platform
