// Choosing a font size that shows the widest texts a control must hold whole: the largest pixel
// size not above the designed one at which every text lies inside the control's text area, at
// every screen scale factor the program may run at.
#pragma once

#include <QFont>
#include <QStringList>
#include <functional>

class QLineEdit;

namespace tintor {

// The texts a colour code box must show whole: the widest text of every notation in this font
// (each digit chosen as the widest the notation allows) and seven of the font's widest
// full-width characters.
QStringList WidestColourTexts(const QFont& font);

// Whether every text fits in width pixels at this font: its advance and its ink, on a screen of
// this scale factor, measured in the window's own (unscaled) pixels.
bool TextsFit(const QFont& font, const QStringList& texts, qreal width, qreal scale);

// The font at the largest pixel size from its own down to minimum at which the texts fit in
// width at every scale factor of ScaleFactors(); at minimum when none does. textsFor gives the
// texts to measure at each size (the widest digit may change with the size).
using TextsForFont = std::function<QStringList(const QFont&)>;
QFont FittedFont(const QFont& designed, qreal width, const TextsForFont& textsFor, int minimum = 6);
QFont FittedFont(const QFont& designed, qreal width, const QStringList& texts, int minimum = 6);

// The scale factors a desktop may run the program at.
const QList<qreal>& ScaleFactors();

// The width a one-line text box leaves for a text that is not to scroll: its contents less its
// text margins, Qt's own margin on each side and the one pixel the cursor takes.
int LineEditTextWidth(const QLineEdit* edit);

} // namespace tintor
