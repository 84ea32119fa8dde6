#pragma once
// The game of the main window without any display: settings, the state of
// one game, the black and white counts, the computer's candidate search and
// the steps of a turn. Only the steps change the state, and each leaves it
// complete, as the window then draws it, and says what else the window
// shows: a flash, the solution uncovered, a message, the settings dialog.
// Everything else reads it.

#include "rules/Knoepfe.h"
#include "rules/Zufall.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace quorbix {

inline constexpr int MaxFelder = 8;
inline constexpr int MaxFarben = 8;
inline constexpr int MaxZüge = 14;

// True, for the flags that are 16-bit integers (Abbruch).
inline constexpr std::int16_t Wahr = -1;

// One row of symbols, positions 1..AnzahlFelder (element 0 unused).
using Reihe = std::array<std::int16_t, MaxFelder + 1>;

// Where a game stands; it decides which buttons may act (Knoepfe.h).
enum class Spielphase {
    Geleert,          // no game on the board: loaded, or cleared for the next one
    NichtBegonnen,    // laid out, before the first press of the main button
    Menschenzug,      // the human sends guesses
    WartetAufAntwort, // the computer's guess awaits the player's answer
    Sucht,            // the computer searches for its next guess
    Unterbrochen,     // the search was stopped; the main button resumes it
    Widerspruch,      // no code agrees with the answers: once that is said, the answer is reopened
    Beendet,          // won, lost or given up: once that is said, a new game begins
};

// What the move field says while the computer guesses.
enum class Zugfeldanzeige {
    Leer,
    Ziffern,       // the digits of the computer's guess (with numbers; colours leave it empty)
    IchDenke,      // "Ich denke ...": the search's animation has the field meanwhile
    Unterbrechung, // "Unterbrechung !"
    WasNun,        // "Was nun ?"
};

// The game's messages, by what led to them.
enum class Meldungsart {
    Keine,
    Bewertung,     // the human found the code; the rating follows the move
    KeineVersuche, // the moves ran out
    Aufgegeben,    // "Auf- lösung"
    Computersieg,  // the computer found the code
    AngabenFalsch, // no code agrees with the answers
};

// What a step did beyond the state it leaves: how the window draws that
// state, and what follows.
struct Schritt {
    bool Blinken = false;    // a new move is asked for: the prompt flashes
    bool Aufdecken = false;  // the game is over: the solution row is uncovered
    bool Neuaufbau = false;  // a new game is laid out on a board built afresh
    bool Einstellen = false; // the board is cleared for the settings dialog, which opens
    Meldungsart Meldung = Meldungsart::Keine; // acknowledged with Spielstand::Quittiere
};

// The four settings of a game, with their defaults.
struct Einstellungen {
    bool Farben = true;
    bool Mensch = true;
    std::int16_t AnzahlFarben = 6;
    std::int16_t AnzahlFelder = 4;

    // The counts take values within 1..8 only; anything else is refused
    // (false) and the setting keeps its value.
    bool setzeAnzahlFarben(int wert);
    bool setzeAnzahlFelder(int wert);
};

class Spielstand {
public:
    // The draws of new codes come from `zufall`, which outlives the state.
    explicit Spielstand(Zufall& zufall) : zufall_(&zufall) {}

    // The settings the next game is laid out with; a change takes effect
    // with that game. The game on the board keeps its own (below).
    const Einstellungen& Vorgabe() const { return vorgabe_; }
    void Vorgeben(const Einstellungen& einstellungen) { vorgabe_ = einstellungen; }

    // ------------------------------------------------------------ reading
    // The settings of the game on the board.
    bool Farben() const { return spiel_.Farben; }
    bool Mensch() const { return spiel_.Mensch; }
    std::int16_t AnzahlFarben() const { return spiel_.AnzahlFarben; }
    std::int16_t AnzahlFelder() const { return spiel_.AnzahlFelder; }

    // Row 0 of Kombination is the secret code (human guesses) or the
    // computer's candidate; rows 1..14 are the guesses of moves 1..14.
    const std::array<Reihe, MaxZüge + 1>& Kombination() const { return kombination_; }
    const std::array<std::int16_t, MaxZüge + 1>& AntwortSchwarz() const { return antwortSchwarz_; }
    const std::array<std::int16_t, MaxZüge + 1>& AntwortWeiß() const { return antwortWeiß_; }
    // The answer of move `zug` (1..14) is given for good: an earlier
    // move's, or the winning one's, which leaves the move count as it is.
    bool Beantwortet(int zug) const;
    std::int16_t Zug() const { return zug_; }
    std::int16_t Prüfzug() const { return prüfzug_; }
    std::int16_t Schwarze() const { return schwarze_; }
    std::int16_t Weiße() const { return weiße_; }
    const std::array<Reihe, 2>& Hilfsreihe() const { return hilfsreihe_; }
    const std::array<std::int16_t, MaxFarben + 1>& Farbtabelle() const { return farbtabelle_; }
    std::int16_t ZahlSchwarzPins() const { return zahlSchwarzPins_; }
    std::int16_t ZahlWeißPins() const { return zahlWeißPins_; }
    std::int32_t Suchschritte() const { return suchschritte_; }
    // True (-1) while a stopped search waits to be resumed.
    std::int16_t Abbruch() const { return phase_ == Spielphase::Unterbrochen ? Wahr : 0; }
    // 1 once the candidate has run past the last code, else 0.
    std::int16_t Erschöpft() const { return erschöpft_; }

    // The player's own code while the computer guesses ("Hilfe" counts
    // against it; the solution row shows it).
    const Reihe& Spielercode() const { return spielercode_; }
    // What the panel's arrows are set to: the entry row (the human's guess,
    // or the player's own code), and the black and white counts of the
    // answer (while the human guesses: the counts of the last guess).
    const Reihe& Eingabe() const { return eingabe_; }
    std::int16_t EingabeSchwarz() const { return eingabeSchwarz_; }
    std::int16_t EingabeWeiß() const { return eingabeWeiß_; }
    // The guesses of moves 1..ZahlZüge are on the board.
    std::int16_t ZahlZüge() const { return zahlZüge_; }
    // What the panel says while the computer guesses: whether the prompt
    // asks for the answer to move Zug, and what the move field shows.
    bool FragtNachAntwort() const { return fragtNachAntwort_; }
    Zugfeldanzeige Zugfeld() const { return zugfeld_; }

    Spielphase Phase() const { return phase_; }
    // The solution row shows row 0: the game is over, and not by the
    // computer's finding the player's code.
    bool Aufgedeckt() const;
    bool ZugZurückMöglich() const { return !Mensch() && zug_ >= 2; }

    // ------------------------------------------------------------ steps
    // Start: a new game with the settings given beforehand; the code is
    // drawn (the secret, or the computer's first guess in row 1).
    Schritt Neubeginn();
    // Lösch: the board is cleared; no game is shown until the next Start.
    Schritt Lösch();
    // A button of cmdFertig, by the table of Knoepfe.h: what may act in
    // this phase acts, anything else does nothing.
    Schritt Drücke(Knopfnummer knopf);
    // The step's message has been read: a game over makes room for the
    // next, answers found contradictory are reopened for correction.
    Schritt Quittiere();
    // A slice of the computer's search: nothing while it goes on.
    std::optional<Schritt> SucheWeiter();
    // The rest of the search at once.
    Schritt Suche();

    // The panel's arrows: entry field `feld` (1..8), and the answer's counts,
    // which keep black + white within the fields.
    void StelleEingabe(int feld, int symbol);
    void StelleSchwarz(int wert);
    void StelleWeiß(int wert);

    // The documented pieces of a turn, for the window's methods of the same
    // names. While the human guesses or an answer is awaited, the guess of
    // move Zug goes on the board (the human's from the entry row), and the
    // answer on the arrows becomes the answer of move Zug: its pegs replace
    // any the move had.
    Schritt Zeigezug();
    Schritt ZeigeWS();
    // Black and white counts between row 0 and row Prüfzug.
    void Anzahlschwarze();
    void Anzahlweiße();
    // One step of the candidate in counting order (position 1 fastest).
    void Neu();

    // Asked every 99 candidate steps of the search: true hands the window's
    // event loop a turn, and the search returns after the current test; the
    // next SucheWeiter goes on from there.
    void setzeAbgabe(std::function<bool()> abgeben) { abgeben_ = std::move(abgeben); }
    // The last slice handed that turn: the window shows a frame of activity.
    bool Abgegeben() const { return pause_; }

private:
    // The steps of the buttons. The main button ("Start", "Weiter") puts
    // move 1 on the board, then scores the human's guess, or takes the
    // answer to the computer's guess and begins (or resumes) the search.
    Schritt Weiter();
    Schritt ErsterZug();
    Schritt MenschRät();
    Schritt ComputerRät();
    // "Auf- lösung": the human gives up; "Alle richtig": the computer's guess
    // is answered all black.
    Schritt Richtig();
    // "Hilfe": the arrows take the answer counted against the player's code.
    Schritt Hilfe();
    // "Zug zurück": after a stopped search its guess stays, otherwise the
    // move is taken back; then the current move's answer is reopened.
    Schritt ZugZurück();
    // "Stop": the search runs between the window's events, so it ends here;
    // the main button resumes it.
    Schritt Anhalten();
    Schritt Computersieg();
    Schritt NimmKandidat();
    Schritt AntwortZurücknehmen();
    void BeginneSuche();
    void ZugAufsBrett();
    void NimmAntwort();
    void BewerteZug(); // the guess of move Zug against row 0
    // Counts the guess of move Zug against the given code; row 0 is borrowed
    // and restored.
    void ZähleGegen(const Reihe& code);
    void PinsAbziehen();
    bool AllesSchwarz() const { return antwortSchwarz_[zug_] == AnzahlFelder(); }

    Zufall* zufall_;
    std::function<bool()> abgeben_;
    Einstellungen vorgabe_;
    Einstellungen spiel_;
    Spielphase phase_ = Spielphase::Geleert;

    std::array<Reihe, MaxZüge + 1> kombination_{};
    std::array<std::int16_t, MaxZüge + 1> antwortSchwarz_{};
    std::array<std::int16_t, MaxZüge + 1> antwortWeiß_{};
    std::int16_t zug_ = 0;
    std::int16_t prüfzug_ = 0;
    std::int16_t schwarze_ = 0;
    std::int16_t weiße_ = 0;
    std::array<Reihe, 2> hilfsreihe_{};
    std::array<std::int16_t, MaxFarben + 1> farbtabelle_{};
    std::int16_t zahlSchwarzPins_ = 0;
    std::int16_t zahlWeißPins_ = 0;
    std::int32_t suchschritte_ = 0;
    std::int16_t erschöpft_ = 0;

    Reihe spielercode_{};
    Reihe eingabe_{};
    std::int16_t eingabeSchwarz_ = 0;
    std::int16_t eingabeWeiß_ = 0;
    std::int16_t zahlZüge_ = 0;
    std::int16_t beantwortet_ = 0; // the answers of moves 1..beantwortet_ have their pegs
    bool fragtNachAntwort_ = false;
    Zugfeldanzeige zugfeld_ = Zugfeldanzeige::Leer;
    bool pause_ = false; // the running search was asked to hand a turn
};

} // namespace quorbix
