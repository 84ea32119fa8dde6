#pragma once
// A spin control that shows only its up and down arrows and is bound to a
// label: the label's caption or tag shows the value, and every step writes
// the new value there before the change is reported. Like the up-down
// control it stands for, it moves by one per arrow click, arrow key or wheel
// notch and simply stops at its ends; it has no menu and no page steps.

#include <QAbstractSpinBox>
#include <QLabel>
#include <QPointer>

class QLabel;

namespace ui {

class Drehfeld : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)

public:
    enum class Bindung { Beschriftung, Tag };

    explicit Drehfeld(QWidget* eltern = nullptr);

    int value() const { return wert_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // Clamps into the range; a change writes the bound text and is reported.
    void setValue(int wert);
    void setMinimum(int minimum);
    void setMaximum(int maximum);

    // The label shows the value from the next change on.
    void binde(QLabel* label, Bindung art);
    QLabel* gebundenesLabel() const { return label_; }

    // Takes a value (clamped) and shows it, without reporting a change to
    // the program (a screen reader still hears of it).
    void zeige(int wert);

    void stepBy(int schritte) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(int wert);

protected:
    StepEnabled stepEnabled() const override;
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;

private:
    void schreibe();

    int wert_ = 0;
    int minimum_ = 0;
    int maximum_ = 10;
    QPointer<QLabel> label_;
    Bindung bindung_ = Bindung::Beschriftung;
    int gedrückt_ = 0; // +1 upper arrow, -1 lower arrow
    int radRest_ = 0;  // wheel turn not yet worth a whole notch
};

} // namespace ui
