// The main window on a real desktop: codes shown whole in the text box, keys, popup hints in the
// status line, minimising together with the saved colours window, and one task bar entry.
#include "support/WindowFixture.h"

#include "platform/FontFit.h"
#include "platform/HintTracker.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QTest>
#include <QWindow>

namespace tintor::test {
namespace {

using DesktopFit = WindowFixture;

TEST_F(DesktopFit, EveryNotationOfTheWidestValuesFitsTheTextBox) {
    StartMain();
    const QFont font = main->CopyEdit->font();
    EXPECT_LE(font.pixelSize(), 13);
    // The text area Qt leaves inside the 73-pixel box: no frame, no margins, 2 pixels a side
    // and one for the cursor.
    EXPECT_EQ(main->CopyEdit->width(), 73);
    const int room = LineEditTextWidth(main->CopyEdit);
    EXPECT_EQ(room, 73 - 4 - 1);
    QStringList worst = WidestColourTexts(font);
    worst << "255,255,255"
          << "0x00808080"
          << "&HFFFFFF&"
          << "0x009B684D" << U("漢字漢字漢字漢");
    const QFontMetricsF metrics(font);
    for (const QString& text : worst) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_LE(metrics.horizontalAdvance(text), room);
        EXPECT_GE(metrics.boundingRect(text).left(), 0);
        EXPECT_LE(metrics.boundingRect(text).right(), room);
        for (qreal scale : ScaleFactors())
            EXPECT_TRUE(TextsFit(font, {text}, room, scale)) << scale;
    }
    // The largest size that fits: one pixel more cuts one of them off.
    if (font.pixelSize() < 13) {
        QFont larger = font;
        larger.setPixelSize(font.pixelSize() + 1);
        bool allFit = true;
        for (qreal scale : ScaleFactors())
            allFit = allFit && TextsFit(larger, WidestColourTexts(larger), room, scale);
        EXPECT_FALSE(allFit);
    }
}

TEST_F(DesktopFit, EnterInTheTextBoxRunsShow) {
    StartMain();
    main->CopyEdit->setFocus();
    QTest::keyClicks(main->CopyEdit, "#FF0000");
    QTest::keyClick(main->CopyEdit, Qt::Key_Return);
    EXPECT_EQ(main->CurrentColor, 0x000000FF);
    EXPECT_EQ(main->MainPanel->Color(), 0x000000FF);
    main->CopyEdit->setText("0x0000FF00");
    QTest::keyClick(main->CopyEdit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(main->CurrentColor, 0x0000FF00);
}

TEST_F(DesktopFit, MenuKeyAndShiftF10OpenTheMainMenuAtTheWindow) {
    StartMain();
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    const struct {
        const char* name;
        QWidget* target;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {
        {"menu key, text box", main->CopyEdit, Qt::Key_Menu, Qt::NoModifier},
        {"menu key, window", main.get(), Qt::Key_Menu, Qt::NoModifier},
        {"Shift+F10, text box", main->CopyEdit, Qt::Key_F10, Qt::ShiftModifier},
        {"Shift+F10, window", main.get(), Qt::Key_F10, Qt::ShiftModifier},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTest::keyClick(c.target, c.key, c.modifiers);
        EXPECT_TRUE(main->PM->isVisible());
        EXPECT_FALSE(main->PMEdit->isVisible());
        const QPoint below = main->SBSetting->mapToGlobal(QPoint(0, main->SBSetting->height()));
        EXPECT_LE((main->PM->pos() - below).manhattanLength(), 1);
        main->PM->hide();
    }
    // The context menu request the window system makes of the menu key does not open the text
    // box's own menu; a right click still does.
    QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, QPoint(2, 2),
                               main->CopyEdit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(main->CopyEdit, &keyboard);
    EXPECT_FALSE(main->PMEdit->isVisible());
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(2, 2),
                            main->CopyEdit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(main->CopyEdit, &mouse);
    EXPECT_TRUE(main->PMEdit->isVisible());
    main->PMEdit->hide();
}

TEST_F(DesktopFit, EveryPopupMenuWritesItsItemHintsToTheStatusLine) {
    StartBoth();
    for (QMenu* menu : {main->PM, main->COLORS1, main->MainPM, main->PMLabel, main->PMEdit,
                        main->PMShow, main->PMCopy, main->PMPaste}) {
        for (QAction* item : menu->actions()) {
            if (item->isSeparator()) continue;
            SCOPED_TRACE(menu->objectName().toStdString() + " " + item->text().toStdString());
            // The status bar's own text stands while the application hint is empty already:
            // highlighting an item without a hint must still clear it.
            HintTracker::Instance().PointerOver(saveForm->StatusBar);
            saveForm->StatusBarMouseMove();
            ASSERT_FALSE(saveForm->StatusText().isEmpty());
            emit menu->hovered(item);
            EXPECT_EQ(saveForm->StatusText(), HintOf(item));
        }
    }
}

TEST_F(DesktopFit, SavedColoursWindowMinimisesAndComesBackWithTheMainWindow) {
    StartBoth();
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    for (bool shown : {true, false}) {
        SCOPED_TRACE(shown);
        saveForm->setVisible(shown);
        main->showMinimized();
        QCoreApplication::processEvents();
        EXPECT_EQ(saveForm->isMinimized(), shown);
        main->showNormal();
        QCoreApplication::processEvents();
        EXPECT_EQ(saveForm->isVisible(), shown);
        EXPECT_FALSE(saveForm->isMinimized());
    }
    // The minimise button may minimise the saved colours window first; it comes back all the same.
    saveForm->show();
    saveForm->showMinimized();
    main->showMinimized();
    QCoreApplication::processEvents();
    main->showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(saveForm->isVisible());
    EXPECT_FALSE(saveForm->isMinimized());
}

TEST_F(DesktopFit, SavedColoursWindowIsTransientForTheMainWindow) {
    StartBoth();
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    main->mnuCSFShowClick();
    ASSERT_NE(saveForm->windowHandle(), nullptr);
    EXPECT_EQ(saveForm->windowHandle()->transientParent(), main->windowHandle());
    // X11 window managers honour the owner of dialog-type windows only.
    EXPECT_EQ(saveForm->windowType(), Qt::Dialog);
}

} // namespace
} // namespace tintor::test
