// The error guard around every handler, and the error box text.
#include "platform/Platform.h"

#include "core/Errors.h"
#include "platform/Cp932.h"

namespace tintor {

QString ErrorBoxText(const std::exception& error) {
    QString message;
    QByteArray raw;
    if (const auto* convert = dynamic_cast<const EConvertError*>(&error)) {
        // The offending text is code page 932 bytes: decode it for the message.
        message = QString::fromStdString(
            EConvertError::MessageFor(FromCp932(convert->Text()).toUtf8().toStdString()));
        raw = QByteArray::fromStdString(EConvertError::MessageFor(convert->Text()));
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
