// Widget traits: colour values, byte captions, byte-limited text boxes, hints and tags.
#include "platform/Widgets.h"

#include "platform/Cp932.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QValidator>
#include <QVariant>
#include <QWindow>
#include <algorithm>

namespace tintor {

namespace {
constexpr const char* TagProperty = "tintorTag";
constexpr const char* HintProperty = "tintorHint";
constexpr const char* ShowHintProperty = "tintorShowHint";
constexpr const char* FontColorProperty = "tintorFontColor";
constexpr const char* BackColorProperty = "tintorBackColor";

// Palette roles standing in for the window system's colours, by system colour index.
QColor SystemColor(int index) {
    const QPalette p = QApplication::palette();
    switch (index) {
    case 0:
        return p.color(QPalette::Button); // scroll bar
    case 1:
        return QColor(0x3A, 0x6E, 0xA5); // desktop
    case 2:
    case 13:
    case 27:
        return p.color(QPalette::Highlight); // captions, highlight
    case 3:
    case 28:
        return p.color(QPalette::Mid); // inactive caption
    case 4:
        return p.color(QPalette::Window); // menu
    case 5:
        return p.color(QPalette::Base); // window
    case 6:
    case 21:
        return p.color(QPalette::Shadow); // frame, 3D dark shadow
    case 7:
        return p.color(QPalette::WindowText); // menu text
    case 8:
        return p.color(QPalette::Text); // window text
    case 9:
    case 14:
        return p.color(QPalette::HighlightedText); // caption text
    case 10:
    case 11:
        return p.color(QPalette::Window); // borders
    case 12:
        return p.color(QPalette::Dark); // app workspace
    case 15:
        return p.color(QPalette::Button); // button face
    case 16:
        return p.color(QPalette::Dark); // button shadow
    case 17:
        return p.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18:
        return p.color(QPalette::ButtonText); // button text
    case 19:
        return p.color(QPalette::Disabled, QPalette::WindowText); // inactive caption text
    case 20:
        return p.color(QPalette::Light); // button highlight
    case 22:
        return p.color(QPalette::Midlight); // 3D light
    case 23:
        return p.color(QPalette::ToolTipText); // info text
    case 24:
        return p.color(QPalette::ToolTipBase); // info background
    default:
        return p.color(QPalette::Window);
    }
}

QColor Plain(TColor color) {
    const auto v = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}
} // namespace

QColor ToQColor(TColor color) {
    const auto v = static_cast<std::uint32_t>(color);
    if ((v & 0xFF000000u) == 0x80000000u) return SystemColor(static_cast<int>(v & 0xFF));
    if (v == 0x1FFFFFFFu) return QColor(Qt::white);
    if (v == 0x20000000u) return QApplication::palette().color(QPalette::Window);
    return Plain(color);
}

TColor FromQColor(const QColor& color) {
    return static_cast<TColor>(static_cast<std::uint32_t>(color.red()) |
                               (static_cast<std::uint32_t>(color.green()) << 8) |
                               (static_cast<std::uint32_t>(color.blue()) << 16));
}

void SetTag(QObject* object, int tag) {
    object->setProperty(TagProperty, tag);
}
int TagOf(const QObject* object) {
    return object ? object->property(TagProperty).toInt() : 0;
}

namespace {
// A control whose hint is switched off shows no pop-up hint at all: without this, Qt would hand
// the tooltip request on to the enclosing panel and show the panel's hint instead.
class SilentHint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip && !HintOf(watched).isEmpty() && !ShowHintOf(watched))
            return true;
        return false;
    }
};

void ApplyToolTip(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return;
    widget->setToolTip(ShowHintOf(object) ? HintOf(object) : QString());
    static SilentHint* silencer = new SilentHint(qApp);
    widget->removeEventFilter(silencer);
    widget->installEventFilter(silencer);
}
} // namespace

void SetHint(QObject* object, const QString& hint) {
    object->setProperty(HintProperty, hint);
    ApplyToolTip(object);
}
QString HintOf(const QObject* object) {
    return object->property(HintProperty).toString();
}
void SetShowHint(QObject* object, bool show) {
    object->setProperty(ShowHintProperty, show);
    ApplyToolTip(object);
}
bool ShowHintOf(const QObject* object) {
    return object->property(ShowHintProperty).toBool();
}

// --- ColorPanel ---

ColorPanel::ColorPanel(QWidget* parent) : QWidget(parent) {}

void ColorPanel::SetColor(TColor color) {
    const bool changed = color != color_;
    color_ = color;
    update();
    if (changed) emit colorChanged();
}

void ColorPanel::SetCaption(const std::string& bytes) {
    caption_ = bytes;
    update();
}

void ColorPanel::SetBevel(Bevel outer, Bevel inner) {
    outer_ = outer;
    inner_ = inner;
    update();
}

void ColorPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    painter.fillRect(r, ToQColor(color_));
    const QPalette& pal = QApplication::palette();
    auto drawBevel = [&](Bevel bevel) {
        if (bevel == NoBevel || r.width() < 2 || r.height() < 2) return;
        const QColor topLeft =
            bevel == Lowered ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
        const QColor bottomRight =
            bevel == Lowered ? pal.color(QPalette::Light) : pal.color(QPalette::Dark);
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    };
    drawBevel(outer_);
    drawBevel(inner_);
    if (!caption_.empty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, FromCp932(caption_));
    }
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

// --- ByteLineEdit ---

namespace {
qsizetype FirstLineBreak(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\r' || text[i] == u'\n') return i;
    return -1;
}

// Control characters (below 0x20, and 0x7F): a NUL or a line break in a text that is stored as
// a line of a settings or exchange file would cut or shift the lines after it.
bool IsControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}
bool HasControl(const QString& text) {
    return std::any_of(text.begin(), text.end(), IsControl);
}

// Keeps the box within its byte limit and on one line: of what an edit inserts, only the part
// before a line break and within the limit stays, cut between characters; characters code page
// 932 cannot hold are dropped.
class ByteLimitValidator : public QValidator {
public:
    ByteLimitValidator(ByteLineEdit* edit, int maxBytes)
        : QValidator(edit), edit_(edit), maxBytes_(static_cast<std::size_t>(maxBytes)) {
        QObject::connect(edit, &QLineEdit::textChanged, this,
                         [this](const QString& text) { accepted_ = text; });
    }

    State validate(QString& input, int& pos) const override {
        if (bypass) return Acceptable;
        if (!HasControl(input) && IsCp932Encodable(input) && Cp932Length(input) <= maxBytes_)
            return Acceptable;
        const QString& old = accepted_;
        qsizetype prefix = 0;
        while (prefix < old.size() && prefix < input.size() && old[prefix] == input[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < old.size() - prefix && suffix < input.size() - prefix &&
               old[old.size() - 1 - suffix] == input[input.size() - 1 - suffix])
            ++suffix;
        const QString head = input.left(prefix);
        const QString tail = input.right(suffix);
        QString inserted = input.mid(prefix, input.size() - prefix - suffix);
        // A one-line box takes a pasted or dropped text up to its first line break.
        if (const qsizetype brk = FirstLineBreak(inserted); brk >= 0) inserted.truncate(brk);
        // Drop control characters and characters that have no code page 932 form.
        QString encodable;
        for (qsizetype i = 0; i < inserted.size();) {
            const qsizetype len = inserted[i].isHighSurrogate() && i + 1 < inserted.size() ? 2 : 1;
            const QString piece = inserted.mid(i, len);
            if (!IsControl(piece[0]) && IsCp932Encodable(piece)) encodable += piece;
            i += len;
        }
        const std::size_t kept = Cp932Length(head) + Cp932Length(tail);
        const std::size_t room = kept >= maxBytes_ ? 0 : maxBytes_ - kept;
        const QString fitted = TruncateToCp932Bytes(encodable, room);
        QString result = head + fitted + tail;
        // A text set longer than the limit by the program may still be shortened.
        const std::size_t length = Cp932Length(result);
        if (length > maxBytes_ && length >= Cp932Length(old)) return Invalid;
        input = result;
        pos = static_cast<int>(head.size() + fitted.size());
        return Acceptable;
    }

    bool bypass = false;

private:
    ByteLineEdit* edit_;
    std::size_t maxBytes_;
    QString accepted_;
};
} // namespace

ByteLineEdit::ByteLineEdit(QWidget* parent, int maxBytes) : QLineEdit(parent), maxBytes_(maxBytes) {
    setValidator(new ByteLimitValidator(this, maxBytes));
}

std::string ByteLineEdit::Bytes() const {
    return ToCp932(text());
}

void ByteLineEdit::SetBytes(const std::string& bytes) {
    auto* limiter = static_cast<ByteLimitValidator*>(const_cast<QValidator*>(validator()));
    limiter->bypass = true;
    setText(FromCp932(bytes));
    limiter->bypass = false;
}

void ByteLineEdit::InsertLimited(const QString& text) {
    insert(text);
}

void ByteLineEdit::focusInEvent(QFocusEvent* event) {
    // Qt selects the whole text when the box is entered with the keyboard; a box without
    // select-all on entry keeps its text unselected, as a click into it does.
    const Qt::FocusReason reason = event->reason();
    if (!autoSelect_ && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::ShortcutFocusReason)) {
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
        return;
    }
    QLineEdit::focusInEvent(event);
}

void ByteLineEdit::Redraw() {
    hide();
    show();
    if (hasFocus()) clearFocus();
}

// --- FlatButton ---

FlatButton::FlatButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void FlatButton::SetFontColor(TColor color) {
    fontColor_ = color;
    tintor::SetFontColor(this, color);
}

// --- Colours through palettes ---

namespace {
// Keeps the colour value on the widget and paints the given palette roles with it in every
// colour group.
void SetColorRoles(QWidget* widget, const char* property, TColor color,
                   std::initializer_list<QPalette::ColorRole> roles) {
    widget->setProperty(property, color);
    QPalette pal = widget->palette();
    const QColor c = ToQColor(color);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole role : roles)
            pal.setColor(group, role, c);
    widget->setPalette(pal);
}
} // namespace

void SetFontColor(QWidget* widget, TColor color) {
    SetColorRoles(widget, FontColorProperty, color,
                  {QPalette::WindowText, QPalette::Text, QPalette::ButtonText});
}

TColor FontColorOf(const QWidget* widget) {
    const QVariant v = widget->property(FontColorProperty);
    return v.isValid() ? v.toInt() : FromQColor(widget->palette().color(QPalette::WindowText));
}

void SetBackgroundColor(QWidget* widget, TColor color) {
    SetColorRoles(widget, BackColorProperty, color,
                  {QPalette::Window, QPalette::Base, QPalette::Button});
    widget->setAutoFillBackground(true);
}

TColor BackgroundColorOf(const QWidget* widget) {
    const QVariant v = widget->property(BackColorProperty);
    return v.isValid() ? v.toInt() : FromQColor(widget->palette().color(QPalette::Window));
}

void SetTransientFor(QWidget* window, QWidget* owner) {
    if (!window || !owner || !owner->windowHandle()) return;
    window->winId(); // the native window the hint is set on
    QWindow* ownerWindow = owner->window()->windowHandle();
    if (window->windowHandle() && window->windowHandle()->transientParent() != ownerWindow)
        window->windowHandle()->setTransientParent(ownerWindow);
}

QFont DesignFont(int pixelHeight, bool bold) {
    // Ask for the designed font only where it is installed: a family that is missing costs a
    // fallback search through every font at each use.
    static const QStringList families = [] {
        const QString designed = QStringLiteral("ＭＳ Ｐゴシック");
        if (QFontDatabase::hasFamily(designed))
            return QStringList{designed, QStringLiteral("IPAPGothic")};
        return QStringList{QStringLiteral("IPAPGothic")};
    }();
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace tintor
