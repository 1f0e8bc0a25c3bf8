#pragma once
// Program > Fleet Write: the document into radio after radio on the chosen ports, as
// kwprog-cli fleet does, with a row per port (radio number, step, progress, result).

#include <QDialog>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "link/protocol_trace.h"
#include "session/parallel_writes.h"

class QCheckBox;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kw::app {

class CFleetWriteDlg : public QDialog {
    Q_OBJECT
  public:
    // `ports`: those offered, each with a check box.
    CFleetWriteDlg(const RadioImage& image, const std::vector<std::string>& ports,
                   BackupPlace backups, std::shared_ptr<const TraceSwitch> trace, QWidget* parent);
    // A fleet still running is stopped and waited for.
    ~CFleetWriteDlg() override;

    const std::vector<QCheckBox*>& portBoxes() const { return portBoxes_; }
    QSpinBox* countBox() const { return count_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* stopButton() const { return stop_; }
    QTableWidget* table() const { return table_; }
    bool running() const { return thread_.joinable() && !finished_; }

  signals:
    void fleetFinished();

  public slots:
    void reject() override;

  private:
    class Bridge;

    void onStart();
    void onFinished();
    void setCell(std::size_t row, int column, const QString& text);

    RadioImage image_;
    std::vector<std::string> ports_;
    BackupPlace backups_;
    std::shared_ptr<const TraceSwitch> trace_;
    std::vector<QCheckBox*> portBoxes_;
    QSpinBox* count_;
    QPushButton* start_;
    QPushButton* stop_;
    QTableWidget* table_;
    std::unique_ptr<Bridge> bridge_;
    std::atomic<bool> stopAsked_{false};
    bool finished_ = false;
    bool closeAsked_ = false;  // the window goes once the fleet has stopped
    std::thread thread_;
};

}  // namespace kw::app
