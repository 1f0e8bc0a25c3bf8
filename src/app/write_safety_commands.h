#pragma once
// The commands around a Write: Setup > Preferences, File > Open Backup, Program >
// Restore Backup and Program > Compare. They register their handlers with the frame's
// command router.

#include <QObject>
#include <QPointer>

#include "model/radio_image.h"
#include "res/messages.h"

namespace kw::app {

class CChildFrame;
class CMainFrame;
class CDifferencesDlg;
struct FrameContext;

class WriteSafetyCommands : public QObject {
    Q_OBJECT
  public:
    WriteSafetyCommands(CMainFrame& frame, FrameContext& context);

    // The last window a comparison opened; it closes itself.
    CDifferencesDlg* comparison() const;

  private:
    void showPreferences();
    void openBackup();
    void restoreBackup();
    void compare();
    // The differences from `child`'s document to `other`, in a window of their own.
    void showComparison(CChildFrame* child, const RadioImage& other, const QString& otherName);
    // The backup the user chose, after the open check; false when none.
    bool chooseBackup(RadioImage& backup, QString& path);
    [[nodiscard]] QString backupsFolder() const;
    [[nodiscard]] QString text(BuiltInText id) const;

    CMainFrame& frame_;
    FrameContext& context_;
    QPointer<CDifferencesDlg> comparison_;
};

}  // namespace kw::app
