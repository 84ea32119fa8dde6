#include "rules/Spielstand.h"

#include "rules/Farben.h"
#include "rules/Zaehlfolge.h"

namespace quorbix {

namespace {

bool setzeAnzahl(std::int16_t& ziel, int wert, int höchstens) {
    if (wert < 1 || wert > höchstens) {
        return false;
    }
    ziel = static_cast<std::int16_t>(wert);
    return true;
}

// The answer's counts keep black + white within the fields: when a change
// of one breaks that, the other gives way.
void stelleAntwortzahl(std::int16_t& geändert, std::int16_t& anderes, int wert, int felder) {
    geändert = static_cast<std::int16_t>(wert);
    if (wert + anderes > felder) {
        anderes = static_cast<std::int16_t>(wert == felder ? 0 : anderes - 1);
    }
}

} // namespace

bool Einstellungen::setzeAnzahlFarben(int wert) {
    return setzeAnzahl(AnzahlFarben, wert, MaxFarben);
}

bool Einstellungen::setzeAnzahlFelder(int wert) {
    return setzeAnzahl(AnzahlFelder, wert, MaxFelder);
}

void Spielstand::Neubeginn(Zufall& zufall) {
    Zug = 0;
    Erschöpft = 0;
    ZahlSchwarzPins = 0;
    ZahlWeißPins = 0;
    Abbruch = 0;
    ablauf_ = Ablauf::Spiel;
    Spielercode = {};
    Kombination = {};
    AntwortSchwarz = {};
    AntwortWeiß = {};
    Hilfsreihe = {};
    Farbtabelle = {};
    for (int s = 1; s <= MaxFarben; ++s) {
        Farbtabelle[s] = SymbolFarben[s - 1];
    }
    zufall.Randomize();
    Eingabe = {};
    for (int f = 1; f <= AnzahlFelder; ++f) {
        Kombination[0][f] = 1;
        Kombination[1][f] = zufall.Symbol(AnzahlFarben);
        if (Mensch) {
            Kombination[0][f] = Kombination[1][f];
        }
        Eingabe[f] = 1;
    }
    EingabeSchwarz = 0;
    EingabeWeiß = 0;
    ZahlZüge = 0;
    FragtNachAntwort = false;
    Zugfeld = Zugfeldanzeige::Leer;
}

void Spielstand::Anzahlschwarze() {
    const Reihe& code = Kombination[0];
    const Reihe& zug = Kombination[Prüfzug];
    int schwarze = 0;
    for (int p = 1; p <= AnzahlFelder; ++p) {
        schwarze += code[p] == zug[p];
    }
    Schwarze = static_cast<std::int16_t>(schwarze);
}

void Spielstand::Anzahlweiße() {
    const Reihe& s = Kombination[0];
    Reihe& g = Hilfsreihe[0];
    g = Kombination[Prüfzug];
    int weiße = 0;
    for (int a = 1; a <= AnzahlFelder; ++a) {
        for (int b = 1; b <= AnzahlFelder; ++b) {
            // An exact hit is never used up, nor used to match.
            if (s[a] != g[a] && s[a] == g[b] && s[b] != g[b]) {
                ++weiße;
                g[b] = 0;
                break;
            }
        }
    }
    Weiße = static_cast<std::int16_t>(weiße);
}

void Spielstand::Neu() {
    if (!Weiterzählen(Kombination[0], AnzahlFelder, AnzahlFarben)) {
        // Ran past the last code; the last position stays one too high.
        Erschöpft = 1;
        Prüfzug = 1;
    }
    ++Suchschritte;
    if (Suchschritte % 99 == 0 && Aktivität && Aktivität()) {
        pause_ = true;
    }
    if (Erschöpft == 0) {
        Prüfzug = static_cast<std::int16_t>(Zug + 1);
    }
}

Spielphase Spielstand::Phase() const {
    switch (ablauf_) {
    case Ablauf::Sucht:
        return Spielphase::Sucht;
    case Ablauf::Widerspruch:
        return Spielphase::Widerspruch;
    case Ablauf::Beendet:
        return Spielphase::Beendet;
    case Ablauf::Spiel:
        break;
    }
    if (Zug == 0) {
        return Spielphase::NichtBegonnen;
    }
    if (Mensch) {
        return Spielphase::Menschenzug;
    }
    return Abbruch != 0 ? Spielphase::Unterbrochen : Spielphase::WartetAufAntwort;
}

bool Spielstand::Aufgedeckt() const {
    return ablauf_ == Ablauf::Beendet && (Mensch || !AllesSchwarz());
}

// ---------------------------------------------------------------- steps

Schritt Spielstand::Weiter() {
    if (Zug == 0) {
        return ErsterZug();
    }
    return Mensch ? MenschRät() : ComputerRät();
}

Schritt Spielstand::ErsterZug() {
    // Move 1 is the human's entry, or the computer's first guess; while the
    // computer guesses, the entry is the player's code.
    Zug = 1;
    if (!Mensch) {
        Spielercode = Eingabe;
        FragtNachAntwort = true;
        Zugfeld = Zugfeldanzeige::Ziffern;
    }
    ZugAufsBrett();
    return {};
}

Schritt Spielstand::MenschRät() {
    ZugAufsBrett();
    BewerteZug();
    EingabeSchwarz = Schwarze;
    EingabeWeiß = Weiße;
    NimmAntwort();
    if (AllesSchwarz()) {
        ablauf_ = Ablauf::Beendet;
        return {.Aufdecken = true, .Meldung = Meldungsart::Bewertung};
    }
    ++Zug;
    if (Zug > MaxZüge) {
        ablauf_ = Ablauf::Beendet;
        return {.Blinken = true, .Aufdecken = true, .Meldung = Meldungsart::KeineVersuche};
    }
    return {.Blinken = true};
}

Schritt Spielstand::ComputerRät() {
    // A resumed search keeps the answer stored before it began.
    if (Abbruch == 0) {
        NimmAntwort();
    }
    FragtNachAntwort = false;
    Zugfeld = Zugfeldanzeige::IchDenke;
    if (AllesSchwarz()) {
        return Computersieg();
    }
    if (Erschöpft == 1) {
        // The last guess was the last code: no code is left to try.
        Abbruch = 0;
        ablauf_ = Ablauf::Widerspruch;
        return {.Meldung = Meldungsart::AngabenFalsch};
    }
    BeginneSuche();
    return {};
}

Schritt Spielstand::Richtig() {
    if (Mensch) {
        ablauf_ = Ablauf::Beendet;
        return {.Aufdecken = true, .Meldung = Meldungsart::Aufgegeben};
    }
    if (Abbruch != 0) {
        // The answer stored before the search leaves the board first.
        PinsAbziehen();
        Abbruch = 0;
    }
    EingabeSchwarz = AnzahlFelder;
    EingabeWeiß = 0;
    NimmAntwort();
    return Computersieg();
}

Schritt Spielstand::Computersieg() {
    ablauf_ = Ablauf::Beendet;
    return {.Meldung = Meldungsart::Computersieg};
}

Schritt Spielstand::Hilfe() {
    ZähleGegen(Spielercode);
    EingabeSchwarz = Schwarze;
    EingabeWeiß = Weiße;
    return {};
}

Schritt Spielstand::ZugZurück() {
    if (!ZugZurückMöglich()) {
        return {};
    }
    // After an interrupted search the last guess stays; otherwise it goes.
    if (Abbruch != 0) {
        Abbruch = 0;
    } else {
        --Zug;
        ZugAufsBrett();
    }
    FragtNachAntwort = true;
    return AntwortZurücknehmen();
}

Schritt Spielstand::Anhalten() {
    // "Stop" comes between two slices of the search, after a test.
    Abbruch = Wahr;
    ablauf_ = Ablauf::Spiel;
    Zugfeld = Zugfeldanzeige::Unterbrechung;
    return {};
}

void Spielstand::BeginneSuche() {
    // A stopped search resumes with its candidate and move under test. It
    // was stopped between slices, never at the step that ran past the last
    // code: that step ends the search.
    if (Abbruch == 0) {
        Suchschritte = 1;
        Prüfzug = Zug;
    }
    Abbruch = 0;
    ablauf_ = Ablauf::Sucht;
}

std::optional<Schritt> Spielstand::SucheWeiter() {
    if (ablauf_ != Ablauf::Sucht) {
        return Schritt{};
    }
    pause_ = false;
    do {
        Anzahlschwarze();
        if (Schwarze != AntwortSchwarz[Prüfzug]) {
            Neu();
        } else {
            Anzahlweiße();
            if (Weiße != AntwortWeiß[Prüfzug]) {
                Neu();
            }
        }
        --Prüfzug;
    } while (Prüfzug != 0 && !pause_);
    if (Prüfzug != 0) {
        return std::nullopt; // yielded; the candidate is tested on
    }
    if (Erschöpft == 1) {
        ablauf_ = Ablauf::Widerspruch;
        return Schritt{.Meldung = Meldungsart::AngabenFalsch};
    }
    return NimmKandidat();
}

Schritt Spielstand::Suche() {
    for (;;) {
        if (const auto schritt = SucheWeiter()) {
            return *schritt;
        }
    }
}

Schritt Spielstand::NimmKandidat() {
    // Row 0 agrees with every answer: it becomes the next guess, unless 14
    // moves are on the board already.
    if (Zug >= MaxZüge) {
        ablauf_ = Ablauf::Beendet;
        return {.Aufdecken = true, .Meldung = Meldungsart::KeineVersuche};
    }
    ablauf_ = Ablauf::Spiel;
    ++Zug;
    Kombination[Zug] = Kombination[0];
    ZugAufsBrett();
    EingabeSchwarz = 0;
    EingabeWeiß = 0;
    FragtNachAntwort = true;
    Zugfeld = Zugfeldanzeige::WasNun;
    Neu(); // the next search starts just after this guess
    return {.Blinken = true};
}

Schritt Spielstand::AntwortZurücknehmen() {
    // The search restarts at the guess of move Zug (at 1, 1, ..., 1 at move 1).
    Kombination[0] = Kombination[Zug];
    PinsAbziehen();
    if (Zug == 1) {
        for (int p = 1; p <= AnzahlFelder; ++p) {
            Kombination[0][p] = 1;
        }
    }
    Erschöpft = 0;
    EingabeSchwarz = AntwortSchwarz[Zug];
    EingabeWeiß = AntwortWeiß[Zug];
    Zugfeld = Zugfeldanzeige::WasNun;
    ablauf_ = Ablauf::Spiel;
    return {};
}

void Spielstand::PinsAbziehen() {
    ZahlSchwarzPins = static_cast<std::int16_t>(ZahlSchwarzPins - AntwortSchwarz[Zug]);
    ZahlWeißPins = static_cast<std::int16_t>(ZahlWeißPins - AntwortWeiß[Zug]);
}

// ---------------------------------------------------------------- pieces

void Spielstand::StelleEingabe(int feld, int symbol) {
    if (feld >= 1 && feld <= MaxFelder) {
        Eingabe[feld] = static_cast<std::int16_t>(symbol);
    }
}

void Spielstand::StelleSchwarz(int wert) {
    stelleAntwortzahl(EingabeSchwarz, EingabeWeiß, wert, AnzahlFelder);
}

void Spielstand::StelleWeiß(int wert) {
    stelleAntwortzahl(EingabeWeiß, EingabeSchwarz, wert, AnzahlFelder);
}

void Spielstand::ZugAufsBrett() {
    if (Mensch) {
        Kombination[Zug] = Eingabe;
    }
    ZahlZüge = Zug;
}

void Spielstand::NimmAntwort() {
    AntwortSchwarz[Zug] = EingabeSchwarz;
    AntwortWeiß[Zug] = EingabeWeiß;
    ZahlSchwarzPins = static_cast<std::int16_t>(ZahlSchwarzPins + EingabeSchwarz);
    ZahlWeißPins = static_cast<std::int16_t>(ZahlWeißPins + EingabeWeiß);
}

void Spielstand::ZähleGegen(const Reihe& code) {
    for (int p = 1; p <= AnzahlFelder; ++p) {
        Hilfsreihe[1][p] = Kombination[0][p];
        Kombination[0][p] = code[p];
    }
    BewerteZug();
    for (int p = 1; p <= AnzahlFelder; ++p) {
        Kombination[0][p] = Hilfsreihe[1][p];
    }
}

void Spielstand::BewerteZug() {
    Prüfzug = Zug;
    Anzahlschwarze();
    Anzahlweiße();
}

} // namespace quorbix
