#pragma once

// A label as the window uses it: optionally sizing itself to its caption (auto-size) and, with
// word wrap, keeping its width and growing downwards. Clicks and presses are reported to the
// window through its event filter like those of any other control.

#include <QLabel>

class Beschriftung : public QLabel
{
    Q_OBJECT
public:
    explicit Beschriftung(QWidget *parent = nullptr);

    void setAutoSize(bool an);
    bool autoSize() const { return autoSize_; }
    void setRahmen(bool an); // a single fixed line around the label

    // Sets the caption and, for an auto-size label, fits the label to it.
    void setCaption(const QString &text);
    QString caption() const { return text(); }

protected:
    void changeEvent(QEvent *ereignis) override;

private:
    void anpassen();
    bool autoSize_ = false;
};
