#pragma once
// Both dialogs open in the middle of the screen, not over their owner.

class QWidget;

namespace dialoge {

// Moves a top-level window so that its outer frame is centred on its screen.
void zentriereAufBildschirm(QWidget* fenster);

} // namespace dialoge
