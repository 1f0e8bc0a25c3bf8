#include "app/main_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <algorithm>
#include <array>

#include "app/background_painter.h"
#include "app/channel_edit_commands.h"
#include "app/channel_file_commands.h"
#include "app/channel_printer.h"
#include "app/child_frame.h"
#include "app/file_dialogs.h"
#include "app/fleet_write_dlg.h"
#include "app/help_viewer.h"
#include "app/language_dlg.h"
#include "app/message_boxes.h"
#include "app/navigation_bar.h"
#include "app/optional_features_dlg.h"
#include "app/port_setting_dlg.h"
#include "app/product_info_dlg.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "app/recent_file_menu.h"
#include "app/toolbar_icons.h"
#include "app/transfer_windows.h"
#include "app/window_menu.h"
#include "app/write_safety_commands.h"
#include "link/posix_serial_port.h"
#include "link/serial_devices.h"
#include "link/trace_preference.h"
#include "res/command_ids.h"
#include "res/messages.h"
#include "session/history_step.h"
#include "session/radio_backups.h"
#include "session/save_name.h"

namespace kw::app {
namespace {

using namespace command;

struct TreeChild {
    std::string_view english;
    std::string_view chinese;
    CommandId command;
};

// Each child item carries the command it gives.
constexpr int kTreeCommandRole = Qt::UserRole;

constexpr std::array<TreeChild, 3> kTreeChildren{{
    {"Product Information", "机型设置", kProductInformation},
    {"Channel Information", "信道信息", kChannelInformation},
    {"Optional Features", "可选功能", kOptionalFeatures},
}};

// Commands that act on a document and so wait for one.
constexpr std::array kDocumentCommands{
    kFileClose, kFileSave,           kFileSaveAs,       kFilePrint, kFilePrintPreview, kRead,
    kWrite,     kProductInformation, kOptionalFeatures, kCompare,   kRestoreBackup,    kFleetWrite};

}  // namespace

CMainFrame::CMainFrame(FrameContext& context)
    : context_(context),
      viewContext_{context.language, context.product, context.messages, context.help},
      commands_(this) {
    setWindowTitle(context_.title);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAcceptDrops(true);
    createMenus();
    createToolBar();
    createStatusBar();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createNavigationBar(central);
    mdiArea_ = new QMdiArea(central);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(navigationBar_);
    layout->addWidget(mdiArea_, 1);
    setCentralWidget(central);
    createDocumentMenus();
    background_ =
        new BackgroundPainter(mdiArea_, toQString(context_.programDirectory + "background.bmp"),
                              QString::fromLatin1(kBuiltInBackground));

    std::string traceError;  // a trace that cannot be written at start-up is simply not kept
    trace_->set(traceFor(readTracePreference(SettingsStore(context_.settingsPath)), traceError));
    transfers_ = new TransferWindows(
        {context_.resources, context_.messages, context_.title,
         [this] { return context_.port.name(); }, context_.settingsPath, trace_},
        this);
    // While a Process window is open, only what the transfer rules allow runs.
    commands_.setGuard([this](CommandId command) { return transfers_->commandAllowed(command); });
    connect(transfers_, &TransferWindows::stateChanged, this, &CMainFrame::updateMenus);
    connect(transfers_, &TransferWindows::closeAgain, this, &CMainFrame::close,
            Qt::QueuedConnection);
    connectCommands();
    connectTransferCommands();
    connectPrintCommands();
    writeSafety_ = new WriteSafetyCommands(*this, context_);
    channelEdits_ = new ChannelEditCommands(*this, context_.language, context_.messages);
    new ChannelFileCommands(*this, *channelEdits_, context_.language, context_.messages,
                            context_.files);
    createShortcuts();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* child = qobject_cast<CChildFrame*>(window)) {
            // The document left behind takes the value still typed in it. (Deactivating
            // the whole program reports no window, and commits nothing.)
            if (lastActive_ && lastActive_ != child) {
                (void)lastActive_->view()->commitOnLeaving();
            }
            lastActive_ = child;
            child->view()->activate();
        }
        updateMenus();
    });
    updateMenus();
}

CMainFrame::~CMainFrame() {
    // The child widgets outlive the members their signals reach; they report no more.
    const std::array<QObject*, 4> senders{navigationBar_, navigationBar_->tree(), toolBar_,
                                          mdiArea_};
    for (QObject* sender : senders) {
        sender->disconnect(this);
    }
}

QString CMainFrame::commandText(StringId id) const {
    return toQString(context_.resources.string(id));
}

void CMainFrame::createMenus() {
    for (const MenuResource& menu : context_.resources.menus) {
        for (const PopupResource& popup : menu.popups) {
            auto* qmenu = new QMenu(toQString(popup.text), this);
            qmenu->installEventFilter(this);
            for (const MenuItemResource& item : popup.items) {
                if (item.command == kSeparator) {
                    qmenu->addSeparator();
                    continue;
                }
                QAction* action = commands_.createAction(item.command, toQString(item.text), qmenu);
                action->setStatusTip(toQString(promptOf(context_.resources.string(item.command))));
                qmenu->addAction(action);
            }
            menus_[menu.id].push_back(qmenu);
        }
    }
}

void CMainFrame::createDocumentMenus() {
    recentFiles_ = new RecentFileMenu(context_.settingsPath, this);
    connect(recentFiles_, &RecentFileMenu::openRequested, this, &CMainFrame::openRecentFile);
    for (auto& [id, popups] : menus_) {
        QMenu* file = popups.front();
        for (QAction* action : file->actions()) {
            if (CommandRouter::commandOf(action) == kAppExit) {
                recentFiles_->attach(file, action);
            }
        }
    }
    // Before Help, the last menu of the document menu set.
    std::vector<QMenu*>& documentMenus = menus_[resource::kDocumentMenu];
    windowMenu_ = new WindowMenu(mdiArea_, context_.language, this);
    documentMenus.insert(documentMenus.end() - 1, windowMenu_);
}

void CMainFrame::createToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(16, 16));
    for (const CommandId command : context_.resources.toolbar) {
        if (command == kSeparator) {
            toolBar_->addSeparator();
            continue;
        }
        const std::string_view text = context_.resources.string(command);
        QAction* action = commands_.createAction(command, toQString(toolTipOf(text)), toolBar_);
        action->setIcon(toolbarIcon(command));
        action->setStatusTip(toQString(promptOf(text)));
        toolBar_->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::createStatusBar() {
    auto* bar = statusBar();
    bar->addWidget(new QLabel(commandText(resource::kIdleMessage), bar), 1);
    // The lock-key panes: the desktop does not tell a program the lock states, so they
    // show as off.
    for (const StringId pane :
         {resource::kIndicatorCaps, resource::kIndicatorNum, resource::kIndicatorScroll}) {
        auto* label = new QLabel(commandText(pane), bar);
        label->setEnabled(false);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 12);
        bar->addPermanentWidget(label);
    }
}

void CMainFrame::createNavigationBar(QWidget* dockingArea) {
    navigationBar_ = new CNavigationBar(context_.company, dockingArea, dockingArea);
    QTreeWidget* tree = navigationBar_->tree();
    treeRoot_ = new QTreeWidgetItem(tree, QStringList(context_.company));
    for (const TreeChild& child : kTreeChildren) {
        auto* item = new QTreeWidgetItem(
            treeRoot_,
            QStringList(toQString(pick(context_.language, child.english, child.chinese))));
        item->setData(0, kTreeCommandRole, numberOf(child.command));
    }
    treeRoot_->setExpanded(true);
    tree->setCurrentItem(treeRoot_);
    connect(tree, &QTreeWidget::itemSelectionChanged, this, &CMainFrame::onTreeSelectionChanged);
    connect(navigationBar_, &CNavigationBar::shownChanged, this,
            [this](bool shown) { commands_.setChecked(kControlBar, shown); });
}

QTreeWidget* CMainFrame::navigationTree() const {
    return navigationBar_->tree();
}

void CMainFrame::createShortcuts() {
    for (const AcceleratorResource& accelerator : context_.resources.accelerators) {
        const CommandId command = accelerator.command;
        // The editing keys and pane keys belong to the focused control; only commands of
        // the program get a shortcut of the window.
        if (command != kHelp && commands_.actions(command).empty()) {
            continue;
        }
        auto* shortcut = new QShortcut(QKeySequence(toQString(accelerator.keys)), this);
        connect(shortcut, &QShortcut::activated, this, [this, command] {
            if (command == kHelp) {
                requestHelp({shownMenu_, HelpWindow::Program});
            } else {
                commands_.trigger(command);
            }
        });
    }
}

void CMainFrame::connectCommands() {
    commands_.setHandler(kFileOpen, [this] {
        const QString path = context_.files.openFileName(this, kDocumentFilter);
        if (!path.isEmpty()) {
            openDocument(path);
        }
    });
    commands_.setHandler(kFileClose, [this] {
        if (CChildFrame* child = activeChild()) {
            child->close();
        }
    });
    commands_.setHandler(kFileSave, [this] { saveDocument(activeChild(), false); });
    commands_.setHandler(kFileSaveAs, [this] { saveDocument(activeChild(), true); });
    commands_.setHandler(kFilePrintSetup, [this] { QPageSetupDialog(&printer_, this).exec(); });
    commands_.setHandler(kAppExit, [this] { close(); });

    commands_.setCheckable(kViewToolbar);
    commands_.setChecked(kViewToolbar, true);
    commands_.setHandler(kViewToolbar, [this] { toolBar_->setVisible(toolBar_->isHidden()); });
    connect(toolBar_, &QToolBar::visibilityChanged, this,
            [this] { commands_.setChecked(kViewToolbar, !toolBar_->isHidden()); });
    commands_.setCheckable(kViewStatusBar);
    commands_.setChecked(kViewStatusBar, true);
    commands_.setHandler(kViewStatusBar, [this] {
        statusBar()->setVisible(statusBar()->isHidden());
        commands_.setChecked(kViewStatusBar, !statusBar()->isHidden());
    });
    commands_.setCheckable(kControlBar);
    commands_.setChecked(kControlBar, true);
    commands_.setHandler(kControlBar,
                         [this] { navigationBar_->setVisible(navigationBar_->isHidden()); });

    commands_.setHandler(kProductInformation, [this] { showProductInformation(); });
    commands_.setHandler(kChannelInformation, [this] { showChannelInformation(); });
    commands_.setHandler(kHelpTopics, [this] { context_.help.showIndex(this); });
    commands_.setHandler(kLanguage, [this] { showLanguageDialog(); });
    commands_.setHandler(kComSetup, [this] { showPortSetting(); });
    commands_.setHandler(kFleetWrite, [this] { showFleetWrite(); });
    commands_.setHandler(kOptionalFeatures, [this] { showOptionalFeatures(); });
}

void CMainFrame::connectTransferCommands() {
    commands_.setHandler(kRead, [this] {
        if (CChildFrame* child = activeChild()) {
            transfers_->windowOf(child)->onRead();
        }
    });
    commands_.setHandler(kWrite, [this] {
        if (CChildFrame* child = activeChild()) {
            transfers_->windowOf(child)->onWrite();
        }
    });
}

void CMainFrame::connectPrintCommands() {
    commands_.setHandler(kFilePrint, [this] {
        if (CChildFrame* child = activeChild()) {
            preparePrinter(printer_, *child);
        }
        QPrintDialog dialog(&printer_, this);
        if (dialog.exec() == QDialog::Accepted) {
            printActiveDocument(printer_);
        }
    });
    commands_.setHandler(kFilePrintPreview, [this] {
        QPrintPreviewDialog preview(&printer_, this);
        connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                [this](QPrinter* printer) { printActiveDocument(*printer); });
        preview.exec();
    });
}

void CMainFrame::printActiveDocument(QPrinter& printer) {
    if (CChildFrame* child = activeChild()) {
        printDocument(printer, *child, context_.product, context_.language);
    }
}

CChildFrame* CMainFrame::activeChild() const {
    if (auto* current = qobject_cast<CChildFrame*>(mdiArea_->currentSubWindow())) {
        return current;
    }
    return lastActive_.data();
}

std::vector<CChildFrame*> CMainFrame::children() const {
    std::vector<CChildFrame*> result;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window)) {
            result.push_back(child);
        }
    }
    return result;
}

void CMainFrame::updateMenus() {
    const bool hasDocument = activeChild() != nullptr;
    for (const CommandId command : commands_.commandIds()) {
        const bool needsDocument = std::find(kDocumentCommands.begin(), kDocumentCommands.end(),
                                             command) != kDocumentCommands.end();
        commands_.setAvailable(command, hasDocument || !needsDocument);
    }
    channelEdits_->updateCommands();
    const int menuId = hasDocument ? resource::kDocumentMenu : resource::kMainMenu;
    if (menuId == shownMenu_) {
        return;
    }
    shownMenu_ = menuId;
    menuBar()->clear();
    for (QMenu* menu : menus_[menuId]) {
        menuBar()->addMenu(menu);
    }
}

QMenu* CMainFrame::popup(int menuId, int index) const {
    const auto found = menus_.find(menuId);
    if (found == menus_.end() || index < 0 || index >= static_cast<int>(found->second.size())) {
        return nullptr;
    }
    return found->second[static_cast<std::size_t>(index)];
}

void CMainFrame::removeMenuCommand(int menuId, int index, CommandId command) {
    QMenu* menu = popup(menuId, index);
    if (!menu) {
        return;
    }
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && CommandRouter::commandOf(action) == command) {
            menu->removeAction(action);
            delete action;
        }
    }
}

void CMainFrame::removeMenuItemAt(int menuId, int index, int position) {
    QMenu* menu = popup(menuId, index);
    if (!menu || position < 0 || position >= menu->actions().size()) {
        return;
    }
    QAction* action = menu->actions().at(position);
    menu->removeAction(action);
    if (action->parent() == menu) {
        delete action;
    }
}

CChildFrame* CMainFrame::addChild(std::unique_ptr<DocumentSession> session) {
    // Every new document window starts with the stored port.
    context_.port.onViewCreated(readStoredPort(SettingsStore(context_.settingsPath)));
    auto* child = new CChildFrame(std::move(session), viewContext_, nullptr);
    channelEdits_->attach(child);
    mdiArea_->addSubWindow(child);
    child->setGeometry(0, 0, CChildFrame::kWidth, CChildFrame::kHeight);
    child->show();
    mdiArea_->setActiveSubWindow(child);
    child->view()->initialUpdate();
    updateMenus();
    return child;
}

CChildFrame* CMainFrame::newDocument() {
    auto session = std::make_unique<DocumentSession>(context_.product, context_.language);
    session->newDocument(context_.appName);
    return addChild(std::move(session));
}

CChildFrame* CMainFrame::openDocument(const QString& path) {
    auto session = std::make_unique<DocumentSession>(context_.product, context_.language);
    const DocumentLoadResult loaded =
        session->open(QFileInfo(path).absoluteFilePath().toStdString(), context_.language);
    if (!loaded) {
        context_.messages.show(this, toQString(loaded.error));
        return nullptr;
    }
    recentFiles_->add(toQString(session->document().path()));
    // The new document takes the place of the window that was active.
    if (CChildFrame* previous = activeChild()) {
        previous->close();
    }
    return addChild(std::move(session));
}

bool CMainFrame::saveDocument(CChildFrame* child, bool askName) {
    if (!child) {
        return false;
    }
    // The value still in an editor is part of what is saved; a refused one is reported
    // before the name is asked, and the cell's old text is saved.
    child->view()->cellCommit();
    const CProgramDoc& document = child->document();
    QString target = toQString(document.path());
    if (saveAsksName(document, askName)) {
        target = context_.files.saveFileName(this, toQString(proposedSaveName(document)),
                                             kDocumentFilter);
        if (target.isEmpty()) {
            return false;
        }
        target = toQString(withDocumentSuffix(toStdString(target)));
    }
    const std::string path = QFileInfo(target).absoluteFilePath().toStdString();
    if (child->session().overwritesChangedFile(path) && !confirmOverwrite(path)) {
        return false;
    }
    const DocumentSaveResult saved = child->session().save(path);
    if (!saved) {
        context_.messages.show(this, toQString(saved.written.error));
        return false;
    }
    recentFiles_->add(toQString(child->document().path()));
    child->setModified(false);
    child->updateTitle();
    return true;
}

bool CMainFrame::confirmOverwrite(const std::string& path) {
    const QString text = QFileInfo(toQString(path)).fileName() + QStringLiteral("\n\n") +
                         toQString(builtInText(BuiltInText::FileChangedOnDisk, context_.language));
    return context_.messages.show(this, text, MessageBoxes::Buttons::OkCancel,
                                  QMessageBox::Question) == MessageBoxes::Answer::Ok;
}

void CMainFrame::openRecentFile(const QString& path) {
    if (!commands_.isEnabled(kFileOpen)) {
        return;
    }
    // A file that no longer opens leaves the list, after its message.
    if (!openDocument(path)) {
        recentFiles_->remove(path);
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::ranges::any_of(urls, [](const QUrl& url) { return url.isLocalFile(); })) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (!commands_.isEnabled(kFileOpen)) {
        event->ignore();
        return;
    }
    // Each dropped file opens as File Open would open it, with the same check.
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            openDocument(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
}

void CMainFrame::destroyDocument(CChildFrame* child) {
    mdiArea_->removeSubWindow(child);
    delete child;
    updateMenus();
}

void CMainFrame::onTreeSelectionChanged() {
    // Selecting the root again below raises this once more; one user selection acts once.
    if (handlingTreeSelection_) {
        return;
    }
    handlingTreeSelection_ = true;
    QTreeWidget* tree = navigationBar_->tree();
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    if (!selected.isEmpty() && selected.front() != treeRoot_) {
        commands_.trigger(CommandId{selected.front()->data(0, kTreeCommandRole).toInt()});
    }
    tree->setCurrentItem(treeRoot_);
    handlingTreeSelection_ = false;
}

void CMainFrame::showChannelInformation() {
    CChildFrame* child = activeChild();
    if (!child) {
        showNormal();
        return;
    }
    child->showNormal();
    mdiArea_->setActiveSubWindow(child);
}

void CMainFrame::showProductInformation() {
    CChildFrame* child = activeChild();
    if (!child) {
        return;
    }
    CProductInfoDlg dialog(context_.resources, context_.product, child->document().image(), this);
    dialog.setHelpHandler([this](HelpContext context) { requestHelp(context); });
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The grid takes the cleared channels before the step takes the grid.
    if (dialog.outcome() == ProductInfoRules::Outcome::ChannelsCleared) {
        child->view()->refill();
    }
    if (dialog.changedImage()) {
        child->session().recordStep(HistoryStep::ProductInformation);
        child->setModified(child->session().isModified());
        updateMenus();
    }
}

void CMainFrame::showPortSetting() {
    const auto canOpen = [](const std::string& port) {
        return probePort(port) == PortStatus::Free;
    };
    const SettingsStore settings(context_.settingsPath);
    CPortSettingDlg dialog(context_.resources, context_.port.name(), canOpen, context_.messages,
                           this, readTracePreference(settings));
    dialog.setHelpHandler([this](HelpContext context) { requestHelp(context); });
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // A failed write is not reported: the port and the trace still change for this run.
    (void)storeTracePreference(settings, dialog.tracePreference());
    std::string traceError;
    trace_->set(traceFor(dialog.tracePreference(), traceError));
    if (!traceError.empty()) {
        context_.messages.show(this, toQString(traceError));
    }
    if (dialog.choice()) {
        context_.port.choose(*dialog.choice());
        (void)storePort(settings, dialog.choice()->storedValue);
    }
}

// The ports offered: every numbered port that opens now, the other serial devices and the
// port of the transfers.
void CMainFrame::showFleetWrite() {
    CChildFrame* child = activeChild();
    if (!child) {
        return;
    }
    child->view()->cellCommit();
    child->view()->gridCommit();
    std::vector<std::string> ports;
    for (int number = 1; number <= kPortCount; ++number) {
        if (probePort(portNameOf(number)) == PortStatus::Free) {
            ports.push_back(portNameOf(number));
        }
    }
    for (const std::string& device : otherSerialDevices()) {
        ports.push_back(device);
    }
    if (std::find(ports.begin(), ports.end(), context_.port.name()) == ports.end()) {
        ports.push_back(context_.port.name());
    }
    CFleetWriteDlg dialog(context_.language, child->document().image(), ports,
                          userBackupPlace(SettingsStore(context_.settingsPath)), trace_, this);
    dialog.setHelpHandler([this](HelpContext context) { requestHelp(context); });
    dialog.exec();
}

void CMainFrame::showOptionalFeatures() {
    CChildFrame* child = activeChild();
    if (!child) {
        return;
    }
    COptionalFeaturesDlg dialog(context_.language, child->document().image(), context_.messages,
                                this);
    dialog.setHelpHandler([this](HelpContext context) { requestHelp(context); });
    if (dialog.exec() == QDialog::Accepted && dialog.changedImage()) {
        child->session().recordStep(HistoryStep::OptionalFeatures);
        child->setModified(child->session().isModified());
        updateMenus();
    }
}

void CMainFrame::showLanguageDialog() {
    CLanguageDlg dialog(context_.resources, context_.language, this);
    dialog.setHelpHandler([this](HelpContext context) { requestHelp(context); });
    if (dialog.exec() == QDialog::Accepted && dialog.chosen() != context_.language) {
        emit languageChosen(dialog.chosen());
    }
}

void CMainFrame::requestHelp(HelpContext context) {
    context_.help.showContext(context, this);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // F1 on a highlighted menu item opens the help of its command.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched); menu && menu->activeAction()) {
            requestHelp(CommandRouter::commandOf(menu->activeAction()));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::settleDocument(CChildFrame* child) {
    const bool refused = child->view()->commitOnLeaving().rejected();
    if (!refused && !child->isModified()) {
        return true;
    }
    child->showNormal();
    mdiArea_->setActiveSubWindow(child);
    if (refused) {
        return false;
    }
    const auto answer = context_.messages.show(
        this, toQString(builtInText(BuiltInText::SaveChanges, context_.language)),
        MessageBoxes::Buttons::YesNoCancel, QMessageBox::Question);
    return answer == MessageBoxes::Answer::No ||
           (answer == MessageBoxes::Answer::Yes && saveDocument(child, false));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!transfers_->allowClose()) {
        event->ignore();
        return;
    }
    for (CChildFrame* child : children()) {
        if (!settleDocument(child)) {
            event->ignore();
            return;
        }
    }
    if (QWidget* help = context_.help.window()) {
        help->close();
    }
    event->accept();
}

}  // namespace kw::app
