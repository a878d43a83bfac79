// The picker's run: one full-screen view per screen, the keyboard with the screen that holds
// the pointer, and a local event loop until a pick or a cancel.
#include "picker/ScreenPicker.h"

#include "picker/PickerView.h"

#include <QCursor>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <optional>
#include <vector>

namespace tintor {

QString PickerCodeText(int format, TColor color) {
    const std::optional<std::string> text = FormatColorText(format, color);
    return QString::fromStdString(text ? *text : ColorToHtmlText(color));
}

QString PickerUnavailableMessage(const QString& reason) {
    QString text = QStringLiteral("この環境では画面から色を拾えません");
    if (!reason.isEmpty()) text += QStringLiteral("\r\n（") + reason + QStringLiteral("）");
    return text;
}

namespace {

class PickerSession {
public:
    PickerSession(std::vector<ScreenShot> shots, int format) {
        for (ScreenShot& shot : shots) {
            auto view = std::make_unique<PickerView>(
                std::move(shot), [format](TColor color) { return PickerCodeText(format, color); });
            QObject::connect(view.get(), &PickerView::picked, &loop_, [this](TColor color) {
                result_ = color;
                loop_.quit();
            });
            QObject::connect(view.get(), &PickerView::cancelled, &loop_, [this] { loop_.quit(); });
            QObject::connect(view.get(), &PickerView::pointerArrived, &loop_,
                             [this](PickerView* v) { Activate(v); });
            views_.push_back(std::move(view));
        }
    }

    ~PickerSession() {
        if (current_) current_->releaseKeyboard();
    }

    std::optional<TColor> Run() {
        for (const auto& view : views_)
            view->show();
        // Start on the screen that holds the pointer, at the pixel under it.
        const QPoint pointer = QCursor::pos();
        PickerView* start = views_.front().get();
        for (const auto& view : views_)
            if (view->geometry().contains(pointer)) start = view.get();
        start->SetPixel(start->PixelAt(start->mapFromGlobal(QPointF(pointer))));
        Activate(start);
        loop_.exec();
        return result_;
    }

private:
    void Activate(PickerView* view) {
        if (view == current_) return;
        if (current_) {
            current_->SetActive(false);
            current_->releaseKeyboard();
        }
        current_ = view;
        view->SetActive(true);
        view->activateWindow();
        view->setFocus();
        grabTries_ = 0;
        GrabKeyboard();
    }

    // The keys reach the picker wherever the focus was; a window that is not mapped yet cannot
    // take the grab, so it is tried again shortly.
    void GrabKeyboard() {
        if (!current_) return;
        QWindow* window = current_->windowHandle();
        if (window && window->setKeyboardGrabEnabled(true)) return;
        if (++grabTries_ < 20) QTimer::singleShot(25, &loop_, [this] { GrabKeyboard(); });
    }

    QEventLoop loop_;
    std::vector<std::unique_ptr<PickerView>> views_;
    PickerView* current_ = nullptr;
    std::optional<TColor> result_;
    int grabTries_ = 0;
};

// Lowers the stay-on-top windows for as long as it lives.
class LoweredTopMosts {
public:
    explicit LoweredTopMosts(Platform& platform) : platform_(platform) {
        platform_.NormalizeTopMosts();
    }
    ~LoweredTopMosts() { platform_.RestoreTopMosts(); }
    LoweredTopMosts(const LoweredTopMosts&) = delete;
    LoweredTopMosts& operator=(const LoweredTopMosts&) = delete;

private:
    Platform& platform_;
};

} // namespace

PickOutcome RunScreenPicker(Platform& platform, int format) {
    // One picker at a time: a second start while one runs is a cancel.
    static bool running = false;
    if (running) return {PickOutcome::Cancelled, 0, {}};
    running = true;
    struct Done {
        ~Done() { running = false; }
    } done;
    LoweredTopMosts lowered(platform);

    std::vector<ScreenShot> shots = platform.GrabScreens();
    if (shots.empty()) {
        const PortalAnswer answer = platform.PortalPickColor();
        switch (answer.kind) {
        case PortalAnswer::Picked:
            return {PickOutcome::Picked, answer.color, {}};
        case PortalAnswer::Cancelled:
            return {PickOutcome::Cancelled, 0, {}};
        case PortalAnswer::Failed:
            break;
        }
        return {PickOutcome::Unavailable, 0, PickerUnavailableMessage(answer.reason)};
    }

    PickerSession session(std::move(shots), format);
    if (const std::optional<TColor> color = session.Run()) return {PickOutcome::Picked, *color, {}};
    return {PickOutcome::Cancelled, 0, {}};
}

} // namespace tintor
