#pragma once

namespace Module1 {
// Start-up: create and show the main window, then lay out the first game.
void Main();

// Makes whatever Qt itself writes (context menus, standard buttons) German,
// whatever the user's locale. False if Qt's German translations are not
// installed; the program then runs with Qt's English texts.
bool QtTexteDeutsch();

// Before the application exists: on a Wayland desktop that also offers X11
// (XWayland), run on X11. There the window manager hears which title-bar
// buttons a window wants and the program may centre its windows; on Wayland
// Qt draws every title bar itself, with all three buttons, and a program may
// not place a window. A platform the user chose with QT_QPA_PLATFORM wins.
void X11BevorzugenUnterWayland();

// Around the creation of the application: where no display can be reached,
// Qt would list its platform plugins in English and abort with a core dump.
// Instead the program says so in one German line and ends with status 1.
// Qt's messages meanwhile are held back and passed on once a display answered.
void OhneAnzeigeKlarBeenden();
void AnzeigeErreicht();
} // namespace Module1
