#pragma once

// Maps the font names the program uses ("Arial", "Microsoft Sans Serif",
// "Courier New") to the metric-compatible free fonts and sets the application
// font. Call once after the application object exists.
void InstallApplicationFonts();
