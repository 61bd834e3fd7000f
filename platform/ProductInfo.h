// The product's title and the addresses its windows show and open with the shell.
#pragma once

namespace tarvelo::platform {

inline constexpr const char* kAppTitle = "Quorin Tarvelo v20.0";
// The maker's web address, the label of the status bar's link.
inline constexpr const char* kMakerAddress = "www.velmora.example";
// The product's web page: the status bar's link and the page opened when the program closes.
inline constexpr const char* kProductWebPage = "https://www.velmora.example/quorin-tarvelo/";
// The product's help page (the ribbon's Help button).
inline constexpr const char* kHelpPage = "https://www.velmora.example/quorin-tarvelo/help/";

} // namespace tarvelo::platform
