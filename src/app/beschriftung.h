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

    // A caption the label cannot show whole shows the whole lines that fit, the last ending in
    // "…", never a line cut through. The full caption is then the label's tooltip (before a
    // tooltip of its own) and its accessible name (unless the window gave it a name).
    void setKuerzen(bool an);

    // Sets the caption and, for an auto-size label, fits the label to it.
    void setCaption(const QString &text);
    // The full caption; text() is what the label shows of it.
    QString caption() const { return caption_; }

protected:
    void changeEvent(QEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;
    bool event(QEvent *ereignis) override;

private:
    void einpassen(); // the face for the caption, then the size
    void anpassen();
    void zeigen();
    QString gekuerzt() const;
    bool autoSize_ = false;
    bool kuerzen_ = false;
    bool eigenerTipWirdGesetzt_ = false;
    QString caption_;
    QString eigenerTip_; // the tooltip the window gave the label
    QString gesetzterName_; // the accessible name the label gave itself
    QList<QFont> schriften_;
};
