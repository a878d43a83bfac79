// The saved colours window: twelve named colour slots in three groups, group names, the HTML
// test page command, the window style and a status line that shows every hint of the program.
#pragma once

#include "platform/Platform.h"
#include "platform/Widgets.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

namespace tintor {

class TMainForm;
class ContrastView;

class TColorSaveForm : public QWidget {
    Q_OBJECT
public:
    // Builds every control as designed; the window starts hidden.
    TColorSaveForm(TMainForm& main, Platform& platform, QWidget* parent = nullptr);
    ~TColorSaveForm() override;

    // Slot n (1..12) controls and group g (1..3) controls, looked up by their designed names.
    ColorPanel* Swatch(int n) const;
    ColorPanel* ColorNameOf(int n) const;
    QRadioButton* RB(int n) const;
    QPushButton* Def(int n) const;
    QWidget* GroupSheet(int g) const;
    ByteLineEdit* NameEdit(int g) const;
    // The one text field of the status bar.
    QString StatusText() const;

    // --- Set-up ---
    void FormCreate();

    // --- Slot operations ---
    void Save1Click(QObject* sender);
    void Set1Click(QObject* sender);
    void Copy1Click(QObject* sender);
    void Def1Click(QObject* sender);
    void ButtonDefault4Click();

    // --- Group names and window style ---
    void ButtonSetting1Click();
    void ButtonSetting2Click();
    void ButtonSetting3Click();
    void FStyle1Click();
    void FStyle2Click();

    // --- HTML test page ---
    void ButtonhtmlClick();
    void N1Click();

    // --- Status line ---
    void Panel1MouseMove(QObject* sender);
    void RB1MouseMove(QObject* sender);
    void Def1MouseMove(QObject* sender);
    void PageControl1MouseMove();
    void StatusBarMouseMove();
    void StatusBarDblClick();
    void ShowApplicationHint(const QString& hint);
    void ShowSlotStatus();

    // --- Controls (the slot families are found by name, see the accessors) ---
    QTabWidget* PageControl1 = nullptr;
    QWidget* GroupSheet1 = nullptr;
    QWidget* GroupSheet2 = nullptr;
    QWidget* GroupSheet3 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet1 = nullptr;
    FlatButton* Save1 = nullptr;
    FlatButton* Save2 = nullptr;
    FlatButton* Save3 = nullptr;
    FlatButton* Set1 = nullptr;
    FlatButton* Set2 = nullptr;
    FlatButton* Set3 = nullptr;
    FlatButton* Copy1 = nullptr;
    FlatButton* Copy2 = nullptr;
    FlatButton* Copy3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QGroupBox* GroupBox7 = nullptr;
    QComboBox* cb_html = nullptr;
    QPushButton* Buttonhtml = nullptr;
    QMenu* PMhint = nullptr;
    QAction* N1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    ByteLineEdit* NameEdit1 = nullptr;
    ByteLineEdit* NameEdit2 = nullptr;
    ByteLineEdit* NameEdit3 = nullptr;
    QPushButton* ButtonSetting1 = nullptr;
    QPushButton* ButtonSetting2 = nullptr;
    QPushButton* ButtonSetting3 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QPushButton* ButtonDefault4 = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    FlatButton* FStyle1 = nullptr;
    FlatButton* FStyle2 = nullptr;
    QButtonGroup* FStyleGroup = nullptr;
    QLineEdit* SecretEdit = nullptr;
    QLabel* StatusBar = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreateSteps();
    void CreateControls(); // design values (ColorSaveDesign.cpp)
    void ConnectHandlers();
    void ApplyGroupName(int g);
    // Writes the group's name into the name field, remembering the bytes behind it.
    void ShowGroupName(int g, const std::string& bytes);
    // The first slot of the group whose radio button is selected, or 0.
    int SelectedSlot(int first, int last) const;
    // The text Set and Copy take from slot n, or nothing for an empty slot.
    bool SlotText(int n, std::string& text) const;
    // The combo box item for a group name.
    static QString GroupItemText(const std::string& name);
    // The combo box's selected item, or -1 after the user has typed into its text.
    int SelectedHtmlItem() const;
    // The contrast figures of the HTML page box (ContrastView.cpp).
    void AddContrastCheck();
    void UpdateContrastCheck();
    ContrastView* contrastView_ = nullptr;

    TMainForm& main_;
    Platform& platform_;

    std::int32_t SaveFirstSlot = 0;
    std::int32_t SaveLastSlot = 0;
    std::int32_t SetFirstSlot = 0;
    std::int32_t SetLastSlot = 0;
    std::int32_t CopyFirstSlot = 0;
    std::int32_t CopyLastSlot = 0;
    std::int32_t StatusSlot = 0;

    // The bytes last written into each name field and the text they showed as: an unedited
    // field gives its bytes back unchanged, even bytes that code page 932 cannot decode.
    std::array<std::string, 3> nameEditBytes_;
    std::array<QString, 3> nameEditShown_;
    bool htmlTextTyped_ = false;
};

} // namespace tintor
