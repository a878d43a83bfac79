// Keyboard bindings of the main window.
#include "main/MainKeyboard.h"

#include "main/MainUnit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

namespace tintor {

namespace {

class MainKeyboard : public QObject {
public:
    explicit MainKeyboard(TMainForm& form) : QObject(&form), form_(form) {
        // Key presses reach the text box when it has the focus, the window itself otherwise.
        form.installEventFilter(this);
        form.CopyEdit->installEventFilter(this);
        connect(form.CopyEdit, &QLineEdit::returnPressed, &form,
                [this] { form_.Guard([this] { form_.ButtonShowClick(); }); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool menuKey = key->key() == Qt::Key_Menu;
            const bool shiftF10 = key->key() == Qt::Key_F10 &&
                                  (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
            if (menuKey || shiftF10) {
                OpenMainMenu();
                return true;
            }
        } else if (event->type() == QEvent::ContextMenu &&
                   static_cast<QContextMenuEvent*>(event)->reason() ==
                       QContextMenuEvent::Keyboard) {
            // The window system also turns the menu key into a context menu request for the
            // focused control; the key press has opened the main menu already.
            return true;
        }
        return false;
    }

private:
    // Where the settings button would open it, just below that button.
    void OpenMainMenu() {
        QWidget* button = form_.SBSetting;
        form_.PM->popup(button->mapToGlobal(QPoint(0, button->height())));
    }

    TMainForm& form_;
};

} // namespace

void InstallMainKeyboard(TMainForm& form) {
    new MainKeyboard(form);
}

} // namespace tintor
