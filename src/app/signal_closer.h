#pragma once
// SIGTERM and SIGINT end the program as closing the main window does: the signal is
// turned into an event of the Qt loop, which closes the window (asking about unsaved
// documents as usual).

#include <QObject>
#include <QPointer>

class QSocketNotifier;
class QWidget;

namespace kw::app {

class SignalCloser : public QObject {
    Q_OBJECT
  public:
    // One per process: the signal handler can reach only a file descriptor.
    explicit SignalCloser(QWidget* window);
    ~SignalCloser() override;

  private:
    void onSignal();

    QPointer<QWidget> window_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kw::app
