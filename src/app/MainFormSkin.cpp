#include "app/MainForm.h"

namespace qx {

// Placeholder until the skin object is wired in: the Theme and background menus change
// nothing yet and the window keeps its plain look.
std::vector<ThemeMenuItem> MainForm::ThemeMenuItems() { return {}; }
void MainForm::ChooseTheme(const ThemeMenuItem&) {}
void MainForm::ChooseBackground(bool) {}
void MainForm::OnWindowResized(int) {}

}  // namespace qx
