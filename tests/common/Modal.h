#pragma once
// Driving modal windows from tests: a timer armed before the blocking call
// finds the modal widget and hands it over, or answers message boxes with OK.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace testhilfe {

// Runs `aktion`; each modal widget that opens meanwhile is passed to
// `bearbeite`, which must close it. Returns how many were handled.
int beiModal(const std::function<void()>& aktion, const std::function<void(QWidget*)>& bearbeite);

struct Meldung {
    QString titel;
    QString text;
};

// Runs `aktion`, answers every message box with OK and returns them in order.
std::vector<Meldung> Meldungen(const std::function<void()>& aktion);

// Texts only; fails the test if a box has another title than "Quorbix !".
QStringList Meldungstexte(const std::function<void()>& aktion);

} // namespace testhilfe
