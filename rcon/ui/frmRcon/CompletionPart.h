// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+Space in the command line completes the word before the caret from the server's command
// and variable names and from the commands sent before. The server's names are fetched once
// per server over a side channel, so the console never shows that traffic; one match is put in
// at once, several open a list (Escape closes it). Tab and Up/Down keep their own work.
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ServerSession.h"
#include "core/SideChannel.h"

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace ui {

class CompletionPart final : public QObject {
  Q_OBJECT
 public:
  using ChannelFactory = std::function<std::unique_ptr<rcon::RequestChannel>()>;
  // channels: makes the side channel when first needed; empty for real UDP.
  CompletionPart(rcon::ServerSession& session, QLineEdit& commandLine, ChannelFactory channels);
  ~CompletionPart() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ServerWords {
    std::vector<std::string> words;
    bool fetching = true;
  };
  using Target = rcon::ServerSession::Target;

  void completeRequested();
  void complete();
  // Starts fetching the current server's names unless they are known or on their way; true
  // while they are on their way.
  bool fetchWords();
  void ask(const std::string& key, const Target& target, const std::string& command);
  void answered(const std::string& key, const Target& target, const std::string& command,
                const rcon::SideAnswer& answer);
  void fetchEnded(const std::string& key, bool gotWords);
  void insert(const QString& word);
  std::optional<std::string> currentKey() const;

  rcon::ServerSession& session_;
  QLineEdit& line_;
  ChannelFactory channels_;
  std::unique_ptr<rcon::RequestChannel> channel_;
  std::map<std::string, ServerWords> servers_;  // by "host:port"
  QCompleter* completer_;
  QStringListModel* model_;
  // The line and caret when completion waited for a server's names: it goes on when they come,
  // if the user has not moved on meanwhile.
  std::optional<std::pair<QString, int>> waiting_;
};

}  // namespace ui
