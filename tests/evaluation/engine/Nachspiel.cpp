#include "evaluation/engine/Nachspiel.h"

#include <algorithm>
#include <stdexcept>

namespace quorbix {

Nachspiel::Nachspiel(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben)
    : AnzahlFelder(AnzahlFelder), AnzahlFarben(AnzahlFarben), Kombination(MaxZüge + 1),
      AntwortSchwarz(MaxZüge + 1), AntwortWeiß(MaxZüge + 1) {}

void Nachspiel::Vorbereiten(std::int16_t strategie, Zufall& zufall) {
    Strategie = strategie;
    zufall_ = &zufall;
    std::fill_n(Geheimcode.begin() + 1, AnzahlFelder, 1);
    const Eröffnung e = Eröffnungsreihen(Strategie, AnzahlFelder, AnzahlFarben);
    Vorgaben = e.Vorgaben;
    if (e.zufällig) {
        zufall.Randomize();
    }
    std::copy(e.Reihen.begin(), e.Reihen.end(), Kombination.begin() + 1);
}

int Nachspiel::NächsterCode() {
    if (Strategie == 4) {
        ZieheZufallsreihe(Kombination[1], AnzahlFelder, AnzahlFarben, *zufall_);
    }
    const int züge = Nachspielen(Vorgaben);
    std::int16_t stelle = 0;
    zählen(Geheimcode, stelle); // past the last code, the last field stands one too high
    return züge;
}

std::int16_t Nachspiel::schwarzeVon(const Reihe& zug, const Reihe& code) const {
    std::int16_t schwarz = 0;
    for (int k = 1; k <= AnzahlFelder; ++k) {
        if (zug[k] == code[k]) {
            ++schwarz;
        }
    }
    return schwarz;
}

// The greedy matching consumes a copy of the code in Restreihe; an exact hit
// is never consumed.
std::int16_t Nachspiel::weißeVon(const Reihe& zug, const Reihe& code) {
    Restreihe = code;
    std::int16_t weiß = 0;
    for (int i = 1; i <= AnzahlFelder; ++i) {
        for (int j = 1; j <= AnzahlFelder; ++j) {
            if (zug[i] != Restreihe[i] && zug[i] == Restreihe[j] && zug[j] != Restreihe[j]) {
                ++weiß;
                Restreihe[j] = 0;
                break;
            }
        }
    }
    return weiß;
}

int Nachspiel::Nachspielen(std::int16_t vorgaben) {
    std::fill_n(Kombination[0].begin() + 1, AnzahlFelder, 1);
    int r = 0;
    for (;;) {
        Prüfzug = ++r;
        if (static_cast<std::size_t>(r) >= Kombination.size()) { // a game longer than 14 moves
            Kombination.resize(Kombination.size() + 1);
            AntwortSchwarz.resize(Kombination.size());
            AntwortWeiß.resize(Kombination.size());
        }
        if (r > vorgaben) {
            Kombination[r] = Kombination[0];
        }
        AntwortSchwarz[r] = schwarzeVon(Kombination[r], Geheimcode);
        if (AntwortSchwarz[r] == AnzahlFelder) {
            break;
        }
        AntwortWeiß[r] = weißeVon(Kombination[r], Geheimcode);
        if (r > vorgaben) {
            NextNumber();
        }
        // The candidate moves on to the first code that agrees with every
        // answer so far, tested against the newest move first.
        do {
            std::int16_t schwarz = 0, weiß = 0;
            PrüfSchwarze(schwarz);
            bool passt = schwarz == AntwortSchwarz[Prüfzug];
            if (passt) {
                PrüfWeiße(weiß);
                passt = weiß == AntwortWeiß[Prüfzug];
            }
            if (passt) {
                --Prüfzug;
            } else {
                NextNumber();
                Prüfzug = r;
            }
        } while (Prüfzug != 0);
    }
    return r;
}

bool Nachspiel::zählen(Reihe& reihe, std::int16_t& stelle) const {
    for (stelle = 1; ++reihe[stelle] > AnzahlFarben; ++stelle) {
        if (stelle == AnzahlFelder) {
            return false;
        }
        reihe[stelle] = 1;
    }
    return true;
}

void Nachspiel::NextNumber() {
    if (!zählen(Kombination[0], Stelle)) {
        throw std::logic_error("STOP");
    }
}

void Nachspiel::PrüfSchwarze(std::int16_t& ergebnis) {
    ergebnis = schwarzeVon(Kombination[0], Kombination[Prüfzug]);
}

void Nachspiel::PrüfWeiße(std::int16_t& ergebnis) {
    ergebnis = weißeVon(Kombination[0], Kombination[Prüfzug]);
}

} // namespace quorbix
