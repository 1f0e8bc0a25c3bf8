#pragma once
// The Read and Write commands of a channel view and its Process window, without widgets:
//   Absent --Read/Write--> Offered --Start--> Running --transfer ends--> Absent
//   Offered --Cancel--> Absent;  Running --Cancel--> Running with the cancel flag set.
// While the window exists, only commands that leave the document, its view and the
// window alone may run; everything else (and editing the grid) waits until it is gone.

#include <string>

#include "link/programming_session.h"
#include "res/command_ids.h"
#include "res/messages.h"

namespace kw {

// The conversions between the grid, its editor and the image that frame a transfer.
class GridSync {
  public:
    virtual ~GridSync() = default;
    virtual void cellCommit() = 0;  // the value still in the current cell's editor
    virtual void gridCommit() = 0;  // cell texts and product state into the image
    virtual void refill() = 0;      // image into cell texts and product state
};

enum class ProcessWindowState { Absent, Offered, Running };

class TransferCommands {
  public:
    // Each returns true when the Process window is to be created and shown.
    bool onRead();
    // Takes the value still being edited into the grid even when the command is ignored.
    bool onWrite(GridSync& grid);

    // The Start button: true when the transfer is to begin (then beginTransfer).
    bool start();
    // Cancel, Escape or the close box: true when the window is to be destroyed at once;
    // during a transfer only the cancel flag is set.
    bool cancel();
    bool cancelRequested() const { return cancelRequested_; }

    // Before the session: the value still in the editor and the grid go into the
    // document's image, and the session gets a copy of it, so nothing else touches the
    // image it works on.
    [[nodiscard]] RadioImage beginTransfer(GridSync& grid, const RadioImage& document);
    // After the session, however it ended: a completed Read's image becomes the
    // document's and the grid is refilled from it. The window is gone afterwards.
    void endTransfer(GridSync& grid, const TransferResult& result, const RadioImage& transferred,
                     RadioImage& document);
    // Both around a session run on the caller's own thread.
    TransferResult onTransfer(GridSync& grid, ProgrammingSession& session, RadioImage& document,
                              const std::string& portName);

    ProcessWindowState state() const { return state_; }
    TransferDirection direction() const { return direction_; }
    BuiltInText title() const { return title_; }

    bool commandAllowed(CommandId commandId) const;
    bool gridEditAllowed() const { return state_ == ProcessWindowState::Absent; }

  private:
    bool offer(TransferDirection direction, BuiltInText title);

    ProcessWindowState state_ = ProcessWindowState::Absent;
    TransferDirection direction_ = TransferDirection::Read;
    BuiltInText title_ = BuiltInText::ReadDataTitle;
    bool cancelRequested_ = false;
};

}  // namespace kw
