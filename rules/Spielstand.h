#pragma once
// The game of the main window without any display: settings, the state of
// one game, the black and white counts, the computer's candidate search and
// the steps of a turn. Each step leaves the state complete, as the window
// then draws it, and says what else the window shows: a flash, the solution
// uncovered, a message.

#include "rules/Zufall.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace quorbix {

inline constexpr int MaxFelder = 8;
inline constexpr int MaxFarben = 8;
inline constexpr int MaxZüge = 14;

// Flags are 16-bit integers; True is -1.
inline constexpr std::int16_t Wahr = -1;

// One row of symbols, positions 1..AnzahlFelder (element 0 unused).
using Reihe = std::array<std::int16_t, MaxFelder + 1>;

// Where a game stands; it decides which buttons may act.
enum class Spielphase {
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
// state, and the message that follows.
struct Schritt {
    bool Blinken = false;   // a new move is asked for: the prompt flashes
    bool Aufdecken = false; // the game is over: the solution row is uncovered
    Meldungsart Meldung = Meldungsart::Keine;
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

class Spielstand : public Einstellungen {
public:
    // Game state. Row 0 of Kombination is the secret code (human guesses) or
    // the computer's candidate; rows 1..14 are the guesses of moves 1..14.
    std::array<Reihe, MaxZüge + 1> Kombination{};
    std::array<std::int16_t, MaxZüge + 1> AntwortSchwarz{};
    std::array<std::int16_t, MaxZüge + 1> AntwortWeiß{};
    std::int16_t Zug = 0;
    std::int16_t Prüfzug = 0;
    std::int16_t Schwarze = 0;
    std::int16_t Weiße = 0;
    std::array<Reihe, 2> Hilfsreihe{};
    std::array<std::int16_t, MaxFarben + 1> Farbtabelle{}; // symbols 1..8
    std::int16_t ZahlSchwarzPins = 0;
    std::int16_t ZahlWeißPins = 0;
    std::int32_t Suchschritte = 0;
    std::int16_t Abbruch = 0;
    std::int16_t Erschöpft = 0;

    // The player's own code while the computer guesses ("Hilfe" counts
    // against it; the solution row shows it).
    Reihe Spielercode{};

    // What the panel's arrows are set to: the entry row (the human's guess,
    // or the player's own code), and the black and white counts of the
    // answer (while the human guesses: the counts of the last guess).
    Reihe Eingabe{};
    std::int16_t EingabeSchwarz = 0;
    std::int16_t EingabeWeiß = 0;

    // The guesses of moves 1..ZahlZüge are on the board; the pegs of their
    // answers are counted by ZahlSchwarzPins and ZahlWeißPins.
    std::int16_t ZahlZüge = 0;

    // What the panel says while the computer guesses: whether the prompt
    // asks for the answer to move Zug, and what the move field shows.
    bool FragtNachAntwort = false;
    Zugfeldanzeige Zugfeld = Zugfeldanzeige::Leer;

    // Called by Neu every 99 candidate steps: the window shows activity.
    // True asks the search to return after the current test, so that the
    // window's events can run; the next SucheWeiter goes on from there.
    std::function<bool()> Aktivität;

    // Resets the state for a new game and draws the code (secret, or the
    // computer's first guess in row 1).
    void Neubeginn(Zufall& zufall);

    // Black and white counts between row 0 and row Prüfzug.
    void Anzahlschwarze();
    void Anzahlweiße();

    // One step of the candidate in counting order (position 1 fastest).
    void Neu();

    Spielphase Phase() const;
    // The solution row shows row 0: the game is over, and not by the
    // computer's finding the player's code.
    bool Aufgedeckt() const;
    bool ZugZurückMöglich() const { return !Mensch && Zug >= 2; }

    // The steps of a turn, by button. The main button ("Start", "Weiter")
    // puts move 1 on the board, then scores the human's guess, or takes the
    // answer to the computer's guess and begins (or resumes) the search.
    Schritt Weiter();
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
    // A slice of the computer's search: nothing while it goes on.
    std::optional<Schritt> SucheWeiter();
    // The whole search at once.
    Schritt Suche();
    // Reopens the answer of move Zug for correction: once a contradiction has
    // been said, and for "Zug zurück".
    Schritt AntwortZurücknehmen();

    // The panel's arrows: entry field `feld` (1..8), and the answer's counts,
    // which keep black + white within the fields.
    void StelleEingabe(int feld, int symbol);
    void StelleSchwarz(int wert);
    void StelleWeiß(int wert);

    // Pieces of a turn: the guess of move Zug goes on the board (the
    // human's from the entry row); the answer on the arrows becomes the
    // answer of move Zug, its pegs counted.
    void ZugAufsBrett();
    void NimmAntwort();

private:
    // Besides the player's next move: the search runs, or a message is due.
    enum class Ablauf { Spiel, Sucht, Widerspruch, Beendet };

    Schritt ErsterZug();
    Schritt MenschRät();
    Schritt ComputerRät();
    Schritt Computersieg();
    Schritt NimmKandidat();
    void BeginneSuche();
    void BewerteZug(); // the guess of move Zug against row 0
    // Counts the guess of move Zug against the given code; row 0 is borrowed
    // and restored.
    void ZähleGegen(const Reihe& code);
    void PinsAbziehen();
    bool AllesSchwarz() const { return AntwortSchwarz[Zug] == AnzahlFelder; }

    Ablauf ablauf_ = Ablauf::Spiel;
    bool pause_ = false; // Aktivität asked the running search to yield
};

} // namespace quorbix
