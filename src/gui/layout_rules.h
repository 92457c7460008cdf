#pragma once

namespace vdbq::gui {

// Pixel rules of the window layout. W is the width of the panel named.

// The tree, and the inner panels of the report panel, leave a margin of W div 25 + 14.
inline int InnerWidth(int panelWidth) { return panelWidth - (panelWidth / 25 + 14); }
// The logo sits 151 pixels from the window's right edge.
inline int LogoLeft(int windowWidth) { return windowWidth - 151; }
// The tree ends 30 pixels above the bottom of the left panel's picture.
inline int TreeHeight(int pictureHeight) { return pictureHeight - 30; }

inline constexpr int kWindowWidth = 916;
inline constexpr int kWindowHeight = 660;
inline constexpr int kTitleBarHeight = 67;
inline constexpr int kLeftPanelWidth = 260;
inline constexpr int kLeftPanelMaxWidth = 320;
inline constexpr int kSplitterMinimum = 100;
inline constexpr int kCommandPanelWidth = 200;

}  // namespace vdbq::gui
