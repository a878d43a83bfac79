// Measuring texts in the installed font to choose the size a control shows them whole at.
#include "platform/FontFit.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace tintor {

namespace {
// The character of the set that is widest in the font.
QChar Widest(const QFontMetricsF& metrics, QStringView set) {
    QChar widest = set.front();
    for (QChar c : set)
        if (metrics.horizontalAdvance(c) > metrics.horizontalAdvance(widest)) widest = c;
    return widest;
}
} // namespace

QStringList WidestColourTexts(const QFont& font) {
    const QFontMetricsF metrics(font);
    const QString hex(6, Widest(metrics, u"0123456789ABCDEF"));
    // The widest of the three-digit numbers 000 to 255 of the RGB notation.
    QString group = QStringLiteral("000");
    for (int v = 0; v <= 255; ++v) {
        const QString text = QStringLiteral("%1").arg(v, 3, 10, QChar('0'));
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(group)) group = text;
    }
    // Kanji, kana, full-width Latin and symbols: seven of the widest stand for any seven.
    const QChar wide = Widest(metrics, u"漢字色あアＷＭ＠■");
    return {QStringLiteral("#") + hex,    group + ',' + group + ',' + group,
            QStringLiteral("$00") + hex,  QStringLiteral("&H") + hex + '&',
            QStringLiteral("0x00") + hex, QString(7, wide)};
}

const QList<qreal>& ScaleFactors() {
    static const QList<qreal> factors = {1.0, 1.25, 1.5, 1.75, 2.0};
    return factors;
}

bool TextsFit(const QFont& font, const QStringList& texts, qreal width, qreal scale) {
    // On a scaled screen the glyphs are drawn at the scaled size, whose rounding and hinting may
    // make a text a little wider than the unscaled one: measure at the next whole pixel size up.
    QFont scaled = font;
    scaled.setPixelSize(static_cast<int>(std::ceil(font.pixelSize() * scale - 0.001)));
    const QFontMetricsF metrics(scaled);
    for (const QString& text : texts) {
        const QRectF ink = metrics.boundingRect(text);
        const qreal left = std::min<qreal>(0, ink.left());
        const qreal right = std::max(metrics.horizontalAdvance(text), ink.right());
        if ((right - left) / scale > width) return false;
    }
    return true;
}

QFont FittedFont(const QFont& designed, qreal width, const TextsForFont& textsFor, int minimum) {
    QFont font = designed;
    for (int size = designed.pixelSize(); size > minimum; --size) {
        font.setPixelSize(size);
        const QStringList texts = textsFor(font);
        bool fits = true;
        for (qreal scale : ScaleFactors())
            if (!TextsFit(font, texts, width, scale)) {
                fits = false;
                break;
            }
        if (fits) return font;
    }
    font.setPixelSize(minimum);
    return font;
}

QFont FittedFont(const QFont& designed, qreal width, const QStringList& texts, int minimum) {
    return FittedFont(
        designed, width, [&texts](const QFont&) { return texts; }, minimum);
}

int LineEditTextWidth(const QLineEdit* edit) {
    // Qt keeps two pixels free on either side of the text and scrolls a text whose width and
    // one pixel for the cursor exceed what is left.
    constexpr int QtHorizontalMargin = 2;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * QtHorizontalMargin - 1;
}

} // namespace tintor
