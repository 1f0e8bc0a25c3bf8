#include "app/fleet_write_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "link/posix_serial_port.h"
#include "res/command_ids.h"

namespace kw::app {
namespace {

enum Column { kPortColumn, kRadioColumn, kStepColumn, kProgressColumn, kResultColumn };
constexpr int kMaxCount = 9999;

BuiltInText stepText(SafeWriteStep step) {
    switch (step) {
        case SafeWriteStep::Backup:
            return BuiltInText::StepBackup;
        case SafeWriteStep::Write:
            return BuiltInText::StepWrite;
        case SafeWriteStep::Verify:
            break;
    }
    return BuiltInText::StepVerify;
}

BuiltInText activityText(PortActivity activity) {
    switch (activity) {
        case PortActivity::WaitingForRadio:
            return BuiltInText::FleetWaitingForRadio;
        case PortActivity::Writing:
            return BuiltInText::FleetStarting;
        case PortActivity::WaitingForUnplug:
            return BuiltInText::FleetUnplugRadio;
        case PortActivity::Done:
            break;
    }
    return BuiltInText::FleetDone;
}

}  // namespace

// The ports' calls, from their threads, handed to the window's own thread.
class CFleetWriteDlg::Bridge final : public ParallelWriteShell {
  public:
    explicit Bridge(CFleetWriteDlg& window) : window_(window) {}

    void activity(std::size_t port, PortActivity activity, int radio) override {
        post([=, this] {
            if (radio > 0) {
                window_.setCell(port, kRadioColumn, QString::number(radio));
            }
            window_.setCell(port, kStepColumn, window_.text(activityText(activity)));
            window_.setCell(port, kProgressColumn, {});
        });
    }
    void beginStep(std::size_t port, SafeWriteStep step) override {
        post([=, this] { window_.setCell(port, kStepColumn, window_.text(stepText(step))); });
    }
    void setProgress(std::size_t port, int position) override {
        post([=, this] {
            window_.setCell(port, kProgressColumn,
                            QString::number(position * 100 / kProgressRange) + QLatin1Char('%'));
        });
    }
    void radioFinished(const RadioReport& report) override {
        const QString result = toQString(radioReportText(report, SafeWriteOptions{}));
        post([=, this] { window_.setCell(report.port, kResultColumn, result); });
    }

  private:
    void post(std::function<void()> call) {
        QMetaObject::invokeMethod(&window_, std::move(call), Qt::QueuedConnection);
    }

    CFleetWriteDlg& window_;
};

CFleetWriteDlg::CFleetWriteDlg(Language language, const RadioImage& image,
                               const std::vector<std::string>& ports, BackupPlace backups,
                               std::shared_ptr<const TraceSwitch> trace, QWidget* parent)
    : QDialog(parent),
      language_(language),
      image_(image),
      ports_(ports),
      backups_(std::move(backups)),
      trace_(std::move(trace)),
      count_(new QSpinBox(this)),
      start_(new QPushButton(text(BuiltInText::FleetStart), this)),
      stop_(new QPushButton(text(BuiltInText::FleetStop), this)),
      table_(new QTableWidget(0, 5, this)),
      bridge_(std::make_unique<Bridge>(*this)) {
    setWindowTitle(text(BuiltInText::FleetWriteTitle));
    auto* portsBox = new QGroupBox(text(BuiltInText::FleetPorts), this);
    auto* portsLayout = new QVBoxLayout(portsBox);
    for (const std::string& port : ports_) {
        portBoxes_.push_back(new QCheckBox(toQString(port), portsBox));
        portsLayout->addWidget(portBoxes_.back());
    }
    count_->setRange(0, kMaxCount);
    count_->setSpecialValueText(text(BuiltInText::FleetUntilStop));
    table_->setHorizontalHeaderLabels(
        {text(BuiltInText::FleetColumnPort), text(BuiltInText::FleetColumnRadio),
         text(BuiltInText::FleetColumnStep), text(BuiltInText::FleetColumnProgress),
         text(BuiltInText::FleetColumnResult)});
    // Each column as wide as its texts, the result taking the rest, a line per port.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stop_->setEnabled(false);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(text(BuiltInText::FleetRadioCount), this));
    controls->addWidget(count_);
    controls->addStretch();
    controls->addWidget(start_);
    controls->addWidget(stop_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(portsBox);
    layout->addLayout(controls);
    layout->addWidget(table_, 1);
    resize(820, 420);

    connect(start_, &QPushButton::clicked, this, &CFleetWriteDlg::onStart);
    connect(stop_, &QPushButton::clicked, this, [this] { stopAsked_ = true; });
}

CFleetWriteDlg::~CFleetWriteDlg() {
    stopAsked_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

void CFleetWriteDlg::onStart() {
    ParallelWriteSetup setup;
    for (std::size_t i = 0; i < ports_.size(); ++i) {
        if (portBoxes_[i]->isChecked()) {
            setup.ports.push_back(ports_[i]);
        }
    }
    if (setup.ports.empty() || thread_.joinable()) {
        return;
    }
    setup.image = image_;
    setup.backups = backups_;
    setup.makePort = [trace = trace_] {
        return std::make_unique<TracingSerialPort>(std::make_unique<PosixSerialPort>(), trace);
    };
    setup.makeSleeper = [] { return std::make_unique<ThreadSleeper>(); };
    table_->setRowCount(static_cast<int>(setup.ports.size()));
    for (std::size_t row = 0; row < setup.ports.size(); ++row) {
        for (int column = kPortColumn; column <= kResultColumn; ++column) {
            setCell(row, column, column == kPortColumn ? toQString(setup.ports[row]) : QString());
        }
    }
    for (QCheckBox* box : portBoxes_) {
        box->setEnabled(false);
    }
    count_->setEnabled(false);
    start_->setEnabled(false);
    stop_->setEnabled(true);
    stopAsked_ = false;
    finished_ = false;
    thread_ = std::thread([this, setup = std::move(setup), count = count_->value()] {
        (void)runFleet(setup, count, *bridge_, [this] { return stopAsked_.load(); });
        QMetaObject::invokeMethod(this, &CFleetWriteDlg::onFinished, Qt::QueuedConnection);
    });
}

void CFleetWriteDlg::onFinished() {
    thread_.join();
    finished_ = true;
    stop_->setEnabled(false);
    start_->setEnabled(true);
    count_->setEnabled(true);
    for (QCheckBox* box : portBoxes_) {
        box->setEnabled(true);
    }
    emit fleetFinished();
    if (closeAsked_) {
        QDialog::reject();
    }
}

// Closing the window stops the fleet: the radios in progress are cancelled cleanly.
void CFleetWriteDlg::reject() {
    stopAsked_ = true;
    if (thread_.joinable()) {
        closeAsked_ = true;
    } else {
        QDialog::reject();
    }
}

QString CFleetWriteDlg::text(BuiltInText id) const {
    return toQString(builtInText(id, language_));
}

void CFleetWriteDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && helpHandler_) {
        helpHandler_(command::kFleetWrite);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CFleetWriteDlg::setCell(std::size_t row, int column, const QString& text) {
    if (static_cast<int>(row) >= table_->rowCount()) {
        return;
    }
    auto* item = table_->item(static_cast<int>(row), column);
    if (!item) {
        item = new QTableWidgetItem;
        table_->setItem(static_cast<int>(row), column, item);
    }
    item->setText(text);
}

}  // namespace kw::app
