// The document: holds nothing of its own; the main frame keeps the state of a scan.
#pragma once

namespace tarvelo::app {

class CCKestroTrelliqDoc {};

} // namespace tarvelo::app
