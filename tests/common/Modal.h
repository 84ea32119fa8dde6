#pragma once
// Driving modal windows from tests: a timer armed before the blocking call
// finds the modal widget and hands it over, or answers message boxes with OK.

#include <QStringList>
#include <functional>
#include <ostream>

// A failing check prints a text as text.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

class QWidget;

namespace testhilfe {

// Runs `aktion`; each modal widget that opens meanwhile is passed to
// `bearbeite`, which must close it. Returns how many were handled.
int beiModal(const std::function<void()>& aktion, const std::function<void(QWidget*)>& bearbeite);

// Runs `aktion`, answers every message box with OK and returns their texts;
// fails the test on any other modal window or a box that is not the game's.
// With `dahinter`, a text is followed by " | " and what `dahinter` finds
// while its box is open: the window behind it, say.
QStringList Meldungstexte(const std::function<void()>& aktion,
                          const std::function<QString()>& dahinter = {});

} // namespace testhilfe
