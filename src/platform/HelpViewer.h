// Our help viewer: shows the HTML help file and jumps to a topic by its context number.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace tintor {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // command 11: the contents; command 1: the topic whose context number is data.
    void Show(const QString& helpFile, int command, int data);
    QString CurrentAnchor() const { return anchor_; }
    QTextBrowser* Browser() const { return browser_; }

signals:
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;
    // Escape closes the viewer; Alt+Left and Backspace go back, Alt+Right forward.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextBrowser* browser_;
    QString loadedFile_;
    QString anchor_;
};

} // namespace tintor
