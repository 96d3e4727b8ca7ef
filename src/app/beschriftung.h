#pragma once

// A label as the window uses it: optionally sizing itself to its caption (auto-size) and, with
// word wrap, keeping its width and growing downwards. Clicks and presses are reported to the
// window through its event filter like those of any other control.

#include <QFont>
#include <QLabel>
#include <QList>

class Beschriftung : public QLabel
{
    Q_OBJECT
public:
    explicit Beschriftung(QWidget *parent = nullptr);

    void setAutoSize(bool an);
    bool autoSize() const { return autoSize_; }
    void setRahmen(bool an); // a single fixed line around the label

    // Faces for a caption that must stand whole in the label: each caption is set in the first
    // face, at the largest size up to the first face's own, that the label holds (empty: the
    // label's own font stays).
    void setSchriften(const QList<QFont> &schriften);

    // Sets the caption and, for an auto-size label, fits the label to it.
    void setCaption(const QString &text);
    QString caption() const { return text(); }

protected:
    void changeEvent(QEvent *ereignis) override;

private:
    void einpassen(); // the face for the caption, then the size
    void anpassen();
    bool autoSize_ = false;
    QList<QFont> schriften_;
};
