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

Schritt Spielstand::Neubeginn() {
    spiel_ = vorgabe_;
    phase_ = Spielphase::NichtBegonnen;
    zug_ = 0;
    erschöpft_ = 0;
    zahlSchwarzPins_ = 0;
    zahlWeißPins_ = 0;
    spielercode_ = {};
    kombination_ = {};
    antwortSchwarz_ = {};
    antwortWeiß_ = {};
    hilfsreihe_ = {};
    farbtabelle_ = {};
    for (int s = 1; s <= MaxFarben; ++s) {
        farbtabelle_[s] = SymbolFarben[s - 1];
    }
    zufall_->Randomize();
    eingabe_ = {};
    for (int f = 1; f <= AnzahlFelder(); ++f) {
        kombination_[0][f] = 1;
        kombination_[1][f] = zufall_->Symbol(AnzahlFarben());
        if (Mensch()) {
            kombination_[0][f] = kombination_[1][f];
        }
        eingabe_[f] = 1;
    }
    eingabeSchwarz_ = 0;
    eingabeWeiß_ = 0;
    zahlZüge_ = 0;
    beantwortet_ = 0;
    fragtNachAntwort_ = false;
    zugfeld_ = Zugfeldanzeige::Leer;
    return {.Blinken = true, .Neuaufbau = true};
}

Schritt Spielstand::Lösch() {
    // The state still describes the game that was shown, until Start.
    phase_ = Spielphase::Geleert;
    return {};
}

void Spielstand::Anzahlschwarze() {
    const Reihe& code = kombination_[0];
    const Reihe& zug = kombination_[prüfzug_];
    int schwarze = 0;
    for (int p = 1; p <= AnzahlFelder(); ++p) {
        schwarze += code[p] == zug[p];
    }
    schwarze_ = static_cast<std::int16_t>(schwarze);
}

void Spielstand::Anzahlweiße() {
    const Reihe& s = kombination_[0];
    Reihe& g = hilfsreihe_[0];
    g = kombination_[prüfzug_];
    int weiße = 0;
    for (int a = 1; a <= AnzahlFelder(); ++a) {
        for (int b = 1; b <= AnzahlFelder(); ++b) {
            // An exact hit is never used up, nor used to match.
            if (s[a] != g[a] && s[a] == g[b] && s[b] != g[b]) {
                ++weiße;
                g[b] = 0;
                break;
            }
        }
    }
    weiße_ = static_cast<std::int16_t>(weiße);
}

void Spielstand::Neu() {
    if (!Weiterzählen(kombination_[0], AnzahlFelder(), AnzahlFarben())) {
        // Ran past the last code; the last position stays one too high.
        erschöpft_ = 1;
        prüfzug_ = 1;
    }
    ++suchschritte_;
    if (suchschritte_ % 99 == 0 && abgeben_ && abgeben_()) {
        pause_ = true;
    }
    if (erschöpft_ == 0) {
        prüfzug_ = static_cast<std::int16_t>(zug_ + 1);
    }
}

bool Spielstand::Beantwortet(int zug) const {
    return zug < zug_ || (zug == zug_ && phase_ == Spielphase::Beendet && AllesSchwarz());
}

bool Spielstand::Aufgedeckt() const {
    return phase_ == Spielphase::Beendet && (Mensch() || !AllesSchwarz());
}

// ---------------------------------------------------------------- steps

Schritt Spielstand::Drücke(Knopfnummer knopf) {
    if (knopf < 0 || knopf >= Knopfzahl || RechtVon(knopf, *this) != Knopfrecht::An) {
        return {};
    }
    switch (knopf) {
    case Hauptknopf:
        return Weiter();
    case Richtigknopf:
        return Richtig();
    case NeuesSpielKnopf:
        Lösch();
        return Neubeginn();
    case Hilfeknopf:
        return Hilfe();
    case Korrekturknopf:
        return ZugZurück();
    case Stopknopf:
        return Anhalten();
    case Einstellungsknopf:
        Lösch();
        return {.Einstellen = true};
    case Knopfzahl:
        break;
    }
    return {};
}

Schritt Spielstand::Quittiere() {
    switch (phase_) {
    case Spielphase::Widerspruch:
        return AntwortZurücknehmen();
    case Spielphase::Beendet:
        Lösch();
        return Neubeginn();
    default:
        return {};
    }
}

Schritt Spielstand::Weiter() {
    if (zug_ == 0) {
        return ErsterZug();
    }
    return Mensch() ? MenschRät() : ComputerRät();
}

Schritt Spielstand::ErsterZug() {
    // Move 1 is the human's entry, or the computer's first guess; while the
    // computer guesses, the entry is the player's code.
    zug_ = 1;
    if (Mensch()) {
        phase_ = Spielphase::Menschenzug;
    } else {
        phase_ = Spielphase::WartetAufAntwort;
        spielercode_ = eingabe_;
        fragtNachAntwort_ = true;
        zugfeld_ = Zugfeldanzeige::Ziffern;
    }
    ZugAufsBrett();
    return {};
}

Schritt Spielstand::MenschRät() {
    ZugAufsBrett();
    BewerteZug();
    eingabeSchwarz_ = schwarze_;
    eingabeWeiß_ = weiße_;
    NimmAntwort();
    if (AllesSchwarz()) {
        phase_ = Spielphase::Beendet;
        return {.Aufdecken = true, .Meldung = Meldungsart::Bewertung};
    }
    ++zug_;
    if (zug_ > MaxZüge) {
        phase_ = Spielphase::Beendet;
        return {.Blinken = true, .Aufdecken = true, .Meldung = Meldungsart::KeineVersuche};
    }
    return {.Blinken = true};
}

Schritt Spielstand::ComputerRät() {
    // A resumed search keeps the answer stored before it began.
    if (phase_ != Spielphase::Unterbrochen) {
        NimmAntwort();
    }
    fragtNachAntwort_ = false;
    zugfeld_ = Zugfeldanzeige::IchDenke;
    if (AllesSchwarz()) {
        return Computersieg();
    }
    if (erschöpft_ == 1) {
        // The last guess was the last code: no code is left to try.
        phase_ = Spielphase::Widerspruch;
        return {.Meldung = Meldungsart::AngabenFalsch};
    }
    BeginneSuche();
    return {};
}

Schritt Spielstand::Richtig() {
    if (Mensch()) {
        phase_ = Spielphase::Beendet;
        return {.Aufdecken = true, .Meldung = Meldungsart::Aufgegeben};
    }
    // Replaces an answer stored before a stopped search.
    eingabeSchwarz_ = AnzahlFelder();
    eingabeWeiß_ = 0;
    NimmAntwort();
    return Computersieg();
}

Schritt Spielstand::Computersieg() {
    phase_ = Spielphase::Beendet;
    return {.Meldung = Meldungsart::Computersieg};
}

Schritt Spielstand::Hilfe() {
    ZähleGegen(spielercode_);
    eingabeSchwarz_ = schwarze_;
    eingabeWeiß_ = weiße_;
    return {};
}

Schritt Spielstand::ZugZurück() {
    // After an interrupted search the last guess stays; otherwise it goes.
    if (phase_ != Spielphase::Unterbrochen) {
        --zug_;
        ZugAufsBrett();
    }
    fragtNachAntwort_ = true;
    return AntwortZurücknehmen();
}

Schritt Spielstand::Anhalten() {
    // "Stop" comes between two slices of the search, after a test.
    phase_ = Spielphase::Unterbrochen;
    zugfeld_ = Zugfeldanzeige::Unterbrechung;
    return {};
}

void Spielstand::BeginneSuche() {
    // A stopped search resumes with its candidate and move under test. It
    // was stopped between slices, never at the step that ran past the last
    // code: that step ends the search.
    if (phase_ != Spielphase::Unterbrochen) {
        suchschritte_ = 1;
        prüfzug_ = zug_;
    }
    phase_ = Spielphase::Sucht;
}

std::optional<Schritt> Spielstand::SucheWeiter() {
    pause_ = false;
    if (phase_ != Spielphase::Sucht) {
        return Schritt{};
    }
    do {
        Anzahlschwarze();
        if (schwarze_ != antwortSchwarz_[prüfzug_]) {
            Neu();
        } else {
            Anzahlweiße();
            if (weiße_ != antwortWeiß_[prüfzug_]) {
                Neu();
            }
        }
        --prüfzug_;
    } while (prüfzug_ != 0 && !pause_);
    if (prüfzug_ != 0) {
        return std::nullopt; // yielded; the candidate is tested on
    }
    if (erschöpft_ == 1) {
        phase_ = Spielphase::Widerspruch;
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
    if (zug_ >= MaxZüge) {
        phase_ = Spielphase::Beendet;
        return {.Aufdecken = true, .Meldung = Meldungsart::KeineVersuche};
    }
    phase_ = Spielphase::WartetAufAntwort;
    ++zug_;
    kombination_[zug_] = kombination_[0];
    ZugAufsBrett();
    eingabeSchwarz_ = 0;
    eingabeWeiß_ = 0;
    fragtNachAntwort_ = true;
    zugfeld_ = Zugfeldanzeige::WasNun;
    Neu(); // the next search starts just after this guess
    return {.Blinken = true};
}

Schritt Spielstand::AntwortZurücknehmen() {
    // The search restarts at the guess of move Zug (at 1, 1, ..., 1 at move 1).
    kombination_[0] = kombination_[zug_];
    PinsAbziehen();
    if (zug_ == 1) {
        for (int p = 1; p <= AnzahlFelder(); ++p) {
            kombination_[0][p] = 1;
        }
    }
    erschöpft_ = 0;
    eingabeSchwarz_ = antwortSchwarz_[zug_];
    eingabeWeiß_ = antwortWeiß_[zug_];
    zugfeld_ = Zugfeldanzeige::WasNun;
    phase_ = Spielphase::WartetAufAntwort;
    return {};
}

void Spielstand::PinsAbziehen() {
    if (beantwortet_ < zug_) {
        return; // the move has no pegs
    }
    zahlSchwarzPins_ = static_cast<std::int16_t>(zahlSchwarzPins_ - antwortSchwarz_[zug_]);
    zahlWeißPins_ = static_cast<std::int16_t>(zahlWeißPins_ - antwortWeiß_[zug_]);
    beantwortet_ = static_cast<std::int16_t>(zug_ - 1);
}

// ---------------------------------------------------------------- pieces

void Spielstand::StelleEingabe(int feld, int symbol) {
    if (feld >= 1 && feld <= MaxFelder) {
        eingabe_[feld] = static_cast<std::int16_t>(symbol);
    }
}

void Spielstand::StelleSchwarz(int wert) {
    stelleAntwortzahl(eingabeSchwarz_, eingabeWeiß_, wert, AnzahlFelder());
}

void Spielstand::StelleWeiß(int wert) {
    stelleAntwortzahl(eingabeWeiß_, eingabeSchwarz_, wert, AnzahlFelder());
}

namespace {
// Where the documented pieces of a turn may be called on their own.
bool ZugOffen(Spielphase phase) {
    return phase == Spielphase::Menschenzug || phase == Spielphase::WartetAufAntwort;
}
} // namespace

Schritt Spielstand::Zeigezug() {
    if (ZugOffen(phase_)) {
        ZugAufsBrett();
    }
    return {};
}

Schritt Spielstand::ZeigeWS() {
    if (ZugOffen(phase_)) {
        NimmAntwort();
    }
    return {};
}

void Spielstand::ZugAufsBrett() {
    if (Mensch()) {
        kombination_[zug_] = eingabe_;
    }
    zahlZüge_ = zug_;
}

void Spielstand::NimmAntwort() {
    PinsAbziehen(); // an answer taken again replaces the move's pegs
    antwortSchwarz_[zug_] = eingabeSchwarz_;
    antwortWeiß_[zug_] = eingabeWeiß_;
    zahlSchwarzPins_ = static_cast<std::int16_t>(zahlSchwarzPins_ + eingabeSchwarz_);
    zahlWeißPins_ = static_cast<std::int16_t>(zahlWeißPins_ + eingabeWeiß_);
    beantwortet_ = zug_;
}

void Spielstand::ZähleGegen(const Reihe& code) {
    for (int p = 1; p <= AnzahlFelder(); ++p) {
        hilfsreihe_[1][p] = kombination_[0][p];
        kombination_[0][p] = code[p];
    }
    BewerteZug();
    for (int p = 1; p <= AnzahlFelder(); ++p) {
        kombination_[0][p] = hilfsreihe_[1][p];
    }
}

void Spielstand::BewerteZug() {
    prüfzug_ = zug_;
    Anzahlschwarze();
    Anzahlweiße();
}

} // namespace quorbix
