// One running copy per settings file: every copy rewrites the whole System.tri, so two copies
// on the same file would overwrite each other's saved colours. A second start hands over to the
// first (which comes to the front) and ends.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLockFile;
class QSocketNotifier;

namespace tintor {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // key: the settings file's path; copies using other settings files stay independent.
    explicit SingleInstance(const QString& key);
    ~SingleInstance() override;

    // True when this is the only copy; otherwise the running copy has been asked to come to
    // the front and this one should end.
    bool Acquire();
    // Called in the running copy when another start asks for it.
    void OnActivationRequest(std::function<void()> handler) { activate_ = std::move(handler); }

private:
    void Accept();

    QString name_;
    std::unique_ptr<QLockFile> lock_;
    int listenFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> activate_;
};

} // namespace tintor
