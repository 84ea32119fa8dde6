// What a screen reader hears after each kind of step, word for word, in
// games reached by playing their steps.

#include "rules/Neuigkeiten.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace quorbix;

namespace {

using Tat = std::function<Schritt(Spielstand&)>;

Tat drücke(Knopfnummer k) {
    return [k](Spielstand& s) { return s.Drücke(k); };
}
const Tat weiter = drücke(Hauptknopf);
const Tat suche = [](Spielstand& s) { return s.Suche(); };
const Tat ok = [](Spielstand& s) { return s.Quittiere(); };
Tat gibEin(std::vector<int> code) { // a list kept by value: the lambda outlives the call
    return [code](Spielstand& s) {
        int f = 1;
        for (const int symbol : code) {
            s.StelleEingabe(f++, symbol);
        }
        return Schritt{};
    };
}
Tat antworte(int schwarz, int weiß) {
    return [=](Spielstand& s) {
        s.StelleWeiß(0);
        s.StelleSchwarz(schwarz);
        s.StelleWeiß(weiß);
        return s.Drücke(Hauptknopf);
    };
}

// The game up to a step: the actions in order.
const auto nach = [](auto... taten) { return std::vector<Tat>{taten...}; };

struct Fall {
    const char* was;
    bool mensch;
    bool farben;
    std::vector<Tat> davor; // the game up to the step
    Tat schritt;            // the step whose news is said
    Anlass anlass;
    const char* nachricht;
};

// 4 fields of 6 symbols; the start draws 1, 2, 3, 4: the secret, or the
// computer's first guess.
std::string Nachricht(const Fall& fall) {
    Zufall zufall;
    zufall.setzeQuelle([f = 1]() mutable { return f <= 4 ? (f++ - 0.5) / 6 : 0.9; });
    Spielstand s(zufall);
    Einstellungen e;
    e.Mensch = fall.mensch;
    e.Farben = fall.farben;
    s.Vorgeben(e);
    s.Neubeginn();
    for (const Tat& tat : fall.davor) {
        tat(s);
    }
    const Vorher vorher{s.Zug(), s.Phase()};
    const Schritt schritt = fall.schritt(s);
    return Neuigkeit(fall.anlass, s, schritt, vorher);
}

} // namespace

TEST(Neuigkeit, eachStepSaysWhatTheBoardAndThePanelNowShowInReadingOrder) {
    const Tat neu = [](Spielstand& s) { return s.Neubeginn(); };
    const std::vector<Tat> ersterZug{gibEin({4, 3, 2, 1}), weiter};
    const std::vector<Tat> zweiterZug{weiter, antworte(0, 2), suche};
    const Fall fälle[] = {
        {"human start", true, false, nach(), neu, Anlass::Spielbeginn,
         "Neues Spiel, du rätst: 4 Felder, 6 Zahlen. Dein 1.Versuch !"},
        {"the guess on the board", true, false, nach(gibEin({4, 3, 2, 1})), weiter, Anlass::Weiter,
         "Zug 1: 4, 3, 2, 1. Dein 1.Versuch !"},
        {"the guess answered", true, false, ersterZug, weiter, Anlass::Weiter,
         "Zug 1: 4, 3, 2, 1. Antwort: 4 weiße Stifte. Dein 2. Versuch !"},
        {"found, in colours", true, true, nach(gibEin({1, 2, 3, 4}), weiter), weiter,
         Anlass::Weiter,
         "Zug 1: Weiß, Hellrot, Blau, Hellgrün. Antwort: 4 schwarze Stifte. "
         "Lösung: Weiß, Hellrot, Blau, Hellgrün."},
        {"given up", true, false, ersterZug, drücke(Richtigknopf), Anlass::Richtig,
         "Lösung: 1, 2, 3, 4."},
        {"computer start", false, true, nach(), neu, Anlass::Spielbeginn,
         "Neues Spiel, der Computer rät: 4 Felder, 6 Farben. Deine Kombination ?"},
        {"the player's code and the first guess", false, false, nach(gibEin({2, 2, 1, 1})), weiter,
         Anlass::Weiter,
         "Deine Kombination: 2, 2, 1, 1. Zug 1 des Computers: 1, 2, 3, 4. Deine 1. Antwort ?"},
        {"the answer sent", false, false, nach(weiter), antworte(1, 2), Anlass::Weiter,
         "Antwort auf Zug 1: 1 schwarzer Stift, 2 weiße Stifte. Ich denke ..."},
        {"the next guess", false, false, nach(weiter, antworte(0, 2)), suche, Anlass::Suchende,
         "Zug 2 des Computers: 2, 1, 1, 1. Deine 2. Antwort ? Was nun ?"},
        {"help counts", false, false, nach(gibEin({2, 2, 1, 1}), weiter), drücke(Hilfeknopf),
         Anlass::Hilfe, "Hilfe: Anzahl Schwarze 1, Anzahl Weiße 1."},
        {"stopped", false, false, nach(weiter, antworte(0, 2)), drücke(Stopknopf), Anlass::Stop,
         "Unterbrechung ! Weiter setzt die Suche fort."},
        {"resumed", false, false, nach(weiter, antworte(0, 2), drücke(Stopknopf)), weiter,
         Anlass::Weiter, "Die Suche geht weiter. Ich denke ..."},
        {"taken back", false, false, zweiterZug, drücke(Korrekturknopf), Anlass::Korrektur,
         "Zug 2 zurückgenommen. Zug 1 des Computers: 1, 2, 3, 4. Deine Antwort auf Zug 1 ist "
         "wieder offen: 2 weiße Stifte. Deine 1. Antwort ? Was nun ?"},
        {"taken back after a stop", false, false,
         nach(weiter, antworte(0, 2), suche, antworte(1, 0), drücke(Stopknopf)),
         drücke(Korrekturknopf), Anlass::Korrektur,
         "Suche abgebrochen. Zug 2 des Computers: 2, 1, 1, 1. Deine Antwort auf Zug 2 ist "
         "wieder offen: 1 schwarzer Stift. Deine 2. Antwort ? Was nun ?"},
        {"a contradiction reopened", false, false,
         nach(weiter, antworte(0, 0), suche, antworte(0, 0), suche, antworte(0, 0), suche), ok,
         Anlass::AntwortOffen, "Deine Antwort auf Zug 3 ist wieder offen: keine Stifte. Was nun ?"},
        {"all right", false, false, zweiterZug, drücke(Richtigknopf), Anlass::Richtig,
         "Alle richtig: der Computer hat deine Kombination in Zug 2 gefunden."},
    };
    for (const Fall& fall : fälle) {
        EXPECT_EQ(Nachricht(fall), fall.nachricht) << fall.was;
    }
    EXPECT_EQ(Auswertungsnachricht(false, 1, 3, 3, "3") + " " +
                  Auswertungsnachricht(false, 0, 0, 0, "0"),
              "Auswertung angehalten: 1 Kombination, kleinste Zahl der Züge 3, größte 3, "
              "Durchschnitt 3. Auswertung angehalten: keine Kombination.");
}
