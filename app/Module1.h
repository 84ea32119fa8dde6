#pragma once

namespace Module1 {
// Start-up: create and show the main window, then lay out the first game.
void Main();

// Makes whatever Qt itself writes (context menus, standard buttons) German,
// whatever the user's locale. False if Qt's German translations are not
// installed; the program then runs with Qt's English texts.
bool QtTexteDeutsch();
} // namespace Module1
