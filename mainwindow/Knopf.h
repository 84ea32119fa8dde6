#pragma once
// A push button whose caption wraps inside the button, after a hyphen or at a
// blank, like "Einstel-lungen" or "Auf- lösung". The text itself stays as set.

#include <QPushButton>
#include <QStringList>

namespace hauptfenster {

class Knopf : public QPushButton {
    Q_OBJECT

public:
    explicit Knopf(const QString& text, QWidget* eltern = nullptr);

    // The lines the caption is painted in for a given width.
    static QStringList Zeilen(const QString& text, const QFontMetrics& maße, int breite);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};

} // namespace hauptfenster
