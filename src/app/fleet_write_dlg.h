#pragma once
// Program > Fleet Write: the document into radio after radio on the chosen ports, as
// kwprog-cli fleet does, with a row per port (radio number, step, progress, result).

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "link/protocol_trace.h"
#include "res/help_context.h"
#include "res/language.h"
#include "res/messages.h"
#include "session/parallel_writes.h"

class QCheckBox;
class QKeyEvent;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kw::app {

class CFleetWriteDlg : public QDialog {
    Q_OBJECT
  public:
    // `ports`: those offered, each with a check box. The texts are in `language`.
    CFleetWriteDlg(Language language, const RadioImage& image,
                   const std::vector<std::string>& ports, BackupPlace backups,
                   std::shared_ptr<const TraceSwitch> trace, QWidget* parent);
    // A fleet still running is stopped and waited for.
    ~CFleetWriteDlg() override;

    const std::vector<QCheckBox*>& portBoxes() const { return portBoxes_; }
    QSpinBox* countBox() const { return count_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* stopButton() const { return stop_; }
    QTableWidget* table() const { return table_; }
    bool running() const { return thread_.joinable() && !finished_; }
    // F1 asks for the Fleet Write help.
    void setHelpHandler(std::function<void(HelpContext context)> handler) {
        helpHandler_ = std::move(handler);
    }

  signals:
    void fleetFinished();

  public slots:
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    class Bridge;

    void onStart();
    void onFinished();
    QString text(BuiltInText id) const;
    void setCell(std::size_t row, int column, const QString& text);

    Language language_;
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
    std::function<void(HelpContext)> helpHandler_;
    std::atomic<bool> stopAsked_{false};
    bool finished_ = false;
    bool closeAsked_ = false;  // the window goes once the fleet has stopped
    std::thread thread_;
};

}  // namespace kw::app
