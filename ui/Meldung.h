#pragma once
// The game's message box: modal, no icon, only OK, title "Quorbix !".

class QString;
class QWidget;

void Meldung(QWidget* eltern, const QString& text);
