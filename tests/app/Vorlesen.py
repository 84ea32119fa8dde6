#!/usr/bin/python3
# The real program on a real X server and the desktop's accessibility bus,
# read as a screen reader reads it (pyatspi): a guess played with the keyboard
# is announced once, with its answer and the next prompt; the names that
# change send their new text, the pegs stay quiet while an arrow moves, the
# focus rests on the main button; and Tab leads out of the evaluation's list.
# Run inside its own session bus: dbus-run-session -- Vorlesen.py QUORBIX
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

programm = sys.argv[1]
fehler = []
ereignisse = []  # (type, source name, role, any_data)


def prüfe(bedingung, text):
    if not bedingung:
        fehler.append(text)
        print("FAIL:", text)


def merke(e):
    try:
        ereignisse.append((e.type, e.source.name, e.source.getRole(), e.any_data))
    except Exception:  # an object gone meanwhile
        pass


def warte(sekunden, bis=lambda: False):
    ende = time.monotonic() + sekunden
    kontext = GLib.MainContext.default()
    while time.monotonic() < ende and not bis():
        while kontext.pending():
            kontext.iteration(False)
        time.sleep(0.02)
    return bis()


def taste(t):
    subprocess.run(["xdotool", "key", t], check=True)
    warte(0.4)


def suche(knoten, prädikat):
    if prädikat(knoten):
        return knoten
    for i in range(knoten.childCount):
        kind = knoten.getChildAtIndex(i)
        if kind is not None:
            treffer = suche(kind, prädikat)
            if treffer is not None:
                return treffer
    return None


def fokus(anwendung):
    return suche(anwendung, lambda k: k.getState().contains(pyatspi.STATE_FOCUSED))


def ansagen(seit):
    # Qt 6.8 announces; before, a notification is shown for the screen reader.
    texte = []
    for art, name, rolle, daten in ereignisse[seit:]:
        if art == "object:announcement" and isinstance(daten, str):
            texte.append(daten)
        elif art.startswith("object:state-changed:showing") and rolle == pyatspi.ROLE_NOTIFICATION:
            texte.append(name)
    return texte


# No reset when the last client leaves, which would drop one connecting meanwhile.
anzeige = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                            "-nolisten", "tcp", "-noreset"], stdout=subprocess.PIPE)
os.environ["DISPLAY"] = ":" + anzeige.stdout.readline().decode().strip()
umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
# Listening before the program starts: Qt's bridge asks which events are
# listened to before it watches for new listeners, and misses one meanwhile.
for art in ["object:announcement", "object:state-changed:showing",
            "object:property-change:accessible-name",
            "object:property-change:accessible-description", "object:state-changed:focused"]:
    try:
        pyatspi.Registry.registerEventListener(merke, art)
    except Exception:  # a bus that knows no announcements
        pass
spiel = subprocess.Popen([programm], env=umgebung)
try:
    desktop = pyatspi.Registry.getDesktop(0)
    finde = lambda: suche(desktop, lambda k: k.getRole() == pyatspi.ROLE_PUSH_BUTTON
                                   and k.name == "Weiter")
    prüfe(warte(60, lambda: finde() is not None), "the main window reaches the bus")
    anwendung = finde().getApplication()
    fenster = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                              str(spiel.pid), "--name", "Quorbix"],
                             capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", fenster], check=True)
    prüfe(warte(15, lambda: (fokus(anwendung) or finde()).name == "Weiter"),
          "the main button has the focus")

    # A guess: the first press puts it on the board, the second has it answered.
    taste("space")
    beginn = len(ereignisse)
    taste("space")
    warte(10, lambda: ansagen(beginn))
    gesagt = ansagen(beginn)
    prüfe(len(gesagt) == 1 and gesagt[0].startswith("Zug 1: ") and "Antwort: " in gesagt[0]
          and gesagt[0].endswith("Dein 2. Versuch !"), "the answer is said once: %r" % gesagt)
    for art, name, rolle, daten in ereignisse[beginn:]:
        if art.startswith("object:property-change"):
            prüfe(isinstance(daten, str) and daten != "",
                  "%s of %s carries text: %r" % (art, name, daten))
    beschreibungen = [d for a, n, r, d in ereignisse[beginn:]
                      if a.endswith("accessible-description") and n == "Zug 1"]
    prüfe(len(beschreibungen) == 1 and beschreibungen[0].startswith("Antwort: "),
          "row 1 tells its answer once: %r" % beschreibungen)
    prüfe(fokus(anwendung).name == "Weiter", "the focus stays on the main button")

    # An arrow moves a field: no peg speaks, the field tells its new colour.
    while not fokus(anwendung).name.startswith("Feld "):
        taste("shift+Tab")
    beginn = len(ereignisse)
    taste("Up")
    namen = [(n, d) for a, n, r, d in ereignisse[beginn:] if a.startswith("object:property")]
    prüfe(not [n for n, d in namen if "Stift" in n], "no peg sends an event: %r" % namen)
    prüfe(len([n for n, d in namen if n.startswith("Eingabe, Feld")]) == 1,
          "the entry cell tells its new colour once: %r" % namen)

    # The about box and the evaluation behind it: Tab leads into the list and out.
    def klicke(knoten, mal="1"):
        x, y, b, h = knoten.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + b // 2), str(y + h // 2),
                        "click", "--repeat", mal, "1"], check=True)
        warte(1)

    klicke(suche(anwendung, lambda k: k.getRole() == pyatspi.ROLE_MENU_ITEM and k.name == "Info"))
    box = suche(anwendung, lambda k: k.name == "Info über Quorbix")
    prüfe(box is not None, "the about box has a name")
    klicke(suche(box, lambda k: k.name == "Bild: Quorbix"), "2")
    klicke(suche(box, lambda k: "QUORBIX" in k.name), "2")
    auswertung = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                 "Computersuche"], capture_output=True, text=True).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", auswertung[0]], check=True)
    prüfe(warte(15, lambda: fokus(anwendung).name == "Start"), "the evaluation opens on Start")
    # A caption labels its field, so a screen reader does not read it again as loose text.
    marke = suche(anwendung, lambda k: k.name == "Strategie-Nr.:")
    prüfe([r for r in marke.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABEL_FOR],
          "the caption labels its field")
    beginn = len(ereignisse)
    taste("space")
    warte(60, lambda: ansagen(beginn))
    prüfe([t for t in ansagen(beginn) if t.startswith("Auswertung fertig: 1296 Kombinationen")],
          "the run's figures are said: %r" % ansagen(beginn))
    gesehen = []  # the roles Tab reaches
    for _ in range(4):
        taste("Tab")
        gesehen.append(fokus(anwendung).getRole())
    # A cell that claimed the focus without it would be found first.
    prüfe(gesehen[0] == pyatspi.ROLE_PUSH_BUTTON
          and gesehen[1] in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TABLE_CELL)
          and gesehen[2] == pyatspi.ROLE_TEXT, "Tab leads into the list and out of it: %r" % gesehen)
finally:
    spiel.kill()
    anzeige.kill()

print("heard:", ansagen(0))
print("PASS" if not fehler else "%d failure(s)" % len(fehler))
sys.exit(1 if fehler else 0)
