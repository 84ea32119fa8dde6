#include "rules/Spielstand.h"

#include "rules/Farben.h"

namespace quorbix {

namespace {

bool setzeAnzahl(std::int16_t& ziel, int wert, int höchstens) {
    if (wert < 1 || wert > höchstens) {
        return false;
    }
    ziel = static_cast<std::int16_t>(wert);
    return true;
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
    sucht_ = false;
    beendet_ = false;
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
    for (int f = 1; f <= AnzahlFelder; ++f) {
        Kombination[0][f] = 1;
        Kombination[1][f] = zufall.Symbol(AnzahlFarben);
        if (Mensch) {
            Kombination[0][f] = Kombination[1][f];
        }
    }
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

void Spielstand::BewerteZug() {
    Prüfzug = Zug;
    Anzahlschwarze();
    Anzahlweiße();
}

void Spielstand::Neu() {
    Reihe& kandidat = Kombination[0];
    for (int p = 1;; ++p) {
        if (++kandidat[p] <= AnzahlFarben) {
            break;
        }
        if (p == AnzahlFelder) {
            // Ran past the last code; the last position stays one too high.
            Erschöpft = 1;
            Prüfzug = 1;
            break;
        }
        kandidat[p] = 1;
    }
    ++Suchschritte;
    if (Suchschritte % 99 == 0 && Aktivität && Aktivität()) {
        pause_ = true;
    }
    if (Erschöpft == 0) {
        Prüfzug = static_cast<std::int16_t>(Zug + 1);
    }
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
    sucht_ = true;
}

std::optional<Suchausgang> Spielstand::SucheWeiter() {
    if (Abbruch == 0) {
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
        } while (Prüfzug != 0 && Abbruch == 0 && !pause_);
    }
    if (Abbruch != 0) {
        endeSuche();
        return Suchausgang::Unterbrochen;
    }
    if (Prüfzug != 0) {
        return std::nullopt; // yielded; the candidate is tested on
    }
    endeSuche();
    return Erschöpft == 1 ? Suchausgang::Widerspruch : Suchausgang::Gefunden;
}

Suchausgang Spielstand::Suche() {
    BeginneSuche();
    for (;;) {
        if (const auto ausgang = SucheWeiter()) {
            return *ausgang;
        }
    }
}

Spielphase Spielstand::Phase() const {
    if (beendet_) {
        return Spielphase::Beendet;
    }
    if (Zug == 0) {
        return Spielphase::NichtBegonnen;
    }
    if (Mensch) {
        return Spielphase::Menschenzug;
    }
    if (sucht_) {
        return Spielphase::Sucht;
    }
    return Abbruch != 0 ? Spielphase::Unterbrochen : Spielphase::WartetAufAntwort;
}

void Spielstand::ErsterZug(const Reihe& eingabe) {
    Zug = 1;
    if (!Mensch) {
        Spielercode = eingabe;
    }
}

Rateausgang Spielstand::MenschRät(const Reihe& versuch) {
    Eingabe(versuch);
    BewerteZug();
    Antwort(Schwarze, Weiße);
    if (Gelöst()) {
        beendet_ = true;
        return Rateausgang::Erraten;
    }
    ++Zug;
    beendet_ = Zug > MaxZüge;
    return beendet_ ? Rateausgang::Vorbei : Rateausgang::Weiter;
}

Antwortausgang Spielstand::ComputerRät(int schwarz, int weiß) {
    if (!Unterbrochen()) {
        Antwort(schwarz, weiß);
    }
    if (AllesSchwarz()) {
        beendet_ = true;
        return Antwortausgang::Erraten;
    }
    if (Erschöpft == 1) {
        // The enumeration ran past its last code: no code can agree any more.
        Abbruch = 0;
        AngabenFalsch();
        return Antwortausgang::Widerspruch;
    }
    BeginneSuche();
    return Antwortausgang::Suchen;
}

void Spielstand::AlleRichtig() {
    if (Unterbrochen()) {
        // The answer stored before the search leaves the board first.
        PinsAbziehen();
        Abbruch = 0;
    }
    Antwort(AnzahlFelder, 0);
    beendet_ = true;
}

void Spielstand::Antwort(int schwarz, int weiß) {
    AntwortSchwarz[Zug] = static_cast<std::int16_t>(schwarz);
    AntwortWeiß[Zug] = static_cast<std::int16_t>(weiß);
    ZahlSchwarzPins = static_cast<std::int16_t>(ZahlSchwarzPins + schwarz);
    ZahlWeißPins = static_cast<std::int16_t>(ZahlWeißPins + weiß);
}

bool Spielstand::NimmKandidat() {
    if (Zug >= MaxZüge) {
        beendet_ = true;
        return false;
    }
    ++Zug;
    Kombination[Zug] = Kombination[0];
    Neu();
    return true;
}

void Spielstand::AngabenFalsch() {
    AntwortZurücknehmen();
}

bool Spielstand::ZugZurück() {
    if (!ZugZurückMöglich()) {
        return false;
    }
    // After an interrupted search the last guess stays; otherwise it goes.
    if (Abbruch != 0) {
        Abbruch = 0;
    } else {
        --Zug;
    }
    AntwortZurücknehmen();
    return true;
}

void Spielstand::AntwortZurücknehmen() {
    Kombination[0] = Kombination[Zug];
    PinsAbziehen();
    if (Zug == 1) {
        for (int p = 1; p <= AnzahlFelder; ++p) {
            Kombination[0][p] = 1;
        }
    }
    Erschöpft = 0;
}

void Spielstand::PinsAbziehen() {
    ZahlSchwarzPins = static_cast<std::int16_t>(ZahlSchwarzPins - AntwortSchwarz[Zug]);
    ZahlWeißPins = static_cast<std::int16_t>(ZahlWeißPins - AntwortWeiß[Zug]);
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

std::optional<int> AntwortAusgleich(int geändert, int anderes, int felder) {
    if (geändert + anderes <= felder) {
        return std::nullopt;
    }
    return geändert == felder ? 0 : anderes - 1;
}

std::string_view Bewertung(int zug) {
    if (zug <= 3) {
        return "Unglaublich gut !";
    }
    if (zug <= 6) {
        return "Gut nachgedacht !";
    }
    if (zug <= 10) {
        return "Okay. Aber es geht noch besser !";
    }
    return "Das ging gerade noch einmal gut !";
}

} // namespace quorbix
