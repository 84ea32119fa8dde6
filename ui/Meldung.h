#pragma once
// The game's message box: modal, no icon, only OK, title "Quorbix !".

class QString;
class QWidget;

namespace ui {

// Shows a message of the game and returns once it has been acknowledged.
// `zuvor`, the news of the step that led to it, is what a screen reader
// says first as the box opens: said on its own, the box's opening would cut
// it short or come first.
void zeigeMeldung(QWidget* eltern, const QString& text, const QString& zuvor);
void zeigeMeldung(QWidget* eltern, const QString& text);

} // namespace ui
