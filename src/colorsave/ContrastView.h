// The contrast check of the HTML test page box: the text, link and visited-link colours of the
// chosen group against its background colour, with the level each reaches for normal text.
#pragma once

#include "colour/ColorValue.h"

#include <QWidget>
#include <array>

class QLabel;

namespace tintor {

class ContrastView : public QWidget {
    Q_OBJECT
public:
    explicit ContrastView(QWidget* parent = nullptr);

    // The group's four colours in page order: background, text, link, visited link.
    void ShowColors(const std::array<TColor, 4>& colors);

    // What the three figures read, e.g. "文字 21.00 AAA", for tests and the status line.
    QString FigureText(int i) const;

private:
    std::array<QLabel*, 3> figures_{};
};

} // namespace tintor
