#pragma once
// For start-up measurements: with ZARLE_STARTUP_MARKER set in the environment, the program writes
// the line "welcome shown" to its standard output as soon as the welcome window shows.

class QApplication;

namespace zarle {

inline constexpr const char* StartUpMarkerVariable = "ZARLE_STARTUP_MARKER";
inline constexpr const char* WelcomeShownLine = "welcome shown";

void ReportWelcomeShownWhenAsked(QApplication& app);

} // namespace zarle
