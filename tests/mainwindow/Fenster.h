#pragma once
// Shared by the main window's tests: a fixture that owns one shown window,
// finding controls by object name, fixed random draws, entering codes and
// answers through the spin controls, and an independent model of the game
// (scoring, counting order) to check the window against.

#include "mainwindow/frmQuorbix.h"

#include <QAbstractSpinBox>
#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

namespace testfenster {

using Code = std::vector<int>;

struct Antwort {
    int schwarz = 0;
    int weiß = 0;
    bool operator==(const Antwort&) const = default;
};

// Pixels of a length in twips: 15 twips are one pixel.
int px(int twips);
QRect twips(int links, int oben, int breite, int höhe);

// The colours as the game's documents give them.
QColor Palette(int n);
QColor SymbolFarbe(int symbol);
// Symbol whose colour this is, 0 if none.
int SymbolAusFarbe(const QColor& farbe);

// Black and white counts of a guess against a code (sum over symbols of the
// smaller count, minus black).
Antwort bewerte(const Code& code, const Code& zug);

// The first code in counting order (position 1 fastest) that agrees with
// every guess and its answer; nothing when no code does.
std::optional<Code> ersterPassender(int felder, int farben,
                                    const std::vector<std::pair<Code, Antwort>>& verlauf);

QString alsText(const Code& code);

// Sorted "parent/class:name" of every descendant with a name of its own, and
// the number of labels: what the window is made of.
QStringList Bestand(const QObject& wurzel);

// Records the background of a widget at each of its paint events.
class Malprotokoll : public QObject {
public:
    explicit Malprotokoll(QWidget* w);
    ~Malprotokoll() override;
    std::vector<QColor> farben;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* widget_;
};

// Runs `tat` at the first turn of the event loop while the window's search
// is running; `ausgeführt` tells whether it happened.
class WährendSuche {
public:
    WährendSuche(const frmQuorbix& fenster, std::function<void()> tat);
    bool ausgeführt = false;

private:
    QTimer wecker_;
};

struct Spiel {
    bool farben = true;
    bool mensch = true;
    int symbole = 6;
    int felder = 4;
    // The drawn code (the secret, or the computer's first guess); empty:
    // whatever the generator draws.
    Code code{};
};

class FensterTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Clears the board (after the first game), applies the settings, fixes the
    // draw of the code and starts a game.
    void starte(const Spiel& spiel);
    // The next game started in any way draws this code.
    void legeCodeFest(const Code& code, int symbole);

    template <class T = QWidget> T* finde(const QString& name) const {
        T* w = fenster->findChild<T*>(name);
        if (w == nullptr) {
            throw std::runtime_error("no control " + name.toStdString());
        }
        return w;
    }
    bool gibt(const QString& name) const { return fenster->findChild<QObject*>(name) != nullptr; }
    QLabel* lbl(const QString& name) const { return finde<QLabel>(name); }
    QLabel* lbl(const char* array, int index) const;
    QPushButton* knopf(int index) const;
    QAbstractSpinBox* dreh(const QString& name) const { return finde<QAbstractSpinBox>(name); }
    QAbstractSpinBox* updM(int index) const;
    // Board cell of field 0.. in move 1..14.
    QLabel* zelle(int feld, int zug) const;
    QWidget* zentrale() const { return fenster->centralWidget(); }

    // Clicks a button with the mouse; returns the texts of the message boxes.
    QStringList klick(int index);
    // The same through the click procedure.
    QStringList drücke(int index);
    // Clicks a button; `blick` looks at the window while each message box is
    // open. Returns the texts of the boxes.
    QStringList klick(int index, const std::function<void()>& blick);
    // Presses a key in the window.
    void taste(Qt::Key k);

    // Steps the entry spinners until the entry row shows the code.
    void gibEin(const Code& code);
    // Steps the answer spinners to the answer.
    void antworte(Antwort a);
    static void stelle(QAbstractSpinBox* dreh, int ziel);
    static int wert(const QAbstractSpinBox* dreh) { return dreh->property("value").toInt(); }

    // What the answer displays show.
    Antwort angezeigt() const;
    // The guess of a move as the board shows it.
    Code brettZug(int zug) const;
    // Which of the seven buttons are enabled, as a string of 0 and 1.
    QString knopfZustand() const;
    // How many answer pegs of each kind are visible.
    int sichtbarePins(const char* array) const;
    // The places (pixel rectangles) where visible pegs of the array lie.
    std::set<std::pair<int, int>> pinPlätze(const char* array) const;

    std::unique_ptr<frmQuorbix> fenster;
    Spiel spiel;
    bool gestartet = false;
};

} // namespace testfenster
