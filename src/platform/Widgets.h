// The few widget traits the windows need beyond plain Qt: colour values on panels, captions
// kept as bytes with "&" mnemonics, byte-limited text boxes, per-control hints and tags.
#pragma once

#include "colour/ColorValue.h"

#include <QColor>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <string>

namespace tintor {

// The colour a value stands for on screen. System colours (0x80000000 + index) and the
// default colour come from the application palette; clNone paints white; any other value with
// a non-zero high byte paints its low three bytes.
QColor ToQColor(TColor color);
// The plain value of a QColor (0x00BBGGRR).
TColor FromQColor(const QColor& color);

// Integer tag of a widget or menu action, used by handlers shared between several senders.
void SetTag(QObject* object, int tag);
int TagOf(const QObject* object);

// Per-control hints: the hint text is kept whether or not it pops up; the switch decides
// whether it shows as a tooltip. The application-wide hint display reads the text regardless.
void SetHint(QObject* object, const QString& hint);
QString HintOf(const QObject* object);
void SetShowHint(QObject* object, bool show);
bool ShowHintOf(const QObject* object);

// A panel painted in a colour value, with an optional caption kept as code page 932 bytes in
// which "&" marks a mnemonic and "&&" stands for one "&".
class ColorPanel : public QWidget {
    Q_OBJECT
public:
    enum Bevel { NoBevel, Lowered, Raised };
    explicit ColorPanel(QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& bytes);
    void SetBevel(Bevel outer, Bevel inner = NoBevel);

signals:
    void clicked();
    // The colour value changed (by SetColor).
    void colorChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TColor color_ = 0x8000000F;
    std::string caption_;
    Bevel outer_ = NoBevel;
    Bevel inner_ = NoBevel;
};

// A one-line text box that holds at most maxBytes bytes of code page 932 text, for typing,
// pasting, dropping and input methods alike, and on one line: a pasted or dropped text ends at
// its first line break. A cut never splits a character; characters code page 932 cannot hold
// and control characters (below 0x20, and 0x7F) are refused.
class ByteLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ByteLineEdit(QWidget* parent = nullptr, int maxBytes = 14);
    int MaxBytes() const { return maxBytes_; }
    // The text as code page 932 bytes, and setting it from bytes.
    std::string Bytes() const;
    void SetBytes(const std::string& bytes);
    // Inserts text at the cursor as a paste would, cut to what still fits.
    void InsertLimited(const QString& text);
    // Hide and show again at once: redraws the box; it ends without keyboard focus.
    void Redraw();
    // Whether entering the box with the keyboard selects its whole text (Qt's default).
    void SetAutoSelect(bool on) { autoSelect_ = on; }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    int maxBytes_;
    bool autoSelect_ = true;
};

// A flat button with a tag and its own font colour.
class FlatButton : public QToolButton {
    Q_OBJECT
public:
    explicit FlatButton(QWidget* parent = nullptr);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

private:
    TColor fontColor_ = 0x80000012;
};

// Sets the text colour of a label or other widget through its palette.
void SetFontColor(QWidget* widget, TColor color);
TColor FontColorOf(const QWidget* widget);
// Sets the background colour of a widget through its palette (autoFillBackground on).
void SetBackgroundColor(QWidget* widget, TColor color);
TColor BackgroundColorOf(const QWidget* widget);

// Makes a top-level window transient for its owner's window: window managers then keep it with
// its owner and list the program once in a task bar. Qt passes this on to X11 only for windows
// of a dialog type (Qt::Dialog, Qt::Tool).
void SetTransientFor(QWidget* window, QWidget* owner);

// The font the windows use: "ＭＳ Ｐゴシック" first, then IPAPGothic, at the pixel height.
QFont DesignFont(int pixelHeight, bool bold = false);

} // namespace tintor
