#pragma once
// CMainFrame: the main window. Menus, toolbar and accelerators come from the language's
// resource set; the navigation bar sits beside the document area, whose empty part shows
// the tiled background.

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/command_router.h"
#include "app/program_view.h"
#include "link/program_port.h"
#include "link/protocol_trace.h"
#include "res/help_context.h"
#include "res/resource_set.h"
#include "session/document_session.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace kw::app {

class BackgroundPainter;
class CChildFrame;
class ChannelEditCommands;
class CNavigationBar;
class FileDialogs;
class HelpViewer;
class MessageBoxes;
class RecentFileMenu;
class WindowMenu;
class TransferWindows;
class WriteSafetyCommands;

// The process-wide state the frame works with; owned by the application.
struct FrameContext {
    const ResourceSet& resources;
    Language language;
    QString title;    // Title of the language section
    QString company;  // Company of the language section
    std::string appName;
    std::string programDirectory;
    std::string settingsPath;  // the per-user settings store: port, recent files
    ProductState& product;
    ProgramPort& port;
    MessageBoxes& messages;
    FileDialogs& files;
    HelpViewer& help;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(FrameContext& context);
    ~CMainFrame() override;

    CommandRouter& commands() { return commands_; }
    CNavigationBar* navigationBar() const { return navigationBar_; }
    QTreeWidget* navigationTree() const;
    QMdiArea* mdiArea() const { return mdiArea_; }
    QToolBar* toolBar() const { return toolBar_; }
    BackgroundPainter* backgroundPainter() const { return background_; }
    QPrinter& printer() { return printer_; }
    WindowMenu* windowMenu() const { return windowMenu_; }
    RecentFileMenu* recentFiles() const { return recentFiles_; }
    TransferWindows& transfers() { return *transfers_; }
    WriteSafetyCommands& writeSafety() { return *writeSafety_; }
    // What every transfer's port records into, as Com Setup chose.
    std::shared_ptr<const TraceSwitch> trace() const { return trace_; }

    // The document window the commands act on: the active one, or the one last active
    // when it was hidden by its close box.
    CChildFrame* activeChild() const;
    std::vector<CChildFrame*> children() const;

    // The top-level menu `index` of menu 128 or 129, as the start-up deletions need it.
    QMenu* popup(int menuId, int index) const;
    void removeMenuCommand(int menuId, int index, CommandId command);
    void removeMenuItemAt(int menuId, int index, int position);

    // A new document with the default image, in a window of its own.
    CChildFrame* newDocument();
    // Opens with the open check; reports a refused file and returns nullptr.
    CChildFrame* openDocument(const QString& path);
    // Saves as Save does (Save As with `askName`); false when cancelled or refused.
    bool saveDocument(CChildFrame* child, bool askName);
    // Before a document is closed or replaced: the value still being typed is taken as an
    // edit, and a modified document is offered to be saved ("Save changes?"). False when
    // the user cancels, a save fails, or the typed value was refused.
    bool settleDocument(CChildFrame* child);
    // Ends the document and its window at once, without asking.
    void destroyDocument(CChildFrame* child);
    // Print and Print Preview paint the active document's channel table through this.
    void printActiveDocument(QPrinter& printer);

  signals:
    void languageChosen(Language language);

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Documents dropped from the file manager open as File Open opens them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createMenus();
    void createDocumentMenus();
    void openRecentFile(const QString& path);
    void createToolBar();
    void createStatusBar();
    void createNavigationBar(QWidget* dockingArea);
    void createShortcuts();
    void connectCommands();
    CChildFrame* addChild(std::unique_ptr<DocumentSession> session);
    void updateMenus();
    void onTreeSelectionChanged();
    void showChannelInformation();
    void showProductInformation();
    void showPortSetting();
    void showFleetWrite();
    void showLanguageDialog();
    void showOptionalFeatures();
    void connectTransferCommands();
    void connectPrintCommands();
    void requestHelp(HelpContext context);
    // Saving over a file another program changed since it was opened or saved here.
    bool confirmOverwrite(const std::string& path);
    QString commandText(StringId id) const;

    FrameContext& context_;
    ViewContext viewContext_;
    CommandRouter commands_;
    std::map<int, std::vector<QMenu*>> menus_;
    int shownMenu_ = 0;
    QMdiArea* mdiArea_ = nullptr;
    BackgroundPainter* background_ = nullptr;
    CNavigationBar* navigationBar_ = nullptr;
    QTreeWidgetItem* treeRoot_ = nullptr;
    bool handlingTreeSelection_ = false;
    QToolBar* toolBar_ = nullptr;
    QPointer<CChildFrame> lastActive_;
    QPrinter printer_;
    WindowMenu* windowMenu_ = nullptr;
    RecentFileMenu* recentFiles_ = nullptr;
    TransferWindows* transfers_ = nullptr;
    WriteSafetyCommands* writeSafety_ = nullptr;
    // The protocol trace of the Com Setup preference, which every transfer's port records into.
    std::shared_ptr<TraceSwitch> trace_ = std::make_shared<TraceSwitch>();
    ChannelEditCommands* channelEdits_ = nullptr;
};

}  // namespace kw::app
