#pragma once
// File > Import... and Export...: the active document's channels from and to a CSV file,
// in our own channel-table form or CHIRP's, as the file dialog's filter chooses. An
// import is one step of the document's history; lines the radio cannot hold are listed
// and the user takes the rest or nothing.

#include <QObject>
#include <QString>
#include <string>

#include "res/language.h"

namespace kw::app {

class CChildFrame;
class CMainFrame;
class ChannelEditCommands;
class FileDialogs;
class MessageBoxes;

class ChannelFileCommands : public QObject {
    Q_OBJECT
  public:
    ChannelFileCommands(CMainFrame& frame, ChannelEditCommands& edits, Language language,
                        MessageBoxes& messages, FileDialogs& files);

  private:
    void exportChannels();
    void importChannels();
    // Whether the text went in; a refusal or an error has been shown.
    bool importOurCsv(CChildFrame* child, const std::string& text);
    bool importChirpCsv(CChildFrame* child, const std::string& text);
    QString filters() const;
    bool isChirp(const QString& chosenFilter) const;
    void showError(CChildFrame* child, const std::string& text);

    CMainFrame& frame_;
    ChannelEditCommands& edits_;
    Language language_;
    MessageBoxes& messages_;
    FileDialogs& files_;
};

}  // namespace kw::app
