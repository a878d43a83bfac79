// The screen colour picker in the main window: its item in PM and MainPM, the key Ctrl+E, and
// the pick, which sets the colour as an OK in the panel's colour chooser does.
#include "main/MainUnit.h"

#include "colour/IntegerText.h"
#include "picker/ScreenPicker.h"

#include <QKeyEvent>

namespace tintor {

namespace {
// The text box takes Ctrl+E for "end of line" under X11's key bindings; it lets the picker's
// key through, so the window's shortcut gets it.
class PickKeyPassage : public QObject {
public:
    PickKeyPassage(QAction* item, QObject* parent) : QObject(parent), item_(item) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == item_->shortcut()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAction* item_;
};
} // namespace

void TMainForm::CreatePickerItems() {
    mnuPickScreenColor = new QAction(QStringLiteral("画面から色を拾う(&E)"), this);
    mnuPickScreenColor->setObjectName("mnuPickScreenColor");
    SetHint(mnuPickScreenColor, QStringLiteral("画面上の色を拡大鏡で拾います"));
    mnuPickScreenColor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuPickScreenColor->setShortcutContext(Qt::WindowShortcut);
    // The key works while the main window is active, its menus closed.
    addAction(mnuPickScreenColor);
    CopyEdit->installEventFilter(new PickKeyPassage(mnuPickScreenColor, this));
    connect(mnuPickScreenColor, &QAction::triggered, this,
            [this] { Guard([this] { mnuPickScreenColorClick(); }); });

    // PM: right after the saved colours item. MainPM: first, then a separator.
    const QList<QAction*> items = PM->actions();
    const qsizetype at = items.indexOf(mnuCSFShow);
    PM->insertAction(at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr,
                     mnuPickScreenColor);
    QAction* first = MainPM->actions().value(0);
    MainPM->insertAction(first, mnuPickScreenColor);
    MainPM->insertSeparator(first)->setObjectName("NPick");
}

void TMainForm::mnuPickScreenColorClick() {
    // The magnifier shows the text box's notation; HTML where the stored number names none.
    const int shown = TryStrToInt(Settings[idx::Format]).value_or(0);
    const PickOutcome outcome = RunScreenPicker(platform_, shown);
    if (outcome.kind == PickOutcome::Unavailable) {
        platform_.ShowMessage(outcome.message);
        return;
    }
    if (outcome.kind != PickOutcome::Picked) return;

    const int n = StrToInt(Settings[idx::Format]);
    if (const auto text = FormatColorText(n, outcome.color)) CopyEdit->SetBytes(*text);
    CurrentColor = outcome.color;
    MainPanel->SetColor(outcome.color);
    AdjustButtonFontColor();
    CopyEdit->Redraw();
}

} // namespace tintor
