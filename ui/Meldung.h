#pragma once
// The game's message box: modal, no icon, only OK, title "Quorbix !".

class QString;
class QWidget;

namespace ui {

// Shows a message of the game and returns once it has been acknowledged.
void zeigeMeldung(QWidget* eltern, const QString& text);

} // namespace ui
