// The palette items of the exchange submenu: the twelve slots exported as a GIMP palette or as
// CSS custom properties, and a GIMP palette imported into the slots.
#include "main/MainUnit.h"

#include "colorsave/ColorSaveUnit.h"
#include "colour/ColorNames.h"
#include "exchange/GimpPalette.h"
#include "exchange/SlotPalette.h"
#include "exchange/UserColorFile.h"
#include "platform/Cp932.h"
#include "settings/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace tintor {

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The shared dialogs offer the name last chosen in them; a palette keeps its folder and base
// name but gets its own extension, so a quick OK never writes a palette into a .tud file.
QString OfferedName(const QString& last, const char* extension) {
    if (last.isEmpty()) return last;
    const QFileInfo info(last);
    return info.path() + "/" + info.completeBaseName() + "." + QString::fromLatin1(extension);
}

std::string LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

} // namespace

void TMainForm::AddPaletteItems() {
    COLORS1->addSeparator()->setObjectName("N8");
    struct Item {
        QAction* TMainForm::*member;
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Item items[] = {
        {&TMainForm::mnuExportPalette, "mnuExportPalette", "パレットのエクスポート (GIMP .gpl)(&5)",
         "作成した色を GIMP パレット形式でエクスポートします"},
        {&TMainForm::mnuImportPalette, "mnuImportPalette", "パレットのインポート (GIMP .gpl)(&6)",
         "GIMP パレットの色を、作成した色としてインポートします"},
        {&TMainForm::mnuExportCss, "mnuExportCss", "CSS 変数でエクスポート(&7)",
         "作成した色を CSS の変数としてエクスポートします"},
    };
    int tag = 0;
    for (const Item& item : items) {
        QAction* action = COLORS1->addAction(U(item.caption));
        action->setObjectName(item.name);
        SetTag(action, tag++);
        SetHint(action, U(item.hint));
        this->*item.member = action;
        connect(action, &QAction::triggered, this,
                [this, action] { Guard([this, action] { mnuPaletteClick(action); }); });
    }
}

void TMainForm::mnuPaletteClick(QObject* sender) {
    auto* saveForm = colorSaveForm();
    if (!saveForm) return;
    const int tag = TagOf(sender);

    if (tag == 1) { // import a GIMP palette
        QString fileName = OfferedName(ODFileName, GimpPaletteExtension);
        if (!platform_.OpenFileDialog(this, U(GimpPaletteFilter), U(GimpPaletteExtension),
                                      fileName))
            return;
        ODFileName = fileName;
        // The whole file is checked before anything changes.
        const Palette palette = LoadGimpPalette(LocalPath(fileName));
        if (palette.colors.empty()) throw PaletteError(EmptyPaletteMessage);
        // A colour without a name is named as Save names it in the ticked display format.
        int format = FormatHtml;
        for (int n = FormatHtml; n <= FormatCpp; ++n)
            if (FormatItem(n)->isChecked()) format = n;
        const auto entries = PaletteSlotEntries(palette, format, [](std::string_view utf8) {
            return ToCp932Replacing(
                QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
        });
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const int n = static_cast<int>(k) + 1;
            saveForm->Swatch(n)->SetColor(IdentTextToColor(entries[k].colorText));
            saveForm->ColorNameOf(n)->SetCaption(entries[k].name);
        }
        StoreSlotEntries(entries, Settings);
        SaveSettings();
        platform_.ShowMessage(QStringLiteral("Success !"));
        return;
    }

    // Exports: the slots as the window shows them, in slot order, empty slots included.
    std::vector<PaletteColor> colors;
    for (int n = 1; n <= SlotCount; ++n) {
        const TColor shown = FromQColor(ToQColor(saveForm->Swatch(n)->Color()));
        colors.push_back(
            ToPaletteColor(shown, FromCp932(saveForm->ColorNameOf(n)->Caption()).toStdString()));
    }
    const bool css = tag == 2;
    const char* extension = css ? CssExtension : GimpPaletteExtension;
    QString fileName = OfferedName(SDFileName, extension);
    if (!platform_.SaveFileDialog(this, U(css ? CssFilter : GimpPaletteFilter), U(extension),
                                  fileName))
        return;
    SDFileName = fileName;
    SaveFileBytes(LocalPath(fileName),
                  css ? WriteCssProperties(CssPropertyPrefix, colors)
                      : WriteGimpPalette(ExportPaletteName, ExportPaletteColumns, colors));
}

} // namespace tintor
