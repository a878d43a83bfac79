// The contrast figures of the chosen group, kept up to date with the combo box and the slots.
#include "colorsave/ContrastView.h"

#include "colorsave/ColorSaveUnit.h"
#include "colour/Contrast.h"
#include "platform/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tintor {

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr const char* FigureNames[3] = {"ContrastText", "ContrastLink", "ContrastVLink"};
constexpr const char* FigureCaptions[3] = {"文字", "リンク", "訪問済"};
constexpr const char* FigureRoles[3] = {"文字色", "リンク色", "訪問済みリンク色"};

QString Verdict(bool pass) {
    return pass ? U("適合") : U("不適合");
}

} // namespace

ContrastView::ContrastView(QWidget* parent) : QWidget(parent) {
    setObjectName("ContrastView");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(7);
    // A size smaller than the window's: three figures of "21.00 AAA" fit in the box's width.
    setFont(DesignFont(10));
    for (int i = 0; i < 3; ++i) {
        figures_[i] = new QLabel(this);
        figures_[i]->setObjectName(FigureNames[i]);
        row->addWidget(figures_[i]);
    }
    row->addStretch();
    ShowColors({clWhite, clWhite, clWhite, clWhite});
}

void ContrastView::ShowColors(const std::array<TColor, 4>& colors) {
    for (int i = 0; i < 3; ++i) {
        const ContrastCheck check = CheckContrast(colors[i + 1], colors[0]);
        const QString ratio = QString::fromStdString(RatioText(check));
        // The highest level reached: AAA implies AA; "×" reaches neither.
        const QString level = check.aaaNormal ? "AAA" : check.aaNormal ? "AA" : U("×");
        figures_[i]->setText(U(FigureCaptions[i]) + " " + ratio + " " + level);
        // The hint, shown in the status line, spells out both verdicts (WCAG, normal text).
        SetHint(figures_[i], U(FigureRoles[i]) + U("と背景色 ") + ratio + U(":1  AA ") +
                                 Verdict(check.aaNormal) + U("  AAA ") + Verdict(check.aaaNormal));
    }
}

QString ContrastView::FigureText(int i) const {
    return i >= 0 && i < 3 ? figures_[i]->text() : QString();
}

// --- The saved colours window's side ---

void TColorSaveForm::AddContrastCheck() {
    contrastView_ = new ContrastView(GroupBox7);
    contrastView_->setGeometry(16, 55, 249, 14);
    auto update = [this] { UpdateContrastCheck(); };
    connect(cb_html, &QComboBox::currentIndexChanged, this, update);
    // Choosing an item after typing clears the typed state only once activated arrives.
    connect(cb_html, &QComboBox::activated, this, update);
    connect(cb_html->lineEdit(), &QLineEdit::textEdited, this, update);
    for (int n = 1; n <= 12; ++n)
        connect(Swatch(n), &ColorPanel::colorChanged, this, update);
    UpdateContrastCheck();
}

void TColorSaveForm::UpdateContrastCheck() {
    // The same group the page would be written from.
    const int item = SelectedHtmlItem();
    const int offset = item >= 0 && item <= 2 ? 4 * item : 0;
    std::array<TColor, 4> colors{};
    for (int i = 0; i < 4; ++i)
        colors[static_cast<std::size_t>(i)] = FromQColor(ToQColor(Swatch(offset + i + 1)->Color()));
    contrastView_->ShowColors(colors);
}

} // namespace tintor
