#pragma once
// Driving modal windows from tests: a timer armed before the blocking call
// finds the modal widget and hands it over, or answers message boxes with OK.

#include <QStringList>
#include <functional>

class QWidget;

namespace testhilfe {

// Runs `aktion`; each modal widget that opens meanwhile is passed to
// `bearbeite`, which must close it. Returns how many were handled.
int beiModal(const std::function<void()>& aktion, const std::function<void(QWidget*)>& bearbeite);

// Runs `aktion`, answers every message box with OK and returns their texts;
// fails the test on any other modal window or a box that is not the game's.
QStringList Meldungstexte(const std::function<void()>& aktion);

} // namespace testhilfe
