// The error guard around every handler, and the error box text.
#include "platform/Platform.h"

#include "core/Errors.h"
#include "platform/Cp932.h"

#include <string_view>

namespace tintor {

QString ErrorBoxText(const std::exception& error) {
    QString message;
    QByteArray raw;
    if (const auto* convert = dynamic_cast<const EConvertError*>(&error)) {
        // The offending text is code page 932 bytes: decode it for the message. A text from a
        // file may be any length; the box shows its start, and only that much is decoded. A
        // character takes at most two bytes, so one more than the shown characters' bytes tells
        // whether the text goes on.
        constexpr qsizetype ShownLength = 200;
        const std::string_view bytes = convert->Text();
        const std::string_view shown = bytes.substr(0, 2 * ShownLength + 2);
        QString text = FromCp932(shown);
        if (text.size() > ShownLength || shown.size() < bytes.size())
            text = text.left(ShownLength) + QStringLiteral("…");
        message = QString::fromStdString(EConvertError::MessageFor(text.toUtf8().toStdString()));
        // The sort test looks at the message's own last byte, which never depends on the text.
        raw = QByteArray::fromStdString(EConvertError::MessageFor(std::string()));
    } else {
        message = QString::fromUtf8(error.what());
        raw = QByteArray(error.what());
    }
    // A message whose last byte sorts after "." gets one appended.
    if (!raw.isEmpty() && static_cast<unsigned char>(raw.back()) > '.') message += '.';
    return message;
}

void Guarded(Platform& platform, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        platform.ShowError(ErrorBoxText(error));
    }
}

} // namespace tintor
