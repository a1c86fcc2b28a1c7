// Command ids of the menu bar and the accelerator table, in one place.
#pragma once

namespace cmd {

// File menu and application commands.
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kRecentFile1 = 57616;  // entries 1 to 4: 57616 to 57619
inline constexpr int kRecentFileLast = kRecentFile1 + 3;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;

// Keys that the accelerator table maps to commands this program does not
// have, so that pressing them does nothing.
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

// The analyses and dialogs of the main window.
inline constexpr int kDft = 32771;
inline constexpr int kSignalGenerator = 32772;
inline constexpr int kDecimationTime = 32776;
inline constexpr int kDecimationFrequency = 32777;
inline constexpr int kDecimatorParams = 32778;
inline constexpr int kInterpolatorParams = 32779;
inline constexpr int kInterpolationTime = 32780;
inline constexpr int kInterpolationFrequency = 32781;
inline constexpr int kFilterParams = 32782;
inline constexpr int kFilterSpectrum = 32783;
inline constexpr int kDecimatorDiagram = 32784;
inline constexpr int kInterpolatorDiagram = 32785;
inline constexpr int kConversionFrequency = 32787;
inline constexpr int kConverterParams = 32788;
inline constexpr int kConverterDiagram = 32789;
inline constexpr int kConversionTime = 32790;
inline constexpr int kAdHocFilter = 32791;

}  // namespace cmd
